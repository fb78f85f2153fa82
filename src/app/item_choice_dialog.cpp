#include "app/item_choice_dialog.h"

#include "app/qt_convert.h"
#include "catalogue/catalogue.h"
#include "res/frame_strings.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace pattik {
namespace {

QComboBox* MakeBox(QWidget* parent, std::span<const std::string_view> texts, int selected) {
    auto* box = new QComboBox(parent);
    for (const std::string_view text : texts) {
        box->addItem(ToQString(text));
    }
    box->setCurrentIndex(selected >= 0 && selected < box->count() ? selected : -1);
    return box;
}

} // namespace

std::optional<ItemIndices> AskItemChoice(QWidget* owner, int gender, int category) {
    QDialog dialog(owner);
    dialog.setWindowTitle(ToQString(kItemChoiceTitle));
    auto* layout = new QFormLayout(&dialog);
    auto* question = new QLabel(ToQString(kItemChoiceQuestion), &dialog);
    layout->addRow(question);
    QComboBox* genderBox = MakeBox(&dialog, GenderBoxTexts(), gender);
    QComboBox* categoryBox = MakeBox(&dialog, CategoryBoxTexts(), category);
    genderBox->setObjectName(QStringLiteral("genderBox"));
    categoryBox->setObjectName(QStringLiteral("categoryBox"));
    layout->addRow(ToQString(kItemChoiceGenderLabel), genderBox);
    layout->addRow(ToQString(kItemChoiceCategoryLabel), categoryBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addRow(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    const auto offerOk = [&] {
        ok->setEnabled(genderBox->currentIndex() >= 0 && categoryBox->currentIndex() >= 0);
    };
    offerOk();
    QObject::connect(genderBox, &QComboBox::currentIndexChanged, &dialog, offerOk);
    QObject::connect(categoryBox, &QComboBox::currentIndexChanged, &dialog, offerOk);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted || genderBox->currentIndex() < 0 ||
        categoryBox->currentIndex() < 0) {
        return std::nullopt;
    }
    return ItemIndices{genderBox->currentIndex(), categoryBox->currentIndex()};
}

} // namespace pattik
