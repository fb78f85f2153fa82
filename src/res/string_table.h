#pragma once

#include <string_view>

// The program's Korean texts, UTF-8, kept in one place so a wording is changed once.
namespace pattik {

inline constexpr std::string_view kApplicationName = "Pattik";

// Gender box entries, in list order.
inline constexpr std::string_view kFemaleBoxText = "여자";
inline constexpr std::string_view kMaleBoxText = "남자";

// Category box entries, in list order.
inline constexpr std::string_view kRearBackdropBoxText = "아바타 뒷배경";
inline constexpr std::string_view kFrontBackdropBoxText = "아바타 앞배경";
inline constexpr std::string_view kShoesBoxText = "신발";
inline constexpr std::string_view kBottomsBoxText = "하의";
inline constexpr std::string_view kSocksBoxText = "양말";
inline constexpr std::string_view kTopBoxText = "상의";
inline constexpr std::string_view kSetOutfitBoxText = "셋트복(상+하의)";
inline constexpr std::string_view kTotalCoordinationBoxText = "토탈코디";
inline constexpr std::string_view kNeckDecorationBoxText = "목주변 장식";
inline constexpr std::string_view kRightHandAccessoryBoxText = "오른손 액세서리";
// "액세사리" (not "액세서리") is how this entry has always read in the box.
inline constexpr std::string_view kLeftOrBothHandAccessoryBoxText = "왼손, 양손 액세사리";
inline constexpr std::string_view kHatAndFaceDecorationBoxText = "모자 및 얼굴 장식";
inline constexpr std::string_view kGlassesAndEarringsBoxText = "안경, 귀걸이";
inline constexpr std::string_view kHairBoxText = "헤어";

// Labels of the item bar.
inline constexpr std::string_view kGenderLabelText = "성별";
inline constexpr std::string_view kCategoryLabelText = "상품선택";

// The item bar refuses a new choice while there is unsaved work.
inline constexpr std::string_view kItemChangeRefusedText =
    "작업중 성별 및 상품을 변경할 수 없습니다.";

// A canvas press before the item is chosen.
inline constexpr std::string_view kChooseGenderAndItemText =
    "성별과 상품을 선택하셔야 아바타 그리기가 가능합니다.";
inline constexpr std::string_view kChooseItemText = "상품을 선택하셔야 아바타 그리기가 가능합니다.";
// A press on the canvas of the Hair view, which shows what the wear picture makes.
inline constexpr std::string_view kHairViewIsMadeText =
    "헤어 그림은 착용 그림의 머리 부분으로 만들어집니다. 착용 화면에서 그려 주세요.";

// A press in the DP view of an item whose DP file is made from the wear image.
inline constexpr std::string_view kBackdropDpWarning = "배경은 DP수정을 할 수 없습니다.";
inline constexpr std::string_view kBottomsDpWarning = "하의는 DP수정을 할 수 없습니다.";
inline constexpr std::string_view kTopDpWarning = "상의는 DP수정을 할 수 없습니다.";
inline constexpr std::string_view kSetOutfitDpWarning = "셋트복은 DP수정을 할 수 없습니다.";
inline constexpr std::string_view kTotalCoordinationDpWarning = "테마복은 DP수정을 할 수 없습니다.";

// An RGB edit that holds no number when the panel reads its controls.
inline constexpr std::string_view kEnterIntegerText = "정수를 입력하십시오.";

// The save-changes question: the prefix, the document's title, the suffix.
inline constexpr std::string_view kSaveChangesPrefix = "변경 내용을 ";
inline constexpr std::string_view kSaveChangesSuffix = "에 저장할까요?";

// A save that could not write every file: this line, then one line per file with why.
inline constexpr std::string_view kSaveFailedText = "다음 파일을 저장하지 못했습니다.";
inline constexpr std::string_view kNoSuchFolderText = "폴더가 없습니다.";
inline constexpr std::string_view kNoPermissionText = "쓰기 권한이 없습니다.";
inline constexpr std::string_view kReadOnlyText = "읽기 전용 위치입니다.";
inline constexpr std::string_view kDiskFullText = "디스크 공간이 부족합니다.";
inline constexpr std::string_view kNotAFileText = "파일을 쓸 수 있는 곳이 아닙니다.";
inline constexpr std::string_view kInvalidFileNameText = "파일 이름이 올바르지 않습니다.";
inline constexpr std::string_view kNameTooLongText = "파일 이름이 너무 깁니다.";
inline constexpr std::string_view kPictureNotWritableText = "그림을 GIF 파일로 만들 수 없습니다.";
inline constexpr std::string_view kOutOfMemoryText = "메모리가 부족합니다.";
inline constexpr std::string_view kCannotWriteText = "파일을 쓸 수 없습니다.";
inline constexpr std::string_view kReadBackDiffersText =
    "저장한 파일을 다시 읽어 보니 그린 그림과 다릅니다.";

// A path the program was started with that cannot name the document: this line, then the
// path and why.
inline constexpr std::string_view kCannotOpenDocumentText = "문서를 열 수 없습니다.";
inline constexpr std::string_view kNameNotTextText = "파일 이름에 읽을 수 없는 글자가 있습니다.";
inline constexpr std::string_view kIsAFolderText = "파일이 아니라 폴더입니다.";
inline constexpr std::string_view kNotARegularFileText = "일반 파일이 아닙니다.";
inline constexpr std::string_view kCannotReadText = "파일을 읽을 수 없습니다.";

// Offered at start: this line, then when and what ("2026-12-08 14:03  셔츠.gif").
inline constexpr std::string_view kRecoverQuestionText = "저장하지 않은 그림을 복구할까요?";
// A record that cannot be read: this line; the record is set aside.
inline constexpr std::string_view kRecoveryDamagedText =
    "저장하지 않은 그림의 복구 기록이 손상되어 읽을 수 없습니다. 기록은 따로 보관해 둡니다.";
// An entry of the recent list whose files are gone: this line, then the entry.
inline constexpr std::string_view kRecentItemGoneText =
    "아이템 파일을 찾을 수 없어 최근 파일 목록에서 뺍니다.";
// Opening a saved item: this line, then the file and why.
inline constexpr std::string_view kCannotOpenItemText = "아이템을 열 수 없습니다.";
inline constexpr std::string_view kNoSuchFileText = "파일이 없습니다.";
inline constexpr std::string_view kFileTooLargeText = "아이템의 그림이라기에는 파일이 너무 큽니다.";
inline constexpr std::string_view kNotGifText = "GIF 파일이 아닙니다.";
inline constexpr std::string_view kDamagedGifText = "파일이 잘렸거나 손상되었습니다.";
inline constexpr std::string_view kNoPictureInGifText = "그림이 없는 GIF 파일입니다.";
inline constexpr std::string_view kNotOnePictureText =
    "아이템의 그림이 아닙니다 (그림이 여러 장이거나 화면을 다 채우지 않습니다).";
// "그림 크기가 80 x 80입니다. 이 그림은 75 x 125 크기여야 합니다."
inline constexpr std::string_view kWrongPictureSizePrefix = "그림 크기가 ";
inline constexpr std::string_view kWrongPictureSizeMiddle = "입니다. 이 그림은 ";
inline constexpr std::string_view kWrongPictureSizeSuffix = " 크기여야 합니다.";

// A palette file that cannot give the swatches their colours: the first line, then, when
// one line is at fault, "3번째 줄을 읽을 수 없습니다.".
inline constexpr std::string_view kNotAPaletteText = "팔레트 파일이 아닙니다.";
inline constexpr std::string_view kUnreadableLineSuffix = "번째 줄을 읽을 수 없습니다.";
inline constexpr std::string_view kPaletteWithoutColoursText = "팔레트에 색이 하나도 없습니다.";
inline constexpr std::string_view kPaletteTooLargeText =
    "팔레트 파일이라기에는 파일이 너무 큽니다.";
// A palette applied to the swatches: "팔레트에서 색 5개를 가져왔습니다.", or with more colours
// than swatches "팔레트의 색 40개 중 처음 16개를 가져왔습니다.".
inline constexpr std::string_view kPaletteTakenPrefix = "팔레트에서 색 ";
inline constexpr std::string_view kPaletteTakenSuffix = "개를 가져왔습니다.";
inline constexpr std::string_view kPaletteFirstOfPrefix = "팔레트의 색 ";
inline constexpr std::string_view kPaletteFirstOfMiddle = "개 중 처음 ";

// The colour budget in the status bar: "색 12/254", and what follows when saving would merge.
inline constexpr std::string_view kColourBudgetPrefix = "색 ";
inline constexpr std::string_view kColourBudgetOverText = " (초과)";

// The Edit menu's refusals and warnings, shown in the status bar. A quarter turn of a
// selection that would not fit the picture, and of the whole picture, which is taller than
// wide:
inline constexpr std::string_view kQuarterTurnDoesNotFitText =
    "돌린 선택 영역이 그림에 들어가지 않습니다.";
inline constexpr std::string_view kPictureQuarterTurnText =
    "그림 전체는 가로와 세로 크기가 달라 90도 돌릴 수 없습니다. 선택 영역을 돌려 주세요.";
// A colour replacement that found nothing to replace.
inline constexpr std::string_view kColourNotInPictureText = "바꿀 색이 그림에 없습니다.";
// A paste with nothing on the clipboard that is a picture.
inline constexpr std::string_view kNothingToPasteText = "클립보드에 붙여 넣을 그림이 없습니다.";
// A paste that takes the picture past its colour budget.
inline constexpr std::string_view kPasteOverBudgetText =
    "붙여 넣은 그림 때문에 색이 254개를 넘습니다. 저장하면 가장 가까운 색끼리 합쳐집니다.";

// The status bar's reading of an empty pixel under the pointer.
inline constexpr std::string_view kEmptyPixelText = "투명";

// What Save finds before it writes, one line each, then the question.
inline constexpr std::string_view kSaveConcernsIntro = "저장하기 전에 살펴볼 것이 있습니다.";
inline constexpr std::string_view kSaveConcernsQuestion = "그래도 저장할까요?";
inline constexpr std::string_view kWearPictureName = "착용 그림";
inline constexpr std::string_view kDpPictureName = "디피 그림";
inline constexpr std::string_view kHairPictureName = "헤어 그림";
inline constexpr std::string_view kPictureEmptyText = "이 비어 있습니다.";
// "착용 그림의 색이 300개입니다. 254개를 넘는 색은 가장 가까운 색으로 바뀝니다."
inline constexpr std::string_view kTooManyColoursPrefix = "의 색이 ";
// An opened item whose colours were merged when it was first saved, since changed.
inline constexpr std::string_view kFilesRemadeText =
    "처음 저장할 때 색이 합쳐졌던 아이템을 고쳤으므로, 디피와 헤어 파일은 지금의 착용 그림으로 "
    "다시 만들어져 색이 조금 달라질 수 있습니다.";
inline constexpr std::string_view kTooManyColoursSuffix =
    "개입니다. 254개를 넘는 색은 가장 가까운 색으로 바뀝니다.";

// The tool buttons' tooltips.
inline constexpr std::string_view kRectangleToolTip = "사각형";
inline constexpr std::string_view kEllipseToolTip = "타원";
inline constexpr std::string_view kLineToolTip = "직선";
inline constexpr std::string_view kFloodFillToolTip = "색 칠하기";
inline constexpr std::string_view kPencilToolTip = "연필";
inline constexpr std::string_view kColourPickerToolTip = "색 골라내기";
inline constexpr std::string_view kAirbrushToolTip = "에어브러쉬";
inline constexpr std::string_view kEraserToolTip = "지우개";
inline constexpr std::string_view kSelectionToolTip = "선택";
inline constexpr std::string_view kMagnifierToolTip = "돋보기";

// The status prompts of the rectangle and ellipse buttons: a description, then after the
// line break the short name.
inline constexpr std::string_view kRectangleToolPrompt =
    "선택한 채우기 유형으로 직사각형을 그립니다\n직사각형";
inline constexpr std::string_view kEllipseToolPrompt =
    "선택한 채우기 유형으로 타원을 그립니다\n타원";

// The status prompt of the hand-scroll accelerator (Space).
inline constexpr std::string_view kHandScrollPrompt = "마우스로 화면 이동";

} // namespace pattik
