// Palette files: the swatches saved in three formats and loaded from any of them.
#include "document/palette_file.h"
#include "support/raster/file_size_limit.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace pattik {
namespace {

using Colours = std::vector<COLORREF>;

CustomColours SomeSwatches() {
    CustomColours swatches{};
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const auto step = static_cast<std::uint8_t>(i * 17);
        swatches[i] =
            RGB(step, static_cast<std::uint8_t>(255 - step), static_cast<std::uint8_t>(i));
    }
    swatches[0] = RGB(255, 0, 16);
    return swatches;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The file's colours after the refusals have been ruled out.
Colours ColoursOf(std::string_view text) {
    const PaletteReadResult result = ReadPaletteText(text);
    EXPECT_TRUE(result.Succeeded()) << result.refusal;
    return result.colours;
}

TEST(PaletteFileWriting, EachFormatReadsBackAsTheSwatches) {
    const testing::TemporaryFolder folder;
    const CustomColours swatches = SomeSwatches();
    for (const char* name : {"swatches.gpl", "swatches.PAL", "swatches.hex", "swatches.txt"}) {
        const std::string path = (folder.Path() / name).string();
        int errorNumber = -1;
        ASSERT_TRUE(WritePaletteFile(path, PaletteFormatForPath(path), swatches, errorNumber));
        EXPECT_EQ(errorNumber, 0);
        const PaletteReadResult read = ReadPaletteFile(path);
        EXPECT_EQ(read.colours, Colours(swatches.begin(), swatches.end())) << name;
    }
}

TEST(PaletteFileWriting, EachFormatIsWrittenAsOtherProgramsWriteIt) {
    const CustomColours swatches = SomeSwatches();
    const std::string gimp = PaletteText(PaletteFormat::Gimp, swatches);
    const std::string gimpStart =
        "GIMP Palette\nName: Pattik\nColumns: 16\n#\n255   0  16\tSwatch 1\n";
    EXPECT_EQ(gimp.substr(0, gimpStart.size()), gimpStart);
    EXPECT_NE(gimp.find("\n 17 238   1\tSwatch 2\n"), std::string::npos);
    const std::string jasc = PaletteText(PaletteFormat::Jasc, swatches);
    const std::string jascStart = "JASC-PAL\r\n0100\r\n16\r\n255 0 16\r\n17 238 1\r\n";
    EXPECT_EQ(jasc.substr(0, jascStart.size()), jascStart);
    EXPECT_EQ(std::count(jasc.begin(), jasc.end(), '\n'), 19) << "CR LF after every line";
    EXPECT_EQ(std::count(jasc.begin(), jasc.end(), '\r'), 19);
    const std::string hex = PaletteText(PaletteFormat::Hex, swatches);
    EXPECT_EQ(hex.substr(0, 14), "ff0010\n11ee01\n");
    EXPECT_EQ(hex.size(), 16u * 7);
}

TEST(PaletteFileWriting, TheFormatFollowsTheExtensionInAnyCase) {
    EXPECT_EQ(PaletteFormatForPath("/a/b.gpl"), PaletteFormat::Gimp);
    EXPECT_EQ(PaletteFormatForPath("/a/b.Pal"), PaletteFormat::Jasc);
    EXPECT_EQ(PaletteFormatForPath("/a/b.HEX"), PaletteFormat::Hex);
    EXPECT_EQ(PaletteFormatForPath("/a/b.txt"), PaletteFormat::Gimp);
    EXPECT_EQ(PaletteFormatForPath("/a.hex/b"), PaletteFormat::Gimp) << "a folder's extension";
}

TEST(PaletteFileWriting, AFailedWriteLeavesTheOldFileAsItWas) {
    const testing::TemporaryFolder folder;
    const std::filesystem::path path = folder.Path() / "old.gpl";
    WriteBytes(path, "old palette");
    int errorNumber = 0;
    {
        const testing::FileSizeLimit limit(20); // as on a full disk
        EXPECT_FALSE(
            WritePaletteFile(path.string(), PaletteFormat::Gimp, SomeSwatches(), errorNumber));
    }
    EXPECT_EQ(errorNumber, EFBIG);
    EXPECT_EQ(ReadBytes(path), "old palette");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "nothing temporary left behind";
    EXPECT_FALSE(WritePaletteFile((folder.Path() / "gone" / "a.gpl").string(), PaletteFormat::Gimp,
                                  SomeSwatches(), errorNumber));
    EXPECT_EQ(errorNumber, ENOENT);
}

TEST(PaletteFileReading, SpacesAndTabsBothSeparateTheNumbers) {
    EXPECT_EQ(ColoursOf("GIMP Palette\nName: x\nColumns: 4\n# note\n"
                        "  1   2   3\tDark red\n4\t5\t\t6 named with spaces\n 7 \t8  9  \n"),
              (Colours{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)}));
    EXPECT_EQ(ColoursOf("JASC-PAL\n0100\n2\n10\t20\t30\n40  50 60\n"),
              (Colours{RGB(10, 20, 30), RGB(40, 50, 60)}));
}

