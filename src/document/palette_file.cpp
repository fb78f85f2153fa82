#include "document/palette_file.h"

#include "image/safe_file_writer.h"
#include "res/string_table.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

namespace pattik {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kGimpHeader = "GIMP Palette";
constexpr std::string_view kJascHeader = "JASC-PAL";
constexpr std::string_view kJascVersion = "0100";
// A JASC palette holds the colours of an 8-bit picture; a larger count is not one.
constexpr unsigned kLargestJascCount = 256;

// Removes the spaces and tabs at the front of s; whether there were any.
bool SkipBlanks(std::string_view& s) {
    const std::size_t blanks = std::min(s.find_first_not_of(" \t"), s.size());
    s.remove_prefix(blanks);
    return blanks > 0;
}

// Without the blanks around it and the CR of a Windows line end.
std::string_view Trimmed(std::string_view s) {
    SkipBlanks(s);
    return s.substr(0, s.find_last_not_of(" \t\r") + 1);
}

// The text's lines, without their LFs.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A decimal number of at most `largest` taken from the front of s.
std::optional<unsigned> TakeNumber(std::string_view& s, unsigned largest) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc{} || value > largest) {
        return std::nullopt;
    }
    s.remove_prefix(static_cast<std::size_t>(end - s.data()));
    return value;
}

// "R G B", each 0..255, apart by spaces or tabs; in a GIMP file a blank and a name may follow.
std::optional<COLORREF> DecimalColour(std::string_view line, bool named) {
    unsigned rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::optional<unsigned> value = TakeNumber(line, 255);
        if (!value || (i < 2 && !SkipBlanks(line))) {
            return std::nullopt;
        }
        rgb[i] = *value;
    }
    if (!line.empty() && !(named && SkipBlanks(line))) {
        return std::nullopt;
    }
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16;
}

// "RRGGBB" or "#RRGGBB", in any case.
std::optional<COLORREF> HexColour(std::string_view line) {
    if (line.starts_with('#')) {
        line.remove_prefix(1);
    }
    COLORREF value = 0; // 0xRRGGBB, blue in the low byte
    const char* end = line.data() + line.size();
    if (line.size() != 6 || std::from_chars(line.data(), end, value, 16).ptr != end) {
        return std::nullopt;
    }
    return RGB(static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value));
}

PaletteReadResult Refused(std::string_view why) {
    return {{}, std::string(why)};
}

PaletteReadResult BadLine(std::size_t index) {
    return Refused(std::string(kNotAPaletteText) + " " + std::to_string(index + 1) +
                   std::string(kUnreadableLineSuffix));
}

// The colours of the lines from `first` on, at most `most` of them; blank lines, and a GIMP
// file's comments and header lines, are passed over.
PaletteReadResult ReadColours(const std::vector<std::string_view>& lines, PaletteFormat format,
                              std::size_t first, std::size_t most) {
    std::vector<COLORREF> colours;
    for (std::size_t i = first; i < lines.size() && colours.size() < most; ++i) {
        const std::string_view line = Trimmed(lines[i]);
        if (line.empty() ||
            (format == PaletteFormat::Gimp && (line.starts_with('#') || line.starts_with("Name:") ||
                                               line.starts_with("Columns:")))) {
            continue;
        }
        const std::optional<COLORREF> colour =
            format == PaletteFormat::Hex ? HexColour(line)
                                         : DecimalColour(line, format == PaletteFormat::Gimp);
        if (!colour) {
            return BadLine(i);
        }
        colours.push_back(*colour);
    }
    if (colours.empty()) {
        return Refused(kPaletteWithoutColoursText);
    }
    return {std::move(colours), {}};
}

} // namespace

