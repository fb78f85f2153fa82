#pragma once

#include <QProxyStyle>

namespace pattik {

// The editor's look: Qt's classic desktop style, flat bevels drawn with lines, the look of
// the desktop this kind of editor grew up on. It paints the first window about a third faster
// than Qt's default shaded, smoothed controls.
//
// Three changes to it:
// - tooltips wake after 300 ms, so the palette's names show while the pointer passes;
// - a list box's list opens over the box with every entry shown;
// - the chevron a menu bar shows when its menus do not fit is drawn here. Qt's own is a
//   picture file, and reading the first picture file loads every image format Qt knows,
//   a JPEG library among them: a millisecond and more of every start, for a chevron that
//   the editor's menu bar, whose menus always fit, never shows.
class PattikStyle : public QProxyStyle {
  public:
    PattikStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;

    static constexpr int kToolTipDelayMs = 300;
};

} // namespace pattik
