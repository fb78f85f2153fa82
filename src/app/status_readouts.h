#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <optional>

class QLabel;
class QStatusBar;

namespace pattik {

class CEditPanel;

// Two panes of the status bar that read the pictures: the colour budget of the picture in
// view, and the pixel under the pointer while it is over the canvas. The budget is read
// once after a burst of repaints, not on each.
class StatusReadouts : public QObject {
  public:
    StatusReadouts(CEditPanel& panel, QStatusBar& statusBar);

    // The panel asked for a repaint: the pictures, the view or the item may have changed.
    void PanelChanged();
    // The pointer moved over the panel, at a panel client point; nothing when it left.
    void PointerAt(std::optional<QPoint> client);

    QLabel* BudgetPane() const { return budgetPane_; }
    QLabel* PixelPane() const { return pixelPane_; }

  private:
    void Refresh();
    void ShowPixel();

    CEditPanel& panel_;
    QLabel* budgetPane_;
    QLabel* pixelPane_;
    QTimer refreshTimer_;
    std::optional<QPoint> pointer_;
};

} // namespace pattik
