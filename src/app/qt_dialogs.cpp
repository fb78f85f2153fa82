#include "app/qt_dialogs.h"

#include "app/qt_convert.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pattik {
namespace {

CustomColours ReadQtCustomColours() {
    CustomColours colours{};
    for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
        colours[static_cast<std::size_t>(i)] = ToColorRef(QColorDialog::customColor(i));
    }
    return colours;
}

void WriteQtCustomColours(const CustomColours& colours) {
    for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
        QColorDialog::setCustomColor(i, ToQColor(colours[static_cast<std::size_t>(i)]));
    }
}

} // namespace

MessageAnswer QtDialogs::ShowMessage(std::string_view text, MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(kApplicationName), ToQString(text),
                    QMessageBox::NoButton, owner_);
    if (buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MessageButtons::SaveCancel) {
        // Named in the program's words, whatever Qt's translation calls the buttons.
        box.addButton(ToQString(kSaveButtonText), QMessageBox::AcceptRole)
            ->setObjectName(QStringLiteral("save"));
        QPushButton* cancel = box.addButton(ToQString(kCancelButtonText), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() != nullptr &&
                       box.clickedButton()->objectName() == QStringLiteral("save")
                   ? MessageAnswer::Save
                   : MessageAnswer::Cancel;
    } else if (buttons == MessageButtons::RecoverDiscard) {
        QPushButton* recover =
            box.addButton(ToQString(kRecoverButtonText), QMessageBox::AcceptRole);
        box.addButton(ToQString(kDiscardButtonText), QMessageBox::DestructiveRole)
            ->setObjectName(QStringLiteral("discard"));
        recover->setObjectName(QStringLiteral("recover"));
        box.setDefaultButton(recover);
        box.exec();
        const QAbstractButton* clicked = box.clickedButton();
        if (clicked == nullptr) {
            return MessageAnswer::Cancel;
        }
        return clicked->objectName() == QStringLiteral("recover")   ? MessageAnswer::Recover
               : clicked->objectName() == QStringLiteral("discard") ? MessageAnswer::Discard
                                                                    : MessageAnswer::Cancel;
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Closing the box without a button is Cancel where there is one, else OK.
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
}

std::optional<COLORREF> QtDialogs::ChooseColour(COLORREF initial, CustomColours& customColours) {
    const CustomColours qtOwn = ReadQtCustomColours();
    WriteQtCustomColours(customColours);

    QColorDialog dialog(ToQColor(initial), owner_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    const QColor chosen = dialog.selectedColor();
    const CustomColours edited = ReadQtCustomColours();

    WriteQtCustomColours(qtOwn);
    if (!confirmed || !chosen.isValid()) {
        return std::nullopt;
    }
    customColours = edited;
    return ToColorRef(chosen);
}

} // namespace pattik
