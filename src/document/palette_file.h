#pragma once

#include "panel/dialog_host.h"
#include "raster/colour.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pattik {

// Palette files for the palette's 16 swatches. A file is known by what it holds, never by
// its name: a GIMP palette, a JASC palette or a plain list of RRGGBB
// lines, each with Windows or Unix line ends and an optional UTF-8 byte order mark.

// What a palette file held: its colours in file order, or none and why, in Korean.
struct PaletteReadResult {
    std::vector<COLORREF> colours;
    std::string refusal; // empty when the file was read

    bool Succeeded() const { return refusal.empty(); }
};

// The largest file ReadPaletteFile reads.
inline constexpr std::size_t kLargestPaletteFile = 1 << 20;

// A JASC count is 1 to 256; its colours are read up to it. Anything else not in the three
// formats (a value over 255, a malformed line, no colour, binary bytes) is refused, as
// "팔레트 파일이 아닙니다." and, when one line is at fault, "3번째 줄을 읽을 수 없습니다.".
PaletteReadResult ReadPaletteText(std::string_view text);
// Also refuses a file that is missing, unreadable, not a regular file or over the limit,
// with the reason only: the caller names the file.
PaletteReadResult ReadPaletteFile(const std::string& path);

// Puts the colours into the swatches from the first on: with fewer than 16 the other
// swatches stay as they were, with more the first 16 are taken. Answers how many swatches
// were set.
int ApplyPalette(const std::vector<COLORREF>& colours, CustomColours& swatches);
// The status line after a palette of this many colours was applied.
std::string PaletteAppliedText(std::size_t colourCount);

enum class PaletteFormat { Gimp, Jasc, Hex };

// By the extension (.gpl, .pal, .hex, in any case); GIMP for any other name.
PaletteFormat PaletteFormatForPath(const std::string& path);
// The 16 swatches as a file of that format.
std::string PaletteText(PaletteFormat format, const CustomColours& swatches);
// Writes the file through SafeFileWriter, so a failure leaves an old file as it was. On
// failure errorNumber is the errno (never 0): SaveFailureText(SaveFailure::System, it)
// words it. On success it is 0.
bool WritePaletteFile(const std::string& path, PaletteFormat format, const CustomColours& swatches,
                      int& errorNumber);

} // namespace pattik
