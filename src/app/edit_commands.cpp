#include "app/edit_commands.h"

#include "app/clipboard_image.h"
#include "app/qt_convert.h"
#include "document/editor_core.h"
#include "res/control_ids.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

namespace pattik {
namespace {

const QString kPngType = QStringLiteral("image/png");

} // namespace

EditCommands::EditCommands(QWidget& window, EditorCore& core,
                           std::function<void(const QString&)> say)
    : QObject(&window), window_(window), core_(core), say_(std::move(say)) {
    editActions_ = {
        MakeAction(kCutItemText, kCutPrompt, QKeySequence::Cut, "cut", [this] { Cut(); }),
        MakeAction(kCopyItemText, kCopyPrompt, QKeySequence::Copy, "copy", [this] { Copy(); }),
        MakeAction(kPasteItemText, kPastePrompt, QKeySequence::Paste, "paste", [this] { Paste(); }),
        MakeAction(kSelectAllItemText, kSelectAllPrompt, QKeySequence::SelectAll, "selectAll",
                   [this] { SelectAll(); }),
        nullptr,
        MakeAction(kFlipAcrossItemText, kFlipAcrossPrompt, QKeySequence(Qt::SHIFT | Qt::Key_H),
                   "flipAcross", [this] { Change(&CEditPanel::FlipHorizontally, kNotHereText); }),
        MakeAction(kFlipUpDownItemText, kFlipUpDownPrompt, QKeySequence(Qt::SHIFT | Qt::Key_V),
                   "flipUpDown", [this] { Change(&CEditPanel::FlipVertically, kNotHereText); }),
        MakeAction(kHalfTurnItemText, kHalfTurnPrompt,
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), "halfTurn",
                   [this] { Change(&CEditPanel::RotateHalfTurn, kNotHereText); }),
        MakeAction(kQuarterTurnItemText, kQuarterTurnPrompt, QKeySequence(Qt::CTRL | Qt::Key_R),
                   "quarterTurn",
                   [this] {
                       Change(&CEditPanel::RotateQuarterTurn,
                              !core_.panel.CanEditPictureInView() ? kNotHereText
                              : core_.panel.Selection().hasFloatingSelection
                                  ? kQuarterTurnDoesNotFitText
                                  : kPictureQuarterTurnText);
                   }),
        nullptr,
        MakeAction(kReplaceColourItemText, kReplaceColourPrompt, QKeySequence(), "replaceColour",
                   [this] { ReplaceColour(); }),
    };
    mirrorAction_ =
        MakeAction(kMirrorItemText, kMirrorPrompt, QKeySequence(Qt::Key_S), "mirrorDrawing",
                   [this] { core_.panel.SetMirrorDrawing(mirrorAction_->isChecked()); });
    mirrorAction_->setCheckable(true);
}

QAction* EditCommands::MakeAction(std::string_view text, std::string_view prompt,
                                  const QKeySequence& keys, const char* name,
                                  std::function<void()> run) {
    auto* action = new QAction(ToQString(text), &window_);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(ToQString(prompt));
    action->setShortcut(keys);
    // The keys work wherever the focus is in the window; an RGB edit keeps its own
    // clipboard keys, as it takes them first.
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
}

void EditCommands::AddToEditMenu(QMenu& edit) {
    edit.addSeparator();
    for (QAction* action : editActions_) {
        if (action == nullptr) {
            edit.addSeparator();
        } else {
            edit.addAction(action);
        }
    }
}

void EditCommands::AddToViewMenu(QMenu& view) {
    view.addAction(mirrorAction_);
}

bool EditCommands::Ready() const {
    // The picture belongs to the stroke until the button comes up.
    return !core_.tools.InStroke();
}

bool EditCommands::Change(bool (CEditPanel::*operation)(), std::string_view refusal) {
    if (!Ready()) {
        return false;
    }
    if (!(core_.panel.*operation)()) {
        say_(ToQString(refusal));
        return false;
    }
    core_.flag.SetDocumentModified(true);
    return true;
}

void EditCommands::ChooseSelectionTool() {
    if (core_.panel.Options().currentTool != ToolKind::Selection) {
        core_.palette.OnToolButton(kFirstToolButton + static_cast<int>(ToolKind::Selection));
    }
}

void EditCommands::Copy() {
    if (!Ready()) {
        return;
    }
    const DeviceBitmap picture = core_.panel.CopyForClipboard();
    if (picture.IsEmpty()) {
        say_(ToQString(kNotHereText));
        return;
    }
    const QImage image = ClipboardImage(picture);
    auto* data = new QMimeData;
    data->setImageData(image);
    // Other programs ask for PNG by name; its transparency is what they paste as empty.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->setData(kPngType, png);
    QApplication::clipboard()->setMimeData(data);
}

void EditCommands::Cut() {
    if (!Ready()) {
        return;
    }
    Copy();
    DeviceBitmap cut;
    if (core_.panel.CutToClipboard(cut)) {
        core_.flag.SetDocumentModified(true);
    }
}

void EditCommands::Paste() {
    if (!Ready()) {
        return;
    }
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QImage image;
    if (data != nullptr && data->hasFormat(kPngType)) {
        image = QImage::fromData(data->data(kPngType), "PNG");
    }
    if (image.isNull() && data != nullptr && data->hasImage()) {
        image = qvariant_cast<QImage>(data->imageData());
    }
    if (image.isNull()) {
        say_(ToQString(kClipboardEmptyText));
        return;
    }
    PasteImage(image);
}

void EditCommands::PasteImage(const QImage& image) {
    if (!Ready()) {
        return;
    }
    if (image.isNull()) {
        say_(ToQString(kPictureUnreadableText));
        return;
    }
    const Size size = core_.panel.CurrentImageSize();
    const DeviceBitmap picture = PastedPicture(image, size.cx, size.cy);
    ChooseSelectionTool();
    if (picture.IsEmpty() || !core_.panel.PasteFloating(picture)) {
        say_(ToQString(kNotHereText));
        return;
    }
    core_.flag.SetDocumentModified(true);
    SayWhenOverBudget();
}

void EditCommands::SayWhenOverBudget() {
    if (core_.panel.ViewColoursOncePlaced().WillMerge()) {
        say_(ToQString(kPasteOverBudgetText));
    }
}

void EditCommands::SelectAll() {
    if (!Ready()) {
        return;
    }
    ChooseSelectionTool();
    if (!core_.panel.SelectAll()) {
        say_(ToQString(kNotHereText));
    }
}

void EditCommands::ReplaceColour() {
    if (!Ready()) {
        return;
    }
    QMessageBox box(QMessageBox::Question, window_.windowTitle(), ToQString(kReplaceColourQuestion),
                    QMessageBox::NoButton, &window_);
    QPushButton* inView = box.addButton(ToQString(kReplaceInViewButtonText), QMessageBox::YesRole);
    QPushButton* inAll = box.addButton(ToQString(kReplaceInAllButtonText), QMessageBox::YesRole);
    box.addButton(ToQString(kCancelButtonText), QMessageBox::RejectRole);
    box.setDefaultButton(inView);
    box.exec();
    if (box.clickedButton() != inView && box.clickedButton() != inAll) {
        return;
    }
    const DrawingColours& colours = core_.panel.Colours();
    const int changed = core_.panel.ReplaceColour(colours.primaryColour, colours.secondaryColour,
                                                  box.clickedButton() == inAll);
    if (changed == 0) {
        say_(ToQString(kNothingReplacedText));
        return;
    }
    core_.flag.SetDocumentModified(true);
    say_(ToQString(kPicturesRecolouredText).arg(changed));
}

} // namespace pattik
