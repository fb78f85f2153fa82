#include "tools/canvas_tools.h"

#include "catalogue/catalogue.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "res/string_table.h"
#include "tools/mirror_drawing.h"
#include "tools/tool_routines.h"
#include "tools/tool_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace pattik {

CanvasTools::CanvasTools(CEditPanel& panel, CToolPalette& palette, PointerHost& pointer,
                         DialogHost& dialogs, DocumentHost& document)
    : panel_(panel), palette_(palette), pointer_(pointer), dialogs_(dialogs), document_(document),
      tool_(panel, pointer, gesture_) {}

bool CanvasTools::InCanvasFrame(Point client) const {
    return Contains(PanelGeometry::CanvasFrame(panel_.CurrentImageSize()), client.x, client.y);
}

void CanvasTools::UpdatePointerShape(Point client) {
    if (pointer_.IsKeyDown(PolledKey::Space)) {
        pointer_.SetPointerShape(PointerShape::Move);
    } else if (InCanvasFrame(client)) {
        pointer_.SetPointerShape(PointerShape::Cross);
    } else {
        pointer_.SetPointerShape(PointerShape::Arrow);
    }
}

void CanvasTools::Press(const PointerEvent& event, MouseButton button) {
    const Point p = event.point;
    panel_.SetUseSecondary(button == MouseButton::Right);
    const Point q = panel_.Mapping().ClientToImage(p);
    UpdatePointerShape(p);

    // Space turns a left press into the start of a hand scroll; the right button draws.
    if (button == MouseButton::Left && pointer_.IsKeyDown(PolledKey::Space)) {
        gesture_.scrollDragOrigin = p;
        return;
    }
    if (Contains(PanelGeometry::kColourStrip, p.x, p.y)) {
        PickFromStrip(p, button);
        return;
    }
    if (!InCanvasFrame(p) || !PassesGuards()) {
        return;
    }
    const ToolRow& row = RowOf(panel_.Options().currentTool);
    if (row.cancelledByEsc) {
        panel_.KeepStateBeforePress();
        modifiedBeforePress_ = document_.IsDocumentModified();
    } else {
        panel_.ForgetStateBeforePress();
    }
    panel_.TakeUndoSnapshot();
    document_.SetDocumentModified(true);
    if (!pointer_.HasPointerCapture()) {
        pointer_.CapturePointer();
    }
    inStroke_ = true;
    gesture_.shiftHeld = event.shift;
    if (const ToolStep press = row.press) {
        RunStep([&] { press(tool_, q, button); });
    }
}

void CanvasTools::RunStep(const std::function<void()>& step) {
    if (!panel_.MirrorDrawing() || !RowOf(panel_.Options().currentTool).mirrored) {
        step();
        // What the step drew, and its preview where it was and where it is now.
        panel_.InvalidateChanges();
        return;
    }
    const DeviceBitmap before = panel_.CurrentImage();
    step();
    DeviceBitmap* picture = panel_.CurrentImageContext().Bitmap();
    if (picture != nullptr) {
        const RECT changed = MirrorChangedPixels(before, *picture, panel_.CurrentImageSize());
        panel_.InvalidatePictureArea(changed);
    }
    panel_.InvalidateChanges();
}

bool CanvasTools::PassesGuards() {
    // The warning only informs: the DP picture of these items is not what gets saved, but
    // drawing goes on.
    if (panel_.View().viewMode == ViewMode::Dp) {
        if (const auto warning = DpWarning(panel_.Item().category)) {
            dialogs_.ShowMessage(*warning, MessageButtons::Ok);
        }
    }
    if (panel_.Item().gender == Gender::None) {
        dialogs_.ShowMessage(kChooseGenderAndItemText, MessageButtons::Ok);
        return false;
    }
    if (panel_.Item().category == ItemCategory::None) {
        dialogs_.ShowMessage(kChooseItemText, MessageButtons::Ok);
        return false;
    }
    // The hair picture is made from the wear picture at every paint and save: whatever were
    // drawn here would vanish, so nothing is, and the work stays as it was.
    if (panel_.View().viewMode == ViewMode::Hair) {
        dialogs_.ShowMessage(kHairViewIsMadeText, MessageButtons::Ok);
        return false;
    }
    return true;
}

void CanvasTools::PickFromStrip(Point client, MouseButton button) {
    const RECT& area = PanelGeometry::kColourStrip;
    const DeviceBitmap& strip = panel_.StripBitmap();
    const Point at{client.x - area.left, client.y - area.top};
    if (!strip.Contains(at.x, at.y)) {
        return; // the strip was never loaded
    }
    panel_.PickColour(button == MouseButton::Right, strip.At(at.x, at.y));
}

