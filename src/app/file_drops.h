#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QDropEvent;
class QImage;
class QMimeData;
class QWidget;

namespace pattik {

// Files dropped on the window. One of an item's GIF files opens the item, exactly as 열기
// does, questions included; a PNG (or an image another program drags) dropped on the canvas
// floats there as the selection, as a paste does. Anything else is not taken: the pointer
// shows it before the button comes up.
class FileDrops : public QObject {
  public:
    struct Targets {
        // Opens the item one of whose files the path names.
        std::function<void(const QString& path)> openItem;
        // Whether a window point lies on the canvas.
        std::function<bool(QPoint windowPoint)> onCanvas;
        std::function<void(const QImage& image)> paste;
    };

    // Watches the window for drops, and lets it take them.
    FileDrops(QWidget& window, Targets targets);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { None, Item, Picture };
    Kind KindOf(const QMimeData& data, QPoint windowPoint) const;
    void Drop(const QDropEvent& drop);

    Targets targets_;
};

} // namespace pattik
