#pragma once

#include "document/document_environment.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pattik::testing {

// A document environment with a fixed clock (2007-03-14 15:30:12), a documents folder the
// test names, and scripted dialogs: each answers with the next queued reply, and cancels
// when none is left. Every dialog shown is recorded.
class FakeEnvironment : public DocumentEnvironment {
  public:
    std::tm LocalTime() const override { return now; }
    std::string DocumentsFolder() const override { return documents; }
    bool EnsureFolder(const std::string& folder) override;
    std::optional<std::string> AskSavePath(const std::string& folder,
                                           const std::string& name) override;
    std::optional<std::string> AskOpenPath(const std::string& folder) override;
    std::optional<ItemIndices> AskItemChoice(int gender, int category) override;
    void SetTitle(const std::string& text) override { title = text; }
    void AddToRecentFiles(const std::string& path) override { recent.push_back(path); }
    void RemoveFromRecentFiles(const std::string& path) override { std::erase(recent, path); }

    std::tm now = FixedTime();
    std::string documents;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<ItemIndices>> itemChoices;
    std::vector<std::string> dialogs;       // save dialogs: "folder | name"
    std::vector<std::string> openDialogs;   // open dialogs: the folder
    std::vector<ItemIndices> itemQuestions; // what the item question started from
    std::string title;
    std::vector<std::string> recent;

  private:
    static std::tm FixedTime();
};

} // namespace pattik::testing
