#pragma once

#include "image/colour_budget.h"
#include "image/cximage_gif.h"
#include "panel/canvas_mapping.h"
#include "panel/canvas_overlay.h"
#include "panel/control_data.h"
#include "panel/panel_host.h"
#include "panel/panel_state.h"
#include "panel/picture_history.h"
#include "raster/device_bitmap.h"
#include "raster/drawing_context.h"

#include <array>
#include <optional>
#include <string>

namespace pattik {

// The bitmaps an item's pictures are drawn over: the checkerboard, the mannequin, the DP
// guide and the hair guide. An empty bitmap gives a layer that draws nothing.
struct ItemArtwork {
    DeviceBitmap background;
    DeviceBitmap mannequin;
    DeviceBitmap dpGuide;
    DeviceBitmap hairGuide;
};

// The pictures made from that artwork, each with its colour key.
struct ItemPictures {
    CxImageGif backgroundPicture;
    CxImageGif mannequinPicture;
    CxImageGif dpGuidePicture;
    CxImageGif hairGuidePicture;
};

enum class MixerChannel { Red, Green, Blue };

// What the saved files of an item hold, before each is given its palette: the wear picture,
// the display picture over its guide and, for items with hair, the hair picture.
struct OutputPictures {
    DeviceBitmap wear;
    DeviceBitmap dp;
    std::optional<DeviceBitmap> hair;
};

// The editing panel: it owns the item's three pictures, the pictures drawn under them, the
// floating selection, the current tool with its options and the two colours. Its state is
// read through const accessors and changed only through the operations below, which keep
// the rules that tie it together: the current picture is the view mode's; the scroll
// offset stays inside the wear picture for the zoom; the selection rectangle is normalised
// and every copy is bounded by the bitmaps; an option holds only a value the palette offers.
//
// The body is split by topic: edit_panel.cpp (creation, view modes, tool options),
// edit_panel_selection.cpp, edit_panel_undo.cpp, edit_panel_history.cpp,
// edit_panel_controls.cpp (colours and the RGB mixer), edit_panel_item.cpp (item changes,
// new documents), edit_panel_paint.cpp and edit_panel_output.cpp (the saved files),
// edit_panel_cancel.cpp (a drag called off), and the Edit menu's operations:
// edit_panel_transform.cpp (turns and flips), edit_panel_recolour.cpp and
// edit_panel_paste.cpp (select all, the clipboard).
class CEditPanel {
  public:
    // The panel repaints through the view, moves its values through the controls and
    // refuses a number through a message box; it needs nothing else of the window.
    CEditPanel(ViewHost& view, ControlHost& controls, DialogHost& dialogs);
    explicit CEditPanel(PanelHost& host) : CEditPanel(host, host, host) {}
    CEditPanel(const CEditPanel&) = delete;
    CEditPanel& operator=(const CEditPanel&) = delete;

    // --- Creation ---
    // Loads the strip (-1 if it cannot be had), creates every bitmap with its size as its
    // dimension, the background picture and the female mannequin, and fills the three
    // pictures and the undo copy with magenta. Returns 0.
    int OnCreate();
    // Once all bars exist: the Wear view, the trackbars' range, the fields pushed out.
    void SetUpAfterBarsExist();

    // --- State, read-only ---
    const ToolOptions& Options() const { return options_; }
    const DrawingColours& Colours() const { return colours_; }
    const FloatingSelection& Selection() const { return selection_; }
    const ViewState& View() const { return view_; }
    const ItemChoice& Item() const { return item_; }
    const ControlData& Controls() const { return controls_; }
    const UndoState& UndoInfo() const { return undo_; }
    const ItemPictures& Pictures() const { return pictures_; }

    const DeviceBitmap& Image(ViewMode mode) const;
    const DeviceBitmap& CurrentImage() const { return Image(view_.viewMode); }
    Size CurrentImageSize() const { return CurrentImage().GetBitmapDimension(); }
    const DeviceBitmap& SelectionBitmap() const { return selectionBitmap; }
    const DeviceBitmap& UndoBitmap() const { return undoBitmap; }
    const DeviceBitmap& StripBitmap() const { return stripBitmap; }
    // The last composition of the current view: what the canvas shows, in picture pixels.
    const DeviceBitmap& CompositionBitmap() const { return compositionBitmap; }
    // Where the canvas shows the current picture, for painting and pointer input alike.
    CanvasMapping Mapping() const;

