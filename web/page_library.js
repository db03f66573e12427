// What the game asks of the page (web/page_calls.h), handed to the page's
// script (web/page/page.js), which does the work.
mergeInto(LibraryManager.library, {
  page_set_pointer: function (shape) { Page.setPointer(shape); },
  page_option_checked: function (index) { return Page.optionChecked(index) ? 1 : 0; },
  page_start_wait: function (kind) { Page.startWait(kind); },
  page_stop_wait: function () { Page.stopWait(); },
  page_place_label: function (label, left, top) { Page.placeLabel(label, left, top); },
  page_set_label_text: function (label, text) { Page.setLabelText(label, UTF8ToString(text)); },
  page_label_width: function (label) { return Page.labelWidth(label); },
  page_set_label_visible: function (label, visible) { Page.setLabelVisible(label, visible !== 0); },
  page_show_notice: function (left, top, text) { Page.showNotice(left, top, UTF8ToString(text)); },
  page_set_clock: function (enabled) { Page.setClock(enabled !== 0); },
  page_play_click: function () { Page.playClick(); },
  page_show_congratulations: function (left, top) { Page.showCongratulations(left, top); },
  page_announce: function (text) { Page.announce(UTF8ToString(text)); },
  page_set_game_menus: function (enabled) { Page.setGameMenus(enabled !== 0); },
  page_show_demo_pointer: function (size) { Page.showDemoPointer(size); },
  page_move_demo_pointer: function (left, top) { Page.moveDemoPointer(left, top); },
  page_hide_demo_pointer: function () { Page.hideDemoPointer(); },
  page_focus_mark: function (left, top, right, bottom, kind, line) {
    Page.focusMark(left, top, right, bottom, kind, line);
  },
  page_message: function (text) { Page.message(UTF8ToString(text)); },
  page_paint: function (pixels, width, height, left, top, right, bottom) {
    Page.paint(pixels, width, height, left, top, right, bottom);
  },
  page_set_buttons: function (list, side) { Page.setButtons(UTF8ToString(list), side); },
  page_set_net_description: function (text) { Page.setNetDescription(UTF8ToString(text)); },
  page_storage_get__deps: ['malloc'],
  page_storage_get: function (name, ok) {
    var result = Page.storageGet(UTF8ToString(name));
    HEAP32[ok >> 2] = result.ok ? 1 : 0;
    if (result.text === null) return 0;
    var size = lengthBytesUTF8(result.text) + 1;
    var text = _malloc(size);
    stringToUTF8(result.text, text, size);
    return text;
  },
  page_storage_set: function (name, text) {
    return Page.storageSet(UTF8ToString(name), UTF8ToString(text)) ? 1 : 0;
  },
  page_fill_options: function (blockCount, word, showShuffle) {
    Page.fillOptions(UTF8ToString(blockCount), word ? UTF8ToString(word) : null, showShuffle !== 0);
  },
  page_show_records: function (rows, status) { Page.showRecords(UTF8ToString(rows), UTF8ToString(status)); },
  page_set_game_number: function (text) { Page.setGameNumber(UTF8ToString(text)); },
});
