#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace pattik {

// What the document needs from the system and the window besides dialogs: the clock, the
// folders, the save dialog, the window's title and the recent-file list. Tests give it a
// fixed clock and a temporary folder.
class DocumentEnvironment {
  public:
    virtual ~DocumentEnvironment() = default;

    // The local time now.
    virtual std::tm LocalTime() const = 0;
    // The user's documents folder, or the home folder where there is none; never empty.
    virtual std::string DocumentsFolder() const = 0;
    // Creates the folder with any missing parents; false when it is not there afterwards.
    virtual bool EnsureFolder(const std::string& folder) = 0;
    // The save dialog, opening in folder with name proposed: the chosen path, or nothing
    // when the user cancels. It asks before the chosen file is overwritten.
    virtual std::optional<std::string> AskSavePath(const std::string& folder,
                                                   const std::string& name) = 0;
    // The title the window shows for the document.
    virtual void SetTitle(const std::string& title) = 0;
    virtual void AddToRecentFiles(const std::string& path) = 0;
};

} // namespace pattik
