#include "support/document/fake_environment.h"

#include <filesystem>

namespace pattik::testing {
namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& replies) {
    if (replies.empty()) {
        return std::nullopt;
    }
    std::optional<T> reply = replies.front();
    replies.pop_front();
    return reply;
}

} // namespace

std::tm FakeEnvironment::FixedTime() {
    std::tm time{};
    time.tm_year = 107; // 2007
    time.tm_mon = 2;    // March
    time.tm_mday = 14;
    time.tm_hour = 15;
    time.tm_min = 30;
    time.tm_sec = 12;
    return time;
}

bool FakeEnvironment::EnsureFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder);
}

std::optional<std::string> FakeEnvironment::AskSavePath(const std::string& folder,
                                                        const std::string& name) {
    dialogs.push_back(folder + " | " + name);
    return Next(savePaths);
}

std::optional<std::string> FakeEnvironment::AskOpenPath(const std::string& folder) {
    openDialogs.push_back(folder);
    return Next(openPaths);
}

std::optional<ItemIndices> FakeEnvironment::AskItemChoice(int gender, int category) {
    itemQuestions.push_back(ItemIndices{gender, category});
    return Next(itemChoices);
}

} // namespace pattik::testing