    // --- Drawing into the pictures ---
    // A drawing context on one of the item's pictures; its size is fixed, its pixels are
    // the user's. What it draws into the picture in view is kept for InvalidateChanges.
    DrawingContext ImageContext(ViewMode mode);
    DrawingContext CurrentImageContext() { return ImageContext(view_.viewMode); }

    // --- View modes ---
    // Pushes the mode's button, commits a floating selection, shows the mode's picture and
    // repaints the whole panel.
    void SelectViewMode(ViewMode mode);
    void OnWearButton() { SelectViewMode(ViewMode::Wear); }
    void OnDpButton() { SelectViewMode(ViewMode::Dp); }
    void OnHairButton() { SelectViewMode(ViewMode::Hair); }
    // Only the canvas zooms 2, 4, 6 and 10 are taken; false, changing nothing, otherwise.
    bool SetZoom(float z);
    // The Wear view's offset, clamped to keep a whole canvas of the wear picture in view. It
    // repaints nothing: a hand scroll repaints only the canvas.
    void SetScrollOffset(Point offset);

    // --- The pixel grid over the zoomed Wear view ---
    // Whether the grid is drawn at a zoom of 4, 6 or 10; false for any other zoom, which
    // shows pixels too small to tell apart. Nothing is drawn until the window turns it on.
    bool SetPixelGrid(float zoom, bool shown);
    bool PixelGridShown(float zoom) const;

    // --- Mirror drawing ---
    // While on, the drawing tools draw each stroke a second time, mirrored about the middle
    // column of the picture in view, and the canvas shows that column as a dotted axis. Off
    // until the window turns it on; repaints the views.
    void SetMirrorDrawing(bool on);
    bool MirrorDrawing() const { return mirrorDrawing_; }

    // --- Tool and options, as the palette offers them; false, changing nothing, for
    // anything else ---
    // Commits a floating selection into the current picture; its rectangle stays.
    bool SetTool(ToolKind tool);
    bool SetFillStyle(int style); // 1, 0 or -1
    bool SetLineWidth(int width); // 1, 3, 5 or 7
    bool SetSpraySize(int size);  // 5, 10 or 15
    bool SetEraserSize(int size); // 2, 4, 6 or 10
    void SetOpaqueSelection(bool opaque) { options_.opaqueSelection = opaque; }

    // --- Colours ---
    // False for a value with anything in its top byte.
    bool SetPrimaryColour(COLORREF colour);
    bool SetSecondaryColour(COLORREF colour);
    // Set by every press on the panel: the right button draws and mixes colour 2. The mixer
    // then shows the colour it mixes.
    void SetUseSecondary(bool useSecondary);

    // --- The RGB mixer and the preview check boxes ---
    // Moves the control values between the fields and the controls. A read that meets an
    // edit without an integer says "정수를 입력하십시오.", focuses that edit, keeps the fields
    // read before it and answers false.
    bool ExchangeControlData(bool fromControls);
    // Sets one channel's edit and trackbar fields; false for a value outside 0..255.
    bool SetMixerChannel(MixerChannel channel, int value);
    // Sets all three channels' fields to a colour's components.
    void SetMixerColour(COLORREF colour);
    // The two preview check boxes, as the boxes' handler reads them.
    void OnPreviewCheckBox();
    // Ticks or clears the two boxes from the program's side.
    void SetAvatarDisplay(bool showAvatar, bool avatarInFront);

    // --- The floating selection ---
    // Floats the rectangle between two opposite corners (normalised here, once, and clipped
    // to the current picture) and copies the picture's pixels inside it into the selection
    // bitmap; the source stays, for the tool to erase or not. A rectangle wholly off the
    // picture floats nothing.
    void LiftSelection(Point corner, Point oppositeCorner);
    // Moves the floating selection by whole picture pixels; nothing clamps it to the
    // picture, but it stays within the coordinates a rectangle can hold.
    void MoveSelectionBy(int dx, int dy);
    // Merges the floating pixels into the current picture where the rectangle lies: every
    // pixel when opaque, else all but the magenta ones. Leaves the flag and the rectangle.
    void CommitFloatingSelection();
    // Forgets the floating selection: no flag, an empty rectangle, nothing merged.
    void DropFloatingSelection();

