#include "app/face_button.h"

#include <QPainter>

namespace pattik {

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void FaceButton::SetFaces(QImage up, QImage pressed) {
    up_ = std::move(up);
    pressed_ = std::move(pressed);
    update();
}

void FaceButton::paintEvent(QPaintEvent*) {
    const QImage& face = isDown() || !isEnabled() ? pressed_ : up_;
    if (face.isNull()) {
        return;
    }
    // The face keeps its own size, at the top left, pixel for pixel.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), face);
}

} // namespace pattik
