#include "app/pattik_style.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace pattik {
namespace {

// Two chevrons side by side, ">>", each a single line of ink seven pixels tall; turned, they
// point down.
QIcon ExtensionChevrons(bool pointingDown, QColor colour) {
    constexpr int kSide = 8;
    constexpr int kTall = 7;
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const int left : {0, 4}) {
        for (int row = 0; row < kTall; ++row) {
            const int across = left + std::min(row, kTall - 1 - row);
            const int along = row + 1;
            image.setPixel(pointingDown ? along : across, pointingDown ? across : along,
                           colour.rgb());
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

PattikStyle::PattikStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

int PattikStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kToolTipDelayMs;
    }
    // A list opens over its box showing every entry, all fourteen categories at once,
    // rather than ten rows and a scroll bar.
    if (hint == SH_ComboBox_Popup) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon PattikStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton) {
        const QPalette palette = option != nullptr   ? option->palette
                                 : widget != nullptr ? widget->palette()
                                                     : standardPalette();
        return ExtensionChevrons(standardIcon == SP_ToolBarVerticalExtensionButton,
                                 palette.color(QPalette::ButtonText));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace pattik
