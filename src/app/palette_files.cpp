#include "app/palette_files.h"

#include "app/qt_convert.h"
#include "document/item_files.h"
#include "document/palette_file.h"
#include "document/shown_path.h"
#include "res/frame_strings.h"
#include "res/string_table.h"
#include "tools/tool_palette.h"

#include <QAction>
#include <QColor>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace pattik {
namespace {

const QString kSwatchesKey = QStringLiteral("palette/swatches");

} // namespace

PaletteFiles::PaletteFiles(QWidget& window, CToolPalette& palette, QSettings& settings,
                           std::function<void(const QString&)> say)
    : QObject(&window), window_(window), palette_(palette), settings_(settings),
      say_(std::move(say)), loadAction_(new QAction(ToQString(kLoadPaletteItemText), &window)),
      saveAction_(new QAction(ToQString(kSavePaletteItemText), &window)) {
    loadAction_->setObjectName(QStringLiteral("loadPalette"));
    loadAction_->setStatusTip(ToQString(kLoadPalettePrompt));
    connect(loadAction_, &QAction::triggered, this, &PaletteFiles::AskAndLoad);
    saveAction_->setObjectName(QStringLiteral("savePalette"));
    saveAction_->setStatusTip(ToQString(kSavePalettePrompt));
    connect(saveAction_, &QAction::triggered, this, &PaletteFiles::AskAndSave);
}

void PaletteFiles::AddToFileMenu(QMenu& file, QAction* before) {
    file.insertAction(before, loadAction_);
    file.insertAction(before, saveAction_);
    file.insertSeparator(before);
}

void PaletteFiles::LoadSwatchSettings() {
    const QStringList stored = settings_.value(kSwatchesKey).toStringList();
    std::vector<COLORREF> colours;
    for (const QString& name : stored) {
        const QColor colour = QColor::fromString(name);
        if (!colour.isValid()) {
            return; // edited by hand into something else: the swatches stay as they are
        }
        colours.push_back(ToColorRef(colour));
    }
    if (ApplyPalette(colours, palette_.SwatchColours()) > 0) {
        palette_.InvalidateSwatches();
    }
}

void PaletteFiles::StoreSwatchSettings() {
    QStringList names;
    for (const COLORREF colour : palette_.SwatchColours()) {
        names.append(ToQColor(colour).name());
    }
    // Unchanged swatches leave the settings file alone: an exit writes nothing it need not.
    if (settings_.value(kSwatchesKey).toStringList() != names) {
        settings_.setValue(kSwatchesKey, names);
    }
}

void PaletteFiles::AskAndLoad() {
    const QString path = QFileDialog::getOpenFileName(&window_, loadAction_->text().remove(u'&'),
                                                      QString(), ToQString(kPaletteFilesFilter),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) {
        Load(path);
    }
}

void PaletteFiles::AskAndSave() {
    const QString path = QFileDialog::getSaveFileName(&window_, saveAction_->text().remove(u'&'),
                                                      QString(), ToQString(kPaletteFilesFilter),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) {
        Save(path);
    }
}

void PaletteFiles::Load(const QString& path) {
    const PaletteReadResult read = ReadPaletteFile(ToStdString(path));
    if (!read.Succeeded()) {
        Refuse(ToQString(kPaletteNotReadText) + u'\n' + ToQString(ShownPath(ToStdString(path))) +
               QStringLiteral(": ") + ToQString(read.refusal));
        return;
    }
    ApplyPalette(read.colours, palette_.SwatchColours());
    palette_.InvalidateSwatches();
    StoreSwatchSettings();
    say_(ToQString(PaletteAppliedText(read.colours.size())));
}

void PaletteFiles::Save(const QString& path) {
    const std::string file = ToStdString(path);
    int errorNumber = 0;
    if (!WritePaletteFile(file, PaletteFormatForPath(file), palette_.SwatchColours(),
                          errorNumber)) {
        Refuse(ToQString(kPaletteNotSavedText) + u'\n' + ToQString(ShownPath(file)) +
               QStringLiteral(": ") + ToQString(SaveFailureText(SaveFailure::System, errorNumber)));
        return;
    }
    say_(ToQString(kPaletteSavedText));
}

void PaletteFiles::Refuse(const QString& text) {
    QMessageBox::warning(&window_, window_.windowTitle(), text);
}

} // namespace pattik
