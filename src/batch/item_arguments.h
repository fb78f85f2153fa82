#pragma once

#include "catalogue/catalogue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pattik::batch {

enum class ItemAction { Make, Check, Help, Version };

// What one run of pattik-item was asked to do. Make fills the item and the paths (dp may be
// empty); Check fills checkPath only.
struct ItemArguments {
    ItemAction action = ItemAction::Make;
    Gender gender = Gender::None;
    ItemCategory category = ItemCategory::None;
    std::string wearPath;
    std::string dpPath;
    std::string outputPath;
    std::string checkPath;
};

struct ParsedArguments {
    std::optional<ItemArguments> arguments;
    // When refused: one line, Korean then English.
    std::string error;
};

// Reads the command line (without the program's name). Every option takes its value as the
// next argument or after '=' ("--gender=female"); a value may not start with '-', so a
// forgotten value is never taken from the next option. Refused: unknown options, missing or
// repeated values, an unknown gender or category, --check beside anything else, a make
// without its four required options, and an output path with no file name to save under.
ParsedArguments ParseItemArguments(std::span<const std::string_view> args);

// The gender box's texts (여자, 남자) or female / male; the category box's texts or the
// command's short English names. Letters match in either case.
std::optional<Gender> GenderNamed(std::string_view name);
std::optional<ItemCategory> CategoryNamed(std::string_view name);
std::string_view CategoryShortName(ItemCategory category);

// The --help text, in Korean and English, with every category's names.
std::string UsageText();

} // namespace pattik::batch
