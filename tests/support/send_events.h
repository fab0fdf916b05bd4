#pragma once
// Events sent as the player would send them: each is taken by the program, then every box
// it put up is answered by the scripted player (`dialogs`).
#include <cstdint>
#include <string>

#include "platform/scripted.h"
#include "ui/program.h"

namespace quarvel::testing {

template <typename Self>
struct SendsEvents {
  bool Start() {
    const bool started = self().program.Start();
    AnswerBoxes();
    return started;
  }
  bool Send(const Event& event) {
    const bool taken = self().program.Take(event);
    AnswerBoxes();
    return taken;
  }
  bool Send(EventId id) { return Send(Event{id}); }
  bool Tile(int tile) { return Send(Event{EventId::Tile, tile}); }
  bool Type(const std::string& text) { return Send(Event{EventId::TypeGameNumber, 0, text}); }
  bool Pick(const std::string& entry) { return Send(Event{EventId::PickSavedGame, 0, entry}); }
  void Length(std::uint64_t game, int length) { Send(Event{EventId::ShortestLength, length, {}, game}); }
  void AnswerBoxes() {
    AnswerEveryBox(self().program, [this](const Box& box) { return self().dialogs.Answer(box); });
  }

 private:
  Self& self() { return static_cast<Self&>(*this); }
};

}  // namespace quarvel::testing
