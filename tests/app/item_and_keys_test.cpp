// The item bar and the window's own keys, driven as the user drives them.
#include "window_fixture.h"

#include "app/frame_keys.h"
#include "document/item_bar.h"
#include "res/control_ids.h"

#include <QLineEdit>
#include <QMessageBox>

namespace pattik::testing {
namespace {

TEST_F(Window, AnItemWithHairShowsTheHairButtonAndShoesHideIt) {
    QAbstractButton* hair = Find<QAbstractButton>("hairButton");
    ChooseItem(kFemale, kTop);
    EXPECT_TRUE(hair->isVisible());
    EXPECT_EQ(hair->text(), QStringLiteral("헤어(s)"));
    EXPECT_EQ(panel().Item().gender, Gender::Female);

    Click(hair);
    EXPECT_EQ(panel().View().viewMode, ViewMode::Hair);
    EXPECT_TRUE(hair->isChecked());
    EXPECT_FALSE(Find<QAbstractButton>("wearButton")->isChecked());

    Choose(ItemBox::Category, kShoes);
    EXPECT_FALSE(hair->isVisible());
    EXPECT_EQ(panel().View().viewMode, ViewMode::Wear);
}

TEST_F(Window, AChangeUnderUnsavedWorkIsRefusedOnceAndTheBoxSnapsBack) {
    ChooseItem(kFemale, kTop);
    ClickCanvas(10, 10);
    ASSERT_TRUE(core().flag.IsDocumentModified());

    answers.Add(QMessageBox::Ok);
    Choose(ItemBox::Category, kShoes);
    EXPECT_EQ(answers.Messages(),
              QStringList{QStringLiteral("작업중 성별 및 상품을 변경할 수 없습니다.")});
    EXPECT_EQ(Find<QComboBox>("categoryBox")->currentIndex(), kTop);
    EXPECT_EQ(panel().Item().category, ItemCategory::Top);
}

TEST_F(Window, F1FlipsTheGenderOnceAndUnderUnsavedWorkChangesNothing) {
    ChooseItem(kFemale, kTop);
    Key(Qt::Key_F1);
    EXPECT_EQ(core().itemBar.SelectedGender(), kMale);
    EXPECT_EQ(panel().Item().gender, Gender::Male);
    EXPECT_EQ(Find<QComboBox>("genderBox")->currentIndex(), kMale);

    ClickCanvas(10, 10);
    answers.Add(QMessageBox::Ok);
    Key(Qt::Key_F1);
    EXPECT_EQ(answers.Messages().size(), 1);
    EXPECT_EQ(Find<QComboBox>("genderBox")->currentIndex(), kMale);
    EXPECT_EQ(panel().Item().gender, Gender::Male);
}

TEST_F(Window, SpaceNeverClicksAFocusedButtonAndIsHeldForScrolling) {
    ChooseItem(kFemale, kTop);
    QAbstractButton* dp = Find<QAbstractButton>("dpButton");
    dp->setFocus();
    ASSERT_TRUE(dp->hasFocus());
    QTest::keyPress(Handle(), Qt::Key_Space);
    EXPECT_TRUE((*Find<FrameKeys>("frameKeys")).IsSpaceDown());
    QTest::keyRelease(Handle(), Qt::Key_Space);
    EXPECT_FALSE((*Find<FrameKeys>("frameKeys")).IsSpaceDown());
    EXPECT_EQ(panel().View().viewMode, ViewMode::Wear);
}

TEST_F(Window, LeftControlIsToldFromRightControlAndForgottenOnDeactivation) {
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 37, 0xffe3, 0);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 105, 0xffe4, 0);
    EXPECT_TRUE(IsLeftControlKey(left));
    EXPECT_FALSE(IsLeftControlKey(right));

    QTest::keyPress(Handle(), Qt::Key_Control);
    EXPECT_TRUE((*Find<FrameKeys>("frameKeys")).IsLeftControlDown());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(frame.get(), &deactivate);
    EXPECT_FALSE((*Find<FrameKeys>("frameKeys")).IsLeftControlDown());
}

TEST_F(Window, DeleteAndUndoReachThePanelWhileAnRgbEditHasTheFocus) {
    ChooseItem(kFemale, kTop);
    QLineEdit* red = Find<QLineEdit>("redEdit");
    const COLORREF before = WearPixel(10, 10);
    ClickCanvas(10, 10);
    ASSERT_NE(WearPixel(10, 10), before);

    red->setFocus();
    red->setText(QStringLiteral("12"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WearPixel(10, 10), before) << "undone";
    EXPECT_EQ(red->text(), QStringLiteral("12")) << "the edit's own undo did not run";

    panel().LiftSelection(Point{0, 0}, Point{5, 5});
    ASSERT_TRUE(panel().Selection().hasFloatingSelection);
    Key(Qt::Key_Delete);
    EXPECT_FALSE(panel().Selection().hasFloatingSelection);
    EXPECT_EQ(red->text(), QStringLiteral("12"));
}

TEST_F(Window, EscapeMergesTheFloatingSelection) {
    ChooseItem(kFemale, kTop);
    panel().LiftSelection(Point{0, 0}, Point{5, 5});
    Key(Qt::Key_Escape);
    EXPECT_FALSE(panel().Selection().hasFloatingSelection);
    EXPECT_EQ(panel().Selection().selectionRect, (RECT{0, 0, 0, 0}));
}

} // namespace
} // namespace pattik::testing
