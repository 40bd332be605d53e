#pragma once

#include "ui/twips.h"

// Places and sizes of the info window's controls, in twips, relative to the top-left corner of
// its client area.
namespace quabbel::ui::info_twips {

inline constexpr int client_width = 5130;
inline constexpr int client_height = 3090;

inline constexpr TwipsRect label_7{120, 120, 4815, 375};
inline constexpr TwipsRect label_1{120, 600, 4455, 255};
inline constexpr TwipsRect label_3_0{120, 840, 4935, 255};
inline constexpr TwipsRect label_3_1{120, 1080, 4935, 495};
inline constexpr TwipsRect label_2{120, 1560, 4455, 255};
inline constexpr TwipsRect label_4{120, 1920, 4455, 495};
inline constexpr TwipsRect label_5{120, 2400, 1815, 255};
inline constexpr TwipsRect command_1{2760, 2520, 1455, 495};
inline constexpr TwipsRect picture_1{120, 2640, 615, 375};
inline constexpr TwipsRect label_6{960, 2760, 1335, 255};

} // namespace quabbel::ui::info_twips
