#include "document/item_file_paths.h"

#include "catalogue/catalogue.h"
#include "image/output_names.h"
#include "image/read_gif.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

namespace pattik {
namespace {

bool Exists(const std::string& path) {
    struct stat status {};
    return !path.empty() && stat(path.c_str(), &status) == 0;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The file whose name is the stem followed by the tail in any case, preferring the tail as
// given; nothing when there is none. A stem ending in '/' names no file.
std::optional<std::string> FindWithTail(const std::string& stem, std::string_view tail) {
    if (stem.empty() || stem.back() == '/') {
        return std::nullopt;
    }
    const std::string exact = stem + std::string(tail);
    if (Exists(exact)) {
        return exact;
    }
    const std::size_t slash = stem.rfind('/');
    const std::filesystem::path folder =
        slash == std::string::npos ? "." : stem.substr(0, slash + 1);
    const std::string name = stem.substr(slash == std::string::npos ? 0 : slash + 1);
    std::error_code error;
    std::optional<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string candidate = entry.path().filename().string();
        if (candidate.size() == name.size() + tail.size() && candidate.starts_with(name) &&
            SameIgnoringCase(std::string_view(candidate).substr(name.size()), tail) &&
            (!found || candidate < *found)) {
            found = candidate;
        }
    }
    if (!found) {
        return std::nullopt;
    }
    return stem.substr(0, slash == std::string::npos ? 0 : slash + 1) + *found;
}

// The wear file a companion belongs to: the base without the companion's suffix (in any
// case), as a ".gif" file that is there.
std::optional<std::string> WearOfCompanion(const std::string& base, std::string_view suffix) {
    if (base.size() <= suffix.size() || base[base.size() - suffix.size() - 1] == '/' ||
        !SameIgnoringCase(std::string_view(base).substr(base.size() - suffix.size()), suffix)) {
        return std::nullopt;
    }
    return FindWithTail(base.substr(0, base.size() - suffix.size()), ".gif");
}

// A chosen file that holds a wear picture is a wear file, whatever its name ends in.
bool HoldsAWearPicture(const std::string& path) {
    const GifReadResult read = ReadGifFile(path);
    return read.Succeeded() && read.picture.Width() == kWearImageSize.cx &&
           read.picture.Height() == kWearImageSize.cy;
}

} // namespace

ItemFilePaths ItemFilePathsFor(const std::string& chosen) {
    const std::string base = GifBaseName(chosen);
    std::optional<std::string> wear;
    for (const std::string_view suffix : {std::string_view("DP"), std::string_view("Rp")}) {
        if (const auto companionWear = WearOfCompanion(base, suffix)) {
            if (!HoldsAWearPicture(chosen)) {
                wear = companionWear;
            }
            break;
        }
    }
    if (!wear) {
        wear = Exists(chosen) ? chosen : OutputNamesFor(chosen).wear;
    }
    if (wear->empty()) {
        wear = chosen; // no name to save under: reading it reports why
    }
    // A companion's name that holds a wear picture is another item's ("capDP" beside
    // "cap"): this item has no companion of that kind.
    const std::string wearBase = GifBaseName(*wear);
    const OutputNames names = OutputNamesFor(*wear);
    const auto companion = [&](std::string_view tail, const std::string& savedAs) {
        const std::optional<std::string> found = FindWithTail(wearBase, tail);
        if (!found) {
            return savedAs;
        }
        return HoldsAWearPicture(*found) ? std::string() : *found;
    };
    return ItemFilePaths{*wear, companion("DP.gif", names.dp), companion("Rp.gif", names.hair)};
}

} // namespace pattik