void CanvasTools::OnMouseMove(const PointerEvent& event) {
    const Point p = event.point;
    UpdatePointerShape(p);
    if (pointer_.IsKeyDown(PolledKey::Space) && event.left) {
        HandScroll(p);
        return;
    }
    const Point q = panel_.Mapping().ClientToImage(p);
    if (event.left || event.right) {
        if (!inStroke_) {
            return; // the button went down somewhere else, or Esc called the drag off
        }
        gesture_.shiftHeld = event.shift;
        if (const ToolStep drag = RowOf(panel_.Options().currentTool).drag) {
            const MouseButton button = event.left ? MouseButton::Left : MouseButton::Right;
            RunStep([&] { drag(tool_, q, button); });
            MarkStrokeUnsaved();
        }
        return;
    }
    // No button is held, so no stroke goes on, whatever swallowed its release (a message
    // box, a release outside the window).
    if (inStroke_) {
        StopTimerStroke();
        if (pointer_.HasPointerCapture()) {
            pointer_.ReleasePointer();
        }
        inStroke_ = false;
        panel_.ForgetStateBeforePress();
    }
    gesture_.shiftHeld = event.shift;
    // Hovering over the canvas shows the tool's preview under the pointer.
    gesture_.previewShown = InCanvasFrame(p);
    gesture_.anchorPoint = q;
    gesture_.currentPoint = q;
    panel_.InvalidateChanges();
}

void CanvasTools::OnMouseLeave() {
    // Nothing is under a pointer that left the panel (in one jump, as a fast hand leaves):
    // the tool's preview goes with it. A stroke keeps its own until the release.
    if (!inStroke_ && gesture_.previewShown) {
        gesture_.previewShown = false;
        panel_.InvalidateChanges();
    }
}

void CanvasTools::Release(const PointerEvent& event, MouseButton button) {
    if (pointer_.HasPointerCapture()) {
        pointer_.ReleasePointer();
    }
    if (!inStroke_) {
        return;
    }
    // A left release with Space held ends a hand scroll, not a stroke; it still stops the
    // airbrush, which would otherwise spray on with no button held.
    panel_.ForgetStateBeforePress();
    if (button == MouseButton::Left && pointer_.IsKeyDown(PolledKey::Space)) {
        StopTimerStroke();
        inStroke_ = false;
        return;
    }
    inStroke_ = false;
    gesture_.shiftHeld = event.shift;
    // The release counts wherever it happens, inside the canvas or not.
    if (const ToolStep release = RowOf(panel_.Options().currentTool).release) {
        const Point q = panel_.Mapping().ClientToImage(event.point);
        RunStep([&] { release(tool_, q, button); });
        MarkStrokeUnsaved();
    }
}

void CanvasTools::MarkStrokeUnsaved() {
    // The press marked the work unsaved; a save while the button is still down (Ctrl+S in
    // mid-stroke) must not leave the rest of the stroke reading as saved.
    document_.SetDocumentModified(true);
}

void CanvasTools::StopTimerStroke() {
    const ToolRow& row = RowOf(panel_.Options().currentTool);
    if (inStroke_ && row.tick != nullptr && row.release != nullptr) {
        RunStep([&] { row.release(tool_, gesture_.currentPoint, MouseButton::Left); });
    }
}

void CanvasTools::OnTimer(int id) {
    // A tick that arrives once the stroke is over (queued before the timer stopped) does
    // nothing: the timer belongs to a timer-driven tool's stroke only.
    const TimerStep tick = RowOf(panel_.Options().currentTool).tick;
    if (id != kAirbrushTimer || !inStroke_ || tick == nullptr) {
        return;
    }
    RunStep([&] { tick(tool_); });
    MarkStrokeUnsaved();
}

// The picture follows the pointer a whole picture pixel at a time; a smaller movement waits
// in the origin until it adds up to one. Only the Wear view zooms and scrolls.
void CanvasTools::HandScroll(Point client) {
    if (panel_.View().viewMode != ViewMode::Wear) {
        return;
    }
    const float zoom = panel_.View().zoom;
    const Point origin = gesture_.scrollDragOrigin;
    const Point offset = panel_.View().scrollOffset;
    const std::int64_t dx = std::int64_t{client.x} - origin.x;
    const std::int64_t dy = std::int64_t{client.y} - origin.y;
    const auto pixels = [zoom](std::int64_t delta) {
        return static_cast<std::int64_t>(std::trunc(static_cast<double>(delta) / zoom));
    };
    panel_.SetScrollOffset(ClampedPoint(offset.x - pixels(dx), offset.y - pixels(dy)));
    const auto whole = static_cast<std::int64_t>(std::trunc(zoom));
    gesture_.scrollDragOrigin = Point{std::llabs(dx) >= whole ? client.x : origin.x,
                                      std::llabs(dy) >= whole ? client.y : origin.y};
    panel_.InvalidateCanvas();
}

