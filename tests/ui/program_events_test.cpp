// What the program takes while it waits (a box up, a change on its way to storage), and
// which key makes which event.
#include <gtest/gtest.h>

#include <cerrno>

#include "support/harness.h"

namespace quarvel {
namespace {

using testing::Harness;

TEST(ProgramEvents, WhileABoxIsUpOnlyItsAnswerTheClockAndLengthsAreTaken) {
  Harness h;
  ASSERT_TRUE(h.Start());
  h.Send(EventId::NewGame);
  ASSERT_TRUE(h.program.Take(EventId::Save));  // "Success!", left unanswered
  ASSERT_NE(h.program.box(), nullptr);
  EXPECT_TRUE(h.window().enabled.save) << "disabled once the box is closed";

  for (const Event& click : {Event(EventId::GiveUp), Event(EventId::Tile, 15), Event(EventId::ArrowUp),
                             Event(EventId::TypeGameNumber, 0, "1"), Event(EventId::HallOfFame)})
    EXPECT_FALSE(h.program.Take(click)) << NameOf(click.id).name;
  KeyPress ctrlN;
  ctrlN.key = Key::N;
  ctrlN.ctrl = true;
  EXPECT_EQ(h.program.EventOfKey(ctrlN), std::nullopt);
  h.clock.Advance(5);
  EXPECT_TRUE(h.program.Take(EventId::Tick));
  EXPECT_EQ(h.window().clockText, " 00:00:05");
  EXPECT_TRUE(h.program.Take({EventId::ShortestLength, 40, {}, h.game().gamesBegun}));
  EXPECT_EQ(h.window().gameNumberNote, "The shortest solution of this game takes 40 moves.");
  EXPECT_TRUE(h.game().GameInProgress);

  EXPECT_TRUE(h.program.Take(EventId::Answer));
  EXPECT_EQ(h.program.box(), nullptr);
  EXPECT_FALSE(h.window().enabled.save);
  EXPECT_FALSE(h.program.Take(EventId::Answer)) << "no box is up";
}

TEST(ProgramEvents, WhatFollowsAChangeWaitsUntilTheRecordsAreStored) {
  struct Case {
    int error;
    std::vector<std::string> shown;
    bool saveEnabled;
  };
  const Case cases[] = {
      {0, {"message Success!|Game # successfully saved."}, false},
      {ENOSPC,
       {"failure The game number was not recorded in saved.dat. Cannot rewrite saved.dat: No space left on device."},
       true},
  };
  for (const Case& c : cases) {
    Harness h;
    ASSERT_TRUE(h.Start());
    h.Send(EventId::NewGame);
    h.files.storing = true;
    h.Send(EventId::Save);
    EXPECT_TRUE(h.dialogs.transcript.empty()) << "the confirmation waits for storage";
    EXPECT_TRUE(h.program.Waiting());
    EXPECT_FALSE(h.Send(EventId::GiveUp));
    h.files.storing = false;
    h.Send({EventId::Stored, c.error, "saved.dat"});
    EXPECT_EQ(h.dialogs.transcript, c.shown) << c.error;
    EXPECT_EQ(h.window().enabled.save, c.saveEnabled) << c.error;
    EXPECT_FALSE(h.program.Waiting());
  }
}

TEST(KeyTable, EachKeyMakesItsEventInItsWindowAndPlaceOnly) {
  struct Case {
    WindowId window;
    Key key;
    bool ctrl;
    KeyFocus focus;
    std::optional<EventId> event;
  };
  const Case cases[] = {
      {WindowId::Main, Key::Up, false, KeyFocus::Elsewhere, EventId::ArrowUp},
      {WindowId::Main, Key::Left, false, KeyFocus::GameNumberBox, std::nullopt},  // the box's cursor
      {WindowId::Main, Key::Enter, false, KeyFocus::GameNumberBox, EventId::Replay},
      {WindowId::Main, Key::Enter, false, KeyFocus::Elsewhere, std::nullopt},
      {WindowId::Main, Key::N, true, KeyFocus::GameNumberBox, EventId::NewGame},
      {WindowId::Main, Key::N, false, KeyFocus::Elsewhere, std::nullopt},
      {WindowId::HallOfFame, Key::Enter, false, KeyFocus::Elsewhere, EventId::ReturnToMain},
      {WindowId::HallOfFame, Key::Up, false, KeyFocus::Elsewhere, std::nullopt},  // scrolls the listing
      {WindowId::Reload, Key::Enter, false, KeyFocus::SavedGameBox, EventId::PickSavedGame},
      {WindowId::Reload, Key::Enter, false, KeyFocus::Elsewhere, std::nullopt},
      {WindowId::Reload, Key::N, true, KeyFocus::Elsewhere, std::nullopt},
  };
  for (const Case& c : cases) {
    KeyPress press;
    press.key = c.key;
    press.ctrl = c.ctrl;
    press.focus = c.focus;
    press.boxText = "316";
    const KeyBinding* binding = FindKeyBinding(c.window, press);
    const auto event = binding ? std::optional(EventOfKey(*binding, press)) : std::nullopt;
    ASSERT_EQ(event.has_value(), c.event.has_value())
        << static_cast<int>(c.key) << " in " << static_cast<int>(c.window);
    if (!event) continue;
    EXPECT_EQ(event->id, *c.event);
    EXPECT_EQ(event->text, event->id == EventId::PickSavedGame ? "316" : "");
  }
}

}  // namespace
}  // namespace quarvel
