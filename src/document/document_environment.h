#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace pattik {

// An item as the two boxes of the item bar choose it: list indices.
struct ItemIndices {
    int gender = -1;
    int category = -1;
};

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
    // The open dialog, starting in folder: the chosen file, or nothing when the user
    // cancels. An environment without one opens nothing.
    virtual std::optional<std::string> AskOpenPath(const std::string& /*folder*/) {
        return std::nullopt;
    }
    // Asks once for the gender and category of an item being opened, starting from the
    // box entries given (-1 for none): the list indices chosen, or nothing on cancel.
    virtual std::optional<ItemIndices> AskItemChoice(int /*gender*/, int /*category*/) {
        return std::nullopt;
    }
    // The title the window shows for the document.
    virtual void SetTitle(const std::string& title) = 0;
    virtual void AddToRecentFiles(const std::string& path) = 0;
    virtual void RemoveFromRecentFiles(const std::string& path) = 0;
};

} // namespace pattik