    // --- Undo: one copy for the whole panel ---
    // Copies the current picture into the undo copy and notes its view mode.
    void TakeUndoSnapshot();
    // Swaps the current picture with the undo copy when the copy is of this view mode, so a
    // second undo redoes; does nothing in another view mode. True when it swapped.
    bool Undo();

    // --- The Edit menu's operations on the picture in view ---
    // Each acts on the floating selection when one floats, else on the whole picture in
    // view. Each that changes pixels takes the undo snapshot first, the floating selection
    // included, so Ctrl+Z toggles it as it does a stroke, and is one step of the history.
    // Each answers whether it changed anything; false, recording nothing, for a refusal.
    //
    // Whether the picture in view may be changed: an item is chosen and the view is Wear or
    // DP (the hair picture is made from the wear picture, so nothing is drawn into it).
    bool CanEditPictureInView() const;
    // The floating pixels turn within their rectangle, which stays where it is.
    bool FlipHorizontally();
    bool FlipVertically();
    bool RotateHalfTurn();
    // A clockwise quarter turn. The floating selection turns about its rectangle's centre;
    // when the sides differ in parity the centre cannot stay put, and the turned rectangle
    // lies half a pixel up and to the left of it. The turned rectangle must fit the picture
    // (its width at most the picture's width, its height at most the picture's height), and
    // is then moved the least distance that puts it wholly on the picture. The whole picture
    // turns only when it is square, which neither the wear nor the DP picture is. False,
    // changing nothing, when it does not fit (kQuarterTurnDoesNotFitText,
    // kPictureQuarterTurnText).
    bool RotateQuarterTurn();
    // Places any floating selection, then lifts the whole picture in view as the selection
    // tool lifts a marquee over it: the picture under it is cut, so moving it leaves empty
    // pixels behind.
    bool SelectAll();
    // Every pixel of `from` becomes `to`: in the picture in view and its floating pixels (the
    // selection keeps floating, recoloured), or with `allPictures` also in every other
    // picture drawn for the item: the wear picture and, for items with a DP picture of their
    // own, the DP picture. Each picture that changes is one step of its history; the undo
    // copy holds only the picture in view. Returns how many pictures changed; 0 for
    // from == to or a value with anything in its top byte.
    int ReplaceColour(COLORREF from, COLORREF to, bool allPictures);
    // The floating pixels (the rectangle's size, within the selection bitmap), or the whole
    // picture in view when nothing floats; empty pixels stay kTransparentMagenta. An empty
    // bitmap when the picture cannot be edited.
    DeviceBitmap CopyForClipboard() const;
    // The copy into `out`, then the floating selection is dropped without being placed (as
    // Delete drops it), or without one the whole picture in view is emptied. False, `out`
    // untouched, when nothing would change.
    bool CutToClipboard(DeviceBitmap& out);
    // Places any floating selection, then floats `picture` (kTransparentMagenta is empty),
    // clipped to the picture's size, with its top-left at the picture pixel shown at the
    // canvas's top-left (the Wear view's scroll offset; (0, 0) in the DP view). False for an
    // empty bitmap.
    bool PasteFloating(const DeviceBitmap& picture);
    // The colours the file of the picture in view will hold once the floating selection is
    // placed, counted as ViewColourCount counts them: the wear picture, the DP file over its
    // guide, or the hair picture made from the wear picture. WillMerge() says a paste has
    // pushed it past the budget (kPasteOverBudgetText).
    ColourCount ViewColoursOncePlaced() const;

    // --- A drag that may still be called off (edit_panel_cancel.cpp) ---
    // Keeps what a press and its drag may change before the release: the current picture,
    // the floating selection, the undo copy and the history.
    void KeepStateBeforePress();
    // Puts back everything kept and forgets it, repainting the whole panel. False, changing
    // nothing, when nothing is kept or the view has changed since.
    bool RestoreStateBeforePress();
    void ForgetStateBeforePress() { stateBeforePress_.reset(); }

    // --- The history: 100 steps back and forth per picture, beside the undo copy ---
    // Each picture keeps its own states from the start of the document. A step places a
    // floating selection first (committed, then dropped), records the current picture if it
    // changed since it was last recorded, then shows the state one back or one forward and
    // repaints the whole panel. Only the current view's picture moves, and the undo copy
    // stays as it is, so Ctrl+Z still swaps with it. True when the picture changed to
    // another state.
    bool StepBack();
    bool StepForward();
    // Whether a step would show another state; a floating selection counts as placed.
    // Forward is possible only while the picture is still what the last step showed.
    bool CanStepBack() const;
    bool CanStepForward() const;
    const PictureHistory& History() const { return history_; }

