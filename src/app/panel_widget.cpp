#include "app/panel_widget.h"

#include "app/frame_keys.h"
#include "app/pointer_events.h"
#include "app/qt_convert.h"
#include "app/window_layout.h"
#include "panel/edit_panel.h"
#include "raster/drawing_context.h"
#include "tools/canvas_tools.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace pattik {
CEditPanelWidget::CEditPanelWidget(const FrameKeys& keys, QWidget* parent)
    : QWidget(parent), keys_(keys) {
    // Hover reaches the tools: the eraser's square and the shapes' cross follow the pointer.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreateControls();
}

CEditPanelWidget::~CEditPanelWidget() = default;

void CEditPanelWidget::Attach(CEditPanel& panel, CanvasTools& tools) {
    panel_ = &panel;
    tools_ = &tools;
    ConnectControls();
    InvalidateAll(true);
}

void CEditPanelWidget::Detach() {
    for (auto& [id, timer] : timers_) {
        timer->stop();
    }
    panel_ = nullptr;
    tools_ = nullptr;
}

void CEditPanelWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    client_ = DeviceBitmap(std::max(width(), 1), std::max(height(), 1));
    client_.Fill(layout::kBarColour);
    update();
}

void CEditPanelWidget::EraseToBarColour(const RECT& rect) {
    DrawingContext client(&client_);
    client.FillRect(rect, layout::kBarColour);
}

void CEditPanelWidget::Invalidate(const RECT& rect, bool erase) {
    if (erase) {
        EraseToBarColour(rect);
    }
    update(ToQRect(rect));
    if (repaintListener_) {
        repaintListener_();
    }
}

void CEditPanelWidget::InvalidateAll(bool erase) {
    if (erase) {
        client_.Fill(layout::kBarColour);
    }
    update();
    if (repaintListener_) {
        repaintListener_();
    }
}

void CEditPanelWidget::paintEvent(QPaintEvent* event) {
    // Drawn pixel for pixel; on a scaled screen each pixel grows as a block, never smoothed.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage shown = WrapBitmap(client_);
    // Each rectangle that asked for a repaint (a hover asks for a few canvas cells and
    // preview pixels) is painted alone: what lies between them is left as it is.
    for (const QRect& area : event->region()) {
        if (panel_ != nullptr) {
            DrawingContext client(&client_);
            client.IntersectClipRect(ToRect(area));
            panel_->Paint(client);
        }
        painter.drawImage(area, shown, area);
    }
}

void CEditPanelWidget::SetPointerShape(PointerShape shape) {
    switch (shape) {
    case PointerShape::Arrow:
        unsetCursor();
        break;
    case PointerShape::Cross:
        setCursor(Qt::CrossCursor);
        break;
    case PointerShape::Move:
        setCursor(Qt::SizeAllCursor);
        break;
    }
}

bool CEditPanelWidget::IsKeyDown(PolledKey key) const {
    switch (key) {
    case PolledKey::Space:
        return keys_.IsSpaceDown();
    case PolledKey::LeftControl:
        return keys_.IsLeftControlDown();
    }
    return false;
}

void CEditPanelWidget::StartTimer(int id, int intervalMs) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (tools_ != nullptr) {
                tools_->OnTimer(id);
            }
        });
    }
    timer->start(std::max(intervalMs, layout::kShortestTimerPeriodMs));
}

void CEditPanelWidget::StopTimer(int id) {
    if (const auto found = timers_.find(id); found != timers_.end()) {
        found->second->stop();
    }
}

void CEditPanelWidget::Dispatch(const QMouseEvent& event, ButtonHandler left, ButtonHandler right) {
    if (tools_ == nullptr) {
        return;
    }
    if (event.button() == Qt::LeftButton) {
        (tools_->*left)(ButtonEvent(event));
    } else if (event.button() == Qt::RightButton) {
        (tools_->*right)(ButtonEvent(event));
    }
}

void CEditPanelWidget::mousePressEvent(QMouseEvent* event) {
    if (!IsSecondClickOfDoubleClick(*event)) {
        Dispatch(*event, &CanvasTools::OnLButtonDown, &CanvasTools::OnRButtonDown);
    }
}

void CEditPanelWidget::mouseMoveEvent(QMouseEvent* event) {
    if (tools_ != nullptr) {
        tools_->OnMouseMove(MoveEvent(*event));
    }
    if (pointerListener_) {
        pointerListener_(event->position().toPoint());
    }
}

void CEditPanelWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (tools_ != nullptr) {
        tools_->OnMouseLeave();
    }
    if (pointerListener_) {
        pointerListener_(std::nullopt);
    }
}

void CEditPanelWidget::wheelEvent(QWheelEvent* event) {
    if (tools_ == nullptr || (event->modifiers() & Qt::ControlModifier) == 0) {
        event->ignore();
        return;
    }
    constexpr int kNotch = 120;
    wheelRemainder_ =
        std::clamp(wheelRemainder_ + event->angleDelta().y(), -4 * kNotch, 4 * kNotch);
    const int steps = wheelRemainder_ / kNotch;
    wheelRemainder_ -= steps * kNotch;
    const QPoint at = event->position().toPoint();
    tools_->ZoomAround(Point{at.x(), at.y()}, steps);
    event->accept();
}

void CEditPanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    Dispatch(*event, &CanvasTools::OnLButtonUp, &CanvasTools::OnRButtonUp);
}

void CEditPanelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    Dispatch(*event, &CanvasTools::OnLButtonDblClk, &CanvasTools::OnRButtonDblClk);
}

} // namespace pattik
