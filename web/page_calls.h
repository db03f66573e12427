#pragma once
// What the page's script does for the game (web/page_library.js). Positions
// and sizes are twips unless they say otherwise; texts are UTF-8.

#include <cstdint>

extern "C" {
void page_set_pointer(int shape);
int page_option_checked(int index);
void page_start_wait(int kind);
void page_stop_wait();
void page_place_label(int label, double left, int top);
void page_set_label_text(int label, const char* text);
int page_label_width(int label);
void page_set_label_visible(int label, int visible);
void page_show_notice(double left, int top, const char* text);
void page_set_clock(int enabled);
void page_play_click();
void page_show_congratulations(double left, int top);
void page_announce(const char* text);
void page_set_game_menus(int enabled);
void page_show_demo_pointer(int size);
void page_move_demo_pointer(int left, int top);
void page_hide_demo_pointer();
// The focus mark around the button whose device pixels are these; none
// when right is not beyond left.
void page_focus_mark(int left, int top, int right, int bottom, int kind, int line);
void page_message(const char* text);
// Copies the changed device pixels of the image onto the canvas.
void page_paint(const std::uint8_t* pixels, int width, int height, int left, int top, int right, int bottom);
// The net's move buttons for screen readers and keyboards: `list` holds one
// line per button, "kind line left top name", or nothing.
void page_set_buttons(const char* list, int side);
void page_set_net_description(const char* text);
// The browser's storage: a text (to be freed) or none; `ok` false when the
// storage cannot be used at all.
char* page_storage_get(const char* name, int* ok);
int page_storage_set(const char* name, const char* text);
void page_fill_options(const char* blockCount, const char* difficultyWord, int showShuffle);
void page_show_records(const char* rows, const char* status);
// The game on the net has this number (for the address and Game > Copy
// game number), or none: an empty text.
void page_set_game_number(const char* text);
}
