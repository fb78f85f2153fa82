// The item bar's guard and its boxes, through the recording host.
#include "document/item_bar.h"
#include "res/string_table.h"
#include "support/document/editor_fixture.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CreatedEditor;

class ItemBar : public CreatedEditor {
  protected:
    void Choose(int gender, int category) {
        host.itemSelections = {{ItemBox::Gender, gender}, {ItemBox::Category, category}};
    }
};

TEST_F(ItemBar, StartsWithNothingAndAppliesThePairTheBoxesShow) {
    bar.RefreshAndApply();
    EXPECT_FALSE(panel.Item().IsChosen());
    EXPECT_EQ(host.itemSelections[ItemBox::Gender], -1);

    // A category before any gender applies gender none with it.
    Choose(-1, static_cast<int>(ItemCategory::Top));
    bar.OnCategoryChange();
    EXPECT_EQ(panel.Item().gender, Gender::None);
    EXPECT_EQ(panel.Item().category, ItemCategory::Top);
    Choose(0, static_cast<int>(ItemCategory::Top));
    bar.OnGenderChange();
    EXPECT_EQ(panel.Item().gender, Gender::Female);
    EXPECT_EQ(bar.SelectedGender(), 0);
}

TEST_F(ItemBar, UnsavedWorkRefusesAChangeAndTheBoxSnapsBack) {
    Choose(0, 5);
    bar.OnCategoryChange();
    host.modified = true;
    Choose(1, 5);
    bar.OnGenderChange();
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kItemChangeRefusedText)});
    EXPECT_EQ(host.itemSelections[ItemBox::Gender], 0);
    EXPECT_EQ(panel.Item().gender, Gender::Female);

    host.modified = false; // saved
    Choose(1, 5);
    bar.OnGenderChange();
    EXPECT_EQ(panel.Item().gender, Gender::Male);
}

// The guard of each box waits for that box's first accepted entry.
TEST_F(ItemBar, TheFirstEntryOfABoxPassesEvenWithUnsavedWork) {
    Choose(0, -1);
    bar.OnGenderChange();
    host.modified = true;
    Choose(0, 2);
    bar.OnCategoryChange();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(panel.Item().category, ItemCategory::Shoes);
}

TEST_F(ItemBar, F1FlipsTheGenderAndANewDocumentForgetsTheEntries) {
    bar.FlipGender();
    EXPECT_EQ(bar.SelectedGender(), 0) << "none becomes female";
    EXPECT_EQ(panel.Item().gender, Gender::Female);
    bar.FlipGender();
    EXPECT_EQ(panel.Item().gender, Gender::Male);

    // Under unsaved work: one refusal, and the gender stays in the box and the panel.
    host.modified = true;
    bar.FlipGender();
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kItemChangeRefusedText)});
    EXPECT_EQ(bar.SelectedGender(), 1);
    EXPECT_EQ(host.itemSelections[ItemBox::Gender], 1);
    EXPECT_EQ(panel.Item().gender, Gender::Male);

    bar.ResetForNewDocument();
    EXPECT_EQ(bar.SelectedGender(), -1);
    EXPECT_EQ(host.itemSelections[ItemBox::Category], -1);
    EXPECT_EQ(panel.Item().gender, Gender::Male) << "the panel forgets the item itself";
}

} // namespace
} // namespace pattik
