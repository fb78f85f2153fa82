#include "app/face_button.h"

#include "app/qt_convert.h"

#include <QPainter>

namespace pattik {

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void FaceButton::SetFaces(int upBitmapId, int pressedBitmapId) {
    up_ = Face{upBitmapId, {}};
    pressed_ = Face{pressedBitmapId, {}};
    update();
}

const QImage& FaceButton::Decoded(Face& face) {
    if (face.image.isNull() && face.bitmapId != 0) {
        face.image = BitmapResourceImage(face.bitmapId);
    }
    return face.image;
}

void FaceButton::paintEvent(QPaintEvent*) {
    const QImage& face = Decoded(isDown() || !isEnabled() ? pressed_ : up_);
    if (face.isNull()) {
        return;
    }
    // The face keeps its own size, at the top left, pixel for pixel.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), face);
}

} // namespace pattik
