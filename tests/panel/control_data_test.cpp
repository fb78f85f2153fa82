#include "panel/null_panel_host.h"
#include "res/control_ids.h"
#include "res/string_table.h"
#include "support/panel/panel_fixtures.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CreatedPanel;

// The user has typed into the edits and moved the trackbars.
void TypeMixer(testing::FakeHost& host, const char* blue, const char* green, const char* red) {
    host.editTexts = {{kBlueEdit, blue}, {kGreenEdit, green}, {kRedEdit, red}};
    host.trackbarPositions = {{kBlueTrackbar, 11}, {kGreenTrackbar, 22}, {kRedTrackbar, 33}};
    host.checkBoxes = {{kShowAvatarCheckBox, false}, {kAvatarInFrontCheckBox, true}};
}

TEST_F(CreatedPanel, ReadingTheControlsTakesEveryValue) {
    TypeMixer(host, "1", "2", "3");
    EXPECT_TRUE(panel.ExchangeControlData(true));
    const ControlData& data = panel.Controls();
    EXPECT_EQ((std::array{data.editB, data.editG, data.editR}), (std::array{1, 2, 3}));
    EXPECT_EQ((std::array{data.sliderB, data.sliderG, data.sliderR}), (std::array{11, 22, 33}));
    EXPECT_FALSE(data.showAvatar);
    EXPECT_TRUE(data.avatarInFront);
    EXPECT_TRUE(host.messages.empty());
}

// The read goes blue, green, red, then the trackbars and boxes, and stops at the first edit
// without a number: what was read before it keeps its new value, the rest their old ones.
TEST_F(CreatedPanel, ARefusedEditStopsTheReadThereAndIsFocused) {
    TypeMixer(host, "7", "", "9");
    EXPECT_FALSE(panel.ExchangeControlData(true));
    const ControlData& data = panel.Controls();
    EXPECT_EQ(data.editB, 7);
    EXPECT_EQ(data.editG, 0);
    EXPECT_EQ(data.editR, 0);
    EXPECT_EQ(data.sliderB, 0);
    EXPECT_TRUE(data.showAvatar);
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kEnterIntegerText)});
    EXPECT_EQ(host.focusedEdit, kGreenEdit);

    // The next push gives the emptied edit its previous number back.
    EXPECT_TRUE(panel.ExchangeControlData(false));
    EXPECT_EQ(host.editTexts[kGreenEdit], "0");
    EXPECT_EQ(host.editTexts[kBlueEdit], "7");
}

TEST(EditIntegers, SaturateLongNumbersAndRefuseTextThatIsNone) {
    EXPECT_EQ(ParseEditInteger("42"), 42);
    EXPECT_EQ(ParseEditInteger("-5"), -5);
    EXPECT_EQ(ParseEditInteger("007"), 7);
    EXPECT_EQ(ParseEditInteger("2147483648"), 2147483647);
    EXPECT_EQ(ParseEditInteger("99999999999999999999999"), 2147483647);
    EXPECT_EQ(ParseEditInteger("-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseEditInteger(" 12 "), 12);
    EXPECT_EQ(ParseEditInteger("+3"), 3);
    for (const char* none : {"", " ", "-", "1a", "1 2", "--1", "+-1", "0x10"}) {
        EXPECT_EQ(ParseEditInteger(none), std::nullopt) << '"' << none << '"';
    }
}

TEST_F(CreatedPanel, TheMixerTakesChannelValuesOnlyWithinOneByte) {
    EXPECT_TRUE(panel.SetMixerChannel(MixerChannel::Green, 255));
    EXPECT_FALSE(panel.SetMixerChannel(MixerChannel::Red, 256));
    EXPECT_FALSE(panel.SetMixerChannel(MixerChannel::Red, -1));
    panel.SetMixerColour(RGB(4, 5, 6));
    const ControlData& data = panel.Controls();
    EXPECT_EQ(
        (std::array{data.editR, data.sliderR, data.editG, data.sliderG, data.editB, data.sliderB}),
        (std::array{4, 4, 5, 5, 6, 6}));
}

TEST_F(CreatedPanel, PreviewBoxesAreReadBackOrSetFromTheProgram) {
    host.checkBoxes[kShowAvatarCheckBox] = false;
    host.ClearRecords();
    panel.OnPreviewCheckBox();
    EXPECT_FALSE(panel.Controls().showAvatar);
    EXPECT_EQ(host.invalidations.size(), 2u);
    panel.SetAvatarDisplay(true, true);
    EXPECT_TRUE(host.checkBoxes[kShowAvatarCheckBox]);
    EXPECT_TRUE(host.checkBoxes[kAvatarInFrontCheckBox]);
    EXPECT_TRUE(panel.Controls().avatarInFront);
}

// The stand-in host of the command-line tools answers as a window would that nobody
// looks at: questions cancelled, and controls that give back what they were given.
TEST(NullPanelHostAnswers, QuestionsAreCancelledAndControlsKeepTheirValues) {
    NullPanelHost host;
    EXPECT_EQ(host.ShowMessage("?", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
    EXPECT_EQ(host.ShowMessage("!", MessageButtons::Ok), MessageAnswer::Ok);
    CEditPanel panel(host);
    ASSERT_EQ(panel.OnCreate(), 0);
    panel.SetUpAfterBarsExist();
    panel.SetMixerColour(RGB(10, 20, 30));
    panel.SetAvatarDisplay(true, true);
    panel.OnPreviewCheckBox(); // reads back what the panel wrote
    EXPECT_TRUE(panel.Controls().showAvatar);
    EXPECT_TRUE(panel.Controls().avatarInFront);
    EXPECT_EQ(panel.Controls().sliderG, 20);
}

// The colour dialog's custom colours are the palette's swatches: a cancelled dialog must
// leave them as they were, whatever the user did to them before cancelling.
TEST(FakeHostDialogs, CustomColoursChangeOnlyWhenTheColourDialogIsConfirmed) {
    testing::FakeHost host;
    CustomColours swatches{};
    swatches.fill(kWhite);
    CustomColours edited = swatches;
    edited[3] = RGB(1, 2, 3);

    host.customColourEdits.push_back(edited);
    EXPECT_EQ(host.ChooseColour(kBlack, swatches), std::nullopt);
    EXPECT_EQ(swatches[3], kWhite);

    host.customColourEdits.push_back(edited);
    host.colourAnswers.push_back(RGB(9, 9, 9));
    EXPECT_EQ(host.ChooseColour(kBlack, swatches), RGB(9, 9, 9));
    EXPECT_EQ(swatches[3], RGB(1, 2, 3));
}

} // namespace
} // namespace pattik
