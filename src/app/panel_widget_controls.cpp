// The editing panel's controls: view buttons, the preview's group box and check boxes, and
// the RGB mixer. The panel moves its values through them one at a time (ControlHost).
#include "app/panel_widget.h"

#include "app/qt_convert.h"
#include "app/window_layout.h"
#include "panel/control_data.h"
#include "panel/edit_panel.h"
#include "res/control_ids.h"
#include "res/frame_strings.h"
#include "tools/colour_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QValidator>

#include <algorithm>

namespace pattik {
namespace {

// Takes any run of the digits 0-9 and nothing else (a plain test, without a regular
// expression engine to load at start-up).
class DigitsOnly : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const bool digits = std::all_of(input.cbegin(), input.cend(),
                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
        return digits ? Acceptable : Invalid;
    }
};

constexpr int kEditIds[3] = {kRedEdit, kGreenEdit, kBlueEdit};
constexpr int kTrackbarIds[3] = {kRedTrackbar, kGreenTrackbar, kBlueTrackbar};
constexpr MixerChannel kChannels[3] = {MixerChannel::Red, MixerChannel::Green, MixerChannel::Blue};
constexpr const char* kChannelLabels[3] = {"R", "G", "B"};
constexpr const char* kChannelNames[3] = {"red", "green", "blue"};

// Labels and the group box lie over the panel's painted areas; the mouse goes through them
// to the panel, so hover and presses there reach the tools.
void LetMouseThrough(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

template <typename Control>
Control* Find(const std::map<int, Control*>& controls, int id) {
    const auto found = controls.find(id);
    return found != controls.end() ? found->second : nullptr;
}

} // namespace

void CEditPanelWidget::CreateControls() {
    struct ViewButton {
        int id;
        const char* name;
        std::string_view text;
        QRect place;
    };
    const ViewButton viewButtons[] = {
        {kWearButton, "wearButton", kWearButtonText, layout::kWearButton},
        {kDpButton, "dpButton", kDpButtonText, layout::kDpButton},
        {kHairButton, "hairButton", kHairButtonText, layout::kHairButton},
    };
    for (const ViewButton& view : viewButtons) {
        auto* button = new QPushButton(ToQString(view.text), this);
        button->setObjectName(QString::fromLatin1(view.name));
        button->setGeometry(view.place);
        button->setFlat(true);
        // The shown view's button stays pushed in.
        button->setCheckable(true);
        buttons_[view.id] = button;
    }

    auto* group = new QGroupBox(ToQString(kPreviewGroupText), this);
    group->setGeometry(layout::kPreviewGroup);
    LetMouseThrough(group);

    checkBoxes_[kShowAvatarCheckBox] = new QCheckBox(ToQString(kShowAvatarText), this);
    checkBoxes_[kShowAvatarCheckBox]->setObjectName(QStringLiteral("showAvatar"));
    checkBoxes_[kShowAvatarCheckBox]->setGeometry(layout::kShowAvatarCheckBox);
    checkBoxes_[kAvatarInFrontCheckBox] = new QCheckBox(ToQString(kAvatarInFrontText), this);
    checkBoxes_[kAvatarInFrontCheckBox]->setObjectName(QStringLiteral("avatarInFront"));
    checkBoxes_[kAvatarInFrontCheckBox]->setGeometry(layout::kAvatarInFrontCheckBox);

    for (int channel = 0; channel < 3; ++channel) {
        auto* label = new QLabel(QString::fromLatin1(kChannelLabels[channel]), this);
        label->setGeometry(layout::kMixerLabels[channel]);
        LetMouseThrough(label);

        auto* trackbar = new QSlider(Qt::Horizontal, this);
        trackbar->setObjectName(QString::fromLatin1(kChannelNames[channel]) +
                                QStringLiteral("Trackbar"));
        trackbar->setGeometry(layout::kTrackbars[channel]);
        trackbar->setTickPosition(QSlider::NoTicks);
        trackbars_[kTrackbarIds[channel]] = trackbar;

        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kChannelNames[channel]) + QStringLiteral("Edit"));
        edit->setGeometry(layout::kEdits[channel]);
        // Digits only, as typed; a number too large is the panel's to clamp.
        edit->setValidator(new DigitsOnly(edit));
        edits_[kEditIds[channel]] = edit;
    }
}

