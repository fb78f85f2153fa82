#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QKeySequence;
class QWidget;

namespace pattik {

// The keys the main window handles itself, before any widget sees them. It watches the
// window's own QWindow, which receives each key once, where a filter on the application
// would see one press several times as Qt forwards it.
//   Esc     a shape's or the selection's drag is called off while its button is held, else
//           the selection is merged and forgotten; with or without Shift; the key goes on
//   F1      the gender flips; the key goes on
//   Delete  the floating selection is dropped; consumed, even when an RGB edit has the focus
//   Ctrl+Z  undo; consumed likewise
//   Ctrl+Alt+Z, Ctrl+Shift+Z  a step back or forward through the picture's history; these
//           are the 편집 menu's shortcuts and reach this filter only when they did not fire,
//           as when an RGB edit takes Ctrl+Shift+Z for its own redo; consumed
//   Space   held for hand scrolling; consumed, so it never clicks a focused button
//   left Ctrl  held for the selection's copy; the key goes on
// A letter key typed in Hangul mode (ㅕ for U) counts as its Latin letter for all of these
// and for the window's shortcuts, unless it is typed into an edit.
// Space and left Ctrl are remembered for the tools to poll, and forgotten when the window
// is deactivated (their release would go to another window).
class FrameKeys : public QObject {
    Q_OBJECT

  public:
    struct Commands {
        std::function<void()> escape;
        std::function<void()> flipGender;
        std::function<void()> deleteSelection;
        std::function<void()> undo;
        std::function<void()> stepBack;
        std::function<void()> stepForward;
        // Runs the window's action or shortcut for the keys, if one is enabled; true if so.
        std::function<bool(const QKeySequence&)> shortcut;
        // The caps and num lock states as the last key reported them.
        std::function<void(bool capsLock, bool numLock)> lockStates;
    };

    explicit FrameKeys(Commands commands, QObject* parent = nullptr)
        : QObject(parent), commands_(std::move(commands)) {}

    bool IsSpaceDown() const { return spaceDown_; }
    bool IsLeftControlDown() const { return leftControlDown_; }
    // The window lost the keyboard: nothing is held any more as far as it can tell.
    void ForgetHeldKeys();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the key is consumed.
    bool OnKeyPress(const QKeyEvent& key);
    // A key of a Hangul letter handled as the Latin letter on the same key. True when that
    // letter's key did something.
    bool OnHangulLetterKey(const QKeyEvent& key);
    bool OnKeyRelease(const QKeyEvent& key);

    Commands commands_;
    bool spaceDown_ = false;
    bool leftControlDown_ = false;
};

// Runs the enabled action or shortcut of the window (or of its children) that the keys
// start, as Qt would have. True if one ran.
bool TriggerWindowShortcut(QWidget& window, const QKeySequence& keys);

// Whether a Ctrl key event came from the left-hand key. Only X11 names the key; elsewhere
// every Ctrl counts as the left one.
bool IsLeftControlKey(const QKeyEvent& key);

} // namespace pattik
