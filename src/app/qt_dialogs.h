#pragma once

#include "panel/dialog_host.h"

class QWidget;

namespace pattik {

// The editor's modal dialogs in Qt: message boxes captioned "Pattik" with no icon, and the
// colour dialog with the palette's swatches as its custom colours.
class QtDialogs : public DialogHost {
  public:
    // The window the dialogs belong to; null until the main window exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) override;
    // Qt keeps one set of custom colours for the whole process and stores it for every Qt
    // program of the user: the swatches are lent to it for the dialog only, and Qt's own
    // colours are put back afterwards.
    std::optional<COLORREF> ChooseColour(COLORREF initial, CustomColours& customColours) override;

  private:
    QWidget* owner_ = nullptr;
};

} // namespace pattik
