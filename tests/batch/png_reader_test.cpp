// Reading the artist's PNG pictures: every way a PNG stores pixels gives the same picture, and
// what is not a picture of the right size is refused with the file named.
#include "batch/png_reader.h"
#include "catalogue/catalogue.h"
#include "res/batch_strings.h"
#include "support/batch/png_writer.h"
#include "support/raster/temporary_folder.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using batch::ReadPngPicture;
using testing::PngLayout;
using testing::Rgba;
using testing::RgbaPicture;

constexpr PngLayout kAllLayouts[] = {
    PngLayout::Palette8,   PngLayout::Palette4,    PngLayout::Gray8,          PngLayout::Gray16,
    PngLayout::GrayAlpha8, PngLayout::GrayAlpha16, PngLayout::Rgb8,           PngLayout::Rgb16,
    PngLayout::Rgba8,      PngLayout::Rgba16,      PngLayout::Rgba8Interlaced};
constexpr PngLayout kColourLayouts[] = {
    PngLayout::Palette8, PngLayout::Palette4, PngLayout::Rgb8,           PngLayout::Rgb16,
    PngLayout::Rgba8,    PngLayout::Rgba16,   PngLayout::Rgba8Interlaced};

// Few enough values for a 4-bit palette (with the alphas, 16 entries), spread without a
// period so a row or column read out of place shows. Alpha 127 is the faintest pixel left
// empty, 128 the faintest shown.
RgbaPicture Pattern(Size size, bool grey) {
    constexpr std::uint8_t kAlphas[] = {255, 255, 128, 127, 0};
    constexpr Rgba kColours[] = {{200, 30, 40, 0}, {30, 160, 60, 0}, {20, 60, 200, 0}};
    RgbaPicture picture{size.cx, size.cy, {}};
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const unsigned h = static_cast<unsigned>(x * 7919 + y * 104729) * 2654435761u >> 20;
            Rgba pixel{};
            if (grey) {
                const auto level = static_cast<std::uint8_t>(h % 3 * 120);
                pixel = Rgba{level, level, level, 0};
            } else {
                pixel = kColours[h % 3];
            }
            pixel.alpha = kAlphas[h / 3 % 5];
            picture.pixels.push_back(pixel);
        }
    }
    return picture;
}

DeviceBitmap Expected(const RgbaPicture& picture, bool keepsAlpha) {
    DeviceBitmap expected(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
            expected.At(x, y) =
                keepsAlpha && p.alpha < 128 ? kTransparentMagenta : RGB(p.red, p.green, p.blue);
        }
    }
    return expected;
}

::testing::AssertionResult ShowsPixels(const DeviceBitmap& actual, const DeviceBitmap& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return ::testing::AssertionFailure()
               << "size " << actual.Width() << " x " << actual.Height();
    }
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (actual.At(x, y) != expected.At(x, y)) {
                return ::testing::AssertionFailure()
                       << "at (" << x << ", " << y << "): " << std::hex << actual.At(x, y)
                       << ", expected " << expected.At(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

class PngReader : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return (temporary.Path() / name).string(); }

    void ExpectEveryLayoutReads(const RgbaPicture& picture, std::span<const PngLayout> layouts) {
        for (const PngLayout layout : layouts) {
            SCOPED_TRACE("layout " + std::to_string(static_cast<int>(layout)));
            ASSERT_TRUE(testing::WritePng(Path("p.png"), picture, layout));
            const batch::PngReadResult read = ReadPngPicture(Path("p.png"), kDpImageSize);
            ASSERT_TRUE(read.picture) << read.problem;
            EXPECT_TRUE(ShowsPixels(*read.picture, Expected(picture, testing::KeepsAlpha(layout))));
        }
    }

    testing::TemporaryFolder temporary;
};

TEST_F(PngReader, EveryColourTypeAndDepthReadsTheSameGreys) {
    ExpectEveryLayoutReads(Pattern(kDpImageSize, true), kAllLayouts);
}

TEST_F(PngReader, EveryColourLayoutReadsTheSameColours) {
    ExpectEveryLayoutReads(Pattern(kDpImageSize, false), kColourLayouts);
}

TEST_F(PngReader, WhatIsNotAPictureOfTheSizeIsRefusedNamingTheFile) {
    ASSERT_TRUE(
        testing::WritePng(Path("wear.png"), Pattern(kWearImageSize, false), PngLayout::Rgba8));
    ASSERT_TRUE(testing::WritePng(Path("dp.png"), Pattern(kDpImageSize, false), PngLayout::Rgba8));
    std::ifstream in(Path("dp.png"), std::ios::binary);
    const std::vector<char> good{std::istreambuf_iterator<char>(in), {}};
    const auto write = [&](const std::string& name, std::size_t bytes) {
        std::ofstream(Path(name), std::ios::binary)
            .write(good.data(), static_cast<std::streamsize>(bytes));
    };
    write("cut.png", good.size() / 2);
    write("no-end.png", good.size() - 12); // the pixels are all there, the last chunk is not
    write("signature.png", 8);
    std::ofstream(Path("text.png")) << "not a picture";
    fs::create_directory(Path("folder.png"));

    const struct {
        const char* name;
        std::string_view why;
    } cases[] = {
        {"wear.png",
         "그림 크기가 75 x 125입니다. 이 그림은 75 x 83 크기여야 합니다. (the picture is 75 x "
         "125; it must be 75 x 83)"},
        {"cut.png", kDamagedPngText},
        {"no-end.png", kDamagedPngText},
        {"signature.png", kDamagedPngText},
        {"text.png", kNotPngText},
        {"folder.png", kPngNotARegularFileText},
        {"absent.png", kPngNoSuchFileText},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.name);
        const batch::PngReadResult read = ReadPngPicture(Path(bad.name), kDpImageSize);
        EXPECT_FALSE(read.picture);
        EXPECT_EQ(read.problem.rfind(Path(bad.name) + ": " + std::string(bad.why), 0), 0u)
            << read.problem;
    }
}

// A tiny file that declares a text chunk of nearly 2 GB is refused without libpng
// allocating what it declares. The read runs in a child process, whose peak memory the
// parent reads afterwards.
TEST_F(PngReader, AHugeDeclaredChunkIsRefusedWithoutTakingItsSize) {
    ASSERT_TRUE(testing::WritePng(Path("dp.png"), Pattern(kDpImageSize, false), PngLayout::Rgba8));
    std::ifstream in(Path("dp.png"), std::ios::binary);
    const std::vector<char> good{std::istreambuf_iterator<char>(in), {}};
    constexpr std::size_t kAfterHeader = 8 + 25; // the signature, then IHDR with its CRC
    std::vector<char> bad(good.begin(), good.begin() + kAfterHeader);
    for (const char byte : {'\x7f', '\xff', '\xff', '\x00', 't', 'E', 'X', 't', 'a', '\0', 'b'}) {
        bad.push_back(byte);
    }
    std::ofstream(Path("bomb.png"), std::ios::binary)
        .write(bad.data(), static_cast<std::streamsize>(bad.size()));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool refused = !ReadPngPicture(Path("bomb.png"), kDpImageSize).picture;
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "refused";
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 512 * 1024) << "kilobytes at the child's peak";
}

} // namespace
} // namespace pattik
