#include "app/file_drops.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace pattik {
namespace {

// The one local file a drag carries; empty for none or several.
QString DraggedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    return urls.front().toLocalFile();
}

bool HasSuffix(const QString& path, QLatin1StringView suffix) {
    return path.endsWith(suffix, Qt::CaseInsensitive);
}

} // namespace

FileDrops::FileDrops(QWidget& window, Targets targets)
    : QObject(&window), targets_(std::move(targets)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

FileDrops::Kind FileDrops::KindOf(const QMimeData& data, QPoint windowPoint) const {
    const QString file = DraggedFile(data);
    if (HasSuffix(file, QLatin1StringView(".gif"))) {
        return Kind::Item; // wherever it is dropped
    }
    const bool picture =
        HasSuffix(file, QLatin1StringView(".png")) || (file.isEmpty() && data.hasImage());
    return picture && targets_.onCanvas(windowPoint) ? Kind::Picture : Kind::None;
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // A move is asked again at each point, so the canvas alone takes a picture.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        drag->setAccepted(KindOf(*drag->mimeData(), drag->position().toPoint()) != Kind::None);
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (KindOf(*drop->mimeData(), drop->position().toPoint()) != Kind::None) {
            drop->acceptProposedAction();
            Drop(*drop);
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void FileDrops::Drop(const QDropEvent& drop) {
    const QMimeData& data = *drop.mimeData();
    switch (KindOf(data, drop.position().toPoint())) {
    case Kind::Item:
        targets_.openItem(DraggedFile(data));
        break;
    case Kind::Picture: {
        const QString file = DraggedFile(data);
        const QImage image =
            file.isEmpty() ? qvariant_cast<QImage>(data.imageData()) : QImage(file, "PNG");
        targets_.paste(image);
        break;
    }
    case Kind::None:
        break;
    }
}

} // namespace pattik
