#pragma once

#include <QSettings>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace pattik {

class CMainFrame;

// The application: its name, its settings, Qt's Korean texts, one font for every widget,
// then the main window with its first document.
class CPattikApp {
  public:
    // Sets up the application; call before any widget exists.
    explicit CPattikApp(QApplication& application);
    ~CPattikApp();

    // Builds and shows the main window, with the document named by the first argument (its
    // bytes as the system gave them) or a new one. False, after telling the user, when the
    // window could not be built or the argument names no document.
    bool InitInstance(const std::vector<std::string>& arguments);

    CMainFrame* MainFrame() const { return frame_.get(); }

  private:
    QApplication& application_;
    QTranslator qtTranslator_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace pattik
