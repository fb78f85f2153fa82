#pragma once

#include "panel/edit_panel.h"
#include "panel/pointer_host.h"
#include "tools/gesture.h"
#include "tools/spray_random.h"

namespace pattik {

// What a tool may see and do, and nothing more: the current picture to draw into, the
// colours and options, the gesture, the pointer and the keys, the selection and undo
// operations, and a repaint of the views. A tool never holds the panel or the window.
class ToolContext {
  public:
    ToolContext(CEditPanel& panel, PointerHost& pointer, Gesture& gesture)
        : panel_(panel), pointer_(pointer), gesture_(gesture) {}

    // Reading.
    const ToolOptions& Options() const { return panel_.Options(); }
    const DrawingColours& Colours() const { return panel_.Colours(); }
    const Gesture& Drag() const { return gesture_; }
    const FloatingSelection& Selection() const { return panel_.Selection(); }
    Size ImageSize() const { return panel_.CurrentImageSize(); }
    const DeviceBitmap& Image() const { return panel_.CurrentImage(); }
    // What the canvas shows, as last composed.
    const DeviceBitmap& Composition() const { return panel_.CompositionBitmap(); }

    // Drawing into the current picture. After each step the views repaint what the step
    // drew through it and where the preview was and is, and nothing else.
    DrawingContext ImageContext() { return panel_.CurrentImageContext(); }

    // The gesture.
    void SetDragPoints(Point anchor, Point current) {
        gesture_.anchorPoint = anchor;
        gesture_.currentPoint = current;
    }
    void ShowPreview(bool shown) { gesture_.previewShown = shown; }

    // The pointer, the polled keys and the timer.
    void CapturePointer() { pointer_.CapturePointer(); }
    void ReleasePointer() { pointer_.ReleasePointer(); }
    bool HasPointerCapture() const { return pointer_.HasPointerCapture(); }
    bool IsKeyDown(PolledKey key) const { return pointer_.IsKeyDown(key); }
    void StartTimer(int id, int intervalMs) { pointer_.StartTimer(id, intervalMs); }
    void StopTimer(int id) { pointer_.StopTimer(id); }

    // A colour picked for a button (colour 2 for the right one), with the mixer following.
    void PickColour(bool secondary, COLORREF colour) { panel_.PickColour(secondary, colour); }
    // The airbrush's generator, one per panel.
    SprayRandom& Random() { return random_; }

    // The floating selection and undo.
    void LiftSelection(Point corner, Point oppositeCorner) {
        panel_.LiftSelection(corner, oppositeCorner);
    }
    void MoveSelectionBy(int dx, int dy) { panel_.MoveSelectionBy(dx, dy); }
    void CommitFloatingSelection() { panel_.CommitFloatingSelection(); }
    void DropFloatingSelection() { panel_.DropFloatingSelection(); }
    void TakeUndoSnapshot() { panel_.TakeUndoSnapshot(); }

  private:
    CEditPanel& panel_;
    PointerHost& pointer_;
    Gesture& gesture_;
    SprayRandom random_;
};

} // namespace pattik
