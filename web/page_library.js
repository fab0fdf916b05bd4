// What the program calls in the page's script: the pointer and the focus. The page hands
// the functions in when it creates the program (js/bridge.js).
mergeInto(LibraryManager.library, {
  page_set_busy_pointer: function (busy) {
    Module.setBusyPointer(busy !== 0);
  },
  page_focus_tile: function (tile) {
    Module.focusTile(tile);
  },
});
