#include "window_fixture.h"

#include "app/face_button.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace pattik::testing {

ModalAnswers::ModalAnswers() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
    timer_.start();
}

ModalAnswers::~ModalAnswers() = default;

void ModalAnswers::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == lastAnswered_ || answers_.empty() || !modal->isVisible()) {
        return;
    }
    lastAnswered_ = modal;
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(modal);
}

void ModalAnswers::Add(QMessageBox::StandardButton button) {
    Add([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        messages_.append(box->text());
        if (QAbstractButton* choice = box->button(button)) {
            choice->click();
        } else {
            box->close();
        }
    });
}

void ModalAnswers::AddColour(QColor colour) {
    Add([colour](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        if (dialog == nullptr || !colour.isValid()) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        dialog->setCurrentColor(colour);
        dialog->accept();
    });
}

void ModalAnswers::AddSavePath(const QString& path) {
    Add([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        // Typed into the name field: selectFile() can leave the dialog re-entering a folder.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(path);
        }
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

Window::Window() {
    settings = std::make_unique<QSettings>(settingsFolder.filePath(QStringLiteral("pattik.ini")),
                                           QSettings::IniFormat);
    frame = std::make_unique<CMainFrame>(*settings);
    EXPECT_TRUE(frame->OnCreate());
    frame->StartDocument(QString());
    frame->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
}

Window::~Window() {
    // Nothing may ask about unsaved work while the window goes.
    frame->Flag().SetDocumentModified(false);
}

void Window::Choose(ItemBox box, int index) {
    QComboBox* combo = frame->ItemBarWidget()->Box(box);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Window::ClickTool(int buttonId) {
    QTest::mouseClick(frame->PaletteWidget()->Button(buttonId), Qt::LeftButton);
}

} // namespace pattik::testing
