#pragma once

#include "document/editor_core.h"
#include "support/document/fake_environment.h"
#include "support/panel/fake_host.h"

#include <gtest/gtest.h>

namespace pattik::testing {

// The editor's core created and set up as the main window leaves it, on the recording host
// and a fake environment: no item chosen, the pencil in hand, no document yet.
class CreatedEditor : public ::testing::Test {
  protected:
    CreatedEditor() {
        EXPECT_TRUE(core.Create());
        core.SetUpBars();
    }

    // The pixels of one of the item's pictures, to paint a scene or read the result.
    DeviceBitmap& Pixels(ViewMode mode) { return *panel.ImageContext(mode).Bitmap(); }

    FakeHost host;
    FakeEnvironment environment;
    EditorCore core{EditorHosts{host, host, host, host, host, host, host, environment}};
    CEditPanel& panel = core.panel;
    CanvasTools& tools = core.tools;
    CItemBar& bar = core.itemBar;
    CPattikDoc& document = core.document;
};

} // namespace pattik::testing