TEST(PaletteFileReading, AHexListReadsWithOrWithoutTheHashInAnyCase) {
    EXPECT_EQ(
        ColoursOf("#FF0010\n\nabcdef\n#aBcDeF\n00ff00\n"),
        (Colours{RGB(255, 0, 16), RGB(0xAB, 0xCD, 0xEF), RGB(0xAB, 0xCD, 0xEF), RGB(0, 255, 0)}));
}

TEST(PaletteFileReading, WindowsLineEndsAndAByteOrderMarkAreRead) {
    const std::string bom = "\xEF\xBB\xBF";
    const Colours expected{RGB(1, 2, 3), RGB(255, 255, 255)};
    EXPECT_EQ(ColoursOf(bom + "GIMP Palette\r\n#\r\n1 2 3\tA\r\n255 255 255\r\n"), expected);
    EXPECT_EQ(ColoursOf(bom + "JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n255 255 255\r\n"), expected);
    EXPECT_EQ(ColoursOf(bom + "#010203\r\nFFFFFF\r\n"), expected);
}

TEST(PaletteFileReading, AJascFileGivesTheColoursItHasUpToItsCount) {
    EXPECT_EQ(ColoursOf("JASC-PAL\n0100\n16\n1 2 3\n4 5 6\n"),
              (Colours{RGB(1, 2, 3), RGB(4, 5, 6)}));
    EXPECT_EQ(ColoursOf("JASC-PAL\n0100\n1\n1 2 3\n4 5 6\n"), (Colours{RGB(1, 2, 3)}));
}

TEST(PaletteFileReading, TheContentNotTheNameTellsTheFormat) {
    const testing::TemporaryFolder folder;
    const std::filesystem::path path = folder.Path() / "looks-like-gimp.gpl";
    WriteBytes(path, "112233\n#445566\n");
    EXPECT_EQ(ReadPaletteFile(path.string()).colours,
              (Colours{RGB(0x11, 0x22, 0x33), RGB(0x44, 0x55, 0x66)}));
}

TEST(PaletteFileApplying, FewerThanSixteenColoursKeepTheOtherSwatches) {
    CustomColours swatches = SomeSwatches();
    const CustomColours before = swatches;
    const PaletteReadResult read = ReadPaletteText("GIMP Palette\n1 1 1\n2 2 2\n3 3 3\n");
    EXPECT_EQ(ApplyPalette(read.colours, swatches), 3);
    EXPECT_EQ(swatches[0], RGB(1, 1, 1));
    EXPECT_EQ(swatches[2], RGB(3, 3, 3));
    EXPECT_TRUE(std::equal(swatches.begin() + 3, swatches.end(), before.begin() + 3));
    EXPECT_EQ(PaletteAppliedText(read.colours.size()), "팔레트에서 색 3개를 가져왔습니다.");
    EXPECT_EQ(PaletteAppliedText(16), "팔레트에서 색 16개를 가져왔습니다.");
}

TEST(PaletteFileApplying, MoreThanSixteenColoursGiveTheFirstSixteenAndSaySo) {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        char line[8];
        std::snprintf(line, sizeof line, "%02x0000\n", i);
        text += line;
    }
    const PaletteReadResult read = ReadPaletteText(text);
    ASSERT_EQ(read.colours.size(), 40u) << "the result tells how many the file had";
    CustomColours swatches{};
    EXPECT_EQ(ApplyPalette(read.colours, swatches), 16);
    EXPECT_EQ(swatches[15], RGB(15, 0, 0));
    EXPECT_EQ(PaletteAppliedText(read.colours.size()),
              "팔레트의 색 40개 중 처음 16개를 가져왔습니다.");
}

// Refused files give no colours, a reason, and leave the swatches alone.
void ExpectRefused(std::string_view text, const std::string& reason) {
    const PaletteReadResult read = ReadPaletteText(text);
    EXPECT_FALSE(read.Succeeded());
    EXPECT_EQ(read.refusal, reason);
    CustomColours swatches = SomeSwatches();
    EXPECT_EQ(ApplyPalette(read.colours, swatches), 0);
    EXPECT_EQ(swatches, SomeSwatches());
}

