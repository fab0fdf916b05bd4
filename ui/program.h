#pragma once
// The program's three windows as event handlers over the shared game state. Every front
// end (the Qt windows, the page, the console) turns its input into events, hands each to
// Take, and shows the state the handlers leave, the box up among it; none decides anything.
// A handler never waits: a box is state it leaves, and the box's answer is the next event.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/arrow_keys.h"
#include "core/platform.h"
#include "ui/events.h"
#include "ui/key_table.h"
#include "ui/program_state.h"
#include "ui/window_state.h"

namespace quarvel {

class Program {
 public:
  // The services, and the boxes the program leaves in services.boxes, outlive it.
  explicit Program(Services services) : services_(services) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up (the main window's Load). False when it cannot complete: the box up says why,
  // and once it is answered the program has ended with status 1.
  bool Start();

  // Takes one event. False when it could not be received: a disabled button, a control of a
  // window that is not up, the invisible blank, an answer with no box up, or a click or key
  // while the program waits (a box is up, or a step waits for the records to be stored).
  bool Take(const Event& event);

  // The event a key pressed in the window up makes, or nothing when the key is the
  // control's own or the program waits.
  std::optional<Event> EventOfKey(const KeyPress& press) const;

  // The game in progress as text (ui/game_snapshot.h), for a front end to keep across its
  // own restart; "" when no game is in progress.
  std::string GameSnapshotText() const;
  // Goes on with a game kept by GameSnapshotText, right after start-up: the board, the flags,
  // Show Me!'s manoeuvre and the commands as they stood, the clock counting from the game's
  // StartTime (the time away counts). False, and nothing changed, for text that does not
  // read as a game or while a game is in progress.
  bool ResumeGame(std::string_view text);

  // The box to show now, or nullptr.
  const Box* box() const { return services_.boxes.Up(); }
  // While the program waits, only answers and the platform's events are taken.
  bool Waiting() const { return services_.boxes.Waiting(); }
  // The main window was closed, or start-up failed and its box was answered.
  bool ended() const { return ended_; }
  int exitStatus() const { return exitStatus_; }

  const ProgramState& state() const { return state_; }
  const MainWindowState& mainWindow() const { return main_; }
  const WindowsState& windows() const { return windows_; }

 private:
  bool MainWindowUp() const { return windows_.visible == WindowId::Main; }
  // Runs a handler; a failed file operation ends it and is reported.
  void Run(const std::function<void()>& handler);
  void End(int status);

  // Main window.
  bool ClickNewGame();
  bool ClickGiveUp();
  bool ClickHallOfFame();
  bool ClickShowMe();
  bool ClickReload();
  bool ClickSave();
  bool ClickReplay();
  bool ClickTile(int tile);
  // An arrow key: a click of the tile it names (TileForArrow); false when it names none.
  bool PressArrowKey(ArrowKey key);
  // A click in the game number box or the time box: the focus goes to the board.
  bool ClickTextBox();
  bool TypeGameNumber(const std::string& text);
  void Tick();
  // The length of a shortest solution of game `game`, asked for when it began; taken only
  // while that game is the last one begun.
  void ReceiveShortestLength(std::uint64_t game, int length);
  // Starts the game numbered by `text` (Replay Last Game, Reload Saved Game), `text`
  // standing in the game number box. A text that is not a game number (blanks around it
  // allowed) is refused with an "Error!" box and changes nothing. Returns whether the
  // game began.
  bool StartGameFromText(std::string text);
  // Where a game has begun (New Game, Replay, Reload): its note is asked for afresh.
  void GameBegun();

  // Hall of Fame and Reload Game windows.
  void ShowHallOfFame();
  void ShowReloadWindow();
  bool PickSavedGame(const std::string& entry);
  bool ReturnToMain();
  bool CloseWindow();

  // The page's records bar: a record replaced by a file's bytes, and that load undone.
  bool LoadRecordFile(int record, const std::string& bytes);
  bool UndoRecordLoad(int record);

  // The answer to the box up, and the news that the records are stored.
  bool AnswerBox(const BoxAnswer& answer);
  void RecordsStored(const Event& event);
  // The main window's close box: the other windows close and the program ends.
  void Quit();

  Services services_;
  ProgramState state_;
  MainWindowState main_;
  WindowsState windows_;
  bool ended_ = false;
  int exitStatus_ = 0;
};

// Answers every box the program puts up, one after the other, as `answer` says (a front
// end without windows, and tests).
void AnswerEveryBox(Program& program, const std::function<BoxAnswer(const Box&)>& answer);

}  // namespace quarvel
