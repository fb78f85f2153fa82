// The main window as it starts: its one size, its bars, title, menus and status bar.
#include "window_fixture.h"

#include "app/pattik_app.h"
#include "app/recent_files.h"
#include "app/window_layout.h"
#include "res/frame_strings.h"

#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace pattik::testing {
namespace {

QAction* MenuItem(QMainWindow& window, int menu, int item) {
    return window.menuBar()->actions().at(menu)->menu()->actions().at(item);
}

TEST_F(Window, StartsAtOneFixedSizeWithTheBarsWhereTheyBelong) {
    EXPECT_EQ(frame->size(), QSize(344, 510));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "no size can be dragged";
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    frame->resize(400, 600);
    frame->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(frame->size(), QSize(344, 510));

    EXPECT_EQ(itemBarWidget()->geometry().size(), QSize(344, 33));
    EXPECT_EQ(paletteWidget()->width(), 62);
    EXPECT_GE(paletteWidget()->height(), 392);
    EXPECT_EQ(panelWidget()->x(), 62);
    EXPECT_EQ(panelWidget()->width(), 282);
    EXPECT_GE(panelWidget()->height(), 362) << "the colour strip ends at y 362";
    const QPoint panelBottom =
        panelWidget()->mapTo(frame.get(), QPoint(0, panelWidget()->height()));
    EXPECT_LE(panelBottom.y(), frame->statusBar()->geometry().top()) << "nothing under the bars";
}

TEST_F(Window, ANewDocumentIsTitledByTheClockAndMarksUnsavedWork) {
    const QRegularExpression title(QStringLiteral("^\\d{8}_\\d{6}\\.GIF - Pattik$"));
    EXPECT_TRUE(title.match(ShownTitle()).hasMatch()) << ShownTitle().toStdString();
    const QString path = QString::fromStdString(core().document.PathName());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/패티크/") + ShownTitle().section(' ', 0, 0)))
        << path.toStdString();
    EXPECT_TRUE(QFileInfo(QFileInfo(path).path()).isDir()) << "the folder is made, not the file";
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(settings->value(QStringLiteral("Recent File List/File1")).toString().isEmpty())
        << "a name never saved is no recent file";

    ChooseItem(kFemale, kTop);
    ClickCanvas(10, 10);
    EXPECT_TRUE(ShownTitle().contains(QStringLiteral(".GIF* - Pattik")))
        << ShownTitle().toStdString();
}

TEST_F(Window, MenusCarryTheirTextsPromptsAndStates) {
    EXPECT_EQ(frame->menuBar()->actions().at(0)->text(), QStringLiteral("파일(&F)"));
    EXPECT_EQ(MenuItem(*frame, 0, 0)->text(), QStringLiteral("새 파일(&N)\tCtrl+N"));
    EXPECT_EQ(MenuItem(*frame, 0, 0)->statusTip(), QStringLiteral("새 문서를 작성합니다"));
    EXPECT_EQ(MenuItem(*frame, 0, 1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(MenuItem(*frame, 0, 2)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_TRUE(MenuItem(*frame, 0, 3)->isSeparator());
    EXPECT_FALSE(MenuItem(*frame, 2, 0)->isEnabled()) << "there is no tool bar to show";

    QAction* statusBarItem = MenuItem(*frame, 2, 1);
    EXPECT_TRUE(statusBarItem->isChecked());
    statusBarItem->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(statusBarItem->isChecked());
    statusBarItem->trigger();
    EXPECT_TRUE(frame->statusBar()->isVisible());
}

TEST_F(Window, ThePromptPaneShowsAMenuPromptThenReadyAgain) {
    EXPECT_EQ(Find<QLabel>("prompt")->text(), QStringLiteral("준비"));
    QStatusTipEvent hover(QStringLiteral("현재 열린 문서를 저장합니다"));
    QApplication::sendEvent(frame.get(), &hover);
    EXPECT_EQ(Find<QLabel>("prompt")->text(), QStringLiteral("현재 열린 문서를 저장합니다"));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(Find<QLabel>("prompt")->text(), QStringLiteral("준비"));
}

TEST_F(Window, TheThreeBarsShowTheBarColourPixelForPixel) {
    const QRgb bar = qRgb(237, 237, 216);
    EXPECT_EQ(itemBarWidget()->grab().toImage().pixel(2, 2), bar);
    EXPECT_EQ(paletteWidget()->grab().toImage().pixel(2, 200), bar);
    const QImage panelPixels = panelWidget()->grab().toImage();
    EXPECT_EQ(panelPixels.pixel(270, 380), bar);
    // Until an item is chosen the panel paints nothing but its controls.
    EXPECT_EQ(panelPixels.pixel(PanelGeometry::kColourStrip.left + 5,
                                PanelGeometry::kColourStrip.top + 5),
              bar);
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

TEST_F(Window, APathGivenAtStartNamesTheDocument) {
    frame->StartDocument(QStringLiteral("/somewhere/items/shirt.gif"));
    EXPECT_EQ(ShownTitle(), QStringLiteral("shirt.gif - Pattik"));
}

TEST(RecentFileList, KeepsFourNewestFirstWithoutRepeats) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat);
    RecentFiles recent(settings);
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"}) {
        recent.Add(QString::fromLatin1(path));
    }
    EXPECT_EQ(recent.Entries(), (QStringList{"/c", "/e", "/d", "/b"}));
    EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File4")).toString(), "/b");
    recent.Add(QString());
    EXPECT_EQ(recent.Entries().size(), 4);
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

// A path that names no document ends start-up with one message naming it, and no window.
TEST(StartUp, APathThatNamesNoDocumentIsReportedAndNothingOpens) {
    QApplication* application = qApp;
    ASSERT_NE(application, nullptr);
    QTemporaryDir folder;
    ModalAnswers answers;
    answers.Add(QMessageBox::Ok);
    CPattikApp pattik(*application);
    const std::string missing =
        folder.filePath(QStringLiteral("없는 폴더/shirt.gif")).toStdString();
    EXPECT_FALSE(pattik.InitInstance({"pattik", missing}));
    EXPECT_EQ(pattik.MainFrame(), nullptr);
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_EQ(answers.Messages()[0],
              QString::fromStdString("문서를 열 수 없습니다.\n" + missing + ": 폴더가 없습니다."));
}

} // namespace
} // namespace pattik::testing
