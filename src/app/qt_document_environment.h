#pragma once

#include "app/recent_files.h"
#include "document/document_environment.h"

#include <functional>

class QWidget;

namespace pattik {

// The document's view of the system through Qt: the local clock, the user's documents
// folder, the save dialog, the window's title and the recent-file list.
class QtDocumentEnvironment : public DocumentEnvironment {
  public:
    QtDocumentEnvironment(RecentFiles& recentFiles, std::function<void(const QString&)> setTitle)
        : recentFiles_(recentFiles), setTitle_(std::move(setTitle)) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::tm LocalTime() const override;
    // The documents folder the desktop names, or the home folder when it names none.
    std::string DocumentsFolder() const override;
    bool EnsureFolder(const std::string& folder) override;
    std::optional<std::string> AskSavePath(const std::string& folder,
                                           const std::string& name) override;
    std::optional<std::string> AskOpenPath(const std::string& folder) override;
    std::optional<ItemIndices> AskItemChoice(int gender, int category) override;
    void SetTitle(const std::string& title) override;
    void AddToRecentFiles(const std::string& path) override;
    void RemoveFromRecentFiles(const std::string& path) override;

  private:
    RecentFiles& recentFiles_;
    std::function<void(const QString&)> setTitle_;
    QWidget* owner_ = nullptr;
};

} // namespace pattik
