#include "support/panel/fake_host.h"

#include "panel/control_data.h"

namespace pattik::testing {
namespace {

template <typename Key, typename Value>
Value ValueOr(const std::map<Key, Value>& map, Key key, Value fallback) {
    const auto found = map.find(key);
    return found != map.end() ? found->second : fallback;
}

} // namespace

MessageAnswer FakeHost::ShowMessage(std::string_view text, MessageButtons buttons) {
    messages.emplace_back(text);
    if (messageAnswers.empty()) {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<COLORREF> FakeHost::ChooseColour(COLORREF initial, CustomColours& customColours) {
    colourDialogInitials.push_back(initial);
    std::optional<CustomColours> edited;
    if (!customColourEdits.empty()) {
        edited = customColourEdits.front();
        customColourEdits.pop_front();
    }
    std::optional<COLORREF> answer;
    if (!colourAnswers.empty()) {
        answer = colourAnswers.front();
        colourAnswers.pop_front();
    }
    // The user's edits to the custom colours count only when the dialog is confirmed.
    if (answer && edited) {
        customColours = *edited;
    }
    return answer;
}

std::optional<int> FakeHost::ReadEditInteger(int editId) const {
    return ParseEditInteger(ValueOr(editTexts, editId, std::string("0")));
}

void FakeHost::WriteEditInteger(int editId, int value) {
    editTexts[editId] = std::to_string(value);
}

int FakeHost::ReadTrackbarPosition(int trackbarId) const {
    return ValueOr(trackbarPositions, trackbarId, 0);
}

bool FakeHost::ReadCheckBox(int checkBoxId) const {
    return ValueOr(checkBoxes, checkBoxId, false);
}

int FakeHost::GetSelection(ItemBox box) const {
    return ValueOr(itemSelections, box, -1);
}

} // namespace pattik::testing
