#include "panel/edit_panel.h"

#include "panel/panel_geometry.h"
#include "raster/bitmap_resources.h"
#include "res/control_ids.h"
#include "res/resource_ids.h"

#include <algorithm>
#include <cmath>

namespace pattik {
namespace {

constexpr RGBQUAD kWhiteKey{255, 255, 255, 0};
constexpr RGBQUAD kMagentaKey{255, 0, 255, 0};
constexpr int kKeyedIndex = 255;

// The creation step's defaults, before the tool palette sets its own.
constexpr int kCreatedLineWidth = 5;
// The RGB trackbars run over one colour channel.
constexpr int kChannelMaximum = 255;

} // namespace

void MakeWhiteTransparent(CxImage& picture) {
    picture.info.TransparentIndex = kKeyedIndex;
    picture.info.TransparentColour = kWhiteKey;
}

void MakeMagentaTransparent(CxImage& picture) {
    picture.info.TransparentIndex = kKeyedIndex;
    picture.info.TransparentColour = kMagentaKey;
}

void DrawWithoutMagenta(const DeviceBitmap& bitmap, DrawingContext& target, int x, int y, int cx,
                        int cy, const RECT* clip) {
    CxImageGif picture;
    if (!picture.LoadFromDeviceBitmap(&bitmap)) {
        return; // a bitmap that cannot become a picture draws nothing
    }
    MakeMagentaTransparent(picture);
    picture.Draw(&target, x, y, cx, cy, clip);
}

void CEditPanel::DrawDpPicture(DrawingContext& target) {
    dpGuidePicture.Draw(&target, 0, 0);
    const DpFileSource source = DpFileSourceFor(category, gender);
    if (source.fromWear) {
        DrawWithoutMagenta(wearImage, target, source.x, source.y, source.width, source.height);
    } else {
        DrawWithoutMagenta(dpImage, target, 0, 0);
    }
}

void CEditPanel::RebuildHairImage() {
    // A fresh context shrinks in BLACKONWHITE, so thin dark strands survive the reduction.
    DrawingContext hair(&hairImage);
    const DrawingContext wear(&wearImage);
    const Point square = HairSquareOrigin(gender);
    StretchBlt(hair, 0, 0, kHairImageSize.cx, kHairImageSize.cy, wear, square.x, square.y,
               kHairSquareSide, kHairSquareSide);
}

CEditPanel::CEditPanel(PanelHost& host) : currentImage(&wearImage), host_(host) {}

int CEditPanel::OnCreate() {
    stripBitmap = LoadBitmapResource(kColourStripBitmap);
    if (stripBitmap.IsEmpty()) {
        return -1;
    }
    wearImage = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    undoBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    compositionBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    maskBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    selectionBitmap = DeviceBitmap(kWearImageSize.cx, kWearImageSize.cy);
    dpImage = DeviceBitmap(kDpImageSize.cx, kDpImageSize.cy);
    hairImage = DeviceBitmap(kHairImageSize.cx, kHairImageSize.cy);
    const DeviceBitmap background = LoadBitmapResource(kBackgroundCheckerBitmap);
    backgroundPicture.LoadFromDeviceBitmap(&background);
    mannequinBitmap = LoadBitmapResource(BodyMannequinId(Gender::Female));
    for (DeviceBitmap* picture : {&wearImage, &dpImage, &undoBitmap, &hairImage}) {
        picture->Fill(kTransparentMagenta);
    }
    penStyle = 0;
    lineWidth = kCreatedLineWidth;
    fillStyle = kFilledWithOtherColour;
    return 0;
}

void CEditPanel::SetUpAfterBarsExist() {
    OnWearButton();
    for (const int trackbar : {kRedTrackbar, kGreenTrackbar, kBlueTrackbar}) {
        host_.SetTrackbarRange(trackbar, 0, kChannelMaximum);
    }
    host_.ExchangeControlData(false);
}

DeviceBitmap& CEditPanel::ImageFor(ViewMode mode) {
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

void CEditPanel::SelectViewMode(ViewMode mode) {
    host_.SetButtonPushed(kWearButton, mode == ViewMode::Wear);
    host_.SetButtonPushed(kDpButton, mode == ViewMode::Dp);
    host_.SetButtonPushed(kHairButton, mode == ViewMode::Hair);
    if (hasFloatingSelection) {
        CommitFloatingSelection();
        selectionRect = RECT{};
        hasFloatingSelection = false;
    }
    viewMode = mode;
    currentImage = &ImageFor(mode);
    host_.InvalidateAll(true);
}

void CEditPanel::SetTool(ToolKind tool) {
    currentTool = tool;
    if (hasFloatingSelection) {
        // The selection stays where it lies; only the flag goes.
        hasFloatingSelection = false;
        CommitFloatingSelection();
    }
    InvalidateViews();
}

void CEditPanel::SetZoom(float z) {
    zoom = z;
    ClampScrollOffset();
    InvalidateViews();
}

void CEditPanel::ClampScrollOffset() {
    const Size size = CurrentImageSize();
    // The largest offsets keep a whole canvas of picture in view: w - 2w / zoom, rounded to
    // a float, the offset clamped in floating point and truncated.
    const auto clampAxis = [this](int offset, int length) {
        const auto largest = static_cast<float>(length - 2.0 * length / zoom);
        const float clamped = std::max(0.0f, std::min(static_cast<float>(offset), largest));
        return static_cast<int>(std::trunc(clamped));
    };
    scrollOffset = Point{clampAxis(scrollOffset.x, size.cx), clampAxis(scrollOffset.y, size.cy)};
}

void CEditPanel::CommitFloatingSelection() {
    const int left = selectionRect.left;
    const int top = selectionRect.top;
    const int width =
        static_cast<int>(std::min<std::int64_t>(Width(selectionRect), selectionBitmap.Width()));
    const int height =
        static_cast<int>(std::min<std::int64_t>(Height(selectionRect), selectionBitmap.Height()));
    DrawingContext image(currentImage);
    DrawingContext selection(&selectionBitmap);
    if (opaqueSelection) {
        StretchBlt(image, left, top, width, height, selection, 0, 0, width, height);
    } else {
        // Magenta in the selection is see-through: the mask says which pixels are copied.
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                maskBitmap.At(x, y) =
                    selectionBitmap.At(x, y) == kTransparentMagenta ? kBlack : kWhite;
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (maskBitmap.At(x, y) == kWhite) {
                    image.SetPixel(left + x, top + y, selectionBitmap.At(x, y));
                }
            }
        }
    }
    InvalidateViews();
}

void CEditPanel::OnPreviewCheckBox() {
    host_.ExchangeControlData(true);
    InvalidateViews();
}

Size CEditPanel::CurrentImageSize() const {
    return currentImage != nullptr ? currentImage->GetBitmapDimension() : Size{};
}

void CEditPanel::InvalidateViews() {
    const Size size = CurrentImageSize();
    host_.Invalidate(PanelGeometry::Preview(size), false);
    host_.Invalidate(PanelGeometry::Canvas(size), false);
}

} // namespace pattik
