#pragma once

#include "panel/edit_panel.h"
#include "panel/panel_host.h"
#include "panel/pointer_event.h"
#include "tools/tool_context.h"
#include "tools/tool_palette.h"
#include "tools/tool_steps.h"

namespace pattik {

// Everything that happens under the mouse on the editing panel, and the editing keys the
// main window passes on. The window turns each of its events into one PointerEvent and
// calls the handler; tests call the same handlers.
//
// A press on the canvas runs, in this order: the colour of the button, the pointer shape,
// the hand scroll (left button with Space), the colour strip, the DP warning, the gender
// and category guards, the undo snapshot, the modified flag, the capture, and the current
// tool's press. Moves and the release reach the tool only after such an accepted press.
class CanvasTools {
  public:
    // The palette's swatches are the colour dialog's custom colours.
    CanvasTools(CEditPanel& panel, PanelHost& host, CToolPalette& palette);
    CanvasTools(const CanvasTools&) = delete;
    CanvasTools& operator=(const CanvasTools&) = delete;

    void OnLButtonDown(const PointerEvent& event) { Press(event, MouseButton::Left); }
    void OnRButtonDown(const PointerEvent& event) { Press(event, MouseButton::Right); }
    // event.left and event.right say which buttons are held.
    void OnMouseMove(const PointerEvent& event);
    void OnLButtonUp(const PointerEvent& event) { Release(event, MouseButton::Left); }
    void OnRButtonUp(const PointerEvent& event) { Release(event, MouseButton::Right); }
    void OnTimer(int id);
    // A double click opens the colour dialog on a colour well and does nothing elsewhere;
    // a right double click does nothing at all.
    void OnLButtonDblClk(const PointerEvent& event);
    void OnRButtonDblClk(const PointerEvent&) {}

    // The editing keys: Esc merges and forgets the floating selection, Delete forgets it
    // without merging, Ctrl+Z swaps the picture with its undo copy.
    void OnEscape();
    void OnDelete();
    void OnUndo();
    // The history's steps (the 편집 menu and its keys), marking the work unsaved only when
    // the picture changed.
    // Ctrl and the wheel: steps through the canvas zooms (2, 4, 6, 10), up for a positive
    // count, keeping the picture pixel under the pointer where it is as far as the scroll
    // limits allow (a point off the canvas keeps the middle of the view). Only the Wear view
    // zooms. True when the zoom changed.
    bool ZoomAround(Point client, int steps);
    void OnStepBack();
    void OnStepForward();

  private:
    void Press(const PointerEvent& event, MouseButton button);
    void Release(const PointerEvent& event, MouseButton button);
    // False when the press is refused: the message has been shown.
    bool PassesGuards();
    void PickFromStrip(Point client, MouseButton button);
    void HandScroll(Point client);
    void UpdatePointerShape(Point client);
    bool InCanvasFrame(Point client) const;
    void StopAirbrush();
    // Each step of an accepted stroke may change the picture.
    void MarkStrokeUnsaved();

    CEditPanel& panel_;
    PanelHost& host_;
    CToolPalette& palette_;
    ToolContext tool_;
    // Set by a press that passed the guards and reached its tool; moves and the release
    // reach the tool only while it is set, and every release clears it.
    bool strokeAccepted_ = false;
};

} // namespace pattik
