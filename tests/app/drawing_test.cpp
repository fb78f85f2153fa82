// Drawing and colours through the real widgets: mouse, trackbars, edits, wells, dialogs.
#include "window_fixture.h"

#include "app/face_button.h"
#include "res/control_ids.h"
#include "tools/canvas_tools.h"
#include "tools/tool_palette.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSlider>
#include <QWindow>

namespace pattik::testing {
namespace {

TEST_F(Window, ThePencilDrawsWhereTheMouseDrags) {
    ChooseItem(kFemale, kTop);
    DragCanvas(QPoint(10, 20), QPoint(14, 20));
    for (int x = 10; x <= 14; ++x) {
        EXPECT_EQ(WearPixel(x, 20), kBlack) << "x " << x;
    }
    EXPECT_EQ(WearPixel(15, 20), kTransparentMagenta);
    EXPECT_TRUE(core().flag.IsDocumentModified());
    EXPECT_FALSE(panelWidget()->HasPointerCapture()) << "the release let go";

    // What the user sees: the canvas shows the pixel at twice its size.
    const QImage shown = panelWidget()->grab().toImage();
    EXPECT_EQ(shown.pixel(CanvasPoint(12, 20)), qRgb(0, 0, 0));
}

TEST_F(Window, ARightDoubleClickIsOnePressSoUndoRestoresThePicture) {
    ChooseItem(kFemale, kTop);
    // Press, release, then the press Qt reports as a double click, and its release.
    DoubleClick(panelWidget(), CanvasPoint(30, 40), Qt::RightButton);
    EXPECT_EQ(WearPixel(30, 40), kWhite) << "colour 2 drawn";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WearPixel(30, 40), kTransparentMagenta)
        << "a second press would have taken a second snapshot over the first dot";
}

TEST_F(Window, HoverOverTheGroupBoxReachesThePanel) {
    ChooseItem(kFemale, kTop);
    ClickTool(kEraserButton);
    ASSERT_EQ(panel().Options().currentTool, ToolKind::Eraser);
    const Point before = core().tools.CurrentGesture().currentPoint;
    // Over the preview's group box, which lets the mouse through.
    MoveTo(panelWidget(), QPoint(200, 120));
    EXPECT_NE(core().tools.CurrentGesture().currentPoint, before);
    EXPECT_EQ(core().tools.CurrentGesture().currentPoint,
              panel().Mapping().ClientToImage(Point{200, 120}));
}

TEST_F(Window, TypingPastTheRangeLeavesTheLargestValue) {
    ChooseItem(kFemale, kTop); // the wells show once an item is chosen
    QLineEdit* red = Find<QLineEdit>("redEdit");
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("300"));
    EXPECT_EQ(red->text(), QStringLiteral("255"));
    EXPECT_EQ(Find<QSlider>("redTrackbar")->value(), 255);
    EXPECT_EQ(panel().Colours().primaryColour, RGB(255, 0, 0));

    // A red colour 1 shows red in its well.
    const QImage shown = panelWidget()->grab().toImage();
    EXPECT_EQ(shown.pixel(15, 295), qRgb(255, 0, 0));

    QTest::keyClicks(red, QStringLiteral("x"));
    EXPECT_EQ(red->text(), QStringLiteral("255")) << "digits only";
}

TEST_F(Window, EmptyingAnEditSaysSoOnceAndPutsTheNumberBack) {
    QLineEdit* green = Find<QLineEdit>("greenEdit");
    green->setFocus();
    QTest::keyClicks(green, QStringLiteral("7"));
    ASSERT_EQ(green->text(), QStringLiteral("7"));
    answers.Add(QMessageBox::Ok);
    answers.Add(QMessageBox::Ok); // a second box would be a fault
    QTest::keyClick(green, Qt::Key_Backspace);
    QTest::qWait(50);
    EXPECT_EQ(answers.Messages(), QStringList{QStringLiteral("정수를 입력하십시오.")});
    EXPECT_EQ(green->text(), QStringLiteral("7"));
}

TEST_F(Window, MovingATrackbarMixesTheColourOfTheLastButton) {
    ChooseItem(kFemale, kTop);
    Click(panelWidget(), QPoint(270, 250), Qt::RightButton); // off the canvas
    EXPECT_EQ(Find<QLineEdit>("redEdit")->text(), QStringLiteral("255")) << "colour 2 shown";
    Find<QSlider>("blueTrackbar")->setValue(200); // as a drag would
    EXPECT_EQ(Find<QLineEdit>("blueEdit")->text(), QStringLiteral("200"));
    EXPECT_EQ(panel().Colours().secondaryColour, RGB(255, 255, 200));
    EXPECT_EQ(panel().Colours().primaryColour, kBlack);
}

