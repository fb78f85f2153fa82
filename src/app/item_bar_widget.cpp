#include "app/item_bar_widget.h"

#include "app/qt_convert.h"
#include "app/window_layout.h"
#include "catalogue/catalogue.h"
#include "document/item_bar.h"
#include "res/string_table.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace pattik {

CItemBarWidget::CItemBarWidget(QWidget* parent)
    : QWidget(parent), genderBox_(new QComboBox(this)), categoryBox_(new QComboBox(this)) {
    auto* genderLabel = new QLabel(ToQString(kGenderLabelText), this);
    genderLabel->setGeometry(layout::kGenderLabel);
    auto* categoryLabel = new QLabel(ToQString(kCategoryLabelText), this);
    categoryLabel->setGeometry(layout::kCategoryLabel);

    genderBox_->setObjectName(QStringLiteral("genderBox"));
    genderBox_->setGeometry(layout::kGenderBox);
    for (const std::string_view text : GenderBoxTexts()) {
        genderBox_->addItem(ToQString(text));
    }
    categoryBox_->setObjectName(QStringLiteral("categoryBox"));
    categoryBox_->setGeometry(layout::kCategoryBox);
    for (const std::string_view text : CategoryBoxTexts()) {
        categoryBox_->addItem(ToQString(text));
    }
    // The whole category list shows at once, as it always has.
    categoryBox_->setMaxVisibleItems(categoryBox_->count());
    genderBox_->setCurrentIndex(-1);
    categoryBox_->setCurrentIndex(-1);
}

void CItemBarWidget::Attach(CItemBar& itemBar) {
    itemBar_ = &itemBar;
    connect(genderBox_, &QComboBox::activated, this, [this] {
        if (itemBar_ != nullptr) {
            itemBar_->OnGenderChange();
        }
    });
    connect(categoryBox_, &QComboBox::activated, this, [this] {
        if (itemBar_ != nullptr) {
            itemBar_->OnCategoryChange();
        }
    });
}

QComboBox* CItemBarWidget::Box(ItemBox box) const {
    return box == ItemBox::Gender ? genderBox_ : categoryBox_;
}

int CItemBarWidget::GetSelection(ItemBox box) const {
    return Box(box)->currentIndex();
}

void CItemBarWidget::SetSelection(ItemBox box, int index) {
    QComboBox* combo = Box(box);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace pattik
