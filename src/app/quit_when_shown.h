#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace pattik {

// Ends the program once a window is first exposed and painted: the moment start-up is timed
// to. It prints that moment on standard output as "shown at NANOSECONDS" of the system clock,
// so the time the program then takes to close is not counted as start-up.
class QuitWhenShown : public QObject {
  public:
    void Watch(QWidget* window) {
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() &&
            !shown_) {
            shown_ = true;
            // After this expose is painted.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("shown at %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool shown_ = false;
};

} // namespace pattik