TEST_F(Window, TheColourDialogEditsTheSwatchesAndLeavesQtsOwnColours) {
    ChooseItem(kFemale, kTop);
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, QColor(1, 2, 3));
    }
    answers.Add([](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        // The swatches are the custom colours while the dialog is open; change one.
        QColorDialog::setCustomColor(15, QColor(9, 8, 7));
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    // A double click on the colour 1 well.
    DoubleClick(panelWidget(), QPoint(20, 300));
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(panel().Colours().primaryColour, RGB(10, 20, 30));
    EXPECT_EQ(core().palette.SwatchColours()[15], RGB(9, 8, 7));
    EXPECT_EQ(core().palette.SwatchColours()[0], kBlack) << "the others as they were";
    EXPECT_EQ(QColorDialog::customColor(0), QColor(1, 2, 3)) << "Qt's own are put back";
    EXPECT_EQ(QColorDialog::customColor(15), QColor(1, 2, 3));
}

TEST_F(Window, PaletteButtonsChooseToolsShowTheirTipsAndNeverTakeTheFocus) {
    FaceButton* eraser = paletteWidget()->Button(kEraserButton);
    EXPECT_EQ(eraser->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(eraser->toolTip(), QStringLiteral("지우개"));
    EXPECT_FALSE(paletteWidget()->Button(kPencilButton)->isEnabled()) << "pencil chosen";
    ClickTool(kEraserButton);
    EXPECT_FALSE(eraser->isEnabled());
    EXPECT_TRUE(paletteWidget()->Button(kPencilButton)->isEnabled());
    EXPECT_EQ(paletteWidget()->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);

    // The fourth option of the eraser sets a 10-pixel square.
    Click(paletteWidget()->Button(kOptionButtons[3]));
    EXPECT_EQ(panel().Options().eraserSize, 10);
}

TEST_F(Window, ASwatchClickSetsColourOneAndTheMixer) {
    const RECT white = CToolPalette::SwatchRect(1);
    Click(paletteWidget(),
          QPoint(static_cast<int>(white.left) + 2, static_cast<int>(white.top) + 2));
    EXPECT_EQ(panel().Colours().primaryColour, kWhite);
    EXPECT_EQ(Find<QLineEdit>("greenEdit")->text(), QStringLiteral("255"));
    EXPECT_EQ(Find<QSlider>("blueTrackbar")->value(), 255);
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

TEST_F(Window, TheMagnifiersOptionZoomsAndReturnsToTheToolBefore) {
    ChooseItem(kFemale, kTop);
    ClickTool(kSelectionButton);
    ClickTool(kMagnifierButton);
    Click(paletteWidget()->Button(kOptionButtons[1]));
    EXPECT_EQ(panel().View().zoom, 4.0f);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Selection);
    EXPECT_EQ(core().palette.CurrentLayout(), OptionSet::SelectionModes);
    EXPECT_FALSE(paletteWidget()->Button(kSelectionButton)->isEnabled());
    EXPECT_TRUE(paletteWidget()->Button(kMagnifierButton)->isEnabled());
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

TEST_F(Window, TheAirbrushTimerRunsAtFifteenMillisecondsWhileHeld) {
    ChooseItem(kFemale, kTop);
    ClickTool(kAirbrushButton);
    Press(panelWidget(), CanvasPoint(30, 30));
    const auto running = [this] {
        int count = 0;
        for (const QTimer* timer : panelWidget()->findChildren<QTimer*>()) {
            if (timer->isActive()) {
                EXPECT_EQ(timer->interval(), 15) << "asked for 1 ms, given 15";
                ++count;
            }
        }
        return count;
    };
    EXPECT_EQ(running(), 1);
    QTest::qWait(100);
    Release(panelWidget(), CanvasPoint(30, 30));
    EXPECT_EQ(running(), 0);
    int sprayed = 0;
    for (int y = 0; y < 125; ++y) {
        for (int x = 0; x < 75; ++x) {
            sprayed += WearPixel(x, y) == kBlack ? 1 : 0;
        }
    }
    EXPECT_GT(sprayed, 0) << "the ticks reached the spray";
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

// The Hair view shows the hair picture the wear picture makes: a press there once drew
// something that vanished at the next paint, said nothing, and marked the work unsaved.
TEST_F(Window, APressInTheHairViewSaysWhereToDrawAndMarksNothing) {
    ChooseItem(kFemale, kTop);
    Click(Find<QAbstractButton>("hairButton"));
    answers.Add(QMessageBox::Ok);
    ClickCanvas(12, 12);
    EXPECT_EQ(
        answers.Messages(),
        QStringList{QStringLiteral(
            "헤어 그림은 착용 그림의 머리 부분으로 만들어집니다. 착용 화면에서 그려 주세요.")});
    EXPECT_FALSE(core().flag.IsDocumentModified());
    EXPECT_FALSE(core().tools.InStroke());
}

// The pen tip shown under a hovering pointer goes when the pointer leaves the panel in one
// jump, as a fast hand leaves it, from the canvas and from the 1:1 preview.
TEST_F(Window, ThePenTipGoesWhenThePointerJumpsOffThePanel) {
    ChooseItem(kFemale, kTop);
    // A corner of the picture, where only the checkerboard lies under the pen.
    MoveTo(panelWidget(), CanvasPoint(6, 6));
    const QPoint previewPixel(PanelGeometry::kPreviewOrigin.x + 6,
                              PanelGeometry::kPreviewOrigin.y + 6);
    ASSERT_EQ(panelWidget()->grab().toImage().pixel(CanvasPoint(6, 6)), qRgb(0, 0, 0));
    ASSERT_EQ(panelWidget()->grab().toImage().pixel(previewPixel), qRgb(0, 0, 0));

    QTest::mouseMove(Handle(), paletteWidget()->mapTo(frame.get(), QPoint(30, 300)));
    const QImage shown = panelWidget()->grab().toImage();
    EXPECT_NE(shown.pixel(CanvasPoint(6, 6)), qRgb(0, 0, 0));
    EXPECT_NE(shown.pixel(previewPixel), qRgb(0, 0, 0));
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

// The mixer once kept the numbers it showed before a colour was chosen elsewhere, and an
// edit of one channel then wrote all three old ones: #3366CC became #0005FF.
TEST_F(Window, TheMixerShowsAChosenColourAndAnEditChangesOnlyItsChannel) {
    ChooseItem(kFemale, kTop);
    answers.AddColour(QColor(0x33, 0x66, 0xCC));
    DoubleClick(panelWidget(), QPoint(20, 300)); // the colour 1 well
    ASSERT_EQ(panel().Colours().primaryColour, RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(Find<QLineEdit>("redEdit")->text(), QStringLiteral("51"));
    EXPECT_EQ(Find<QSlider>("blueTrackbar")->value(), 204);

    QLineEdit* red = Find<QLineEdit>("redEdit");
    Click(red);
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("0"));
    EXPECT_EQ(panel().Colours().primaryColour, RGB(0, 0x66, 0xCC));

    // The picker too: the mixer shows what it picked.
    ClickCanvas(40, 60); // a dot of colour 1
    ClickTool(1005);     // the colour picker
    ClickCanvas(40, 60, Qt::RightButton);
    EXPECT_EQ(panel().Colours().secondaryColour, RGB(0, 0x66, 0xCC));
    EXPECT_EQ(Find<QLineEdit>("greenEdit")->text(), QStringLiteral("102"));
}

// A hover or a stroke asks the window to repaint only the cells it changed. What the window
// then shows must be what a whole repaint of the panel shows: no pen tip left behind, no
// stroke missing.
TEST_F(Window, RepaintingOnlyWhatChangedShowsWhatAWholeRepaintShows) {
    ChooseItem(kFemale, kTop);
    const auto onScreen = [this] {
        QApplication::processEvents();
        const QImage window = Handle()->screen()->grabWindow(Handle()->winId()).toImage();
        const QRect panelArea(panelWidget()->mapTo(frame.get(), QPoint(0, 0)),
                              panelWidget()->size());
        return window.copy(panelArea).convertToFormat(QImage::Format_RGB32);
    };
    const auto whole = [this] {
        return panelWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };

    DragCanvas(QPoint(10, 20), QPoint(30, 26));
    MoveTo(panelWidget(), CanvasPoint(44, 50));
    Key(Qt::Key_E); // the eraser, whose square follows the pointer
    MoveTo(panelWidget(), CanvasPoint(20, 22));
    MoveTo(panelWidget(), CanvasPoint(50, 60));
    const QImage shown = onScreen();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown, whole());
    // The eraser's square shows where the pointer rests, and nowhere it passed.
    EXPECT_NE(shown.pixel(CanvasPoint(48, 58)), shown.pixel(CanvasPoint(44, 50)));
}

} // namespace
} // namespace pattik::testing
