#pragma once

#include "panel/control_host.h"
#include "panel/pointer_event.h"
#include "panel/pointer_host.h"
#include "panel/view_host.h"
#include "raster/device_bitmap.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QSlider;
class QTimer;

namespace pattik {

class CEditPanel;
class CanvasTools;
class FrameKeys;

// The editing panel on screen. The core paints the panel into a client-sized bitmap that
// this widget shows 1:1; the widget adds only the controls (view buttons, check boxes, the
// RGB trackbars and edits) and turns each mouse event into one PointerEvent for the tools.
// It hosts what it owns: the pointer over it (capture, shape, the airbrush's timer, the
// held keys the main window tracks), its repaints and its controls.
class CEditPanelWidget : public QWidget, public PointerHost, public ViewHost, public ControlHost {
    Q_OBJECT

  public:
    CEditPanelWidget(const FrameKeys& keys, QWidget* parent);
    ~CEditPanelWidget() override;

    // Connects the widget to the core once both exist; until then it shows the bar colour.
    void Attach(CEditPanel& panel, CanvasTools& tools);
    // Cuts the widget off from the core before the core goes away.
    void Detach();

    // Told after each repaint the core asks for, and where the pointer is over the panel
    // (nothing once it left).
    void SetRepaintListener(std::function<void()> listener) {
        repaintListener_ = std::move(listener);
    }
    void SetPointerListener(std::function<void(std::optional<QPoint>)> listener) {
        pointerListener_ = std::move(listener);
    }

    // What the panel's paint routine last drew, the size of the client area.
    const DeviceBitmap& ClientBitmap() const { return client_; }

    // PointerHost
    void CapturePointer() override { captured_ = true; }
    void ReleasePointer() override { captured_ = false; }
    bool HasPointerCapture() const override { return captured_; }
    void SetPointerShape(PointerShape shape) override;
    bool IsKeyDown(PolledKey key) const override;
    void StartTimer(int id, int intervalMs) override;
    void StopTimer(int id) override;

    // ViewHost
    void Invalidate(const RECT& rect, bool erase) override;
    void InvalidateAll(bool erase) override;

    // ControlHost (panel_widget_controls.cpp)
    std::optional<int> ReadEditInteger(int editId) const override;
    void WriteEditInteger(int editId, int value) override;
    void FocusEdit(int editId) override;
    int ReadTrackbarPosition(int trackbarId) const override;
    void WriteTrackbarPosition(int trackbarId, int position) override;
    void SetTrackbarRange(int trackbarId, int minimum, int maximum) override;
    bool ReadCheckBox(int checkBoxId) const override;
    void WriteCheckBox(int checkBoxId, bool checked) override;
    void ShowControl(int controlId, bool show) override;
    void SetButtonPushed(int buttonId, bool pushed) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click arrives instead of the second press, never as one.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Ctrl and the wheel zoom the canvas about the pointer.
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The controls by the ids the panel knows them by (each also has an object name).
    QLineEdit* Edit(int editId) const;
    QSlider* Trackbar(int trackbarId) const;
    QCheckBox* CheckBox(int checkBoxId) const;
    QAbstractButton* Button(int buttonId) const;
    using ButtonHandler = void (CanvasTools::*)(const PointerEvent&);
    // Hands a button event to the tools' handler for its button.
    void Dispatch(const QMouseEvent& event, ButtonHandler left, ButtonHandler right);
    void CreateControls();
    void ConnectControls();
    void EraseToBarColour(const RECT& rect);

    const FrameKeys& keys_;
    CEditPanel* panel_ = nullptr;
    CanvasTools* tools_ = nullptr;

    std::function<void()> repaintListener_;
    std::function<void(std::optional<QPoint>)> pointerListener_;
    // Wheel turns smaller than a notch add up until they make one.
    int wheelRemainder_ = 0;

    DeviceBitmap client_;
    bool captured_ = false;
    std::map<int, QTimer*> timers_;
    std::map<int, QAbstractButton*> buttons_;
    std::map<int, QLineEdit*> edits_;
    std::map<int, QSlider*> trackbars_;
    std::map<int, QCheckBox*> checkBoxes_;
};

} // namespace pattik
