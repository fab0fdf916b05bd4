// What the program calls in the page's script: the pointer, the focus and the month names. The page hands
// the functions in when it creates the program (js/bridge.js).
mergeInto(LibraryManager.library, {
  page_set_busy_pointer: function (busy) {
    Module.setBusyPointer(busy !== 0);
  },
  page_focus_tile: function (tile) {
    Module.focusTile(tile);
  },
  // Month 1..12's abbreviated name in the page's language, as UTF-8 into `name` (`size`
  // bytes); its length, 0 when the page has none.
  page_month_name: function (month, name, size) {
    const text = Module.monthName(month);
    return text ? stringToUTF8(text, name, size) : 0;
  },
});
