// Pictures drawn elsewhere, placed into the panel as the user would have drawn them.
#include "catalogue/catalogue.h"
#include "support/panel/panel_fixtures.h"

#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pattik {
namespace {

using testing::CreatedPanel;

constexpr COLORREF kInk = RGB(30, 120, 200);
constexpr COLORREF kOtherInk = RGB(220, 90, 10);

DeviceBitmap Picture(Size size, COLORREF ink) {
    DeviceBitmap picture(size.cx, size.cy);
    picture.Fill(kTransparentMagenta);
    for (int y = 0; y < size.cy; y += 3) {
        for (int x = y % 5; x < size.cx; x += 4) {
            picture.At(x, y) = (x + y) % 7 == 0 ? kBlack : ink;
        }
    }
    return picture;
}

class PlacePictures : public CreatedPanel {
  protected:
    void Choose(Gender gender, ItemCategory category) {
        panel.ChangeItem(static_cast<int>(gender), static_cast<int>(category));
    }
    const DeviceBitmap wear = Picture(kWearImageSize, kInk);
    const DeviceBitmap dp = Picture(kDpImageSize, kOtherInk);
};

TEST_F(PlacePictures, AnItemWithItsOwnDpTakesTheDpPictureAsDrawn) {
    Choose(Gender::Male, ItemCategory::Socks);
    // A DP picture drawn over its guide in the guide's own colours: opening a file would take
    // those pixels for the guide, but a drawing keeps every one.
    DeviceBitmap drawn = panel.ComposeOutputPictures().dp;
    const int guidePixels = static_cast<int>(
        std::count_if(&drawn.At(0, 0), &drawn.At(0, 0) + drawn.Width() * drawn.Height(),
                      [](COLORREF colour) { return colour != kTransparentMagenta; }));
    ASSERT_GT(guidePixels, 0);
    drawn.At(1, 1) = kOtherInk;
    ASSERT_TRUE(panel.PlaceDrawnPictures(wear, &drawn));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), wear));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Dp), drawn));

    // Without a DP picture the DP picture is empty, whatever was there before.
    ASSERT_TRUE(panel.PlaceDrawnPictures(wear, nullptr));
    DeviceBitmap empty(kDpImageSize.cx, kDpImageSize.cy);
    empty.Fill(kTransparentMagenta);
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Dp), empty));
}

TEST_F(PlacePictures, AnItemWhoseDpComesFromTheWearLeavesItsDpEmpty) {
    Choose(Gender::Female, ItemCategory::Top);
    ASSERT_TRUE(DpFileSourceFor(ItemCategory::Top, Gender::Female).fromWear);
    ASSERT_TRUE(panel.PlaceDrawnPictures(wear, &dp));
    DeviceBitmap empty(kDpImageSize.cx, kDpImageSize.cy);
    empty.Fill(kTransparentMagenta);
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Dp), empty));
}

TEST_F(PlacePictures, PicturesOfAnotherSizeChangeNothing) {
    Choose(Gender::Female, ItemCategory::Socks);
    ASSERT_TRUE(panel.PlaceDrawnPictures(wear, &dp));
    const DeviceBitmap other = Picture(Size{75, 124}, kOtherInk);
    const DeviceBitmap swappedDp = Picture(kWearImageSize, kInk);
    EXPECT_FALSE(panel.PlaceDrawnPictures(other, &dp));
    EXPECT_FALSE(panel.PlaceDrawnPictures(wear, &swappedDp));
    EXPECT_FALSE(panel.PlaceDrawnPictures(DeviceBitmap{}, nullptr));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), wear));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Dp), dp));
}

TEST_F(PlacePictures, UndoDoesNotBringBackWhatWasThereBefore) {
    Choose(Gender::Female, ItemCategory::Socks);
    panel.TakeUndoSnapshot();
    ASSERT_TRUE(panel.PlaceDrawnPictures(wear, nullptr));
    EXPECT_FALSE(panel.Undo());
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), wear));
}

} // namespace
} // namespace pattik
