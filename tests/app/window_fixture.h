#pragma once

#include "app/face_button.h"
#include "app/item_bar_widget.h"
#include "app/main_frame.h"
#include "app/palette_widget.h"
#include "app/panel_widget.h"
#include "document/editor_core.h"
#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace pattik::testing {

// Box entries and palette buttons the tests choose.
inline constexpr int kFemale = 0;
inline constexpr int kMale = 1;
inline constexpr int kShoes = 2;
inline constexpr int kTop = 5;
inline constexpr int kPencilButton = 1004;
inline constexpr int kAirbrushButton = 1006;
inline constexpr int kEraserButton = 1007;
inline constexpr int kSelectionButton = 1008;
inline constexpr int kMagnifierButton = 1009;

// Answers the modal dialogs a test runs into, in order. A timer looks for the active modal
// widget every 10 ms and gives each new one the next answer. Answers never assert: a
// failure inside one would leave the dialog's loop running; the test checks afterwards.
class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget* modal)>;

    ModalAnswers();
    ~ModalAnswers() override;

    void Add(Answer answer) { answers_.push_back(std::move(answer)); }
    // Message boxes: clicks the button, recording the text.
    void Add(QMessageBox::StandardButton button);
    // The colour dialog: picks the colour and confirms, or cancels when it is invalid.
    void AddColour(QColor colour);
    // The file dialog: types the path into the name field and confirms.
    void AddSavePath(const QString& path);

    std::size_t Pending() const { return answers_.size(); }
    // The texts of the message boxes answered so far.
    const QStringList& Messages() const { return messages_; }

  private:
    void Poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    QPointer<QWidget> lastAnswered_;
    QStringList messages_;
};

// The main window as the editor shows it after start-up, with a new document, driven as a
// person drives it: the pointer travels from where it was to whatever it acts on, passing
// over everything on the way (the canvas among it) before each click, drag and wheel turn,
// and keys are pressed with the pointer resting on the canvas.
class Window : public ::testing::Test {
  protected:
    Window();
    ~Window() override;

    // --- The person's hand ---
    // The pointer travels to a point of a widget, in steps, over whatever lies between.
    void MoveTo(QWidget* widget, QPoint at);
    void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void Click(QWidget* widget) { Click(widget, widget->rect().center()); }
    void DoubleClick(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Presses at one point, travels to the other with the button held, and lets go there.
    void Drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton);
    // Turns the wheel by whole notches (up is positive) with the keys held, over the widget.
    void Wheel(QWidget* widget, QPoint at, int notches,
               Qt::KeyboardModifiers modifiers = Qt::ControlModifier);
    // A key pressed and let go while the pointer rests on the canvas (it travels there first
    // unless it already rests on the panel's canvas).
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The same key typed with the Korean input method in Hangul mode: the event carries the
    // Hangul letter (as its text, and as its key code the way X reports such a key) and the
    // physical key's code, 0 where the window system names none.
    void HangulKey(QChar letter, quint32 keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The same on the canvas, in picture pixels of the Wear view at zoom 2.
    void ClickCanvas(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        Click(panelWidget(), CanvasPoint(x, y), button);
    }
    void DragCanvas(QPoint fromPixel, QPoint toPixel, Qt::MouseButton button = Qt::LeftButton) {
        Drag(panelWidget(), CanvasPoint(fromPixel.x(), fromPixel.y()),
             CanvasPoint(toPixel.x(), toPixel.y()), button);
    }

    // Chooses a box entry as the user does, pointing at the box first (the box then says
    // `activated`).
    void Choose(ItemBox box, int index);
    void ChooseItem(int gender, int category) {
        Choose(ItemBox::Gender, gender);
        Choose(ItemBox::Category, category);
    }
    void ClickTool(int buttonId) { Click(paletteWidget()->Button(buttonId)); }

    // The panel client point of a picture pixel's canvas centre, at zoom 2.
    static QPoint CanvasPoint(int x, int y) {
        return QPoint(PanelGeometry::kCanvasOrigin.x + 2 * x + 1,
                      PanelGeometry::kCanvasOrigin.y + 2 * y + 1);
    }
    // Where the pointer rests, in the window's coordinates.
    QPoint Pointer() const { return pointer_; }

    // --- What the window holds, found by name as on screen ---
    template <class T>
    T* Find(const char* name) const {
        return frame->findChild<T*>(QString::fromLatin1(name));
    }
    CEditPanelWidget* panelWidget() const { return Find<CEditPanelWidget>("editPanel"); }
    CToolPaletteWidget* paletteWidget() const { return Find<CToolPaletteWidget>("toolPalette"); }
    CItemBarWidget* itemBarWidget() const { return Find<CItemBarWidget>("itemBar"); }
    EditorCore& core() const { return frame->Core(); }
    CEditPanel& panel() const { return core().panel; }
    QWindow* Handle() { return frame->windowHandle(); }
    // Rests the pointer on the canvas and gives the window the keyboard, as before a key.
    void ReadyForKey();
    // The title as the window shows it, an asterisk marking unsaved changes.
    QString ShownTitle() const {
        return QString(frame->windowTitle())
            .replace(QStringLiteral("[*]"),
                     frame->isWindowModified() ? QStringLiteral("*") : QString());
    }
    COLORREF WearPixel(int x, int y) { return panel().Image(ViewMode::Wear).At(x, y); }

    QTemporaryDir settingsFolder;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CMainFrame> frame;
    ModalAnswers answers;

  private:
    QPoint InWindow(QWidget* widget, QPoint at) const { return widget->mapTo(frame.get(), at); }
    // The pointer's path to a point of the window, each step a move as the window system
    // reports it, with the buttons held that are held.
    void TravelTo(QPoint target);

    // Out over the status bar, where a pointer that just came into the window might be.
    QPoint pointer_{300, 500};
};

} // namespace pattik::testing
