#include "ui/key_table.h"

namespace quarvel {
namespace {

bool Holds(KeyPlace place, KeyFocus focus) {
  switch (place) {
    case KeyPlace::Anywhere: return true;
    case KeyPlace::OutsideGameNumberBox: return focus != KeyFocus::GameNumberBox;
    case KeyPlace::InGameNumberBox: return focus == KeyFocus::GameNumberBox;
    case KeyPlace::InSavedGameBox: return focus == KeyFocus::SavedGameBox;
  }
  return false;
}

}  // namespace

const KeyBinding* FindKeyBinding(WindowId window, const KeyPress& press) {
  for (const KeyBinding& binding : kKeyBindings)
    if (binding.window == window && binding.key == press.key && binding.ctrl == press.ctrl &&
        Holds(binding.place, press.focus))
      return &binding;
  return nullptr;
}

Event EventOfKey(const KeyBinding& binding, const KeyPress& press) {
  Event event{binding.event};
  if (NameOf(binding.event).argument == EventArgument::Text) event.text = press.boxText;
  return event;
}

}  // namespace quarvel
