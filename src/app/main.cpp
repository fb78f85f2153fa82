// pattik: the editor. Everything but this entry point lives in pattik_app, which the tests
// link too.
#include "app/font_configuration_warm_up.h"
#include "app/main_frame.h"
#include "app/pattik_app.h"
#include "app/quit_when_shown.h"
#include "res/frame_strings.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Without a screen Qt would abort with a long message about platform plugins; one clear
// line is enough. A chosen platform (offscreen, a test's) is left to Qt.
bool HasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered without a screen, so an installed package can be checked anywhere.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("Pattik %s\n", PATTIK_VERSION);
        return 0;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "%s\n", std::string(pattik::kNoDisplayText).c_str());
        return 1;
    }
    // Qt takes a while to connect to the display; meanwhile a second core reads the fonts'
    // configuration, which the first window's text needs next.
    pattik::FontConfigurationWarmUp fontConfiguration;
    QApplication application(argc, argv);
    fontConfiguration.HandOver();
    pattik::CPattikApp pattik(application);
    // The arguments Qt left (it takes its own options out), as the bytes they came as.
    if (!pattik.InitInstance(std::vector<std::string>(argv, argv + argc))) {
        return 1;
    }
    // For tools/measure-startup: quit once the window is first on screen.
    pattik::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("PATTIK_QUIT_WHEN_SHOWN")) {
        quitWhenShown.Watch(pattik.MainFrame());
    }
    return QApplication::exec();
}
