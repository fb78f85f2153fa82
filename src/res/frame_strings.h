#pragma once

#include <string_view>

// The main window's own texts: menus, status prompts, the About box and start-up failures.
// UTF-8, kept beside the other strings so a wording is changed once.
namespace pattik {

// The lasting text of the status bar's prompt pane, and its key-state panes.
inline constexpr std::string_view kIdlePrompt = "준비";
inline constexpr std::string_view kCapsLockPane = "CAP";
inline constexpr std::string_view kNumLockPane = "NUM";
inline constexpr std::string_view kScrollLockPane = "SCRL";

// Menus: the popup titles, then each item with its status prompt. A tab separates an item
// from the shortcut it shows.
inline constexpr std::string_view kFileMenuText = "파일(&F)";
inline constexpr std::string_view kNewItemText = "새 파일(&N)\tCtrl+N";
inline constexpr std::string_view kNewPrompt = "새 문서를 작성합니다";
inline constexpr std::string_view kOpenItemText = "열기(&O)...\tCtrl+O";
inline constexpr std::string_view kOpenPrompt = "저장한 아이템을 다시 엽니다";
inline constexpr std::string_view kRecentMenuText = "최근 파일(&R)";
inline constexpr std::string_view kRecentPrompt = "최근에 쓴 아이템을 엽니다";
inline constexpr std::string_view kNoRecentText = "(없음)";
inline constexpr std::string_view kSaveItemText = "저장(&S)\tCtrl+S";
inline constexpr std::string_view kSavePrompt = "현재 열린 문서를 저장합니다";
inline constexpr std::string_view kSaveAsItemText = "다른 이름으로 저장(&A)...\tCtrl+Shift+S";
inline constexpr std::string_view kSaveAsPrompt = "현재 열린 문서를 새 이름으로 저장합니다";
inline constexpr std::string_view kLoadPaletteItemText = "팔레트 불러오기(&L)...";
inline constexpr std::string_view kLoadPalettePrompt =
    "팔레트 파일(.gpl, .pal, .hex)의 색을 도구 상자의 색 견본으로 가져옵니다";
inline constexpr std::string_view kSavePaletteItemText = "팔레트 저장(&P)...";
inline constexpr std::string_view kSavePalettePrompt = "색 견본 16개를 팔레트 파일로 저장합니다";
inline constexpr std::string_view kPaletteFilesFilter = "팔레트 (*.gpl *.pal *.hex)";
inline constexpr std::string_view kPaletteSavedText = "팔레트를 저장했습니다";
inline constexpr std::string_view kPaletteNotSavedText = "팔레트를 저장하지 못했습니다.";
inline constexpr std::string_view kPaletteNotReadText = "팔레트를 불러오지 못했습니다.";
inline constexpr std::string_view kExitItemText = "종료(&X)";
inline constexpr std::string_view kExitPrompt =
    "응용 프로그램을 종료하기 위해 문서를 저장할 것인지 묻습니다";
inline constexpr std::string_view kEditMenuText = "편집(&E)";
inline constexpr std::string_view kStepBackItemText = "실행 취소(&U)\tCtrl+Alt+Z";
inline constexpr std::string_view kStepBackPrompt = "현재 그림을 한 단계 전의 상태로 되돌립니다";
inline constexpr std::string_view kStepForwardItemText = "다시 실행(&R)\tCtrl+Shift+Z";
inline constexpr std::string_view kStepForwardPrompt = "실행 취소한 작업을 다시 실행합니다";
inline constexpr std::string_view kCutItemText = "잘라내기(&T)\tCtrl+X";
inline constexpr std::string_view kCutPrompt =
    "선택 영역을 잘라 클립보드에 넣습니다. 선택 영역이 없으면 그림 전체를 잘라냅니다";
inline constexpr std::string_view kCopyItemText = "복사(&C)\tCtrl+C";
inline constexpr std::string_view kCopyPrompt =
    "선택 영역을 클립보드에 복사합니다. 선택 영역이 없으면 그림 전체를 복사합니다";
inline constexpr std::string_view kPasteItemText = "붙여넣기(&P)\tCtrl+V";
inline constexpr std::string_view kPastePrompt =
    "클립보드의 그림을 보이는 곳의 왼쪽 위에 선택 영역으로 붙여 넣습니다";
inline constexpr std::string_view kSelectAllItemText = "모두 선택(&A)\tCtrl+A";
inline constexpr std::string_view kSelectAllPrompt = "그림 전체를 선택 영역으로 띄웁니다";
inline constexpr std::string_view kFlipAcrossItemText = "좌우 뒤집기(&H)\tShift+H";
inline constexpr std::string_view kFlipAcrossPrompt =
    "선택 영역을 좌우로 뒤집습니다. 선택 영역이 없으면 그림 전체를 뒤집습니다";
inline constexpr std::string_view kFlipUpDownItemText = "상하 뒤집기(&V)\tShift+V";
inline constexpr std::string_view kFlipUpDownPrompt =
    "선택 영역을 위아래로 뒤집습니다. 선택 영역이 없으면 그림 전체를 뒤집습니다";
inline constexpr std::string_view kHalfTurnItemText = "180도 회전(&8)\tCtrl+Shift+R";
inline constexpr std::string_view kHalfTurnPrompt =
    "선택 영역을 180도 돌립니다. 선택 영역이 없으면 그림 전체를 돌립니다";
inline constexpr std::string_view kQuarterTurnItemText = "90도 회전(&9)\tCtrl+R";
inline constexpr std::string_view kQuarterTurnPrompt =
    "선택 영역을 시계 방향으로 90도 돌립니다. 돌린 영역이 그림에 들어갈 때만 돌립니다";
inline constexpr std::string_view kReplaceColourItemText = "색 바꾸기(&L)...";
inline constexpr std::string_view kReplaceColourPrompt = "색 1인 픽셀을 모두 색 2로 바꿉니다";
inline constexpr std::string_view kReplaceColourQuestion =
    "색 1인 픽셀을 모두 색 2로 바꿉니다.\n어느 그림에서 바꿀까요?";
inline constexpr std::string_view kReplaceInViewButtonText = "이 그림";
inline constexpr std::string_view kReplaceInAllButtonText = "모든 그림";
inline constexpr std::string_view kNothingReplacedText = "색 1인 픽셀이 없습니다";
inline constexpr std::string_view kPicturesRecolouredText = "그림 %1개에서 색을 바꾸었습니다";
inline constexpr std::string_view kClipboardEmptyText = "클립보드에 그림이 없습니다";
inline constexpr std::string_view kPictureUnreadableText = "그림을 읽을 수 없습니다";
inline constexpr std::string_view kNotHereText = "이 보기에서는 할 수 없습니다";
inline constexpr std::string_view kMirrorItemText = "좌우 대칭(&M)\tS";
inline constexpr std::string_view kMirrorPrompt = "그림 가운데 열을 축으로 좌우를 똑같이 그립니다";
inline constexpr std::string_view kViewMenuText = "보기(&V)";
inline constexpr std::string_view kToolBarItemText = "도구 모음(&T)";
inline constexpr std::string_view kToolBarPrompt = "도구 모음을 보이거나 감춥니다";
inline constexpr std::string_view kStatusBarItemText = "상태 표시줄(&S)";
inline constexpr std::string_view kStatusBarPrompt = "상태 표시줄을 표시하거나 감춥니다";
inline constexpr std::string_view kPixelGridItemText = "픽셀 격자(&G)";
inline constexpr std::string_view kPixelGridPrompt =
    "확대한 착용 그림의 픽셀 사이에 격자를 보이거나 감춥니다";
inline constexpr std::string_view kHelpMenuText = "도움말(&H)";
inline constexpr std::string_view kAboutItemText = "Pattik 정보(&A)...";
inline constexpr std::string_view kAboutPrompt =
    "프로그램 정보와 버전 정보, 저작권 정보를 표시합니다";

// The About box.
inline constexpr std::string_view kAboutTitle = "Pattik 정보";
inline constexpr std::string_view kAboutVersionText = "Pattik 버전 1.1";
inline constexpr std::string_view kAboutRightsText = "저작권 (C) 2026 Pattik 개발자들";
inline constexpr std::string_view kAboutPublisherText = "펴낸 곳: Pattik 프로젝트";
inline constexpr std::string_view kOkButtonText = "확인";
// The buttons of the question Save asks before it writes.
inline constexpr std::string_view kSaveButtonText = "저장";
// The question at start when a drawing was left unsaved by an editor that ended.
inline constexpr std::string_view kRecoverButtonText = "복구";
inline constexpr std::string_view kDiscardButtonText = "버리기";
inline constexpr std::string_view kCancelButtonText = "취소";

// The panel's controls.
inline constexpr std::string_view kWearButtonText = "착용";
inline constexpr std::string_view kDpButtonText = "디피";
inline constexpr std::string_view kHairButtonText = "헤어(s)";
inline constexpr std::string_view kPreviewGroupText = "미리보기";
inline constexpr std::string_view kShowAvatarText = "아바타보기";
inline constexpr std::string_view kAvatarInFrontText = "아바타앞으로";

// The save dialog's two filters.
inline constexpr std::string_view kGifFilesFilter = "데이터 원본 GIF Files (*.GIF)";
inline constexpr std::string_view kAllFilesFilter = "All Files (*.*)";

// The open dialog's filters.
inline constexpr std::string_view kOpenGifFilter = "아이템 GIF 그림 (*.gif *.GIF *.Gif)";

// The question an item being opened asks when the item bar has no item chosen.
inline constexpr std::string_view kItemChoiceTitle = "아이템 종류";
inline constexpr std::string_view kItemChoiceQuestion =
    "파일에는 성별과 종류가 적혀 있지 않습니다.\n이 아이템의 성별과 종류를 고르십시오.";
inline constexpr std::string_view kItemChoiceGenderLabel = "성별";
inline constexpr std::string_view kItemChoiceCategoryLabel = "종류";

// Start-up failures: the window could not be built; there is no screen to show it on.
inline constexpr std::string_view kCreateFailedText = "빈 문서 작성 실패.";
inline constexpr std::string_view kNoDisplayText =
    "Pattik: 창을 띄울 화면이 없습니다 (DISPLAY나 WAYLAND_DISPLAY가 설정되어 있지 않습니다).";

} // namespace pattik
