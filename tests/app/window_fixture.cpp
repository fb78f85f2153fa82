#include "window_fixture.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWheelEvent>

#include <algorithm>

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
        // A file the dialog proposed that exists is selected in its list, and a selection
        // there wins over the name field: it goes first, as a click elsewhere would do.
        for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
            view->clearSelection();
        }
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
    core().flag.SetDocumentModified(false);
}

void Window::TravelTo(QPoint target) {
    // A hand covers a few pixels between two reports of the window system.
    constexpr int kStride = 12;
    const QPoint from = pointer_;
    const int distance = std::max((target - from).manhattanLength(), 1);
    const int steps = std::clamp(distance / kStride, 1, 40);
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = from + (target - from) * step / steps;
        QTest::mouseMove(Handle(), at);
    }
    pointer_ = target;
}

void Window::MoveTo(QWidget* widget, QPoint at) {
    TravelTo(InWindow(widget, at));
}

void Window::Press(QWidget* widget, QPoint at, Qt::MouseButton button) {
    MoveTo(widget, at);
    QTest::mousePress(Handle(), button, {}, pointer_);
}

void Window::Release(QWidget* widget, QPoint at, Qt::MouseButton button) {
    MoveTo(widget, at);
    QTest::mouseRelease(Handle(), button, {}, pointer_);
}

void Window::Click(QWidget* widget, QPoint at, Qt::MouseButton button) {
    MoveTo(widget, at);
    QTest::mouseClick(Handle(), button, {}, pointer_);
}

void Window::DoubleClick(QWidget* widget, QPoint at, Qt::MouseButton button) {
    MoveTo(widget, at);
    QTest::mouseDClick(Handle(), button, {}, pointer_);
}

void Window::Drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button) {
    Press(widget, from, button);
    MoveTo(widget, to);
    QTest::mouseRelease(Handle(), button, {}, pointer_);
}

void Window::Wheel(QWidget* widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers) {
    MoveTo(widget, at);
    // The wheel goes to the widget under the pointer and on up to its parents, as Qt routes
    // it when the window system reports a turn there.
    QWidget* under = frame->childAt(pointer_);
    QWidget* target = under != nullptr ? under : frame.get();
    const QPoint local = target->mapFrom(frame.get(), pointer_);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void Window::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    ReadyForKey();
    QTest::keyClick(Handle(), key, modifiers);
}

void Window::HangulKey(QChar letter, quint32 keyCode, Qt::KeyboardModifiers modifiers) {
    ReadyForKey();
    // Ctrl held, X sends no text.
    const QString text = (modifiers & Qt::ControlModifier) ? QString() : QString(letter);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, letter.unicode(), modifiers, keyCode, 0, 0, text);
        QApplication::sendEvent(Handle(), &key);
    }
}

void Window::ReadyForKey() {
    const QRect canvas(CanvasPoint(0, 0), CanvasPoint(74, 124));
    const QRect resting(InWindow(panelWidget(), canvas.topLeft()),
                        InWindow(panelWidget(), canvas.bottomRight()));
    if (!resting.contains(pointer_)) {
        MoveTo(panelWidget(), canvas.center());
    }
    // A closed dialog hands the keyboard back to the window, as a window manager does.
    if (!frame->isActiveWindow()) {
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
}

void Window::Choose(ItemBox box, int index) {
    auto* combo = Find<QComboBox>(box == ItemBox::Gender ? "genderBox" : "categoryBox");
    MoveTo(combo, combo->rect().center());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace pattik::testing
