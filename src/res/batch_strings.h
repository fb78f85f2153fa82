#pragma once

#include <string_view>

// The texts of the batch command (pattik-item): Korean first, as everywhere in the program,
// then English for the build scripts' logs and the artists who read it. UTF-8, kept beside
// the other strings so a wording is changed once.
namespace pattik {

inline constexpr std::string_view kBatchCommandName = "pattik-item";

// Reading a PNG picture: the file's path, then one of these.
inline constexpr std::string_view kPngNoSuchFileText = "파일이 없습니다. (no such file)";
inline constexpr std::string_view kPngCannotReadText =
    "파일을 읽을 수 없습니다. (cannot read the file)";
inline constexpr std::string_view kPngNotARegularFileText =
    "일반 파일이 아닙니다. (not a regular file)";
inline constexpr std::string_view kPngTooLargeText =
    "아이템의 그림이라기에는 파일이 너무 큽니다. (the file is too large for an item's picture)";
inline constexpr std::string_view kNotPngText = "PNG 파일이 아닙니다. (not a PNG file)";
// libpng's own words follow in the parentheses.
inline constexpr std::string_view kDamagedPngText =
    "파일이 잘렸거나 손상되었습니다. (damaged PNG: ";
// After "그림 크기가 80 x 80입니다. 이 그림은 75 x 125 크기여야 합니다.":
// " (the picture is 80 x 80; it must be 75 x 125)".
inline constexpr std::string_view kWrongSizeEnglishPrefix = " (the picture is ";
inline constexpr std::string_view kWrongSizeEnglishMiddle = "; it must be ";

// What the command says while it works.
inline constexpr std::string_view kWrittenText = "저장함 (written)";
// Why --check could not read an item, in English after the Korean line.
inline constexpr std::string_view kCannotOpenItemEnglish = "cannot open the item: ";
inline constexpr std::string_view kNoSuchFileEnglish = "no such file";
inline constexpr std::string_view kCannotReadEnglish = "cannot read the file";
inline constexpr std::string_view kNameTooLongEnglish = "the name is too long";
inline constexpr std::string_view kNotARegularFileEnglish = "not a regular file";
inline constexpr std::string_view kFileTooLargeEnglish =
    "the file is too large for an item's picture";
inline constexpr std::string_view kNotGifEnglish = "not a GIF file";
inline constexpr std::string_view kDamagedGifEnglish = "the file is cut short or damaged";
inline constexpr std::string_view kNoPictureInGifEnglish = "a GIF file with no picture";
inline constexpr std::string_view kNotOnePictureEnglish =
    "not an item's picture (several pictures, or one that does not fill the screen)";
inline constexpr std::string_view kWrongSizeEnglishStart = "the picture is ";
// "색 12/254 colours": the colours a picture's palette will hold, of those it can.
inline constexpr std::string_view kColoursText = "색";
inline constexpr std::string_view kColoursEnglish = "colours";
inline constexpr std::string_view kWillMergeText =
    "색이 너무 많아 비슷한 색으로 합쳐집니다 (too many colours: some will be merged)";
// A picture without black gives black's palette entry to one more colour.
inline constexpr std::string_view kBlackEntryFreeText =
    "검정이 없어 한 색이 검정 자리에 들어갑니다 (no black: one more colour takes its entry)";
inline constexpr std::string_view kWarningText = "경고 (warning): ";
inline constexpr std::string_view kDpNotUsedText =
    "이 상품의 DP 파일은 착용 그림으로 만들어지므로 --dp 그림은 쓰지 않습니다. (this "
    "category's DP file is made from the wear picture: the --dp picture is not used)";
inline constexpr std::string_view kNoDpPictureText =
    "--dp 그림이 없어 DP 파일에는 안내 그림만 들어갑니다. (no --dp picture: the DP file holds "
    "only the guide)";
inline constexpr std::string_view kNotWrittenText =
    "다음 파일을 저장하지 못했습니다. (not written)";

// Refused arguments, each followed by the --help hint.
inline constexpr std::string_view kUnknownOptionText = "알 수 없는 옵션입니다 (unknown option): ";
inline constexpr std::string_view kMissingValueText = "값이 없습니다 (missing value): ";
inline constexpr std::string_view kRepeatedOptionText =
    "옵션을 두 번 썼습니다 (option given twice): ";
inline constexpr std::string_view kUnknownGenderText = "알 수 없는 성별입니다 (unknown gender): ";
inline constexpr std::string_view kUnknownCategoryText =
    "알 수 없는 상품입니다 (unknown category): ";
inline constexpr std::string_view kMissingOptionText =
    "꼭 필요한 옵션이 없습니다 (required option missing): ";
inline constexpr std::string_view kCheckAloneText =
    "--check는 다른 옵션과 함께 쓸 수 없습니다 (--check takes no other options): ";
inline constexpr std::string_view kBadOutputNameText =
    "출력 파일 이름이 올바르지 않습니다 (not a file name to save under): ";
inline constexpr std::string_view kNothingToDoText =
    "할 일이 없습니다 (nothing to do): --wear 또는 --check";
inline constexpr std::string_view kHelpHintText =
    "도움말은 pattik-item --help (see pattik-item --help)";

// --help: this, then the categories one a line (short name, marks, the box's text), then
// the footer.
inline constexpr std::string_view kUsageText =
    "사용법 (usage):\n"
    "  pattik-item --gender 성별 --category 상품 --wear 착용.png [--dp 디피.png] -o 이름.gif\n"
    "  pattik-item --check 이름.gif | 이름DP.gif | 이름Rp.gif\n"
    "  pattik-item --help | --version\n"
    "\n"
    "PNG 그림으로 아이템의 GIF 파일을 편집기가 저장하는 것과 똑같이 만듭니다.\n"
    "Makes an item's GIF files from PNG pictures, byte for byte as the editor saves them.\n"
    "\n"
    "  --gender G           성별: 여자, 남자 (gender: female, male)\n"
    "  --category C         상품: 아래 표의 이름 (category: a name from the table below)\n"
    "  --wear FILE          착용 그림, 75 x 125 PNG (the wear picture)\n"
    "  --dp FILE            디피 그림, 75 x 83 PNG; *가 없는 상품만 씁니다\n"
    "                       (the DP picture; used only by categories without *)\n"
    "  -o, --output FILE    이름.gif, 이름DP.gif, +가 있는 상품은 이름Rp.gif를 씁니다\n"
    "                       (writes NAME.gif, NAMEDP.gif and, for categories with +, NAMERp.gif)\n"
    "  --check FILE         저장된 아이템을 읽고 그림마다 크기와 색 수를 보입니다\n"
    "                       (reads a saved item and reports each picture's size and colours)\n"
    "  -h, --help           이 도움말 (this help)\n"
    "  --version            버전 (version)\n"
    "\n"
    "값은 다음 인수나 = 뒤에 씁니다 (--gender=female). '-'로 시작하는 경로는 ./를 붙이십시오.\n"
    "A value follows its option or an '=' (--gender=female); write ./ before a path that starts\n"
    "with '-'. 이름과 상품은 대소문자를 가리지 않습니다 (names match in either case).\n"
    "\n"
    "알파가 128 미만인 화소와 마젠타 RGB(255, 0, 255) 화소는 빈 칸입니다.\n"
    "Pixels with alpha below 128, and magenta RGB(255, 0, 255) ones, are empty.\n"
    "저장할 그림마다 팔레트에는 투명색과 검정 말고 254색이 들어갑니다.\n"
    "Each saved picture's palette holds 254 colours besides the transparent one and black.\n"
    "\n";
inline constexpr std::string_view kCategoryTableHeading =
    "상품 (categories):  * DP는 착용 그림으로 만듦 (DP made from the wear picture)\n"
    "                    + 헤어 그림 있음 (has a hair picture)\n";
inline constexpr std::string_view kUsageFooterText =
    "\n"
    "종료 코드 (exit status): 0 완료 (done), 1 파일을 읽거나 쓰지 못함 (a file could not be\n"
    "read or written), 2 잘못된 인수 (the arguments were refused)\n";

} // namespace pattik
