// Keys pressed while a mouse button is held on the canvas.
#include "window_fixture.h"

#include "tools/canvas_tools.h"

namespace pattik::testing {
namespace {

int DrawnPixels(const CEditPanel& panel) {
    const DeviceBitmap& wear = panel.Image(ViewMode::Wear);
    int drawn = 0;
    for (int y = 0; y < wear.Height(); ++y) {
        for (int x = 0; x < wear.Width(); ++x) {
            drawn += wear.At(x, y) != kTransparentMagenta ? 1 : 0;
        }
    }
    return drawn;
}

TEST_F(Window, EscWhileARectangleIsDraggedCallsItOff) {
    ChooseItem(kFemale, kTop);
    ClickCanvas(50, 50); // a pencil dot
    core().flag.SetDocumentModified(false);
    Key(Qt::Key_U);
    ASSERT_EQ(panel().Options().currentTool, ToolKind::Rectangle);
    const QImage before = panelWidget()->grab().toImage();

    Press(panelWidget(), CanvasPoint(10, 10));
    MoveTo(panelWidget(), CanvasPoint(30, 20));
    ASSERT_TRUE(core().tools.InStroke());
    ASSERT_NE(panelWidget()->grab().toImage().pixel(CanvasPoint(20, 10)),
              before.pixel(CanvasPoint(20, 10)))
        << "the rubber band shows";
    Key(Qt::Key_Escape);
    EXPECT_FALSE(core().tools.InStroke());
    EXPECT_FALSE(panelWidget()->HasPointerCapture());
    EXPECT_FALSE(core().flag.IsDocumentModified());
    EXPECT_EQ(panelWidget()->grab().toImage().pixel(CanvasPoint(20, 10)),
              before.pixel(CanvasPoint(20, 10)))
        << "the rubber band went";

    MoveTo(panelWidget(), CanvasPoint(35, 25));
    Release(panelWidget(), CanvasPoint(35, 25));
    EXPECT_EQ(DrawnPixels(panel()), 1) << "only the dot";
    EXPECT_FALSE(core().flag.IsDocumentModified());

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(DrawnPixels(panel()), 0) << "the undo copy is still the one from before the dot";
}

} // namespace
} // namespace pattik::testing