    // --- The item ---
    // Applies a choice of gender and category (list indices, -1 for none).
    void ChangeItem(int genderIndex, int categoryIndex);
    // The panel's part of a new document: empty pictures, no item.
    void ResetForNewDocument();
    // Puts an opened item's pictures in place, once the item is chosen: the wear picture as
    // read; the DP file's picture (null for none) without the guide the file shows it over,
    // for items with a DP picture of their own; no undo copy from before. False, changing
    // nothing, for pictures of the wrong size.
    bool LoadItemPictures(const DeviceBitmap& wear, const DeviceBitmap* dpFile);
    // Puts pictures drawn elsewhere in place, once the item is chosen: the wear picture, and
    // the DP picture (null for none) just as it was drawn, empty where it is magenta, for
    // items with a DP picture of their own; no undo copy from before. False, changing
    // nothing, for pictures of the wrong size.
    bool PlaceDrawnPictures(const DeviceBitmap& wear, const DeviceBitmap* dp);
    // Puts back the three pictures exactly as a recovery record kept them, once the item is
    // chosen; no undo copy from before, and the history starts from them. False, changing
    // nothing, for pictures of the wrong size.
    bool RestorePictures(const DeviceBitmap& wear, const DeviceBitmap& dp,
                         const DeviceBitmap& hair);
    // Draws the item's pictures over other artwork from now on (the catalogue's is loaded
    // at creation and by every item change).
    void ReplaceArtwork(const ItemArtwork& artwork);

    // --- Painting and output ---
    // The tools' preview over the picture; null for none. The overlay must outlive its use.
    void SetOverlay(const CanvasOverlay* overlay) { overlay_ = overlay; }
    // Paints the panel into its client area (a bitmap of the client size): only what the
    // client context's clip box takes, so a repaint of a few canvas cells composes only the
    // few picture pixels they show.
    void Paint(DrawingContext& client);
    // The display picture as it is saved and shown: its guide, then a window of the wear
    // picture or the DP picture itself, as the item's catalogue entry says.
    void DrawDpPicture(DrawingContext& target) const;
    // Shrinks the wear picture's hair square into the hair picture, one square pixel each.
    void RebuildHairImage() { ShrinkHairSquare(hairImage); }
    // The same shrinking into a 25 x 25 bitmap of the caller's.
    void ShrinkHairSquare(DeviceBitmap& hair) const;
    // The pictures the item's files hold, composed from the pictures as they are; nothing in
    // the panel changes.
    OutputPictures ComposeOutputPictures() const;

    // Repaints the preview and the canvas, without erasing.
    void InvalidateViews() { InvalidateViews(CurrentImageSize()); }
    // The same for a picture of the size given, whichever picture is shown.
    void InvalidateViews(Size size);
    // Repaints only what changed since the last paint: the pixels drawn through a picture
    // context, and the overlay where it was shown and where it is now.
    void InvalidateChanges();
    // Repaints the preview pixels and the canvas cells of a block of the picture in view.
    void InvalidatePictureArea(const RECT& area);
    // Repaints the whole panel, erased first.
    void InvalidateAll() { viewHost_.InvalidateAll(true); }
    // Repaints the two colour wells, without erasing.
    void InvalidateWells();
    // Repaints only the canvas, without erasing (a hand scroll moves nothing else).
    void InvalidateCanvas();
    // Sets the colour of a button (colour 2 for the right one), shows the drawing colour in
    // the mixer and repaints the wells: what every pick of a colour does, the colour dialog's
    // included.
    void PickColour(bool secondary, COLORREF colour);
    // The mixer's edits and trackbars show the colour it writes: colour 2 after a right
    // press on the panel, colour 1 otherwise.
    void ShowDrawingColourInMixer();

