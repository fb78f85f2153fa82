#include "app/frame_keys.h"

#include "app/physical_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

namespace pattik {
namespace {

// X11 key symbols and modifier masks, as the xcb platform reports them in a key event.
constexpr quint32 kRightControlKeySym = 0xffe4;
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

bool IsUndoKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Z && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool IsZWith(const QKeyEvent& key, Qt::KeyboardModifiers modifiers) {
    return key.key() == Qt::Key_Z && (key.modifiers() & ~Qt::KeypadModifier) == modifiers;
}

bool IsPlainKey(const QKeyEvent& key, int code) {
    return key.key() == code && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Shift may still be held from dragging a square or a 45-degree line when Esc calls the
// drag off.
bool IsEscapeKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers ignored = Qt::KeypadModifier | Qt::ShiftModifier;
    return key.key() == Qt::Key_Escape && (key.modifiers() & ~ignored) == Qt::NoModifier;
}

} // namespace

bool TriggerWindowShortcut(QWidget& window, const QKeySequence& keys) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcuts().contains(keys)) {
            action->trigger();
            return true;
        }
    }
    for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        if (shortcut->isEnabled() && shortcut->key() == keys) {
            emit shortcut->activated();
            return true;
        }
    }
    return false;
}

bool IsLeftControlKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Control && key.nativeVirtualKey() != kRightControlKeySym;
}

void FrameKeys::ForgetHeldKeys() {
    spaceDown_ = false;
    leftControlDown_ = false;
}

bool FrameKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return OnKeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return OnKeyRelease(static_cast<const QKeyEvent&>(*event));
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
        ForgetHeldKeys();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool FrameKeys::OnKeyPress(const QKeyEvent& key) {
    if (key.nativeModifiers() != 0 && commands_.lockStates) {
        commands_.lockStates((key.nativeModifiers() & kX11LockMask) != 0,
                             (key.nativeModifiers() & kX11NumLockMask) != 0);
    }
    if (IsLeftControlKey(key)) {
        leftControlDown_ = true;
        return false;
    }
    if (OnHangulLetterKey(key)) {
        return true;
    }
    if (key.key() == Qt::Key_Space) {
        // Held for hand scrolling; a button with the focus must never see it.
        spaceDown_ = true;
        return true;
    }
    if (IsEscapeKey(key)) {
        commands_.escape();
        return false;
    }
    if (IsPlainKey(key, Qt::Key_F1)) {
        if (!key.isAutoRepeat()) {
            commands_.flipGender();
        }
        return false;
    }
    if (IsPlainKey(key, Qt::Key_Delete)) {
        commands_.deleteSelection();
        return true;
    }
    if (IsUndoKey(key)) {
        commands_.undo();
        return true;
    }
    if (IsZWith(key, Qt::ControlModifier | Qt::AltModifier)) {
        commands_.stepBack();
        return true;
    }
    if (IsZWith(key, Qt::ControlModifier | Qt::ShiftModifier)) {
        commands_.stepForward();
        return true;
    }
    return false;
}

bool FrameKeys::OnHangulLetterKey(const QKeyEvent& key) {
    const std::optional<Qt::Key> letter = PhysicalLetterKey(key);
    if (!letter) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    // Typed into an RGB edit, a letter is text for the edit to take or refuse.
    const bool typing = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (typing && qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr) {
        return false;
    }
    const QKeyEvent latin(QEvent::KeyPress, *letter, key.modifiers(), key.nativeScanCode(),
                          key.nativeVirtualKey(), key.nativeModifiers(), QString(),
                          key.isAutoRepeat(), key.count());
    if (OnKeyPress(latin)) {
        return true;
    }
    return !key.isAutoRepeat() && commands_.shortcut &&
           commands_.shortcut(QKeySequence(modifiers | *letter));
}

bool FrameKeys::OnKeyRelease(const QKeyEvent& key) {
    if (key.isAutoRepeat()) {
        return key.key() == Qt::Key_Space;
    }
    if (IsLeftControlKey(key)) {
        leftControlDown_ = false;
        return false;
    }
    if (key.key() == Qt::Key_Space) {
        spaceDown_ = false;
        return true;
    }
    return false;
}

} // namespace pattik