PaletteReadResult ReadPaletteText(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    // Binary data: control bytes other than the tab and the line ends.
    const bool binary = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 || byte == 0x7F) && c != '\t' && c != '\n' && c != '\r';
    });
    if (binary || text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return Refused(kNotAPaletteText);
    }
    const std::vector<std::string_view> lines = Lines(text);
    const std::string_view first = Trimmed(lines.front());
    constexpr std::size_t kAll = SIZE_MAX;
    if (first == kGimpHeader) {
        return ReadColours(lines, PaletteFormat::Gimp, 1, kAll);
    }
    if (first != kJascHeader) {
        return ReadColours(lines, PaletteFormat::Hex, 0, kAll);
    }
    // The version, the count, then as many colours as the file has up to the count.
    if (lines.size() < 2 || Trimmed(lines[1]) != kJascVersion) {
        return BadLine(1);
    }
    std::string_view countText = lines.size() > 2 ? Trimmed(lines[2]) : std::string_view{};
    const std::optional<unsigned> count = TakeNumber(countText, kLargestJascCount);
    if (!count || *count == 0 || !countText.empty()) {
        return BadLine(2);
    }
    return ReadColours(lines, PaletteFormat::Jasc, 3, *count);
}

PaletteReadResult ReadPaletteFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (type == fs::file_type::not_found) {
        return Refused(kNoSuchFileText);
    }
    if (type == fs::file_type::directory) {
        return Refused(kIsAFolderText);
    }
    if (type != fs::file_type::regular) {
        return Refused(error ? kCannotReadText : kNotARegularFileText);
    }
    std::ifstream in(path, std::ios::binary);
    // One byte more than the limit tells a file over it, however its size changes meanwhile.
    std::string text(kLargestPaletteFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in.is_open() || in.bad()) {
        return Refused(kCannotReadText);
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kLargestPaletteFile) {
        return Refused(kPaletteTooLargeText);
    }
    return ReadPaletteText(text);
}

int ApplyPalette(const std::vector<COLORREF>& colours, CustomColours& swatches) {
    const std::size_t count = std::min(colours.size(), swatches.size());
    std::copy_n(colours.begin(), count, swatches.begin());
    return static_cast<int>(count);
}

std::string PaletteAppliedText(std::size_t colourCount) {
    const std::size_t swatches = std::tuple_size_v<CustomColours>;
    if (colourCount <= swatches) {
        return std::string(kPaletteTakenPrefix) + std::to_string(colourCount) +
               std::string(kPaletteTakenSuffix);
    }
    return std::string(kPaletteFirstOfPrefix) + std::to_string(colourCount) +
           std::string(kPaletteFirstOfMiddle) + std::to_string(swatches) +
           std::string(kPaletteTakenSuffix);
}

PaletteFormat PaletteFormatForPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension == ".pal"   ? PaletteFormat::Jasc
           : extension == ".hex" ? PaletteFormat::Hex
                                 : PaletteFormat::Gimp;
}

std::string PaletteText(PaletteFormat format, const CustomColours& swatches) {
    const std::string count = std::to_string(swatches.size());
    std::string text;
    if (format == PaletteFormat::Gimp) {
        text = "GIMP Palette\nName: Pattik\nColumns: " + count + "\n#\n";
    } else if (format == PaletteFormat::Jasc) {
        text = "JASC-PAL\r\n0100\r\n" + count + "\r\n";
    }
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const int r = GetRValue(swatches[i]), g = GetGValue(swatches[i]),
                  b = GetBValue(swatches[i]);
        char line[64];
        if (format == PaletteFormat::Gimp) {
            std::snprintf(line, sizeof line, "%3d %3d %3d\tSwatch %zu\n", r, g, b, i + 1);
        } else if (format == PaletteFormat::Jasc) {
            std::snprintf(line, sizeof line, "%d %d %d\r\n", r, g, b);
        } else {
            std::snprintf(line, sizeof line, "%02x%02x%02x\n", r, g, b);
        }
        text += line;
    }
    return text;
}

bool WritePaletteFile(const std::string& path, PaletteFormat format, const CustomColours& swatches,
                      int& errorNumber) {
    const std::string text = PaletteText(format, swatches);
    SafeFileWriter file(path);
    // A short write leaves the stream's error set, which Commit reports with its errno.
    if (file.Open()) {
        std::fwrite(text.data(), 1, text.size(), file.Handle());
        if (file.Commit()) {
            errorNumber = 0;
            return true;
        }
    }
    errorNumber = file.ErrorNumber() != 0 ? file.ErrorNumber() : EINVAL;
    return false;
}

} // namespace pattik
