#include "app/pattik_app.h"

#include "app/editor_font.h"
#include "app/main_frame.h"
#include "app/pattik_style.h"
#include "app/qt_convert.h"
#include "app/window_layout.h"
#include "document/document_path.h"
#include "res/frame_strings.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include <span>

namespace pattik {
namespace {

// The sizes a title bar and a task switcher draw. The large one is the desktop launcher's,
// which reads the installed icon: decoding it at every start would cost a quarter of a
// megabyte for nothing.
QIcon WindowIcon() {
    QIcon icon;
    for (const int id : std::span(kWindowIconBitmaps).first(kWindowIconSizesShown)) {
        const QImage image = BitmapResourceImage(id);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

// Start-up ends with this message: there is no window to show it in.
void TellStartFailure(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(kApplicationName), ToQString(text),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

CPattikApp::CPattikApp(QApplication& application) : application_(application) {
    QApplication::setOrganizationName(ToQString(kApplicationName));
    QApplication::setApplicationName(ToQString(kApplicationName));
    // Ties the window to its desktop entry and icon where the desktop asks for it.
    QApplication::setDesktopFileName(QStringLiteral("io.pattik.Pattik"));
    settings_ = std::make_unique<QSettings>();

    // Qt's own dialogs and buttons in Korean: 예, 아니요, 취소, 확인.
    if (qtTranslator_.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator_);
    }
    QApplication::setFont(EditorFont());
    QApplication::setStyle(new PattikStyle);
    QApplication::setWindowIcon(WindowIcon());
}

CPattikApp::~CPattikApp() = default;

bool CPattikApp::InitInstance(const std::vector<std::string>& arguments) {
    const std::string path = arguments.size() > 1 ? arguments[1] : std::string();
    if (arguments.size() > 1) {
        if (const DocumentPathProblem problem = CheckDocumentPath(path);
            problem != DocumentPathProblem::None) {
            TellStartFailure(DocumentPathMessage(path, problem));
            return false;
        }
    }
    frame_ = std::make_unique<CMainFrame>(*settings_);
    if (!frame_->OnCreate()) {
        frame_.reset();
        TellStartFailure(kCreateFailedText);
        return false;
    }
    frame_->StartDocument(QString::fromStdString(path));
    if (const QScreen* screen = frame_->screen()) {
        const QRect available = screen->availableGeometry();
        frame_->move(available.center() -
                     QPoint(layout::kWindowSize.width() / 2, layout::kWindowSize.height() / 2));
    }
    frame_->show();
    frame_->OfferRecovery();
    return true;
}

} // namespace pattik
