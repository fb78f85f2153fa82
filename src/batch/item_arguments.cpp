#include "batch/item_arguments.h"

#include "image/output_names.h"
#include "res/batch_strings.h"

#include <algorithm>
#include <array>
#include <map>

namespace pattik::batch {
namespace {

// Short names for scripts, in the order of the category box.
constexpr std::array<std::string_view, kCategoryCount> kCategoryShortNames{
    "rear-backdrop",
    "front-backdrop",
    "shoes",
    "bottoms",
    "socks",
    "top",
    "set-outfit",
    "total-coordination",
    "neck",
    "right-hand",
    "left-hand",
    "hat-face",
    "glasses-earrings",
    "hair",
};
constexpr std::array<std::string_view, 2> kGenderEnglishNames{"female", "male"};

// Each option as it may be written, and the one name it is kept under.
struct OptionSpelling {
    std::string_view written;
    std::string_view option;
};
constexpr std::string_view kGender = "--gender";
constexpr std::string_view kCategory = "--category";
constexpr std::string_view kWear = "--wear";
constexpr std::string_view kDp = "--dp";
constexpr std::string_view kOutput = "--output";
constexpr std::string_view kCheck = "--check";
constexpr std::array<OptionSpelling, 7> kOptions{{{kGender, kGender},
                                                  {kCategory, kCategory},
                                                  {kWear, kWear},
                                                  {kDp, kDp},
                                                  {kOutput, kOutput},
                                                  {"-o", kOutput},
                                                  {kCheck, kCheck}}};

// Only ASCII letters fold: every byte of a multibyte UTF-8 character is above them, so the
// Korean names compare byte for byte.
bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

ParsedArguments Only(ItemAction action) {
    ItemArguments arguments;
    arguments.action = action;
    return ParsedArguments{std::move(arguments), {}};
}

ParsedArguments Refuse(std::string_view why, std::string_view what) {
    return ParsedArguments{std::nullopt, std::string(why) + std::string(what)};
}

std::optional<std::string_view> OptionNamed(std::string_view written) {
    for (const OptionSpelling& spelling : kOptions) {
        if (written == spelling.written) {
            return spelling.option;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Gender> GenderNamed(std::string_view name) {
    const auto boxTexts = GenderBoxTexts();
    for (std::size_t i = 0; i < boxTexts.size() && i < kGenderEnglishNames.size(); ++i) {
        if (SameName(name, boxTexts[i]) || SameName(name, kGenderEnglishNames[i])) {
            return GenderFromIndex(static_cast<int>(i));
        }
    }
    return std::nullopt;
}

std::optional<ItemCategory> CategoryNamed(std::string_view name) {
    const auto boxTexts = CategoryBoxTexts();
    for (std::size_t i = 0; i < boxTexts.size() && i < kCategoryShortNames.size(); ++i) {
        if (SameName(name, boxTexts[i]) || SameName(name, kCategoryShortNames[i])) {
            return CategoryFromIndex(static_cast<int>(i));
        }
    }
    return std::nullopt;
}

std::string_view CategoryShortName(ItemCategory category) {
    const int index = static_cast<int>(category);
    return index >= 0 && index < kCategoryCount
               ? kCategoryShortNames[static_cast<std::size_t>(index)]
               : std::string_view{};
}

ParsedArguments ParseItemArguments(std::span<const std::string_view> args) {
    std::map<std::string_view, std::string_view> values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-h" || arg == "--help") {
            return Only(ItemAction::Help);
        }
        if (arg == "--version") {
            return Only(ItemAction::Version);
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::optional<std::string_view> option = OptionNamed(arg.substr(0, equals));
        if (!option) {
            return Refuse(kUnknownOptionText, arg);
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        }
        if (value.empty() || value.front() == '-') {
            return Refuse(kMissingValueText, *option);
        }
        if (!values.emplace(*option, value).second) {
            return Refuse(kRepeatedOptionText, *option);
        }
    }

    ItemArguments arguments;
    if (values.contains(kCheck)) {
        if (values.size() > 1) {
            const auto other = std::find_if(values.begin(), values.end(), [](const auto& entry) {
                return entry.first != kCheck;
            });
            return Refuse(kCheckAloneText, other->first);
        }
        arguments.action = ItemAction::Check;
        arguments.checkPath = values[kCheck];
        return ParsedArguments{std::move(arguments), {}};
    }
    if (values.empty()) {
        return Refuse(kNothingToDoText, "");
    }
    std::string missing;
    for (const std::string_view required : {kGender, kCategory, kWear, kOutput}) {
        if (!values.contains(required)) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely about the temporary that
            // "a" + std::string(b) builds.
            if (!missing.empty()) {
                missing += ' ';
            }
            missing.append(required);
        }
    }
    if (!missing.empty()) {
        return Refuse(kMissingOptionText, missing);
    }
    const std::optional<Gender> gender = GenderNamed(values[kGender]);
    if (!gender) {
        return Refuse(kUnknownGenderText, values[kGender]);
    }
    const std::optional<ItemCategory> category = CategoryNamed(values[kCategory]);
    if (!category) {
        return Refuse(kUnknownCategoryText, values[kCategory]);
    }
    if (OutputNamesFor(values[kOutput]).wear.empty()) {
        return Refuse(kBadOutputNameText, values[kOutput]);
    }
    arguments.gender = *gender;
    arguments.category = *category;
    arguments.wearPath = values[kWear];
    arguments.dpPath = values.contains(kDp) ? std::string(values[kDp]) : std::string();
    arguments.outputPath = values[kOutput];
    return ParsedArguments{std::move(arguments), {}};
}

std::string UsageText() {
    std::string text(kUsageText);
    text += kCategoryTableHeading;
    for (int i = 0; i < kCategoryCount; ++i) {
        const ItemCategory category = CategoryFromIndex(i);
        std::string line = "  " + std::string(CategoryShortName(category));
        line.resize(std::max<std::size_t>(line.size() + 1, 22), ' ');
        line += DpFileSourceFor(category, Gender::Female).fromWear ? "*" : " ";
        line += HasHairImage(category) ? "+ " : "  ";
        line += CategoryBoxTexts()[static_cast<std::size_t>(i)];
        text += line + "\n";
    }
    text += kUsageFooterText;
    return text;
}

} // namespace pattik::batch
