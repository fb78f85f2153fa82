#include "document/editor_core.h"

namespace pattik {

EditorCore::EditorCore(const EditorHosts& hosts)
    : panel(hosts.view, hosts.controls, hosts.dialogs),
      palette(panel, hosts.palette, hosts.dialogs),
      tools(panel, palette, hosts.pointer, hosts.dialogs, hosts.flag),
      itemBar(panel, tools, hosts.itemBar, hosts.dialogs, hosts.flag),
      document(panel, tools, itemBar, hosts.dialogs, hosts.flag, hosts.environment),
      flag(hosts.flag) {}

bool EditorCore::Create() {
    if (panel.OnCreate() != 0 || palette.OnCreate() != 0) {
        return false;
    }
    panel.SetOverlay(&tools.Previews());
    return true;
}

void EditorCore::SetUpBars() {
    panel.SetUpAfterBarsExist();
    itemBar.RefreshAndApply();
}

} // namespace pattik
