// The quick nearest-colour search must pick the very entry a scan of every entry would, or a
// saved picture's merged pixels would change colour from one version to the next.
#include "image/cximage_gif.h"
#include "image/nearest_colour_search.h"
#include "image/write_gif.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pattik {
namespace {

int SquaredDistance(RGBQUAD a, RGBQUAD b) {
    const int blue = a.rgbBlue - b.rgbBlue;
    const int green = a.rgbGreen - b.rgbGreen;
    const int red = a.rgbRed - b.rgbRed;
    return blue * blue + green * green + red * red;
}

// The obvious search: every entry in turn, a later one only when strictly nearer.
std::uint8_t ScanEveryEntry(const std::vector<RGBQUAD>& palette, RGBQUAD colour) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        if (SquaredDistance(palette[i], colour) < SquaredDistance(palette[best], colour)) {
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

RGBQUAD Between(RGBQUAD a, RGBQUAD b) {
    return RGBQUAD{static_cast<std::uint8_t>((a.rgbBlue + b.rgbBlue) / 2),
                   static_cast<std::uint8_t>((a.rgbGreen + b.rgbGreen) / 2),
                   static_cast<std::uint8_t>((a.rgbRed + b.rgbRed) / 2), 0};
}

// Palettes of every size, spread over the cube, crowded into a corner or a line, laid out on
// a coarse grid (where many colours are equally far from two or four entries), holding the
// same few colours many times, or as a saved picture's: magenta first and black last, far
// from the picture's own colours; the reserved byte is noise the search must not hear.
std::vector<RGBQUAD> RandomPalette(std::mt19937& random, int kind) {
    std::uniform_int_distribution<int> size(1, 256);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<RGBQUAD> palette(static_cast<std::size_t>(kind < 12 ? 256 : size(random)));
    std::vector<RGBQUAD> few(4);
    for (RGBQUAD& colour : few) {
        colour = RGBQUAD{static_cast<std::uint8_t>(byte(random)),
                         static_cast<std::uint8_t>(byte(random)),
                         static_cast<std::uint8_t>(byte(random)), 0};
    }
    for (RGBQUAD& colour : palette) {
        const auto value = [&](int limit, int step) {
            return static_cast<std::uint8_t>(byte(random) % limit / step * step);
        };
        switch (kind % 6) {
        case 0:
            colour = RGBQUAD{value(256, 1), value(256, 1), value(256, 1), 0};
            break;
        case 1:
            colour = RGBQUAD{value(24, 1), value(24, 1), value(24, 1), 0};
            break;
        case 2:
            colour = RGBQUAD{80, value(256, 1), value(8, 1), 0};
            break;
        case 3:
            colour = RGBQUAD{value(256, 64), value(256, 32), value(256, 64), 0};
            break;
        case 4:
            colour = few[static_cast<std::size_t>(byte(random)) % few.size()];
            break;
        default:
            colour = RGBQUAD{value(40, 1), static_cast<std::uint8_t>(100 + value(60, 4)),
                             static_cast<std::uint8_t>(150 + value(100, 1)), 0};
            break;
        }
        colour.rgbReserved = static_cast<std::uint8_t>(byte(random));
    }
    if (kind % 6 == 5) {
        palette.front() = RGBQUAD{255, 0, 255, 0};
        palette.back() = RGBQUAD{0, 0, 0, 0};
    }
    return palette;
}

TEST(NearestColourSearch, PicksTheEntryAScanOfEveryEntryPicks) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 400; ++round) {
        const std::vector<RGBQUAD> palette = RandomPalette(random, round);
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(palette.size()) +
                     " entries");
        const NearestColourSearch search(palette.data(),
                                         static_cast<std::uint32_t>(palette.size()));
        std::uniform_int_distribution<std::size_t> entry(0, palette.size() - 1);
        for (int i = 0; i < 300; ++i) {
            RGBQUAD colour{static_cast<std::uint8_t>(byte(random)),
                           static_cast<std::uint8_t>(byte(random)),
                           static_cast<std::uint8_t>(byte(random)), 0};
            if (i % 3 == 1) {
                colour = palette[entry(random)]; // an exact match, perhaps of a repeated entry
            } else if (i % 3 == 2) {
                colour = Between(palette[entry(random)], palette[entry(random)]);
            }
            ASSERT_EQ(search.Find(colour), ScanEveryEntry(palette, colour))
                << int{colour.rgbRed} << "," << int{colour.rgbGreen} << "," << int{colour.rgbBlue};
        }
    }
}

TEST(NearestColourSearch, EqualDistancesAndRepeatedEntriesGoToTheLowestIndex) {
    std::vector<RGBQUAD> palette(256, RGBQUAD{255, 0, 255, 0});
    palette[9] = RGBQUAD{0, 0, 100, 0};
    palette[200] = RGBQUAD{100, 0, 0, 0};
    palette[3] = palette[201] = RGBQUAD{0, 100, 0, 0};
    palette[255] = RGBQUAD{0, 0, 0, 0};
    const NearestColourSearch search(palette.data(), 256);
    EXPECT_EQ(search.Find(RGBQUAD{50, 0, 50, 0}), 9) << "as far from 9 as from 200 and 255";
    EXPECT_EQ(search.Find(RGBQUAD{0, 100, 0, 0}), 3) << "the same colour at 3 and 201";
    EXPECT_EQ(search.Find(RGBQUAD{255, 0, 255, 7}), 0) << "magenta fills 0 to 254";
    EXPECT_EQ(search.Find(RGBQUAD{0, 0, 0, 0}), 255);

    // Only the entries it is given: the palette cut short, or none at all.
    EXPECT_EQ(NearestColourSearch(palette.data(), 200).Find(RGBQUAD{100, 0, 0, 0}), 3)
        << "200 is not searched; 3 and 9 are equally far";
    EXPECT_EQ(NearestColourSearch(palette.data(), 0).Find(RGBQUAD{100, 0, 0, 0}), 0);
}

// Through the writer: once the palette is full, every pixel of a colour it lacks is drawn
// with the entry a scan of the saved palette finds nearest.
TEST(NearestColourSearch, MergedPixelsOfASavedPictureTakeTheNearestEntry) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(0, 15);
    DeviceBitmap bitmap(75, 125);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.At(x, y) = RGB(static_cast<std::uint8_t>(step(random) * 16),
                                  static_cast<std::uint8_t>(step(random) * 16),
                                  static_cast<std::uint8_t>(step(random) * 8));
        }
    }
    CxImageGif picture;
    ASSERT_TRUE(picture.LoadFromDeviceBitmap(&bitmap));
    CxImageGif gif;
    const SaveResult made = MakeGifPicture(picture, gif);
    ASSERT_TRUE(made.Succeeded());
    EXPECT_GT(made.mergedColours, 3000);

    const std::vector<RGBQUAD> palette(gif.GetPalette(), gif.GetPalette() + 256);
    int merged = 0;
    for (int y = 0; y < gif.GetHeight(); ++y) {
        for (int x = 0; x < gif.GetWidth(); ++x) {
            const RGBQUAD colour = picture.GetPixelColor(x, y);
            const std::uint8_t index = gif.GetPixelIndex(x, y);
            if (SquaredDistance(palette[index], colour) != 0) {
                ++merged;
                ASSERT_EQ(index, ScanEveryEntry(palette, colour)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(merged, 5000);
}

} // namespace
} // namespace pattik
