// Creation, view modes, zoom and scrolling, the tool and its options.
#include "panel/edit_panel.h"

#include "panel/panel_geometry.h"
#include "raster/bitmap_resources.h"
#include "res/control_ids.h"
#include "res/resource_ids.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace pattik {
namespace {

// The creation step's defaults, before the tool palette sets its own.
constexpr int kCreatedLineWidth = 5;

// The palette offers a few values of each option; a pen a million pixels wide would make
// every repaint crawl, and a negative one would lose its outline.
bool StoreIfOffered(int& option, int value, std::initializer_list<int> offered) {
    if (std::find(offered.begin(), offered.end(), value) == offered.end()) {
        return false;
    }
    option = value;
    return true;
}

} // namespace

CEditPanel::CEditPanel(ViewHost& view, ControlHost& controls, DialogHost& dialogs)
    : viewHost_(view), controlHost_(controls), dialogHost_(dialogs) {}

int CEditPanel::OnCreate() {
    stripBitmap = LoadBitmapResource(kColourStripBitmap);
    if (stripBitmap.IsEmpty()) {
        return -1;
    }
    wearImage = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    undoBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    compositionBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    selectionBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    dpImage = DeviceBitmap(kDpImageSize.cx, kDpImageSize.cy);
    hairImage = DeviceBitmap(kHairImageSize.cx, kHairImageSize.cy);
    const DeviceBitmap background = LoadBitmapResource(kBackgroundCheckerBitmap);
    pictures_.backgroundPicture.LoadFromDeviceBitmap(&background);
    ++artworkVersion_;
    for (DeviceBitmap* picture : {&wearImage, &dpImage, &undoBitmap, &hairImage}) {
        picture->Fill(kTransparentMagenta);
    }
    RestartHistory();
    options_.penStyle = 0;
    options_.lineWidth = kCreatedLineWidth;
    options_.fillStyle = kFilledWithOtherColour;
    return 0;
}

void CEditPanel::SetUpAfterBarsExist() {
    OnWearButton();
    for (const int trackbar : {kRedTrackbar, kGreenTrackbar, kBlueTrackbar}) {
        controlHost_.SetTrackbarRange(trackbar, 0, kChannelMaximum);
    }
    ExchangeControlData(false);
}

const DeviceBitmap& CEditPanel::Image(ViewMode mode) const {
    switch (mode) {
    case ViewMode::Dp:
        return dpImage;
    case ViewMode::Hair:
        return hairImage;
    case ViewMode::Wear:
        break;
    }
    return wearImage;
}

DeviceBitmap& CEditPanel::MutableImage(ViewMode mode) {
    return const_cast<DeviceBitmap&>(std::as_const(*this).Image(mode));
}

DrawingContext CEditPanel::ImageContext(ViewMode mode) {
    DrawingContext context(&MutableImage(mode));
    if (mode == view_.viewMode) {
        context.RecordChangesIn(&pictureChanges_);
    }
    return context;
}

CanvasMapping CEditPanel::Mapping() const {
    // Only the Wear view zooms and scrolls; the smaller pictures fit whole at twice their size.
    if (view_.viewMode == ViewMode::Wear) {
        return CanvasMapping(view_.zoom, view_.scrollOffset, CurrentImageSize());
    }
    return CanvasMapping(2.0f, Point{}, CurrentImageSize());
}

void CEditPanel::SelectViewMode(ViewMode mode) {
    if (mode != ViewMode::Wear && mode != ViewMode::Dp && mode != ViewMode::Hair) {
        return;
    }
    controlHost_.SetButtonPushed(kWearButton, mode == ViewMode::Wear);
    controlHost_.SetButtonPushed(kDpButton, mode == ViewMode::Dp);
    controlHost_.SetButtonPushed(kHairButton, mode == ViewMode::Hair);
    if (selection_.hasFloatingSelection) {
        CommitFloatingSelection();
        DropFloatingSelection();
    }
    view_.viewMode = mode;
    viewHost_.InvalidateAll(true);
}

bool CEditPanel::SetZoom(float z) {
    // Exact comparisons: the palette hands over exactly these four values.
    if (z != 2.0f && z != 4.0f && z != 6.0f && z != 10.0f) {
        return false;
    }
    view_.zoom = z;
    ClampScrollOffset();
    InvalidateViews();
    return true;
}

namespace {

// The place of a zoom in the grid settings: -1 for the zooms without a grid.
int GridSlot(float zoom) {
    return zoom == 4.0f ? 0 : zoom == 6.0f ? 1 : zoom == 10.0f ? 2 : -1;
}

} // namespace

