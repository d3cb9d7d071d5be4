#pragma once
// Where everything lies in the builder's client area, the ids of its
// controls and menu commands, and the texts they start with. The frame
// builds its controls from these; the window paints and fills them.

#include <array>

#include "platform/frame.h"

namespace wendrel {

inline constexpr int ENTRY_SLOTS = 100;

// Control ids.
inline constexpr int STATUS_LABEL = 1;
inline constexpr int PROGRESS_LABEL = 2;
inline constexpr int LEVEL_LIST = 100;
inline constexpr std::array<int, 3> TEXT_LINES = {110, 111, 112};

// Menu commands.
inline constexpr int CMD_SAVE_AS = 51682;
inline constexpr int CMD_DELETE_ALL = 51683;
inline constexpr int CMD_HELP = 51684;
inline constexpr int CMD_ABOUT = 51685;

// Client coordinates.
inline constexpr platform::Rect STATUS_LABEL_RECT = {10, 10, 500, 18};
inline constexpr platform::Rect LEVEL_LIST_RECT = {10, 30, 500, 200};
inline constexpr std::array<platform::Rect, 3> TEXT_LINE_RECTS = {
    platform::Rect{10, 240, 500, 24}, platform::Rect{10, 270, 500, 24},
    platform::Rect{10, 300, 500, 24}};
inline constexpr platform::Rect PROGRESS_LABEL_RECT = {10, 330, 96, 18};

// The progress bar: three one-pixel columns per slot reached, the first at
// x = 110, from y = 335 to 344; a finished save reaches x = 409.
inline constexpr int PROGRESS_LEFT = 110;
inline constexpr int PROGRESS_TOP = 335;
inline constexpr int PROGRESS_BOTTOM = 344;
inline constexpr int PROGRESS_STEP = 3;

// Every control and the bar with a margin of ten pixels; the labels get a
// few pixels more, since desktop fonts differ in height.
inline constexpr int CLIENT_WIDTH = 520;
inline constexpr int CLIENT_HEIGHT = 360;

inline constexpr int TEXT_LINE_MAX_CHARS = 289;
inline constexpr std::array<const char*, 3> TEXT_LINE_DEFAULTS = {"Textzeile 1", "Textzeile 2",
                                                                   "Textzeile 3"};

}  // namespace wendrel
