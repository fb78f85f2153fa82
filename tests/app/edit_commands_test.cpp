// The 편집 menu's picture commands in the window: the clipboard both ways (another program
// at the other end), the flips by key with the pointer resting on the canvas, 색 바꾸기
// through its menu entry, and files dropped on the window; and 보기 > 좌우 대칭.
#include "window_fixture.h"

#include "app/clipboard_image.h"
#include "app/qt_convert.h"
#include "res/frame_strings.h"
#include "res/string_table.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

namespace pattik::testing {
namespace {

constexpr COLORREF kRed = RGB(200, 30, 30);

class EditCommandsWindow : public Window {
  protected:
    EditCommandsWindow() { ChooseItem(kFemale, kTop); }

    QString Prompt() { return Find<QLabel>("prompt")->text(); }
    QAction* Action(const char* name) { return frame->findChild<QAction*>(name); }
    // Opens the 편집 menu as a hand does and clicks the entry.
    void ChooseFromEditMenu(const char* name) {
        QMenu* edit = frame->menuBar()->actions().at(1)->menu();
        Click(frame->menuBar(), frame->menuBar()->actionGeometry(edit->menuAction()).center());
        ASSERT_TRUE(edit->isVisible());
        Click(edit, edit->actionGeometry(Action(name)).center());
    }
    // What another program puts on the clipboard: a PNG with transparency.
    static void OfferPng(const QImage& image) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        auto* data = new QMimeData;
        data->setData(QStringLiteral("image/png"), png);
        QApplication::clipboard()->setMimeData(data);
    }
    void Drop(const QString& file, QPoint at) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        MoveTo(frame.get(), at);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame.get(), &enter);
        dropTaken = enter.isAccepted();
        if (dropTaken) {
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(frame.get(), &drop);
        }
    }
    QPoint CanvasInFrame(int x, int y) {
        return panelWidget()->mapTo(frame.get(), CanvasPoint(x, y));
    }

    bool dropTaken = false;
};

TEST_F(EditCommandsWindow, CopyGivesOtherProgramsAPngWhoseEmptyPixelsAreTransparent) {
    ClickCanvas(3, 4); // nothing floats: the whole picture is copied
    Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    const QImage copied = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(copied.size(), QSize(75, 125));
    EXPECT_EQ(copied.pixel(3, 4), qRgb(0, 0, 0)) << "the black dot";
    EXPECT_EQ(qAlpha(copied.pixel(4, 4)), 0) << "an empty pixel";
}

TEST_F(EditCommandsWindow, PasteFloatsAnotherProgramsPictureAndSaysWhenItIsOverTheBudget) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(0, 0, qRgb(200, 30, 30));
    picture.setPixel(2, 1, qRgb(200, 30, 30));
    OfferPng(picture);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Selection);
    ASSERT_TRUE(panel().Selection().hasFloatingSelection);
    Key(Qt::Key_Escape); // placed
    EXPECT_EQ(WearPixel(0, 0), kRed);
    EXPECT_EQ(WearPixel(2, 1), kRed);
    EXPECT_EQ(WearPixel(1, 0), kTransparentMagenta) << "transparent stays empty";
    EXPECT_TRUE(core().flag.IsDocumentModified());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WearPixel(0, 0), kTransparentMagenta) << "Ctrl+Z took the paste back";

    QImage many(75, 10, QImage::Format_RGB32); // 750 colours
    for (int i = 0; i < 750; ++i) {
        many.setPixel(i % 75, i / 75, qRgb(i % 256, i / 256 * 60, 7));
    }
    OfferPng(many);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Prompt(), ToQString(kPasteOverBudgetText));
    QCoreApplication::processEvents(); // the budget pane reads the pictures after repaints
    EXPECT_TRUE(Find<QLabel>("colourBudget")->text().contains(QStringLiteral("750/254")))
        << Find<QLabel>("colourBudget")->text().toStdString();

    QApplication::clipboard()->clear();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Prompt(), ToQString(kClipboardEmptyText));
}

