#pragma once

#include "panel/control_host.h"
#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/pointer_host.h"
#include "panel/view_host.h"

namespace pattik {

// Every seam of the panel and the canvas tools at once, for a host that stands in for the
// whole window: a test's recording fake, or the batch command's null host. The window itself
// hosts each seam where it is owned.
class PanelHost : public PointerHost,
                  public ViewHost,
                  public DialogHost,
                  public ControlHost,
                  public DocumentHost {};

} // namespace pattik
