#include "app/tool_keys.h"

#include "app/face_button.h"
#include "app/palette_widget.h"

#include <QHelpEvent>
#include <QShortcut>
#include <QToolTip>

#include <array>
#include <utility>

namespace pattik {
namespace {

constexpr int kFirstToolButton = 1000;
// In the order of the tool buttons: rectangle, ellipse, line, fill, pencil, colour picker,
// airbrush, eraser, selection, magnifier.
constexpr std::array<char, 10> kToolKeys{'U', 'O', 'L', 'G', 'B', 'I', 'A', 'E', 'M', 'Z'};

} // namespace

ToolKeys::ToolKeys(QWidget& window, CToolPaletteWidget& palette,
                   std::function<void(int)> chooseTool, std::function<bool()> canChoose)
    : QObject(&window), palette_(palette) {
    for (std::size_t i = 0; i < kToolKeys.size(); ++i) {
        const int buttonId = kFirstToolButton + static_cast<int>(i);
        auto* shortcut = new QShortcut(QKeySequence(QChar(kToolKeys[i])), &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, buttonId, chooseTool, canChoose] {
            FaceButton* button = palette_.Button(buttonId);
            // The chosen tool's button is disabled: choosing it again would change nothing.
            if (button != nullptr && button->isEnabled() && canChoose()) {
                chooseTool(buttonId);
            }
        });
        if (FaceButton* button = palette.Button(buttonId)) {
            button->installEventFilter(this);
        }
    }
}

bool ToolKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QObject::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (std::size_t i = 0; i < kToolKeys.size(); ++i) {
        if (palette_.Button(kFirstToolButton + static_cast<int>(i)) == button) {
            // The button keeps its own tooltip text; the one shown adds the key.
            QToolTip::showText(help->globalPos(),
                               button->toolTip() + QStringLiteral(" (%1)").arg(QChar(kToolKeys[i])),
                               button);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pattik