TEST_F(EditCommandsWindow, FlipKeysWorkWithThePointerRestingOnTheCanvas) {
    ClickCanvas(10, 20);
    core().flag.SetDocumentModified(false);
    Key(Qt::Key_H, Qt::ShiftModifier);
    EXPECT_EQ(WearPixel(64, 20), kBlack);
    EXPECT_EQ(WearPixel(10, 20), kTransparentMagenta);
    EXPECT_TRUE(core().flag.IsDocumentModified());
    Key(Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(WearPixel(64, 104), kBlack);
    Key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(WearPixel(10, 20), kBlack) << "a half turn undoes both flips";

    // A whole picture 75 x 125 cannot turn a quarter: said, nothing changes.
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Prompt(), ToQString(kPictureQuarterTurnText));
    EXPECT_EQ(WearPixel(10, 20), kBlack);
}

TEST_F(EditCommandsWindow, ReplaceColourChangesColourOneIntoColourTwoWhereTheUserSays) {
    ClickCanvas(5, 5);
    ClickCanvas(6, 5, Qt::RightButton); // colour 2, white
    answers.Add([](QWidget* modal) {
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (button->text() == ToQString(kReplaceInViewButtonText)) {
                button->click();
            }
        }
    });
    ChooseFromEditMenu("replaceColour");
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(WearPixel(5, 5), kWhite);
    EXPECT_EQ(WearPixel(6, 5), kWhite);
    EXPECT_EQ(Prompt(), ToQString(kPicturesRecolouredText).arg(1));
}

TEST_F(EditCommandsWindow, ADroppedItemFileOpensTheItemAndAPngDroppedOnTheCanvasFloats) {
    QTemporaryDir folder;
    ClickCanvas(7, 7);
    answers.AddSavePath(folder.filePath(QStringLiteral("a.gif")));
    Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(core().flag.IsDocumentModified()) << "saved";
    Key(Qt::Key_N, Qt::ControlModifier);
    ChooseItem(kFemale, kTop);
    ASSERT_EQ(WearPixel(7, 7), kTransparentMagenta);

    Drop(folder.filePath(QStringLiteral("aDP.gif")), QPoint(20, 100));
    ASSERT_TRUE(dropTaken);
    EXPECT_EQ(WearPixel(7, 7), kBlack) << "opened as 열기 opens it";

    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(qRgb(200, 30, 30));
    const QString png = folder.filePath(QStringLiteral("dot.png"));
    ASSERT_TRUE(dot.save(png));
    Drop(png, QPoint(5, 480));
    EXPECT_FALSE(dropTaken) << "off the canvas a picture is not taken";
    Drop(png, CanvasInFrame(20, 20));
    ASSERT_TRUE(dropTaken);
    ASSERT_TRUE(panel().Selection().hasFloatingSelection);
    Key(Qt::Key_Escape);
    EXPECT_EQ(WearPixel(0, 0), kRed);
}

TEST_F(EditCommandsWindow, SymmetryByItsKeyMirrorsAStrokeAboutTheMiddleColumn) {
    Key(Qt::Key_S);
    EXPECT_TRUE(Action("mirrorDrawing")->isChecked());
    DragCanvas({10, 20}, {14, 20});
    for (int x = 10; x <= 14; ++x) {
        EXPECT_EQ(WearPixel(x, 20), kBlack) << x;
        EXPECT_EQ(WearPixel(74 - x, 20), kBlack) << "the mirror of " << x;
    }
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WearPixel(60, 20), kTransparentMagenta) << "one undo takes both halves";

    Key(Qt::Key_S);
    EXPECT_FALSE(core().panel.MirrorDrawing());
    ClickCanvas(3, 3);
    EXPECT_EQ(WearPixel(71, 3), kTransparentMagenta);
}

} // namespace
} // namespace pattik::testing
