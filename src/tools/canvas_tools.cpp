#include "tools/canvas_tools.h"

#include "catalogue/catalogue.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "res/string_table.h"
#include "tools/tool_routines.h"
#include "tools/tool_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace pattik {

CanvasTools::CanvasTools(CEditPanel& panel, PanelHost& host, CToolPalette& palette)
    : panel_(panel), host_(host), palette_(palette), tool_(panel, host) {}

bool CanvasTools::InCanvasFrame(Point client) const {
    return Contains(PanelGeometry::CanvasFrame(panel_.CurrentImageSize()), client.x, client.y);
}

void CanvasTools::UpdatePointerShape(Point client) {
    if (host_.IsKeyDown(PolledKey::Space)) {
        host_.SetPointerShape(PointerShape::Move);
    } else if (InCanvasFrame(client)) {
        host_.SetPointerShape(PointerShape::Cross);
    } else {
        host_.SetPointerShape(PointerShape::Arrow);
    }
}

void CanvasTools::Press(const PointerEvent& event, MouseButton button) {
    const Point p = event.point;
    panel_.SetUseSecondary(button == MouseButton::Right);
    const Point q = panel_.Mapping().ClientToImage(p);
    UpdatePointerShape(p);

    // Space turns a left press into the start of a hand scroll; the right button draws.
    if (button == MouseButton::Left && host_.IsKeyDown(PolledKey::Space)) {
        panel_.SetScrollDragOrigin(p);
        return;
    }
    if (Contains(PanelGeometry::kColourStrip, p.x, p.y)) {
        PickFromStrip(p, button);
        return;
    }
    if (!InCanvasFrame(p) || !PassesGuards()) {
        return;
    }
    panel_.TakeUndoSnapshot();
    host_.SetDocumentModified(true);
    if (!host_.HasPointerCapture()) {
        host_.CapturePointer();
    }
    strokeAccepted_ = true;
    if (const ToolStep press = TraitsOf(panel_.Options().currentTool).press) {
        press(tool_, q, button);
    }
}

