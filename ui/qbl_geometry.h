#pragma once

#include "ui/twips.h"

#include <array>

// Places and sizes of the main window and its controls, in twips. The client area is the part
// of the window below the menu bar; control positions are relative to its top-left corner.
namespace quabbel::ui::qbl_twips {

// Where the client area's top-left corner opens on the screen.
inline constexpr int client_left = 5415;
inline constexpr int client_top = 5430;

inline constexpr int client_width = 4695;
inline constexpr int greeting_client_height = 2025;

// The outer size of the results layout includes the window's frame, caption bar and menu bar,
// measured on a classic window of 3, 19 and 19 pixels. Qt sizes only the inside of a window
// (here the menu bar and the client area) and leaves the frame to the window system, so the
// client area is what remains of the outer size without these parts.
inline constexpr int results_outer_width = 4785;
inline constexpr int results_outer_height = 5445;
inline constexpr int frame = 45;
inline constexpr int caption_bar = 285;
inline constexpr int menu_bar = 285;
inline constexpr int frame_top = frame + caption_bar + menu_bar; // outer top to client top

constexpr int client_width_of(int outer_width) {
    return outer_width - 2 * frame;
}
constexpr int client_height_of(int outer_height) {
    return outer_height - frame_top - frame;
}
static_assert(client_width_of(results_outer_width) == client_width);

// One column per word length: a row of position boxes over the result list. The boxes of a
// column span exactly the width of its list.
inline constexpr int box_top = 120;
inline constexpr int box_size = 375;
inline constexpr int box_step = 480;
inline constexpr int list_top = 600;
inline constexpr int list_height = 3660;

struct Column {
    int left;
    int list_width;
};
inline constexpr Column column_2{120, 855};
inline constexpr Column column_3{1200, 1335};
inline constexpr Column column_4{2760, 1815};

constexpr int box_left(Column column, int position) {
    return column.left + (position - 1) * box_step;
}
static_assert(box_left(column_2, 2) + box_size == column_2.left + column_2.list_width);
static_assert(box_left(column_3, 3) + box_size == column_3.left + column_3.list_width);
static_assert(box_left(column_4, 4) + box_size == column_4.left + column_4.list_width);

// The greeting "Hallo Scrabbler(in)" and the instructions beneath it.
inline constexpr TwipsRect label_1{240, 720, 3615, 375};
inline constexpr TwipsRect label_2{240, 1080, 4335, 1215};

// The two vertical lines between the columns, from the top edge to below the window's bottom.
inline constexpr std::array<int, 2> line_1_x{1080, 2640};
inline constexpr int line_bottom = 5640;

} // namespace quabbel::ui::qbl_twips
