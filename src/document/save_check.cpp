#include "document/save_check.h"

#include "res/string_table.h"

#include <algorithm>

namespace pattik {
namespace {

bool IsEmpty(const DeviceBitmap& picture) {
    for (int y = 0; y < picture.Height(); ++y) {
        const COLORREF* row = picture.Row(y);
        if (!std::all_of(row, row + picture.Width(),
                         [](COLORREF colour) { return colour == kTransparentMagenta; })) {
            return false;
        }
    }
    return true;
}

void AddMergeConcern(std::string_view name, const DeviceBitmap& picture,
                     std::vector<std::string>& concerns) {
    const ColourCount count = CountColours(picture);
    if (count.WillMerge()) {
        concerns.push_back(std::string(name) + std::string(kTooManyColoursPrefix) +
                           std::to_string(count.colours) + std::string(kTooManyColoursSuffix));
    }
}

} // namespace

ColourCount ViewColourCount(const CEditPanel& panel) {
    const ViewMode mode = panel.View().viewMode;
    if (mode == ViewMode::Wear) {
        return CountColours(panel.Image(ViewMode::Wear)); // no need to compose the others
    }
    const OutputPictures pictures = panel.ComposeOutputPictures();
    if (mode == ViewMode::Hair && pictures.hair) {
        return CountColours(*pictures.hair);
    }
    return CountColours(pictures.dp);
}

std::string ColourBudgetText(const ColourCount& count) {
    std::string text = std::string(kColourBudgetPrefix) + std::to_string(count.colours) + "/" +
                       std::to_string(kColourBudget);
    if (count.WillMerge()) {
        text += kColourBudgetOverText;
    }
    return text;
}

std::vector<std::string> SaveConcerns(const CEditPanel& panel, const OutputPictures& pictures) {
    std::vector<std::string> concerns;
    const ItemChoice& item = panel.Item();
    if (IsEmpty(panel.Image(ViewMode::Wear))) {
        concerns.push_back(std::string(kWearPictureName) + std::string(kPictureEmptyText));
    }
    const bool ownDp = !DpFileSourceFor(item.category, item.gender).fromWear;
    if (ownDp && IsEmpty(panel.Image(ViewMode::Dp))) {
        concerns.push_back(std::string(kDpPictureName) + std::string(kPictureEmptyText));
    }
    if (item.category == ItemCategory::Hair && pictures.hair && IsEmpty(*pictures.hair)) {
        concerns.push_back(std::string(kHairPictureName) + std::string(kPictureEmptyText));
    }
    AddMergeConcern(kWearPictureName, pictures.wear, concerns);
    AddMergeConcern(kDpPictureName, pictures.dp, concerns);
    if (pictures.hair) {
        AddMergeConcern(kHairPictureName, *pictures.hair, concerns);
    }
    return concerns;
}

std::string SaveConcernsQuestion(const std::vector<std::string>& concerns) {
    std::string text(kSaveConcernsIntro);
    for (const std::string& concern : concerns) {
        text += "\n- " + concern;
    }
    return text + "\n\n" + std::string(kSaveConcernsQuestion);
}

} // namespace pattik
