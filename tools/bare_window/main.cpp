// pattik_bare_window: the yardstick for the editor's start-up. A plain Qt window of the
// editor's size with a menu and a status bar, and nothing else. With
// PATTIK_QUIT_WHEN_SHOWN set it quits as soon as its window is first exposed, as the
// editor does, so tools/measure-startup times both the same way.
#include "app/quit_when_shown.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setFixedSize(344, 510);
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("New"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    pattik::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("PATTIK_QUIT_WHEN_SHOWN")) {
        quitWhenShown.Watch(&window);
    }
    window.show();
    return QApplication::exec();
}
