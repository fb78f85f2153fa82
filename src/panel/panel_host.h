#pragma once

#include "panel/control_host.h"
#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/pointer_host.h"
#include "panel/view_host.h"

namespace pattik {

// Everything the editing panel's window gives the panel and the tools that work on it. Each
// client takes the narrow part it uses: the panel its view and controls and, for a refused
// number, a message box; the pointer handlers the pointer, dialogs, document and view.
class PanelHost : public PointerHost,
                  public ViewHost,
                  public DialogHost,
                  public ControlHost,
                  public DocumentHost {};

} // namespace pattik
