#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace pattik {

class CToolPaletteWidget;

// Single keys that choose the tools, as pixel editors have them: B pencil, E eraser, G fill,
// I colour picker, L line, U rectangle, O ellipse, M selection, A airbrush, Z magnifier.
// They are the window's shortcuts, so a key typed into an RGB edit stays in the edit. The
// tool buttons' tooltips show the key after the tool's name.
class ToolKeys : public QObject {
  public:
    // chooseTool is given the tool button's id; canChoose says whether a key may act now
    // (not in the middle of a stroke).
    ToolKeys(QWidget& window, CToolPaletteWidget& palette, std::function<void(int)> chooseTool,
             std::function<bool()> canChoose);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CToolPaletteWidget& palette_;
};

} // namespace pattik
