#include "batch/item_command.h"

#include "batch/item_arguments.h"
#include "batch/png_reader.h"
#include "document/item_files.h"
#include "image/colour_budget.h"
#include "image/output_names.h"
#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"
#include "res/batch_strings.h"
#include "res/string_table.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace pattik::batch {
namespace {

void Say(std::ostream& err, std::string_view line) {
    err << kBatchCommandName << ": " << line << '\n';
}

// The size and the colour budget of a picture as its file holds it.
std::string Summary(const DeviceBitmap& picture) {
    const ColourCount count = CountColours(picture);
    std::string text = std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()) +
                       ", " + std::string(kColoursText) + " " + std::to_string(count.colours) +
                       "/" + std::to_string(kColourBudget) + " " + std::string(kColoursEnglish);
    if (count.WillMerge()) {
        text += ": " + std::string(kWillMergeText);
    } else if (count.colours > kColourBudget) {
        text += ": " + std::string(kBlackEntryFreeText);
    }
    return text;
}

// Reads the DP picture when the item's DP file is made from it, warning when none is given
// or it would go unused. False, having said why, when it cannot be read.
bool ReadDpPicture(const ItemArguments& arguments, std::optional<DeviceBitmap>& dp,
                   std::ostream& err) {
    const bool fromWear = DpFileSourceFor(arguments.category, arguments.gender).fromWear;
    if (fromWear) {
        if (!arguments.dpPath.empty()) {
            Say(err,
                std::string(kWarningText) + arguments.dpPath + ": " + std::string(kDpNotUsedText));
        }
        return true;
    }
    if (arguments.dpPath.empty()) {
        Say(err, std::string(kWarningText) + std::string(kNoDpPictureText));
        return true;
    }
    PngReadResult read = ReadPngPicture(arguments.dpPath, kDpImageSize);
    if (!read.picture) {
        Say(err, read.problem);
        return false;
    }
    dp = std::move(read.picture);
    return true;
}

int MakeItem(const ItemArguments& arguments, std::ostream& out, std::ostream& err) {
    PngReadResult wear = ReadPngPicture(arguments.wearPath, kWearImageSize);
    if (!wear.picture) {
        Say(err, wear.problem);
        return kExitFileProblem;
    }
    std::optional<DeviceBitmap> dp;
    if (!ReadDpPicture(arguments, dp, err)) {
        return kExitFileProblem;
    }

    // The editor's own panel, set up as its window leaves it, with the item chosen in its
    // bar: the files come out of the same code as the editor's Save.
    NullPanelHost host;
    CEditPanel panel(host);
    panel.OnCreate();
    panel.SetUpAfterBarsExist();
    panel.ChangeItem(static_cast<int>(arguments.gender), static_cast<int>(arguments.category));
    if (!panel.PlaceDrawnPictures(*wear.picture, dp ? &*dp : nullptr)) {
        Say(err, kOutOfMemoryText);
        return kExitFileProblem;
    }
    const OutputPictures pictures = panel.ComposeOutputPictures();
    const OutputResult result = WriteItemFiles(arguments.outputPath, pictures);

    const OutputNames names = OutputNamesFor(arguments.outputPath);
    std::vector<std::pair<std::string, const DeviceBitmap*>> files{{names.wear, &pictures.wear},
                                                                   {names.dp, &pictures.dp}};
    if (pictures.hair) {
        files.emplace_back(names.hair, &*pictures.hair);
    }
    for (const auto& [name, picture] : files) {
        if (std::find(result.written.begin(), result.written.end(), name) != result.written.end()) {
            out << kWrittenText << ' ' << name << ": " << Summary(*picture) << '\n';
        }
    }
    for (const OutputResult::Failure& failure : result.failures) {
        Say(err, std::string(kNotWrittenText) + ' ' + failure.fileName + ": " +
                     SaveFailureText(failure.cause, failure.errorNumber) + " (" + failure.reason +
                     ")");
    }
    return result.Succeeded() ? kExitDone : kExitFileProblem;
}

int CheckItem(const ItemArguments& arguments, std::ostream& out, std::ostream& err) {
    const ItemReadResult read = ReadItemFiles(arguments.checkPath);
    if (!read.pictures) {
        Say(err, std::string(kCannotOpenItemText) + ' ' + read.problem + " (" +
                     std::string(kCannotOpenItemEnglish) + read.problemInEnglish + ")");
        return kExitFileProblem;
    }
    out << read.paths.wear << ": " << Summary(read.pictures->wear) << '\n';
    if (read.pictures->dp) {
        out << read.paths.dp << ": " << Summary(*read.pictures->dp) << '\n';
    }
    if (read.pictures->hair) {
        out << read.paths.hair << ": " << Summary(*read.pictures->hair) << '\n';
    }
    return kExitDone;
}

} // namespace

int RunItemCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = ParseItemArguments(args);
    if (!parsed.arguments) {
        Say(err, parsed.error);
        Say(err, kHelpHintText);
        return kExitRefused;
    }
    switch (parsed.arguments->action) {
    case ItemAction::Help:
        out << UsageText();
        return kExitDone;
    case ItemAction::Version:
        out << kBatchCommandName << ' ' << PATTIK_VERSION << '\n';
        return kExitDone;
    case ItemAction::Check:
        return CheckItem(*parsed.arguments, out, err);
    case ItemAction::Make:
        break;
    }
    return MakeItem(*parsed.arguments, out, err);
}

} // namespace pattik::batch
