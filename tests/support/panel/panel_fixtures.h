#pragma once

#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"
#include "support/panel/fake_host.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

namespace pattik::testing {

// A panel created and set up as the main window leaves it, on a recording host.
class CreatedPanel : public ::testing::Test {
  protected:
    CreatedPanel() {
        EXPECT_EQ(panel.OnCreate(), 0);
        panel.SetUpAfterBarsExist();
    }

    // The pixels of one of the item's pictures, to paint a scene or read the result.
    DeviceBitmap& Pixels(ViewMode mode) { return *panel.ImageContext(mode).Bitmap(); }

    FakeHost host;
    CEditPanel panel{host};
};

inline constexpr COLORREF kBarColour = RGB(237, 237, 216);
inline constexpr COLORREF kPlainBackground = RGB(128, 128, 128);

// A created panel that paints into a 400 x 400 client filled with the bar colour. The
// item's artwork is replaced by a plain grey background and no guides, so every pixel read
// comes from the pictures the test draws.
class PaintPanel : public CreatedPanel {
  protected:
    PaintPanel() { client.Fill(kBarColour); }

    void Choose(Gender gender, ItemCategory category);
    void PaintClient();

    COLORREF PreviewAt(int x, int y) const {
        const Point preview = PanelGeometry::kPreviewOrigin;
        return client.At(preview.x + x, preview.y + y);
    }
    RECT PreviewArea() const { return PanelGeometry::Preview(panel.CurrentImageSize()); }

    DeviceBitmap client{400, 400};
};

DeviceBitmap SolidBitmap(int width, int height, COLORREF colour);
int CountOf(const DeviceBitmap& bitmap, const RECT& area, COLORREF colour);

} // namespace pattik::testing
