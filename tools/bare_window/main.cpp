// pattik_bare_window: the yardstick for the editor's start-up. A plain Qt window of the
// editor's size with a menu and a status bar, and nothing else. With
// PATTIK_QUIT_WHEN_SHOWN set it quits as soon as its window is first exposed, as the
// editor does, so tools/measure-startup times both the same way.
//
// With --korean its menu and status bar speak Korean in the editor's font: the least any
// window whose text is Korean loads (a font with Hangul, and its glyphs).
#include "app/quit_when_shown.h"
#include "app/window_layout.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool korean = argc == 2 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--korean");
    if (korean) {
        QFont font(QString::fromLatin1(pattik::layout::kFontFamily));
        font.setPixelSize(pattik::layout::kFontPixelSize);
        QApplication::setFont(font);
    }
    QMainWindow window;
    window.setFixedSize(344, 510);
    window.menuBar()
        ->addMenu(korean ? QStringLiteral("파일") : QStringLiteral("File"))
        ->addAction(korean ? QStringLiteral("새 파일") : QStringLiteral("New"));
    window.statusBar()->showMessage(korean ? QStringLiteral("준비") : QStringLiteral("Ready"));
    pattik::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("PATTIK_QUIT_WHEN_SHOWN")) {
        quitWhenShown.Watch(&window);
    }
    window.show();
    return QApplication::exec();
}