bool CEditPanel::SetPixelGrid(float zoom, bool shown) {
    const int slot = GridSlot(zoom);
    if (slot < 0) {
        return false;
    }
    pixelGrid_[static_cast<std::size_t>(slot)] = shown;
    InvalidateCanvas();
    return true;
}

void CEditPanel::SetMirrorDrawing(bool on) {
    mirrorDrawing_ = on;
    // The axis is on the canvas, and a mirrored preview under the pointer in both views.
    InvalidateViews();
}

bool CEditPanel::PixelGridShown(float zoom) const {
    const int slot = GridSlot(zoom);
    return slot >= 0 && pixelGrid_[static_cast<std::size_t>(slot)];
}

void CEditPanel::SetScrollOffset(Point offset) {
    view_.scrollOffset = offset;
    ClampScrollOffset();
}

void CEditPanel::ClampScrollOffset() {
    // The offset belongs to the Wear view, whichever picture is shown now. The largest
    // offsets keep a whole canvas of picture in view: w - 2w / zoom, rounded to a float, the
    // offset clamped in floating point and truncated.
    const Size size = wearImage.GetBitmapDimension();
    const auto clampAxis = [this](int offset, int length) {
        const auto largest = static_cast<float>(length - 2.0 * length / view_.zoom);
        const float clamped = std::max(0.0f, std::min(static_cast<float>(offset), largest));
        return static_cast<int>(std::trunc(clamped));
    };
    view_.scrollOffset =
        Point{clampAxis(view_.scrollOffset.x, size.cx), clampAxis(view_.scrollOffset.y, size.cy)};
}

bool CEditPanel::SetTool(ToolKind tool) {
    const int number = static_cast<int>(tool);
    if (number < static_cast<int>(ToolKind::None) ||
        number > static_cast<int>(ToolKind::Magnifier)) {
        return false;
    }
    options_.currentTool = tool;
    if (selection_.hasFloatingSelection) {
        // The selection is merged where it lies; only the flag goes.
        selection_.hasFloatingSelection = false;
        CommitFloatingSelection();
    }
    InvalidateViews();
    return true;
}

bool CEditPanel::SetFillStyle(int style) {
    return RepaintOverlayIf(
        StoreIfOffered(options_.fillStyle, style,
                       {kOutlineOnly, kFilledWithOtherColour, kFilledWithDrawingColour}));
}

bool CEditPanel::SetLineWidth(int width) {
    return RepaintOverlayIf(StoreIfOffered(options_.lineWidth, width, {1, 3, 5, 7}));
}

bool CEditPanel::SetSpraySize(int size) {
    return StoreIfOffered(options_.spraySize, size, {5, 10, 15});
}

bool CEditPanel::SetEraserSize(int size) {
    return RepaintOverlayIf(StoreIfOffered(options_.eraserSize, size, {2, 4, 6, 10}));
}

bool CEditPanel::RepaintOverlayIf(bool changed) {
    // The tools' preview is drawn in the colours and options: under a resting pointer a
    // change shows at once.
    if (changed) {
        InvalidateChanges();
    }
    return changed;
}

void CEditPanel::InvalidateWells() {
    viewHost_.Invalidate(PanelGeometry::kColourWells, false);
}

void CEditPanel::InvalidateCanvas() {
    viewHost_.Invalidate(PanelGeometry::Canvas(CurrentImageSize()), false);
}

void CEditPanel::InvalidateViews(Size size) {
    viewHost_.Invalidate(PanelGeometry::Preview(size), false);
    viewHost_.Invalidate(PanelGeometry::Canvas(size), false);
}

void CEditPanel::InvalidateChanges() {
    const RECT area = Union(Union(pictureChanges_, overlayShown_), OverlayArea());
    pictureChanges_ = RECT{};
    InvalidatePictureArea(area);
}

void CEditPanel::InvalidatePictureArea(const RECT& area) {
    const Size size = CurrentImageSize();
    const RECT inPicture = Intersect(area, RECT{0, 0, size.cx, size.cy});
    if (IsEmpty(inPicture)) {
        return;
    }
    const Point preview = PanelGeometry::kPreviewOrigin;
    viewHost_.Invalidate(RECT{preview.x + inPicture.left, preview.y + inPicture.top,
                              preview.x + inPicture.right, preview.y + inPicture.bottom},
                         false);
    const RECT cells = Mapping().PictureAreaToCanvas(inPicture);
    if (!IsEmpty(cells)) {
        viewHost_.Invalidate(cells, false);
    }
}

} // namespace pattik
