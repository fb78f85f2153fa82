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

    void SetFaces(QImage up, QImage pressed);
    QSize sizeHint() const override { return size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage up_;
    QImage pressed_;
};

} // namespace pattik