void CEditPanelWidget::ConnectControls() {
    connect(Button(kWearButton), &QAbstractButton::clicked, this, [this] {
        if (panel_ != nullptr) {
            panel_->OnWearButton();
        }
    });
    connect(Button(kDpButton), &QAbstractButton::clicked, this, [this] {
        if (panel_ != nullptr) {
            panel_->OnDpButton();
        }
    });
    connect(Button(kHairButton), &QAbstractButton::clicked, this, [this] {
        if (panel_ != nullptr) {
            panel_->OnHairButton();
        }
    });
    for (const auto& [id, checkBox] : checkBoxes_) {
        connect(checkBox, &QAbstractButton::clicked, this, [this] {
            if (panel_ != nullptr) {
                panel_->OnPreviewCheckBox();
            }
        });
    }
    for (int channel = 0; channel < 3; ++channel) {
        // The program's own writes are silent (WriteTrackbarPosition blocks the signal),
        // so this runs for the user's moves only.
        connect(Trackbar(kTrackbarIds[channel]), &QSlider::valueChanged, this, [this] {
            if (panel_ != nullptr) {
                OnTrackbarMoved(*panel_);
            }
        });
        // textEdited is the user's typing only, never the panel's own writes.
        connect(Edit(kEditIds[channel]), &QLineEdit::textEdited, this,
                [this, mixerChannel = kChannels[channel]] {
                    if (panel_ != nullptr) {
                        OnEditChanged(*panel_, mixerChannel);
                    }
                });
    }
}

QLineEdit* CEditPanelWidget::Edit(int editId) const {
    return Find(edits_, editId);
}
QSlider* CEditPanelWidget::Trackbar(int trackbarId) const {
    return Find(trackbars_, trackbarId);
}
QCheckBox* CEditPanelWidget::CheckBox(int checkBoxId) const {
    return Find(checkBoxes_, checkBoxId);
}
QAbstractButton* CEditPanelWidget::Button(int buttonId) const {
    return Find(buttons_, buttonId);
}

std::optional<int> CEditPanelWidget::ReadEditInteger(int editId) const {
    const QLineEdit* edit = Edit(editId);
    if (edit == nullptr) {
        return std::nullopt;
    }
    return ParseEditInteger(ToStdString(edit->text()));
}

void CEditPanelWidget::WriteEditInteger(int editId, int value) {
    QLineEdit* edit = Edit(editId);
    const QString text = QString::number(value);
    // Rewriting the same number would move the cursor the user is typing at.
    if (edit != nullptr && edit->text() != text) {
        edit->setText(text);
    }
}

void CEditPanelWidget::FocusEdit(int editId) {
    if (QLineEdit* edit = Edit(editId)) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

int CEditPanelWidget::ReadTrackbarPosition(int trackbarId) const {
    const QSlider* trackbar = Trackbar(trackbarId);
    return trackbar != nullptr ? trackbar->value() : 0;
}

void CEditPanelWidget::WriteTrackbarPosition(int trackbarId, int position) {
    if (QSlider* trackbar = Trackbar(trackbarId)) {
        const QSignalBlocker quiet(trackbar);
        trackbar->setValue(position);
    }
}

void CEditPanelWidget::SetTrackbarRange(int trackbarId, int minimum, int maximum) {
    if (QSlider* trackbar = Trackbar(trackbarId); trackbar != nullptr && minimum <= maximum) {
        const QSignalBlocker quiet(trackbar);
        trackbar->setRange(minimum, maximum);
    }
}

bool CEditPanelWidget::ReadCheckBox(int checkBoxId) const {
    const QCheckBox* checkBox = CheckBox(checkBoxId);
    return checkBox != nullptr && checkBox->isChecked();
}

void CEditPanelWidget::WriteCheckBox(int checkBoxId, bool checked) {
    if (QCheckBox* checkBox = CheckBox(checkBoxId)) {
        checkBox->setChecked(checked);
    }
}

void CEditPanelWidget::ShowControl(int controlId, bool show) {
    if (QWidget* control = Button(controlId)) {
        control->setVisible(show);
    }
}

void CEditPanelWidget::SetButtonPushed(int buttonId, bool pushed) {
    if (QAbstractButton* button = Button(buttonId)) {
        button->setChecked(pushed);
    }
}

} // namespace pattik
