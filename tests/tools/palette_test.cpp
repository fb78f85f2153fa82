// The tool palette's logic through its seam: buttons, option layouts, the magnifier's
// one-shot state and the swatches.
#include "res/control_ids.h"
#include "res/string_table.h"
#include "tool_fixture.h"
#include "tools/palette_layouts.h"
#include "tools/tool_table.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::ToolTest;

constexpr int kOption1 = 1022;
constexpr int kOption2 = 1026;
constexpr int kOption3 = 1027;
constexpr int kOption4 = 1028;

int ButtonOf(ToolKind tool) {
    return kFirstToolButton + static_cast<int>(tool);
}

class Palette : public ToolTest {
  protected:
    // The option buttons that are shown and enabled, and the one that is disabled (chosen).
    std::vector<int> Shown() {
        std::vector<int> shown;
        for (const int id : kOptionButtons) {
            if (host.paletteShown[id]) {
                shown.push_back(id);
            }
        }
        return shown;
    }
    std::vector<int> Disabled() {
        std::vector<int> disabled;
        for (const int id : kOptionButtons) {
            if (host.paletteShown[id] && !host.paletteEnabled[id]) {
                disabled.push_back(id);
            }
        }
        return disabled;
    }
};

TEST_F(Palette, CreationEndsOnThePencilWithAOnePixelLineAndOutlineShapes) {
    EXPECT_EQ(panel.Options().currentTool, ToolKind::Pencil);
    EXPECT_EQ(panel.Options().lineWidth, 1);
    EXPECT_EQ(panel.Options().fillStyle, kOutlineOnly);
    EXPECT_EQ(palette.CurrentLayout(), OptionSet::LineWidths);
    EXPECT_FALSE(host.paletteEnabled[ButtonOf(ToolKind::Pencil)]);
    EXPECT_TRUE(host.paletteEnabled[ButtonOf(ToolKind::Rectangle)]);
    EXPECT_EQ(Disabled(), std::vector<int>{kOption1});
    // Two columns of 30 x 30 buttons.
    EXPECT_EQ(host.palettePlaces[1001], (RECT{30, 0, 60, 30}));
    EXPECT_EQ(host.palettePlaces[1009], (RECT{30, 120, 60, 150}));
    EXPECT_EQ(host.paletteFaces[1004], (std::pair{139, 230}));
    EXPECT_EQ(host.palettePlaces[kOption4], (RECT{6, 205, 54, 220}));
    EXPECT_EQ(palette.SwatchColours()[11], RGB(0, 128, 255));
}

// Every tool with the options it shows, and what its options set.
TEST_F(Palette, EachToolShowsItsOptionsAndTheChosenOneIsDisabled) {
    palette.OnToolButton(ButtonOf(ToolKind::Rectangle));
    EXPECT_EQ(Shown(), (std::vector<int>{kOption1, kOption2, kOption3}));
    palette.OnOptionButton(kOption3);
    EXPECT_EQ(panel.Options().fillStyle, kFilledWithDrawingColour);
    EXPECT_EQ(Disabled(), std::vector<int>{kOption3});

    palette.OnToolButton(ButtonOf(ToolKind::Airbrush));
    palette.OnOptionButton(kOption2);
    EXPECT_EQ(panel.Options().spraySize, 10);
    EXPECT_EQ(Disabled(), std::vector<int>{kOption2});
    EXPECT_EQ(host.palettePlaces[kOption3], (RECT{5, 190, 54, 220}));

    palette.OnToolButton(ButtonOf(ToolKind::Eraser));
    palette.OnOptionButton(kOption4);
    EXPECT_EQ(panel.Options().eraserSize, 10);

    palette.OnToolButton(ButtonOf(ToolKind::Selection));
    EXPECT_EQ(Shown(), (std::vector<int>{kOption1, kOption2}));
    palette.OnOptionButton(kOption2);
    EXPECT_TRUE(panel.Options().opaqueSelection);
    EXPECT_EQ(host.paletteFaces[kOption2], (std::pair{157, 217}));

    palette.OnToolButton(ButtonOf(ToolKind::FloodFill));
    EXPECT_TRUE(Shown().empty());
    palette.OnToolButton(ButtonOf(ToolKind::ColourPicker));
    EXPECT_TRUE(Shown().empty());

    palette.OnToolButton(ButtonOf(ToolKind::Line));
    palette.OnOptionButton(kOption3);
    EXPECT_EQ(panel.Options().lineWidth, 5);
    palette.OnToolButton(ButtonOf(ToolKind::Ellipse));
    EXPECT_EQ(panel.Options().lineWidth, 5) << "shapes use the line's width";
    EXPECT_EQ(Disabled(), std::vector<int>{kOption3}) << "fill style -1 is still chosen";
}

