#pragma once

#include <QAbstractButton>
#include <QImage>

namespace pattik {

// A palette button that is all picture: the up face, or the pressed face while it is held
// down or disabled (a disabled button is the chosen tool or option). It never takes the
// keyboard focus.
class FaceButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit FaceButton(QWidget* parent);

    // The faces are bitmap resources, decoded when first drawn: a button that is never
    // shown, or never pressed, costs no picture.
    void SetFaces(int upBitmapId, int pressedBitmapId);
    QSize sizeHint() const override { return size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Face {
        int bitmapId = 0;
        QImage image; // null until first drawn
    };
    const QImage& Decoded(Face& face);

    Face up_;
    Face pressed_;
};

} // namespace pattik
