#include "app/qt_document_environment.h"

#include "app/item_choice_dialog.h"
#include "app/qt_convert.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <ctime>

namespace pattik {

std::tm QtDocumentEnvironment::LocalTime() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string QtDocumentEnvironment::DocumentsFolder() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return ToStdString(QDir::cleanPath(folder));
}

bool QtDocumentEnvironment::EnsureFolder(const std::string& folder) {
    const QString path = ToQString(folder);
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

std::optional<std::string> QtDocumentEnvironment::AskSavePath(const std::string& folder,
                                                              const std::string& name) {
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt asks before the chosen file is overwritten (the companions are not asked about).
    dialog.setNameFilters({ToQString(kGifFilesFilter), ToQString(kAllFilesFilter)});
    dialog.setDirectory(ToQString(folder));
    dialog.selectFile(ToQString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToStdString(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtDocumentEnvironment::AskOpenPath(const std::string& folder) {
    QFileDialog dialog(owner_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ToQString(kOpenGifFilter), ToQString(kAllFilesFilter)});
    dialog.setDirectory(ToQString(folder));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToStdString(dialog.selectedFiles().constFirst());
}

std::optional<ItemIndices> QtDocumentEnvironment::AskItemChoice(int gender, int category) {
    return pattik::AskItemChoice(owner_, gender, category);
}

void QtDocumentEnvironment::SetTitle(const std::string& title) {
    setTitle_(ToQString(title));
}

void QtDocumentEnvironment::AddToRecentFiles(const std::string& path) {
    recentFiles_.Add(ToQString(path));
}

void QtDocumentEnvironment::RemoveFromRecentFiles(const std::string& path) {
    recentFiles_.Remove(ToQString(path));
}

} // namespace pattik
