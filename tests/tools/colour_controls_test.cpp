// The RGB mixer: trackbars, edits, and which colour they write.
#include "res/control_ids.h"
#include "res/string_table.h"
#include "tool_fixture.h"
#include "tools/colour_controls.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::ToolTest;

TEST_F(ToolTest, TypingBeyondAByteIsClampedAndMovesTheTrackbar) {
    host.editTexts[kRedEdit] = "300";
    OnEditChanged(panel, MixerChannel::Red);
    EXPECT_EQ(host.editTexts[kRedEdit], "255");
    EXPECT_EQ(host.trackbarPositions[kRedTrackbar], 255);
    EXPECT_EQ(panel.Colours().primaryColour, RGB(255, 0, 0));

    // Longer than an int holds, pasted: still a number, still 255.
    host.editTexts[kGreenEdit] = "99999999999999999999";
    OnEditChanged(panel, MixerChannel::Green);
    EXPECT_EQ(host.editTexts[kGreenEdit], "255");
    host.editTexts[kBlueEdit] = "-7";
    OnEditChanged(panel, MixerChannel::Blue);
    EXPECT_EQ(host.editTexts[kBlueEdit], "0");
}

TEST_F(ToolTest, AnEmptiedEditSaysSoAndGetsItsPreviousNumberBack) {
    host.editTexts[kGreenEdit] = "40";
    OnEditChanged(panel, MixerChannel::Green);
    host.ClearRecords();
    host.editTexts[kGreenEdit] = "";
    OnEditChanged(panel, MixerChannel::Green);
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kEnterIntegerText)});
    EXPECT_EQ(host.editTexts[kGreenEdit], "40");
}

TEST_F(ToolTest, AfterARightPressTheMixerWritesColourTwo) {
    tools.OnRButtonDown(PointerEvent{Point{300, 20}, false, true}); // anywhere on the panel
    host.trackbarPositions = {{kRedTrackbar, 1}, {kGreenTrackbar, 2}, {kBlueTrackbar, 3}};
    OnTrackbarMoved(panel);
    EXPECT_EQ(panel.Colours().secondaryColour, RGB(1, 2, 3));
    EXPECT_EQ(panel.Colours().primaryColour, kBlack);
    EXPECT_EQ(host.editTexts[kBlueEdit], "3") << "the edits follow the trackbars";
    EXPECT_EQ(host.invalidations.back(),
              (testing::FakeHost::Invalidation{PanelGeometry::kColourWells, false}));

    // A left press: the mixer shows colour 1 again, and one moved trackbar changes only its
    // own channel of it.
    tools.OnLButtonDown(PointerEvent{Point{300, 20}, true});
    EXPECT_EQ(host.trackbarPositions[kGreenTrackbar], 0);
    host.trackbarPositions[kRedTrackbar] = 9;
    OnTrackbarMoved(panel);
    EXPECT_EQ(panel.Colours().primaryColour, RGB(9, 0, 0));
    EXPECT_EQ(panel.Colours().secondaryColour, RGB(1, 2, 3));
}

} // namespace
} // namespace pattik
