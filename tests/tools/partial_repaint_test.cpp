// A hover or a stroke repaints only the canvas cells and preview pixels it changed. The screen
// a window builds from those repaints alone must be the screen a whole repaint gives, after
// anything a user does: a cell left out would show a pen tip that stays behind or a stroke
// that is missing until something else repaints it.
#include "support/panel/panel_fixtures.h"
#include "support/tools/random_user.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pattik {
namespace {

class PartialRepaint : public testing::PaintPanel {
  protected:
    PartialRepaint() {
        panel.SetOverlay(&tools.Previews());
        palette.OnCreate();
        Choose(Gender::Female, ItemCategory::Top);
        ShowWhatWasAskedFor();
    }

    // What the window does with the repaints asked for: each rectangle is erased if asked
    // and painted alone into the screen it keeps.
    void ShowWhatWasAskedFor() {
        for (const testing::FakeHost::Invalidation& asked : host.invalidations) {
            const RECT rect =
                asked.rect == testing::FakeHost::kWholePanel ? screen.Bounds() : asked.rect;
            DrawingContext dc(&screen);
            if (asked.erase) {
                dc.FillRect(rect, testing::kBarColour);
            }
            dc.IntersectClipRect(rect);
            panel.Paint(dc);
        }
        host.invalidations.clear();
    }

    // The first pixel where the screen differs from a whole repaint, or an empty string.
    std::string FirstDifference() {
        PaintClient();
        for (int y = 0; y < screen.Height(); ++y) {
            for (int x = 0; x < screen.Width(); ++x) {
                if (screen.At(x, y) != client.At(x, y)) {
                    std::ostringstream where;
                    where << "(" << x << ", " << y << ") shows " << std::hex << screen.At(x, y)
                          << " instead of " << client.At(x, y);
                    return where.str();
                }
            }
        }
        return {};
    }

    void Hover(Point picturePixel) {
        const RECT cell = panel.Mapping().ImageToCanvas(picturePixel);
        tools.OnMouseMove(PointerEvent{Point{cell.left, cell.top}});
    }

    // What the Edit and View menus do to the panel, chosen at random; returns its name.
    std::string EditCommand(testing::RandomUser& user) {
        switch (user.Between(0, 8)) {
        case 0:
            panel.SetMirrorDrawing(user.OneIn(2));
            return "mirror drawing";
        case 1:
            panel.FlipHorizontally();
            return "flip";
        case 2:
            panel.RotateQuarterTurn();
            return "quarter turn";
        case 3:
            panel.SelectAll();
            return "select all";
        case 4:
            panel.PasteFloating(testing::SolidBitmap(user.Between(1, 30), user.Between(1, 30),
                                                     RGB(0, 0, user.Between(0, 255))));
            return "paste";
        case 5:
            panel.ReplaceColour(panel.Colours().primaryColour, RGB(200, 0, 0), user.OneIn(2));
            return "replace colour";
        case 6: {
            DeviceBitmap cut;
            panel.CutToClipboard(cut);
            return "cut";
        }
        case 7:
            panel.SetLineWidth(user.Between(0, 3) * 2 + 1);
            panel.SetEraserSize(user.OneIn(2) ? 10 : 4);
            panel.SetFillStyle(user.Between(-1, 1));
            return "options";
        default:
            panel.ChangeItem(user.Between(0, 1), user.Between(0, 14));
            return "item";
        }
    }

    CToolPalette palette{panel, host, host};
    CanvasTools tools{panel, palette, host, host, host};
    DeviceBitmap screen = testing::SolidBitmap(400, 400, testing::kBarColour);
};

TEST_F(PartialRepaint, AHoverAsksOnlyForTheCellsOfThePenTipItLeftAndReached) {
    panel.SetZoom(10.0f);
    ShowWhatWasAskedFor();
    Hover(Point{3, 4});
    ShowWhatWasAskedFor();
    Hover(Point{4, 4});
    // The tip's old and new cells, with a pen's width of margin, in the canvas and the
    // preview: nothing like the 150 x 250 canvas.
    ASSERT_FALSE(host.invalidations.empty());
    for (const testing::FakeHost::Invalidation& asked : host.invalidations) {
        EXPECT_LE(Width(asked.rect) * Height(asked.rect), 60 * 30);
    }
    ShowWhatWasAskedFor();
    EXPECT_EQ(FirstDifference(), "");
}

TEST_F(PartialRepaint, WhatWasAskedForAloneShowsWhatAWholeRepaintShows) {
    testing::RandomUser user{panel, palette, tools, host, 20261209};
    for (int step = 0; step < 6000; ++step) {
        std::string what;
        switch (user.Between(0, 9)) {
        case 0:
            user.EditingKey();
            what = user.What();
            break;
        case 1:
            user.Control();
            what = user.What();
            break;
        case 2:
            what = EditCommand(user);
            break;
        default:
            user.Pointer();
            what = user.What();
            break;
        }
        ShowWhatWasAskedFor();
        const std::string difference = FirstDifference();
        ASSERT_EQ(difference, "") << "after step " << step << ", " << what << ", tool "
                                  << static_cast<int>(panel.Options().currentTool);
    }
}

} // namespace
} // namespace pattik
