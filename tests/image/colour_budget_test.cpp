// The colour budget agrees with the writer: a picture is said to merge colours exactly when
// saving it would.
#include "image/colour_budget.h"
#include "image/write_gif.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

// A 75 x 125 picture with `colours` distinct colours besides magenta, black where asked,
// the black pixel placed first, last or in the middle of the writer's scan.
DeviceBitmap Picture(int colours, bool black, int blackAt) {
    DeviceBitmap picture(75, 125);
    picture.Fill(kTransparentMagenta);
    for (int i = 0; i < colours; ++i) {
        picture.At(i % 75, i / 75 + 20) =
            RGB(static_cast<std::uint8_t>(i % 200 + 1), static_cast<std::uint8_t>(i / 200 + 1), 77);
    }
    if (black) {
        picture.At(blackAt % 75, blackAt / 75) = kBlack;
    }
    return picture;
}

bool WriterMerges(const DeviceBitmap& bitmap) {
    CxImage picture;
    EXPECT_TRUE(picture.LoadFromDeviceBitmap(&bitmap));
    CxImageGif gif;
    const SaveResult made = MakeGifPicture(picture, gif);
    EXPECT_TRUE(made.Succeeded());
    return made.mergedColours > 0;
}

TEST(ColourBudget, SaysItWillMergeExactlyWhenTheWriterDoes) {
    for (const int colours : {0, 1, 200, 253, 254, 255, 256, 300}) {
        for (const bool black : {false, true}) {
            for (const int blackAt : {0, 1499, 124 * 75 + 74}) {
                SCOPED_TRACE(std::to_string(colours) + " colours, black " + std::to_string(black) +
                             " at " + std::to_string(blackAt));
                const DeviceBitmap picture = Picture(colours, black, blackAt);
                const ColourCount count = CountColours(picture);
                EXPECT_EQ(count.colours, colours);
                EXPECT_EQ(count.hasBlack, black);
                EXPECT_EQ(count.WillMerge(), WriterMerges(picture));
            }
        }
    }
}

} // namespace
} // namespace pattik
