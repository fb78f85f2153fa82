#pragma once

#include <QObject>

#include <functional>
#include <string_view>

class QAction;
class QImage;
class QMenu;
class QWidget;

namespace pattik {

class CEditPanel;
class EditorCore;

// What the 편집 menu does to the picture beyond the history: the clipboard both ways, 모두
// 선택, the flips and turns, 색 바꾸기; and 보기 > 좌우 대칭. Each command waits while a stroke
// is going on, says in the status bar when it cannot act, and marks the work unsaved when
// the picture changed.
class EditCommands : public QObject {
  public:
    // `say` shows a short text in the status bar's prompt pane.
    EditCommands(QWidget& window, EditorCore& core, std::function<void(const QString&)> say);

    void AddToEditMenu(QMenu& edit);
    void AddToViewMenu(QMenu& view);

    // Floats an image of another program (from the clipboard or a drop) as the selection.
    void PasteImage(const QImage& image);

  private:
    QAction* MakeAction(std::string_view text, std::string_view prompt, const QKeySequence& keys,
                        const char* name, std::function<void()> run);
    bool Ready() const;
    // Runs an operation of the panel; true when it changed the picture.
    bool Change(bool (CEditPanel::*operation)(), std::string_view refusal);
    void ChooseSelectionTool();
    void Copy();
    void Cut();
    void Paste();
    void SelectAll();
    void ReplaceColour();
    void SayWhenOverBudget();

    QWidget& window_;
    EditorCore& core_;
    std::function<void(const QString&)> say_;
    QList<QAction*> editActions_;
    QAction* mirrorAction_ = nullptr;
};

} // namespace pattik