bool CanvasTools::PassesGuards() {
    // The warning only informs: the DP picture of these items is not what gets saved, but
    // drawing goes on.
    if (panel_.View().viewMode == ViewMode::Dp) {
        if (const auto warning = DpWarning(panel_.Item().category)) {
            host_.ShowMessage(*warning, MessageButtons::Ok);
        }
    }
    if (panel_.Item().gender == Gender::None) {
        host_.ShowMessage(kChooseGenderAndItemText, MessageButtons::Ok);
        return false;
    }
    if (panel_.Item().category == ItemCategory::None) {
        host_.ShowMessage(kChooseItemText, MessageButtons::Ok);
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
    if (host_.IsKeyDown(PolledKey::Space) && event.left) {
        HandScroll(p);
        return;
    }
    const Point q = panel_.Mapping().ClientToImage(p);
    if (event.left || event.right) {
        if (!strokeAccepted_) {
            return; // the button went down somewhere else: nothing to draw
        }
        if (const ToolStep drag = TraitsOf(panel_.Options().currentTool).drag) {
            drag(tool_, q, event.left ? MouseButton::Left : MouseButton::Right);
            MarkStrokeUnsaved();
        }
        return;
    }
    // No button is held, so no stroke goes on, whatever swallowed its release (a message
    // box, a release outside the window).
    if (strokeAccepted_) {
        StopAirbrush();
        if (host_.HasPointerCapture()) {
            host_.ReleasePointer();
        }
        strokeAccepted_ = false;
    }
    // Hovering over the canvas shows the tool's preview under the pointer.
    panel_.SetDragging(InCanvasFrame(p));
    panel_.SetDragPoints(q, q);
    panel_.InvalidateViews();
}

void CanvasTools::Release(const PointerEvent& event, MouseButton button) {
    if (host_.HasPointerCapture()) {
        host_.ReleasePointer();
    }
    const Point q = panel_.Mapping().ClientToImage(event.point);
    const bool accepted = strokeAccepted_;
    strokeAccepted_ = false;
    // A left release with Space held ends a hand scroll, not a stroke; it still stops the
    // airbrush, which would otherwise spray on with no button held.
    if (button == MouseButton::Left && host_.IsKeyDown(PolledKey::Space)) {
        StopAirbrush();
        return;
    }
    if (!accepted || !panel_.Drag().isDragging) {
        return;
    }
    // The release counts wherever it happens, inside the canvas or not.
    if (const ToolStep release = TraitsOf(panel_.Options().currentTool).release) {
        release(tool_, q, button);
        MarkStrokeUnsaved();
    }
}

void CanvasTools::MarkStrokeUnsaved() {
    // The press marked the work unsaved; a save while the button is still down (Ctrl+S in
    // mid-stroke) must not leave the rest of the stroke reading as saved.
    host_.SetDocumentModified(true);
}

void CanvasTools::StopAirbrush() {
    if (panel_.Options().currentTool == ToolKind::Airbrush && panel_.Drag().isDragging) {
        ReleaseAirbrush(tool_, panel_.Drag().currentPoint, MouseButton::Left);
    }
}

void CanvasTools::OnTimer(int id) {
    // A tick that arrives once the stroke is over (queued before the timer stopped) sprays
    // nothing: the spray belongs to an accepted airbrush stroke only.
    if (id != kAirbrushTimer || !strokeAccepted_ ||
        panel_.Options().currentTool != ToolKind::Airbrush || !panel_.Drag().isDragging) {
        return;
    }
    Spray(tool_, panel_.Drag().currentPoint, panel_.Colours().DrawingColour());
    MarkStrokeUnsaved();
}

// The picture follows the pointer a whole picture pixel at a time; a smaller movement waits
// in the origin until it adds up to one. Only the Wear view zooms and scrolls.
void CanvasTools::HandScroll(Point client) {
    if (panel_.View().viewMode != ViewMode::Wear) {
        return;
    }
    const float zoom = panel_.View().zoom;
    const Point origin = panel_.Drag().scrollDragOrigin;
    const Point offset = panel_.View().scrollOffset;
    const std::int64_t dx = std::int64_t{client.x} - origin.x;
    const std::int64_t dy = std::int64_t{client.y} - origin.y;
    const auto pixels = [zoom](std::int64_t delta) {
        return static_cast<std::int64_t>(std::trunc(static_cast<double>(delta) / zoom));
    };
    panel_.SetScrollOffset(ClampedPoint(offset.x - pixels(dx), offset.y - pixels(dy)));
    const auto whole = static_cast<std::int64_t>(std::trunc(zoom));
    panel_.SetScrollDragOrigin(Point{std::llabs(dx) >= whole ? client.x : origin.x,
                                     std::llabs(dy) >= whole ? client.y : origin.y});
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
    // The dialog always opens at black, whatever the well shows; the mixer stays as it is.
    const std::optional<COLORREF> chosen = host_.ChooseColour(kBlack, palette_.SwatchColours());
    if (!chosen) {
        return;
    }
    if (secondary) {
        panel_.SetSecondaryColour(*chosen);
    } else {
        panel_.SetPrimaryColour(*chosen);
    }
    palette_.InvalidateSwatches();
    panel_.InvalidateWells();
}

void CanvasTools::OnEscape() {
    if (panel_.Selection().hasFloatingSelection) {
        panel_.CommitFloatingSelection();
    }
    panel_.DropFloatingSelection();
    host_.Invalidate(PanelGeometry::Preview(kWearImageSize), false);
    host_.Invalidate(PanelGeometry::Canvas(kWearImageSize), false);
}

void CanvasTools::OnDelete() {
    // The floating pixels are dropped; the picture shows the change at its next repaint.
    panel_.DropFloatingSelection();
}

void CanvasTools::OnUndo() {
    // The picture is no longer what was saved (an undo right after a save brings back what
    // came before it), so New and Exit must ask before dropping it.
    if (panel_.Undo()) {
        host_.SetDocumentModified(true);
    }
}

bool CanvasTools::ZoomAround(Point client, int steps) {
    constexpr std::array<float, 4> kZooms{2.0f, 4.0f, 6.0f, 10.0f};
    // A stroke in progress keeps the mapping it started with.
    if (steps == 0 || !panel_.Item().IsChosen() || panel_.View().viewMode != ViewMode::Wear ||
        host_.HasPointerCapture() || panel_.Drag().isDragging) {
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

void CanvasTools::OnStepBack() {
    // Mid-stroke the picture belongs to the stroke; the step waits for the release.
    if (host_.HasPointerCapture() || panel_.Drag().isDragging) {
        return;
    }
    if (panel_.StepBack()) {
        host_.SetDocumentModified(true);
    }
}

void CanvasTools::OnStepForward() {
    if (host_.HasPointerCapture() || panel_.Drag().isDragging) {
        return;
    }
    if (panel_.StepForward()) {
        host_.SetDocumentModified(true);
    }
}

} // namespace pattik