TEST(PaletteFileRefusal, BinaryAndEmptyFilesAreNotPalettes) {
    ExpectRefused(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "팔레트 파일이 아닙니다.");
    std::mt19937 random(7);
    std::string bytes(512, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    ExpectRefused(bytes, "팔레트 파일이 아닙니다.");
    ExpectRefused("", "팔레트 파일이 아닙니다.");
    ExpectRefused("\xEF\xBB\xBF\r\n \n", "팔레트 파일이 아닙니다.");
    const testing::TemporaryFolder folder;
    WriteBytes(folder.Path() / "empty.gpl", "");
    EXPECT_EQ(ReadPaletteFile((folder.Path() / "empty.gpl").string()).refusal,
              "팔레트 파일이 아닙니다.");
}

TEST(PaletteFileRefusal, ALineThatCannotBeReadIsNamed) {
    ExpectRefused("GIMP Palette\n#\n1 2 300\tToo red\n",
                  "팔레트 파일이 아닙니다. 3번째 줄을 읽을 수 없습니다.");
    ExpectRefused("GIMP Palette\n1 2\n", "팔레트 파일이 아닙니다. 2번째 줄을 읽을 수 없습니다.");
    ExpectRefused("GIMP Palette\n1 2 3x\n", "팔레트 파일이 아닙니다. 2번째 줄을 읽을 수 없습니다.");
    ExpectRefused("GIMP Palette\n-1 2 3\n", "팔레트 파일이 아닙니다. 2번째 줄을 읽을 수 없습니다.");
    ExpectRefused("JASC-PAL\n0100\n1 2 3\n1 2 3 Name\n",
                  "팔레트 파일이 아닙니다. 3번째 줄을 읽을 수 없습니다.");
    ExpectRefused("JASC-PAL\n0100\n2\n1 2 3\n1 2 3 Name\n",
                  "팔레트 파일이 아닙니다. 5번째 줄을 읽을 수 없습니다.");
    ExpectRefused("JASC-PAL\n0200\n1\n1 2 3\n",
                  "팔레트 파일이 아닙니다. 2번째 줄을 읽을 수 없습니다.");
    ExpectRefused("ff0000\n\nred\n", "팔레트 파일이 아닙니다. 3번째 줄을 읽을 수 없습니다.");
    ExpectRefused("#ff00001\n", "팔레트 파일이 아닙니다. 1번째 줄을 읽을 수 없습니다.");
}

TEST(PaletteFileRefusal, AJascCountMustBeSane) {
    for (const char* count : {"", "abc", "0", "-3", "257", "99999999999999999999", "16 x"}) {
        ExpectRefused("JASC-PAL\n0100\n" + std::string(count) + "\n1 2 3\n",
                      "팔레트 파일이 아닙니다. 3번째 줄을 읽을 수 없습니다.");
    }
}

TEST(PaletteFileRefusal, APaletteWithoutColoursIsRefused) {
    ExpectRefused("GIMP Palette\nName: Empty\nColumns: 0\n#\n", "팔레트에 색이 하나도 없습니다.");
    ExpectRefused("JASC-PAL\r\n0100\r\n16\r\n", "팔레트에 색이 하나도 없습니다.");
}

TEST(PaletteFileRefusal, AFileThatCannotBeReadOrIsTooLargeIsRefused) {
    const testing::TemporaryFolder folder;
    EXPECT_EQ(ReadPaletteFile((folder.Path() / "missing.gpl").string()).refusal,
              "파일이 없습니다.");
    EXPECT_EQ(ReadPaletteFile(folder.Path().string()).refusal, "파일이 아니라 폴더입니다.");
    const std::filesystem::path large = folder.Path() / "large.hex";
    std::string lines;
    while (lines.size() <= kLargestPaletteFile) {
        lines += "abcdef\n";
    }
    WriteBytes(large, lines);
    const PaletteReadResult read = ReadPaletteFile(large.string());
    EXPECT_TRUE(read.colours.empty());
    EXPECT_EQ(read.refusal, "팔레트 파일이라기에는 파일이 너무 큽니다.");
    lines.resize(kLargestPaletteFile / 7 * 7);
    WriteBytes(large, lines);
    EXPECT_EQ(ReadPaletteFile(large.string()).colours.size(), kLargestPaletteFile / 7)
        << "a file just under the limit is read";
}

} // namespace
} // namespace pattik
