#pragma once

#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/edit_panel.h"
#include "panel/pointer_event.h"
#include "panel/pointer_host.h"
#include "tools/gesture.h"
#include "tools/previews.h"
#include "tools/tool_context.h"
#include "tools/tool_palette.h"
#include "tools/tool_steps.h"

#include <functional>

namespace pattik {

// Everything that happens under the mouse on the editing panel, and the editing keys the
// main window passes on. The window turns each of its events into one PointerEvent and
// calls the handler; tests call the same handlers. It owns the gesture and the one answer
// to whether a stroke is going on.
//
// A press on the canvas runs, in this order: the colour of the button, the pointer shape,
// the hand scroll (left button with Space), the colour strip, the DP warning, the gender
// and category guards, the undo snapshot, the modified flag, the capture, and the current
// tool's press. Moves and the release reach the tool only after such an accepted press.
class CanvasTools {
  public:
    // The palette's swatches are the colour dialog's custom colours. The pointer host
    // captures and polls keys, the dialogs tell refusals and choose colours, and the
    // document's flag is marked by every stroke.
    CanvasTools(CEditPanel& panel, CToolPalette& palette, PointerHost& pointer, DialogHost& dialogs,
                DocumentHost& document);
    CanvasTools(const CanvasTools&) = delete;
    CanvasTools& operator=(const CanvasTools&) = delete;

    // Whether a stroke is going on: from a press on the canvas that passed the guards until
    // its release (or the first move that finds no button held). The picture, the mapping
    // and the document belong to the stroke until then, so zooms, history steps, tool keys,
    // item changes, New, Open and Save wait. A hover is no stroke.
    bool InStroke() const { return inStroke_; }
    const Gesture& CurrentGesture() const { return gesture_; }
    // What the panel draws over the picture: the current tool's preview of the gesture.
    const CanvasOverlay& Previews() const { return previews_; }

    void OnLButtonDown(const PointerEvent& event) { Press(event, MouseButton::Left); }
    void OnRButtonDown(const PointerEvent& event) { Press(event, MouseButton::Right); }
    // event.left and event.right say which buttons are held.
    void OnMouseMove(const PointerEvent& event);
    void OnLButtonUp(const PointerEvent& event) { Release(event, MouseButton::Left); }
    void OnRButtonUp(const PointerEvent& event) { Release(event, MouseButton::Right); }
    // The pointer left the panel.
    void OnMouseLeave();
    void OnTimer(int id);
    // A double click opens the colour dialog on a colour well and does nothing elsewhere;
    // a right double click does nothing at all.
    void OnLButtonDblClk(const PointerEvent& event);
    void OnRButtonDblClk(const PointerEvent&) {}

    // The editing keys: Esc calls off the drag of a shape or of the selection while its
    // button is held, and otherwise merges and forgets the floating selection; Delete forgets
    // it without merging, Ctrl+Z swaps the picture with its undo copy.
    void OnEscape();
    void OnDelete();
    void OnUndo();
    // Ctrl and the wheel: steps through the canvas zooms (2, 4, 6, 10), up for a positive
    // count, keeping the picture pixel under the pointer where it is as far as the scroll
    // limits allow (a point off the canvas keeps the middle of the view). Only the Wear view
    // zooms. True when the zoom changed.
    bool ZoomAround(Point client, int steps);
    // The history's steps (the 편집 menu and its keys), marking the work unsaved only when
    // the picture changed. True when it changed.
    bool OnStepBack();
    bool OnStepForward();

  private:
    void Press(const PointerEvent& event, MouseButton button);
    void Release(const PointerEvent& event, MouseButton button);
    // False when the press is refused: the message has been shown.
    bool PassesGuards();
    void PickFromStrip(Point client, MouseButton button);
    void HandScroll(Point client);
    void UpdatePointerShape(Point client);
    bool InCanvasFrame(Point client) const;
    // Ends the stroke of a timer-driven tool (the airbrush), so its timer stops.
    void StopTimerStroke();
    // Each step of an accepted stroke may change the picture.
    void MarkStrokeUnsaved();
    // Runs a step of the current tool on the picture; with mirror drawing on and a tool that
    // mirrors, what the step changed is mirrored too (tools/mirror_drawing.h).
    void RunStep(const std::function<void()>& step);
    // Esc during a drag that it calls off: the panel, the document's flag, the gesture and
    // the pointer go back to how the press found them, and the stroke is over.
    void CancelDrag();

    CEditPanel& panel_;
    CToolPalette& palette_;
    PointerHost& pointer_;
    DialogHost& dialogs_;
    DocumentHost& document_;
    Gesture gesture_;
    ToolPreviews previews_{gesture_};
    ToolContext tool_;
    // Set by a press that passed the guards and reached its tool; moves and the release
    // reach the tool only while it is set, and every release clears it.
    bool inStroke_ = false;
    // The document's flag as the press of a drag that Esc may call off found it.
    bool modifiedBeforePress_ = false;
};

} // namespace pattik
