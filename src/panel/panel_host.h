#pragma once

#include "raster/colour.h"
#include "raster/geometry.h"

#include <array>
#include <optional>
#include <string_view>

namespace pattik {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class PointerShape { Arrow, Cross, Move };
// The keys the tools poll while the pointer moves.
enum class PolledKey { Space, LeftControl };

using CustomColours = std::array<COLORREF, 16>;

// What the editing panel needs from the window system, and nothing more: the panel and
// the tools reach the screen, the keyboard and the document only through this seam, so
// every handler runs headless in tests exactly as the window calls it.
class PanelHost {
  public:
    virtual ~PanelHost() = default;

    // A modal message box with the application's name as caption and no icon.
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons) = 0;

    // Asks for a repaint of a panel rectangle (client pixels), erasing it first or not.
    virtual void Invalidate(const RECT& rect, bool erase) = 0;
    virtual void InvalidateAll(bool erase) = 0;
    // Asks the tool palette to repaint itself (its swatches changed).
    virtual void InvalidateToolPalette() = 0;

    virtual void CapturePointer() = 0;
    virtual void ReleasePointer() = 0;
    virtual bool HasPointerCapture() const = 0;
    virtual void SetPointerShape(PointerShape shape) = 0;
    virtual bool IsKeyDown(PolledKey key) const = 0;

    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;

    // The colour dialog: opens at initial, edits customColours in place, and answers
    // the chosen colour, or nothing when the user cancels.
    virtual std::optional<COLORREF> ChooseColour(COLORREF initial,
                                                 CustomColours& customColours) = 0;

    // The document's modified flag: set by the first accepted canvas press.
    virtual void SetDocumentModified(bool modified) = 0;
    virtual bool IsDocumentModified() const = 0;

    // Moves the panel's control values (edits, trackbars, check boxes) between its
    // fields and its controls: into the fields when fromControls, else out to the
    // controls. False when a control held something that is not a number.
    virtual bool ExchangeControlData(bool fromControls) = 0;

    // Sets a trackbar's range without redrawing it.
    virtual void SetTrackbarRange(int controlId, int minimum, int maximum) = 0;
    virtual void ShowControl(int controlId, bool show) = 0;
    virtual void SetButtonPushed(int controlId, bool pushed) = 0;
};

} // namespace pattik
