// The window's aids to drawing: tool keys, wheel zoom, the pixel grid, the status readouts
// and the question Save asks first.
#include "window_fixture.h"

#include "app/face_button.h"
#include "app/status_readouts.h"
#include "panel/canvas_readout.h"
#include "res/control_ids.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>
#include <QWheelEvent>

namespace pattik::testing {
namespace {

TEST_F(Window, SingleKeysChooseToolsButNotInsideAnRgbEdit) {
    ChooseItem(kFemale, kTop);
    const std::pair<Qt::Key, ToolKind> keys[] = {
        {Qt::Key_U, ToolKind::Rectangle},    {Qt::Key_O, ToolKind::Ellipse},
        {Qt::Key_L, ToolKind::Line},         {Qt::Key_G, ToolKind::FloodFill},
        {Qt::Key_I, ToolKind::ColourPicker}, {Qt::Key_A, ToolKind::Airbrush},
        {Qt::Key_E, ToolKind::Eraser},       {Qt::Key_M, ToolKind::Selection},
        {Qt::Key_Z, ToolKind::Magnifier},    {Qt::Key_B, ToolKind::Pencil},
    };
    for (const auto& [key, tool] : keys) {
        Key(key);
        EXPECT_EQ(panel().Options().currentTool, tool)
            << QKeySequence(key).toString().toStdString();
    }

    // The tooltip shown names the key; the button's own text stays the tool's name.
    QWidget* eraser = paletteWidget()->Button(kEraserButton);
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), eraser->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(eraser, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("지우개 (E)"));
    EXPECT_EQ(eraser->toolTip(), QStringLiteral("지우개"));

    QLineEdit* red = Find<QLineEdit>("redEdit");
    red->setFocus();
    Key(Qt::Key_E);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Pencil) << "the edit had the key";
    EXPECT_TRUE(red->hasFocus());
}

TEST_F(Window, CtrlWheelZoomsAboutThePointerAndTheGridShowsFromSix) {
    ChooseItem(kFemale, kTop);
    const QPoint at = CanvasPoint(30, 50);
    Wheel(panelWidget(), at, 1);
    EXPECT_EQ(panel().View().zoom, 4.0f);
    EXPECT_EQ(panel().Mapping().ClientToImage(Point{at.x(), at.y()}), (Point{30, 50}));

    // The View menu's grid item follows the zoom: off at 4, on at 6 and 10 to begin with.
    QMenu* view = frame->menuBar()->actions().at(2)->menu();
    emit view->aboutToShow();
    EXPECT_TRUE(Find<QAction>("pixelGrid")->isEnabled());
    EXPECT_FALSE(Find<QAction>("pixelGrid")->isChecked());
    Wheel(panelWidget(), at, 1);
    emit view->aboutToShow();
    EXPECT_TRUE(Find<QAction>("pixelGrid")->isChecked());
    const RECT cell = panel().Mapping().ImageToCanvas(Point{30, 50});
    const QImage shown = panelWidget()->grab().toImage();
    EXPECT_NE(shown.pixel(cell.left, cell.top + 2), shown.pixel(cell.left + 2, cell.top + 2))
        << "a grid line at the pixel's left edge";

    // Turned off at 6, it stays off at 6 after a round trip through the other zooms.
    Find<QAction>("pixelGrid")->trigger();
    EXPECT_FALSE(panel().PixelGridShown(6.0f));
    Wheel(panelWidget(), at, -2);
    EXPECT_EQ(panel().View().zoom, 2.0f);
    emit view->aboutToShow();
    EXPECT_FALSE(Find<QAction>("pixelGrid")->isEnabled()) << "no grid at 2";
    Wheel(panelWidget(), at, 2);
    EXPECT_FALSE(panel().PixelGridShown(6.0f));
    EXPECT_TRUE(panel().PixelGridShown(10.0f));
}

TEST_F(Window, TheStatusBarCountsColoursAndReadsThePixelUnderThePointer) {
    ChooseItem(kFemale, kTop);
    ClickCanvas(20, 30); // black
    panel().PickColour(false, RGB(10, 200, 30));
    ClickCanvas(21, 30);
    MoveTo(panelWidget(), CanvasPoint(21, 30));
    QTest::qWait(20); // the budget is read once the repaints settle
    EXPECT_EQ(Find<QLabel>("colourBudget")->text(), QStringLiteral("색 1/254"));
    EXPECT_EQ(Find<QLabel>("pixelUnderPointer")->text(), QStringLiteral("21, 30  R 10 G 200 B 30"));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panelWidget(), &leave);
    EXPECT_TRUE(Find<QLabel>("pixelUnderPointer")->text().isEmpty());
}

TEST_F(Window, SaveAsksFirstAboutAnEmptyPictureAndWritesNothingOnCancel) {
    QTemporaryDir output;
    ChooseItem(kFemale, kShoes); // shoes have their own DP picture, left empty here
    ClickCanvas(20, 100);
    answers.AddSavePath(output.filePath(QStringLiteral("shoe.gif")));
    QString question;
    answers.Add([&question](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        question = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == QStringLiteral("취소")) {
                button->click();
            }
        }
    });
    frame->OnFileSave();
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_TRUE(question.contains(QStringLiteral("디피 그림이 비어 있습니다.")))
        << question.toStdString();
    EXPECT_FALSE(QFileInfo::exists(output.filePath(QStringLiteral("shoe.gif"))));
    EXPECT_TRUE(core().flag.IsDocumentModified());
}

} // namespace
} // namespace pattik::testing
