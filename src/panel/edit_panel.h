#pragma once

#include "catalogue/catalogue.h"
#include "image/cximage_gif.h"
#include "panel/output_result.h"
#include "panel/panel_host.h"
#include "panel/panel_types.h"
#include "raster/colour.h"
#include "raster/device_bitmap.h"
#include "raster/drawing_context.h"
#include "raster/geometry.h"

#include <string>

namespace pattik {

// The editing panel: it owns the item's three pictures, the pictures drawn under them,
// the floating selection, the current tool with its options and the two colours. Every
// handler is called by the window exactly as tests call it, through a PanelHost.
//
// The body is split by topic: edit_panel.cpp (creation, view modes, options, commit),
// edit_panel_item.cpp (item changes and new documents), edit_panel_paint.cpp (the paint
// routine), edit_panel_output.cpp (the saved files).
class CEditPanel {
  public:
    explicit CEditPanel(PanelHost& host);
    CEditPanel(const CEditPanel&) = delete;
    CEditPanel& operator=(const CEditPanel&) = delete;

    // Creation: loads the strip (-1 if it cannot be had), creates every bitmap with its
    // size as dimension, the background picture and the female mannequin, and fills the
    // three pictures and the undo copy with magenta. Returns 0.
    int OnCreate();
    // Once all bars exist: the Wear view, and the fields pushed to the controls.
    void SetUpAfterBarsExist();

    // The three view-mode buttons.
    void OnWearButton() { SelectViewMode(ViewMode::Wear); }
    void OnDpButton() { SelectViewMode(ViewMode::Dp); }
    void OnHairButton() { SelectViewMode(ViewMode::Hair); }

    // Called by the tool palette.
    void SetTool(ToolKind tool);
    void SetFillStyle(int style) { fillStyle = style; }
    void SetLineWidth(int width) { lineWidth = width; }
    void SetSpraySize(int size) { spraySize = size; }
    void SetEraserSize(int size) { eraserSize = size; }
    void SetOpaqueSelection(bool opaque) { opaqueSelection = opaque; }
    void SetZoom(float z);
    // Keeps the scroll offset inside the current picture at the current zoom.
    void ClampScrollOffset();

    // Merges the floating selection into the current picture at selectionRect; the caller
    // clears hasFloatingSelection and selectionRect.
    void CommitFloatingSelection();
    // The two preview check boxes.
    void OnPreviewCheckBox();

    // Applies a choice of gender and category (list indices, -1 for none).
    void ChangeItem(int genderIndex, int categoryIndex);
    // The panel's part of a new document: empty pictures, no item.
    void ResetForNewDocument();

    // Paints the panel into its client area (a bitmap of the client size).
    void Paint(DrawingContext& client);

    // The display picture as it is saved and shown: its guide, then a window of the wear
    // picture or the DP picture itself, as the item's catalogue entry says.
    void DrawDpPicture(DrawingContext& target);
    // Shrinks the wear picture's hair square into the hair picture, dark lines winning.
    void RebuildHairImage();

    // Writes the wear, DP and hair files for the chosen path.
    OutputResult ComposeOutput(const std::string& path);

    // Repaints the preview and the canvas, without erasing.
    void InvalidateViews();
    Size CurrentImageSize() const;
    // The colour the current stroke draws with, and the other one.
    COLORREF DrawingColour() const { return useSecondary ? secondaryColour : primaryColour; }
    COLORREF OtherColour() const { return useSecondary ? primaryColour : secondaryColour; }
    DeviceBitmap& ImageFor(ViewMode mode);

    // --- State, named as the rest of the program knows it ---
    Point anchorPoint;
    Point currentPoint;
    bool isDragging = false;
    RECT selectionRect{};
    bool hasFloatingSelection = false;
    ViewMode viewMode = ViewMode::Wear;
    Point scrollOffset;
    Point scrollDragOrigin;
    int undoViewMode = -1;
    DeviceBitmap* currentImage = nullptr;
    COLORREF primaryColour = kBlack;
    COLORREF secondaryColour = kWhite;
    bool useSecondary = false;
    float zoom = 2.0f;
    int spraySize = 5;
    int eraserSize = 2;
    ToolKind currentTool = ToolKind::None;
    int penStyle = 0;
    int lineWidth = 1;
    int fillStyle = 0;
    bool opaqueSelection = false;
    ItemCategory category = ItemCategory::None;
    Gender gender = Gender::None;
    bool hairEnabled = false;
    int editB = 0;
    int editG = 0;
    int editR = 0;
    int sliderB = 0;
    int sliderG = 0;
    int sliderR = 0;
    bool showAvatar = true;
    bool avatarInFront = false;

    // --- Bitmaps and pictures ---
    DeviceBitmap wearImage;
    DeviceBitmap dpImage;
    DeviceBitmap hairImage;
    DeviceBitmap compositionBitmap;
    DeviceBitmap mannequinBitmap;
    DeviceBitmap maskBitmap;
    DeviceBitmap stripBitmap;
    DeviceBitmap selectionBitmap;
    DeviceBitmap undoBitmap;
    CxImageGif backgroundPicture;
    CxImageGif mannequinPicture;
    CxImageGif dpGuidePicture;
    CxImageGif hairGuidePicture;

  private:
    void SelectViewMode(ViewMode mode);
    // Paint steps (edit_panel_paint.cpp).
    void ComposeWear(DrawingContext& composition);
    void ComposeDp(DrawingContext& composition);
    void ComposeHair(DrawingContext& composition);
    void PaintWells(DrawingContext& client);
    void PaintOverlay(DrawingContext& composition);
    void CopyCompositionToScreen(DrawingContext& client, DrawingContext& composition);

    PanelHost& host_;
};

// Gives a picture the colour key of the mannequin and guides: white is not drawn.
void MakeWhiteTransparent(CxImage& picture);
// Gives a picture the colour key of the item's pictures: magenta is not drawn.
void MakeMagentaTransparent(CxImage& picture);
// Draws one of the item's bitmaps with its empty (magenta) pixels left out, through a
// picture that lives only for this call; -1 means the bitmap's own width or height.
void DrawWithoutMagenta(const DeviceBitmap& bitmap, DrawingContext& target, int x, int y,
                        int cx = -1, int cy = -1, const RECT* clip = nullptr);

} // namespace pattik
