#pragma once

#include "document/document.h"
#include "document/document_environment.h"
#include "document/item_bar.h"
#include "panel/control_host.h"
#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/edit_panel.h"
#include "panel/item_bar_host.h"
#include "panel/palette_host.h"
#include "panel/pointer_host.h"
#include "panel/view_host.h"
#include "tools/canvas_tools.h"
#include "tools/tool_palette.h"

namespace pattik {

// What the core needs of the window system, each seam from whoever owns it: the panel's
// widget repaints, holds the controls and hosts the pointer; the palette's and the item
// bar's widgets their buttons and boxes; the main window the dialogs, the modified flag and
// the document's environment.
struct EditorHosts {
    ViewHost& view;
    ControlHost& controls;
    PointerHost& pointer;
    DialogHost& dialogs;
    DocumentHost& flag;
    PaletteHost& palette;
    ItemBarHost& itemBar;
    DocumentEnvironment& environment;
};

// The editor's core, wired once: the editing panel, the tool palette, the canvas tools, the
// item bar and the document. The window, the tests and the random users all drive this same
// wiring through its parts' handlers.
class EditorCore {
  public:
    explicit EditorCore(const EditorHosts& hosts);
    EditorCore(const EditorCore&) = delete;
    EditorCore& operator=(const EditorCore&) = delete;

    // Creates the panel's bitmaps and the palette's buttons, and gives the panel the tools'
    // previews to draw. False when either could not be created.
    bool Create();
    // Once the bars show: the Wear view, the mixer's ranges and values, the boxes with no
    // item chosen.
    void SetUpBars();

    CEditPanel panel;
    CToolPalette palette;
    CanvasTools tools;
    CItemBar itemBar;
    CPattikDoc document;
    DocumentHost& flag;
};

} // namespace pattik