void CanvasTools::OnLButtonDblClk(const PointerEvent& event) {
    const Point p = event.point;
    // Where the wells overlap, the click belongs to colour 1, which is drawn on top.
    bool secondary = false;
    if (Contains(PanelGeometry::kPrimaryWell, p.x, p.y)) {
        secondary = false;
    } else if (Contains(PanelGeometry::kSecondaryWell, p.x, p.y)) {
        secondary = true;
    } else {
        return;
    }
    // The dialog always opens at black, whatever the well shows.
    const std::optional<COLORREF> chosen = dialogs_.ChooseColour(kBlack, palette_.SwatchColours());
    if (!chosen) {
        return;
    }
    panel_.PickColour(secondary, *chosen);
    palette_.InvalidateSwatches();
}

void CanvasTools::OnEscape() {
    if (inStroke_ && RowOf(panel_.Options().currentTool).cancelledByEsc) {
        CancelDrag();
        return;
    }
    if (panel_.Selection().hasFloatingSelection) {
        panel_.CommitFloatingSelection();
    }
    panel_.DropFloatingSelection();
    panel_.InvalidateViews(kWearImageSize);
}

void CanvasTools::CancelDrag() {
    inStroke_ = false;
    gesture_.previewShown = false;
    if (pointer_.HasPointerCapture()) {
        pointer_.ReleasePointer();
    }
    // Whatever the press and the drag changed goes; the rubber band goes with the repaint.
    if (!panel_.RestoreStateBeforePress()) {
        panel_.InvalidateViews();
    }
    document_.SetDocumentModified(modifiedBeforePress_);
}

void CanvasTools::OnDelete() {
    panel_.DropFloatingSelection();
}

void CanvasTools::OnUndo() {
    // The picture is no longer what was saved (an undo right after a save brings back what
    // came before it), so New and Exit must ask before dropping it.
    if (panel_.Undo()) {
        document_.SetDocumentModified(true);
    }
}

bool CanvasTools::ZoomAround(Point client, int steps) {
    constexpr std::array<float, 4> kZooms{2.0f, 4.0f, 6.0f, 10.0f};
    // A stroke in progress keeps the mapping it started with.
    if (steps == 0 || InStroke() || !panel_.Item().IsChosen() ||
        panel_.View().viewMode != ViewMode::Wear) {
        return false;
    }
    const auto current = std::find(kZooms.begin(), kZooms.end(), panel_.View().zoom);
    if (current == kZooms.end()) {
        return false;
    }
    const long index = std::clamp<long>((current - kZooms.begin()) + std::clamp(steps, -4, 4), 0,
                                        static_cast<long>(kZooms.size()) - 1);
    const float zoom = kZooms[static_cast<std::size_t>(index)];
    if (zoom == panel_.View().zoom) {
        return false;
    }
    const CanvasMapping before = panel_.Mapping();
    const RECT canvas = before.Canvas();
    if (client.x < canvas.left || client.x >= canvas.right || client.y < canvas.top ||
        client.y >= canvas.bottom) {
        client = Point{(canvas.left + canvas.right) / 2, (canvas.top + canvas.bottom) / 2};
    }
    const Point anchor = before.ClientToImage(client);
    // Where the same client point falls at the new zoom with no scroll: the difference is the
    // offset that puts the anchor back under it.
    const Point unscrolled =
        CanvasMapping(zoom, Point{}, panel_.CurrentImageSize()).ClientToImage(client);
    panel_.SetZoom(zoom);
    panel_.SetScrollOffset(Point{anchor.x - unscrolled.x, anchor.y - unscrolled.y});
    panel_.InvalidateCanvas();
    palette_.ShowCurrentOptions(); // the magnifier's options show the zoom in force
    return true;
}

bool CanvasTools::OnStepBack() {
    // Mid-stroke the picture belongs to the stroke; the step waits for the release. With
    // nowhere to go, a floating selection stays afloat.
    if (InStroke() || !panel_.CanStepBack() || !panel_.StepBack()) {
        return false;
    }
    document_.SetDocumentModified(true);
    return true;
}

bool CanvasTools::OnStepForward() {
    if (InStroke() || !panel_.CanStepForward() || !panel_.StepForward()) {
        return false;
    }
    document_.SetDocumentModified(true);
    return true;
}

} // namespace pattik