  private:
    DeviceBitmap& MutableImage(ViewMode mode);
    // Copies the floating pixels into a picture where the selection's rectangle lies: every
    // pixel when opaque, else all but the magenta ones.
    void PlaceSelectionInto(DeviceBitmap& image) const;
    // The undo snapshot of an Edit menu operation: the picture and the floating selection,
    // recorded in the history as a step would find them.
    void TakeUndoSnapshotWithSelection();
    // Copies the current picture into the undo copy; false when either bitmap is missing.
    bool CopyPictureIntoUndo();
    // The block of the selection bitmap that floats: the rectangle's size from (0, 0),
    // bounded by the bitmap.
    RECT FloatingBlock() const;
    // Runs `change` over the floating block of a copy of the selection bitmap when a
    // selection floats, else over the whole of a copy of the picture in view, and keeps the
    // copy, as one undoable step, when it differs.
    bool ChangeFloatingOrPicture(void (*change)(DeviceBitmap& bitmap, const RECT& block));
    // What ReplaceColour changes in the picture in view and its floating pixels.
    bool RecolourPictureInView(COLORREF from, COLORREF to);
    // The DP file's picture drawn from the pictures given: the guide, then a window of `wear`
    // or `dp` itself, as the item's catalogue entry says.
    void DrawDpPictureOf(DrawingContext& target, const DeviceBitmap& wear,
                         const DeviceBitmap& dp) const;
    // Records every picture as the first state of its history, forgetting what came before.
    void RestartHistory();
    bool StepThroughHistory(bool forward);
    // The current picture with a floating selection placed, as a step would record it.
    DeviceBitmap PictureAsAStepFindsIt() const;
    // What opening and placing pictures share (edit_panel_open.cpp).
    bool CanTakePictures(const DeviceBitmap& wear, const DeviceBitmap* dp) const;
    void FinishTakingPictures();
    void ClampScrollOffset();
    // Paint steps (edit_panel_paint.cpp).
    void ComposeWear(DrawingContext& composition);
    // Copies the layers under the wear picture into the composition, composing them first
    // when the artwork or the avatar boxes changed. False when there is no background to
    // compose them on, and the caller draws the layers itself.
    bool CopyWearUnderlay(DrawingContext& composition, bool mannequinBehind);
    void ComposeDp(DrawingContext& composition);
    void ComposeHair(DrawingContext& composition);
    void PaintWells(DrawingContext& client);
    // The block of the picture in view that the preview and canvas pixels of a client
    // rectangle show.
    RECT PictureAreaUnder(const RECT& client) const;
    RECT OverlayArea() const;
    // Repaints the overlay where it was shown and where it is when `changed`; returns it.
    bool RepaintOverlayIf(bool changed);
    void CopyCompositionToScreen(DrawingContext& client, DrawingContext& composition);

    ViewHost& viewHost_;
    ControlHost& controlHost_;
    DialogHost& dialogHost_;
    const CanvasOverlay* overlay_ = nullptr;
    // What changed since the last repaint was asked for, in picture pixels: drawn through a
    // picture context, and where the last paint showed the overlay.
    RECT pictureChanges_{};
    RECT overlayShown_{};

    // The grid at zoom 4, 6 and 10.
    std::array<bool, 3> pixelGrid_{};
    bool mirrorDrawing_ = false;

    ToolOptions options_;
    DrawingColours colours_;
    FloatingSelection selection_;
    ViewState view_;
    ItemChoice item_;
    ControlData controls_;
    UndoState undo_;
    PictureHistory history_;

    DeviceBitmap wearImage;
    DeviceBitmap dpImage;
    DeviceBitmap hairImage;
    DeviceBitmap compositionBitmap;
    DeviceBitmap mannequinBitmap;
    DeviceBitmap stripBitmap;
    DeviceBitmap selectionBitmap;
    DeviceBitmap undoBitmap;
    // The floating selection as the undo copy was taken, when undo_.withSelection says so.
    DeviceBitmap undoSelectionBitmap;
    FloatingSelection undoSelection_;
    ItemPictures pictures_;
    // Counts the changes of the pictures above, so what is made from them can be kept.
    int artworkVersion_ = 0;
    // The layers under the wear picture (the checkerboard, and the mannequin when it stands
    // behind), kept between paints: they change only with the artwork and the avatar boxes.
    struct WearUnderlay {
        DeviceBitmap pixels;
        int artworkVersion = -1;
        bool mannequinBehind = false;
    };
    WearUnderlay wearUnderlay_;
    struct StateBeforePress {
        ViewMode viewMode;
        DeviceBitmap picture;
        FloatingSelection selection;
        DeviceBitmap selectionBitmap;
        DeviceBitmap undoBitmap;
        UndoState undo;
        PictureHistory history;
    };
    std::optional<StateBeforePress> stateBeforePress_;
};

} // namespace pattik
