#include "app/tool_keys.h"

#include "app/face_button.h"
#include "app/palette_widget.h"
#include "tools/tool_table.h"

#include <QHelpEvent>
#include <QShortcut>
#include <QToolTip>

#include <utility>

namespace pattik {

ToolKeys::ToolKeys(QWidget& window, CToolPaletteWidget& palette,
                   std::function<void(int)> chooseTool, std::function<bool()> canChoose)
    : QObject(&window), palette_(palette) {
    for (const ToolRow& tool : ToolRows()) {
        const int buttonId = tool.ButtonId();
        auto* shortcut = new QShortcut(QKeySequence(QChar(tool.key)), &window);
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
    for (const ToolRow& tool : ToolRows()) {
        if (palette_.Button(tool.ButtonId()) == button) {
            // The button keeps its own tooltip text; the one shown adds the key.
            QToolTip::showText(help->globalPos(),
                               button->toolTip() + QStringLiteral(" (%1)").arg(QChar(tool.key)),
                               button);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pattik
