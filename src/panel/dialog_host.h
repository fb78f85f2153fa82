#pragma once

#include "raster/colour.h"

#include <array>
#include <optional>
#include <string_view>

namespace pattik {

enum class MessageButtons { Ok, YesNoCancel, SaveCancel, RecoverDiscard };
enum class MessageAnswer { Ok, Yes, No, Cancel, Save, Recover, Discard };

using CustomColours = std::array<COLORREF, 16>;

// The modal dialogs of the editor.
class DialogHost {
  public:
    virtual ~DialogHost() = default;

    // A message box with the application's name as caption and no icon. An Ok box answers
    // Ok; a Yes/No/Cancel box answers one of those three; a Save/Cancel box Save or Cancel;
    // a Recover/Discard box one of those two, or Cancel when it was closed without either.
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) = 0;

    // The colour dialog, opening at initial with customColours as its custom colours.
    // Confirmed: answers the chosen colour and leaves in customColours the custom colours as
    // the user left them. Cancelled: answers nothing and leaves customColours untouched.
    virtual std::optional<COLORREF> ChooseColour(COLORREF initial,
                                                 CustomColours& customColours) = 0;
};

} // namespace pattik
