#pragma once

#include "app/item_bar_widget.h"
#include "app/main_frame.h"
#include "app/palette_widget.h"
#include "app/panel_widget.h"
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

// The main window as the editor shows it after start-up, with a new document.
class Window : public ::testing::Test {
  protected:
    Window();
    ~Window() override;

    // Chooses a box entry as the user does (the box then says `activated`).
    void Choose(ItemBox box, int index);
    void ChooseItem(int gender, int category) {
        Choose(ItemBox::Gender, gender);
        Choose(ItemBox::Category, category);
    }
    // The panel client point of a picture pixel's canvas centre, at zoom 2.
    static QPoint CanvasPoint(int x, int y) {
        return QPoint(PanelGeometry::kCanvasOrigin.x + 2 * x + 1,
                      PanelGeometry::kCanvasOrigin.y + 2 * y + 1);
    }
    QWindow* Handle() { return frame->windowHandle(); }
    // A point of the panel in the window's coordinates, for events sent through the window.
    QPoint InWindow(QPoint panelPoint) { return panelWidget()->mapTo(frame.get(), panelPoint); }
    void KeyToWindow(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Handle(), key, modifiers);
    }
    void ClickTool(int buttonId);
    COLORREF WearPixel(int x, int y) { return frame->Panel().Image(ViewMode::Wear).At(x, y); }

    CEditPanelWidget* panelWidget() { return frame->PanelWidget(); }
    CEditPanel& panel() { return frame->Panel(); }

    QTemporaryDir settingsFolder;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CMainFrame> frame;
    ModalAnswers answers;
};

} // namespace pattik::testing
