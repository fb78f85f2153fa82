#include "app/palette_widget.h"

#include "app/face_button.h"
#include "app/pointer_events.h"
#include "app/qt_convert.h"
#include "app/window_layout.h"
#include "raster/drawing_context.h"
#include "res/control_ids.h"
#include "tools/tool_palette.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace pattik {
CToolPaletteWidget::CToolPaletteWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int id = kFirstToolButton; id <= kLastToolButton; ++id) {
        buttons_[id] = new FaceButton(this);
    }
    for (const int id : kOptionButtons) {
        buttons_[id] = new FaceButton(this);
    }
}

void CToolPaletteWidget::Attach(CToolPalette& palette) {
    palette_ = &palette;
    for (const auto& [id, button] : buttons_) {
        connect(button, &QAbstractButton::clicked, this, [this, buttonId = id] {
            if (palette_ == nullptr) {
                return;
            }
            if (buttonId >= kFirstToolButton && buttonId <= kLastToolButton) {
                palette_->OnToolButton(buttonId);
            } else {
                palette_->OnOptionButton(buttonId);
            }
        });
    }
}

FaceButton* CToolPaletteWidget::Button(int buttonId) const {
    const auto found = buttons_.find(buttonId);
    return found != buttons_.end() ? found->second : nullptr;
}

void CToolPaletteWidget::EnableButton(int buttonId, bool enable) {
    if (FaceButton* button = Button(buttonId)) {
        button->setEnabled(enable);
    }
}

void CToolPaletteWidget::ShowButton(int buttonId, bool show) {
    if (FaceButton* button = Button(buttonId)) {
        button->setVisible(show);
    }
}

void CToolPaletteWidget::PlaceButton(int buttonId, const RECT& place) {
    if (FaceButton* button = Button(buttonId)) {
        button->setGeometry(ToQRect(place));
    }
}

void CToolPaletteWidget::SetButtonFaces(int buttonId, int upBitmapId, int pressedBitmapId) {
    if (FaceButton* button = Button(buttonId)) {
        button->SetFaces(upBitmapId, pressedBitmapId);
    }
}

void CToolPaletteWidget::SetToolTip(int buttonId, std::string_view text) {
    if (FaceButton* button = Button(buttonId)) {
        button->setToolTip(ToQString(text));
    }
}

void CToolPaletteWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    client_ = DeviceBitmap(std::max(width(), 1), std::max(height(), 1));
}

void CToolPaletteWidget::paintEvent(QPaintEvent* event) {
    client_.Fill(layout::kBarColour);
    if (palette_ != nullptr) {
        DrawingContext client(&client_);
        palette_->Paint(client);
    }
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, WrapBitmap(client_), area);
}

void CToolPaletteWidget::mousePressEvent(QMouseEvent* event) {
    if (palette_ == nullptr || IsSecondClickOfDoubleClick(*event)) {
        return;
    }
    const Point point = ButtonEvent(*event).point;
    if (event->button() == Qt::LeftButton) {
        palette_->OnLButtonDown(point);
    } else if (event->button() == Qt::RightButton) {
        palette_->OnRButtonDown(point);
    }
}

void CToolPaletteWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (palette_ != nullptr && event->button() == Qt::LeftButton) {
        palette_->OnLButtonDblClk(ButtonEvent(*event).point);
    }
}

} // namespace pattik
