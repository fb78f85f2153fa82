#pragma once

#include "panel/item_bar_host.h"

#include <QWidget>

class QComboBox;

namespace pattik {

class CItemBar;

// The item bar on screen: the gender and category boxes with their labels. The user's
// choice reaches the item bar's logic through `activated`, which the program's own refills
// never send, so a refill never runs the guard again.
class CItemBarWidget : public QWidget, public ItemBarHost {
    Q_OBJECT

  public:
    explicit CItemBarWidget(QWidget* parent);

    void Attach(CItemBar& itemBar);
    void Detach() { itemBar_ = nullptr; }

    // ItemBarHost
    int GetSelection(ItemBox box) const override;
    void SetSelection(ItemBox box, int index) override;

  private:
    QComboBox* Box(ItemBox box) const;

    CItemBar* itemBar_ = nullptr;
    QComboBox* genderBox_;
    QComboBox* categoryBox_;
};

} // namespace pattik
