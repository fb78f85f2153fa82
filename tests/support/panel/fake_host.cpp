#include "support/panel/fake_host.h"

namespace pattik::testing {

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
    if (!customColourEdits.empty()) {
        customColours = customColourEdits.front();
        customColourEdits.pop_front();
    }
    if (colourAnswers.empty()) {
        return std::nullopt;
    }
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

bool FakeHost::ExchangeControlData(bool fromControls) {
    exchanges.push_back(fromControls);
    return exchangeSucceeds;
}

} // namespace pattik::testing
