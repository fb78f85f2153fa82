#pragma once

namespace pattik {

// Controls of the editing panel, by the ids their handlers know them by.
inline constexpr int kWearButton = 1008;
inline constexpr int kDpButton = 1009;
inline constexpr int kHairButton = 1010;
inline constexpr int kRedTrackbar = 1012;
inline constexpr int kGreenTrackbar = 1013;
inline constexpr int kBlueTrackbar = 1014;
inline constexpr int kRedEdit = 1015;
inline constexpr int kGreenEdit = 1018;
inline constexpr int kBlueEdit = 1019;
inline constexpr int kShowAvatarCheckBox = 1023;
inline constexpr int kAvatarInFrontCheckBox = 1024;

// The tool palette's ten tool buttons, in the order of the tools (rectangle first), and
// its four option buttons.
inline constexpr int kFirstToolButton = 1000;
inline constexpr int kLastToolButton = 1009;
inline constexpr int kOptionButtons[4] = {1022, 1026, 1027, 1028};

// The accelerator that holds Space for hand scrolling; nothing handles its command.
inline constexpr int kHandScrollCommand = 1029;

// The airbrush's timer on the editing panel, and the interval it asks for.
inline constexpr int kAirbrushTimer = 2313;
inline constexpr int kAirbrushIntervalMs = 1;

} // namespace pattik