struct PaletteCase {
    const char* name;
    ToolKind tool;
    OptionSet layout;
    int optionsShown;
    int upFace;
    const char* tooltip;
};

class PaletteTools : public Palette, public ::testing::WithParamInterface<PaletteCase> {};

// Each tool button chooses its tool, disables itself alone and shows its own options.
TEST_P(PaletteTools, AButtonChoosesItsToolAndShowsItsOptions) {
    const PaletteCase& row = GetParam();
    const int button = ButtonOf(row.tool);
    palette.OnToolButton(button);
    EXPECT_EQ(panel.Options().currentTool, row.tool);
    EXPECT_EQ(palette.CurrentLayout(), row.layout);
    EXPECT_EQ(static_cast<int>(Shown().size()), row.optionsShown);
    EXPECT_EQ(host.paletteFaces[button].first, row.upFace);
    EXPECT_EQ(host.paletteToolTips[button], row.tooltip);
    for (int other = kFirstToolButton; other <= kLastToolButton; ++other) {
        EXPECT_EQ(host.paletteEnabled[other], other != button) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TenTools, PaletteTools,
    ::testing::Values(
        PaletteCase{"Rectangle", ToolKind::Rectangle, OptionSet::FillStyles, 3, 141, "사각형"},
        PaletteCase{"Ellipse", ToolKind::Ellipse, OptionSet::FillStyles, 3, 142, "타원"},
        PaletteCase{"Line", ToolKind::Line, OptionSet::LineWidths, 4, 140, "직선"},
        PaletteCase{"FloodFill", ToolKind::FloodFill, OptionSet::None, 0, 145, "색 칠하기"},
        PaletteCase{"Pencil", ToolKind::Pencil, OptionSet::LineWidths, 4, 139, "연필"},
        PaletteCase{"ColourPicker", ToolKind::ColourPicker, OptionSet::None, 0, 146, "색 골라내기"},
        PaletteCase{"Airbrush", ToolKind::Airbrush, OptionSet::SpraySizes, 3, 143, "에어브러쉬"},
        PaletteCase{"Eraser", ToolKind::Eraser, OptionSet::EraserSizes, 4, 144, "지우개"},
        PaletteCase{"Selection", ToolKind::Selection, OptionSet::SelectionModes, 2, 147, "선택"},
        PaletteCase{"Magnifier", ToolKind::Magnifier, OptionSet::Zooms, 4, 138, "돋보기"}),
    [](const ::testing::TestParamInfo<PaletteCase>& row) { return std::string(row.param.name); });

TEST_F(Palette, TheMagnifierSetsTheZoomAndGoesBackToTheToolAndLayoutBefore) {
    palette.OnToolButton(ButtonOf(ToolKind::Eraser));
    palette.OnToolButton(ButtonOf(ToolKind::Magnifier));
    EXPECT_EQ(palette.CurrentLayout(), OptionSet::Zooms);
    EXPECT_EQ(palette.PreviousTool(), ToolKind::Eraser);
    palette.OnOptionButton(kOption4);
    EXPECT_EQ(panel.View().zoom, 10.0f);
    EXPECT_EQ(panel.Options().currentTool, ToolKind::Eraser);
    EXPECT_EQ(palette.CurrentLayout(), OptionSet::EraserSizes);
    EXPECT_FALSE(host.paletteEnabled[ButtonOf(ToolKind::Eraser)]);
    EXPECT_TRUE(host.paletteEnabled[ButtonOf(ToolKind::Magnifier)]);

    // Pressed twice, the magnifier remembers itself: its option returns to it.
    palette.OnToolButton(ButtonOf(ToolKind::Magnifier));
    palette.OnToolButton(ButtonOf(ToolKind::Magnifier));
    palette.OnOptionButton(kOption1);
    EXPECT_EQ(panel.Options().currentTool, ToolKind::Magnifier);
    EXPECT_EQ(palette.CurrentLayout(), OptionSet::Zooms);
    EXPECT_EQ(panel.View().zoom, 2.0f);
    EXPECT_EQ(Disabled(), std::vector<int>{kOption1});
}

TEST_F(Palette, SwatchClicksSetAColourAndTheMixerButNotTheButtonInUse) {
    const RECT white = CToolPalette::SwatchRect(1);
    EXPECT_EQ(white, (RECT{17, 256, 30, 269}));
    palette.OnLButtonDown(Point{white.left, white.top});
    EXPECT_EQ(panel.Colours().primaryColour, kWhite);
    EXPECT_EQ(host.editTexts[kGreenEdit], "255");
    palette.OnRButtonDown(Point{CToolPalette::SwatchRect(8).right - 1, 250});
    EXPECT_EQ(panel.Colours().secondaryColour, RGB(0, 0, 128));
    EXPECT_FALSE(panel.Colours().useSecondary);
    palette.OnLButtonDown(Point{31, 250}); // between the columns
    EXPECT_EQ(panel.Colours().primaryColour, kWhite);
}

TEST_F(Palette, ASwatchDoubleClickEditsTheSwatchesOnlyOnOk) {
    CustomColours edited = palette.SwatchColours();
    edited[0] = RGB(1, 2, 3);
    host.customColourEdits.push_back(edited);
    palette.OnLButtonDblClk(Point{20, 243});
    EXPECT_EQ(palette.SwatchColours()[0], kBlack) << "cancelled";

    host.customColourEdits.push_back(edited);
    host.colourAnswers.push_back(RGB(9, 9, 9));
    host.paletteRepaints = 0;
    palette.OnLButtonDblClk(Point{20, 243});
    EXPECT_EQ(palette.SwatchColours()[0], RGB(1, 2, 3));
    EXPECT_EQ(host.colourDialogInitials.back(), kBlack);
    EXPECT_EQ(host.paletteRepaints, 1);
}

TEST_F(Palette, SwatchesAreFramedGreyAndBlackAboveAndLeft) {
    DeviceBitmap bar(62, 392);
    bar.Fill(testing::kBarColour);
    DrawingContext dc(&bar);
    palette.Paint(dc);
    const RECT r = CToolPalette::SwatchRect(2); // grey 128
    EXPECT_EQ(bar.At(r.left - 2, r.top - 2), RGB(168, 168, 168));
    EXPECT_EQ(bar.At(r.left - 1, r.top - 1), kBlack);
    EXPECT_EQ(bar.At(r.left, r.top), RGB(128, 128, 128));
    EXPECT_EQ(bar.At(r.right - 1, r.bottom - 1), RGB(128, 128, 128));
    EXPECT_EQ(bar.At(r.right, r.top), testing::kBarColour);
}

TEST_F(ToolTest, AWellDoubleClickSetsItsColourOnOkOnlyAndColourOneOwnsTheOverlap) {
    host.colourAnswers.push_back(RGB(10, 20, 30));
    tools.OnLButtonDblClk(PointerEvent{Point{30, 310}});
    EXPECT_EQ(panel.Colours().primaryColour, RGB(10, 20, 30));
    EXPECT_EQ(host.colourDialogInitials, std::vector<COLORREF>{kBlack});
    EXPECT_EQ(panel.Controls().editR, 10) << "the mixer shows the colour it writes";
    EXPECT_EQ(host.editTexts[kBlueEdit], "30");

    tools.OnLButtonDblClk(PointerEvent{Point{45, 325}});
    EXPECT_EQ(panel.Colours().secondaryColour, kWhite) << "cancelled";
    tools.OnLButtonDblClk(PointerEvent{Point{80, 80}});
    EXPECT_EQ(host.colourDialogInitials.size(), 2u) << "elsewhere no dialog opens";
}

} // namespace
} // namespace pattik
