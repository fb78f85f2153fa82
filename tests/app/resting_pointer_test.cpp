// The pointer rests on the canvas nearly all the time. The keys, the wheel and the file
// commands work there in every view; in the middle of a stroke (a button held) they wait.
#include "window_fixture.h"

#include "res/control_ids.h"
#include "tools/canvas_tools.h"

#include <QFileDialog>

namespace pattik::testing {
namespace {

// Hair has a DP picture of its own and a hair picture, and draws in all three views
// without a warning.
constexpr int kHair = 13;
constexpr Qt::KeyboardModifiers kStepBackKeys = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kStepForwardKeys = Qt::ControlModifier | Qt::ShiftModifier;

struct ViewCase {
    const char* name;
    ViewMode mode;
    const char* button;
};

class RestingPointer : public Window, public ::testing::WithParamInterface<ViewCase> {
  protected:
    RestingPointer() {
        ChooseItem(kFemale, kHair);
        Click(Find<QAbstractButton>(GetParam().button));
    }
    COLORREF ViewPixel(int x, int y) { return panel().CurrentImage().At(x, y); }
    // Records each dialog that opens, and closes it.
    void CloseDialogs(int count, QStringList& seen) {
        for (int i = 0; i < count; ++i) {
            answers.Add([&seen](QWidget* modal) {
                seen.append(modal->metaObject()->className());
                static_cast<QDialog*>(modal)->reject();
            });
        }
    }
};

TEST_P(RestingPointer, KeysTheWheelAndTheFileCommandsWork) {
    ASSERT_EQ(panel().View().viewMode, GetParam().mode);
    const bool hair = GetParam().mode == ViewMode::Hair;
    if (hair) {
        answers.Add(QMessageBox::Ok); // nothing is drawn in the Hair view
        ClickCanvas(10, 10, Qt::RightButton);
        ASSERT_EQ(answers.Pending(), 0u);
        core().flag.SetDocumentModified(true); // as if drawn in the Wear view
    } else {
        ClickCanvas(10, 10);
    }
    MoveTo(panelWidget(), CanvasPoint(20, 20));
    ASSERT_TRUE(core().tools.CurrentGesture().previewShown) << "the pointer rests on the canvas";

    Key(Qt::Key_E);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Eraser);
    Key(Qt::Key_B);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Pencil);

    if (!hair) {
        Key(Qt::Key_Z, kStepBackKeys);
        EXPECT_EQ(ViewPixel(10, 10), kTransparentMagenta) << "the dot was stepped back";
        Key(Qt::Key_Z, kStepForwardKeys);
        EXPECT_EQ(ViewPixel(10, 10), kBlack);
    }

    // Only the Wear view zooms.
    Wheel(panelWidget(), CanvasPoint(20, 20), 1);
    EXPECT_EQ(panel().View().zoom, GetParam().mode == ViewMode::Wear ? 4.0f : 2.0f);

    QStringList dialogs;
    CloseDialogs(1, dialogs);
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("QFileDialog")});

    answers.Add(QMessageBox::No);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(answers.Pending(), 0u) << "New asked about the drawing";
    EXPECT_FALSE(panel().Item().IsChosen()) << "a new document";
}

class StrokeOnCanvas : public RestingPointer {};

TEST_P(StrokeOnCanvas, InTheMiddleOfAStrokeTheyWaitForTheRelease) {
    Press(panelWidget(), CanvasPoint(10, 10));
    MoveTo(panelWidget(), CanvasPoint(14, 10));
    ASSERT_TRUE(core().tools.InStroke());

    Key(Qt::Key_E);
    Key(Qt::Key_Z, kStepBackKeys);
    Wheel(panelWidget(), CanvasPoint(14, 10), 1);
    QStringList dialogs;
    CloseDialogs(3, dialogs);
    Key(Qt::Key_O, Qt::ControlModifier);
    Key(Qt::Key_N, Qt::ControlModifier);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(u' ').toStdString();
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Pencil);
    EXPECT_EQ(panel().View().zoom, 2.0f);
    EXPECT_TRUE(panel().Item().IsChosen());

    Release(panelWidget(), CanvasPoint(14, 10));
    EXPECT_FALSE(core().tools.InStroke());
    EXPECT_EQ(ViewPixel(12, 10), kBlack) << "the stroke went on to its end";
    Key(Qt::Key_E);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Eraser) << "after the release";
}

std::string ViewName(const ::testing::TestParamInfo<ViewCase>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EachView, RestingPointer,
                         ::testing::Values(ViewCase{"Wear", ViewMode::Wear, "wearButton"},
                                           ViewCase{"Dp", ViewMode::Dp, "dpButton"},
                                           ViewCase{"Hair", ViewMode::Hair, "hairButton"}),
                         ViewName);
// The Hair view draws nothing, so no stroke goes on there.
INSTANTIATE_TEST_SUITE_P(ViewsThatDraw, StrokeOnCanvas,
                         ::testing::Values(ViewCase{"Wear", ViewMode::Wear, "wearButton"},
                                           ViewCase{"Dp", ViewMode::Dp, "dpButton"}),
                         ViewName);

} // namespace
} // namespace pattik::testing
