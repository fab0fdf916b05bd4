#include "ui/program.h"

#include <new>

#include "core/home_positions_file.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "ui/record_load.h"
#include "ui/texts.h"

namespace quarvel {

void Program::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const FileFailure& failure) {
    services_.boxes.Failure(Text(TextId::ErrorTitle), FailureText(failure));
  } catch (const std::bad_alloc&) {
    // Reported like a failed file: the handler stops and the game goes on.
    services_.boxes.Failure(Text(TextId::ErrorTitle), Text(TextId::ActionOutOfMemory));
  }
}

bool Program::Start() {
  std::optional<Position> home;
  try {
    if (auto text = services_.files.Read(kHomePositionsFile, kHomePositionsFileLimit, /*followLinks=*/true))
      home = ParseHomePositions(*text);
  } catch (const FileFailure&) {
    // Unreadable counts as missing.
  } catch (const std::bad_alloc&) {
  }
  if (!home) {
    services_.boxes.Message(Text(TextId::ErrorTitle),
                            Text(TextId::HomePositionsDamaged, {{"folder", services_.files.Folder()}}),
                            [this] { End(1); });
    return false;
  }
  state_.game.home = *home;
  state_.game.board.position = *home;

  Run([&] {
    const auto report = [&](const FileFailure& failure) {
      services_.boxes.Failure(Text(TextId::ErrorTitle), FailureText(failure));
    };
    if (!LoadFameSummary(state_.fame, services_, report)) main_.enabled.hallOfFame = false;
  });
  services_.random.ShuffledRandom(-1);
  state_.game.GameInProgress = false;
  state_.game.SolverUsed = false;
  state_.game.solver.CancelManoeuvre();
  Run([&] {
    if (services_.files.Exists(kSavedGamesFile)) main_.enabled.reload = true;
    main_.undoableLoads = FindUndoableLoads(services_.files);
  });
  return true;
}

bool Program::Take(const Event& event) {
  if (ended_) return false;
  // What may come while the program waits.
  switch (event.id) {
    case EventId::Answer: return AnswerBox(event.text);
    case EventId::Cancel: return AnswerBox(std::nullopt);
    case EventId::Tick: Tick(); return true;
    case EventId::ShortestLength: ReceiveShortestLength(event.game, event.number); return true;
    case EventId::Stored: RecordsStored(event); return true;
    case EventId::Quit: Quit(); return true;
    default: break;
  }
  if (Waiting()) return false;  // clicks and keys wait for the box's answer
  switch (event.id) {
    case EventId::NewGame: return ClickNewGame();
    case EventId::GiveUp: return ClickGiveUp();
    case EventId::HallOfFame: return ClickHallOfFame();
    case EventId::ShowMe: return ClickShowMe();
    case EventId::Reload: return ClickReload();
    case EventId::Save: return ClickSave();
    case EventId::Replay: return ClickReplay();
    case EventId::Tile: return ClickTile(event.number);
    case EventId::GameNumberBoxClick:
    case EventId::TimeBoxClick: return ClickTextBox();
    case EventId::TypeGameNumber: return TypeGameNumber(event.text);
    case EventId::ArrowUp: return PressArrowKey(ArrowKey::Up);
    case EventId::ArrowDown: return PressArrowKey(ArrowKey::Down);
    case EventId::ArrowLeft: return PressArrowKey(ArrowKey::Left);
    case EventId::ArrowRight: return PressArrowKey(ArrowKey::Right);
    case EventId::PickSavedGame: return PickSavedGame(event.text);
    case EventId::ReturnToMain: return ReturnToMain();
    case EventId::CloseWindow: return CloseWindow();
    case EventId::LoadRecord: return LoadRecordFile(event.number, event.text);
    case EventId::UndoLoad: return UndoRecordLoad(event.number);
    default: return false;
  }
}

std::optional<Event> Program::EventOfKey(const KeyPress& press) const {
  if (ended_ || Waiting()) return std::nullopt;
  const KeyBinding* binding = FindKeyBinding(windows_.visible, press);
  if (!binding) return std::nullopt;
  return quarvel::EventOfKey(*binding, press);
}

bool Program::AnswerBox(const BoxAnswer& answer) {
  if (!box()) return false;
  const Boxes::Then then = services_.boxes.Close();
  if (then) Run([&] { then(answer); });
  return true;
}

void Program::RecordsStored(const Event& event) {
  if (event.number == 0) {
    for (const Boxes::Then& step : services_.boxes.TakeStoredSteps()) Run([&] { step(std::nullopt); });
    return;
  }
  // The handler that made the change ends here: what followed it never runs.
  const bool followed = services_.boxes.AwaitingStorage() && services_.boxes.FileAwaited() == event.text;
  services_.boxes.DropStoredSteps();
  FileFailure failure(event.text == kOldFameFile ? FileAction::Delete : FileAction::Rewrite, event.text,
                      FileProblem::System, event.number);
  if (followed && event.text == kSavedGamesFile) failure.lost = LostRecord::GameNumber;
  if (followed && event.text == kFameFile) failure.lost = LostRecord::FameEntry;
  failure.lostIn = event.text;
  services_.boxes.Failure(Text(TextId::ErrorTitle), FailureText(failure));
}

void Program::Quit() {
  services_.shortest.Cancel();
  services_.boxes.Clear();
  windows_.hallOfFameLoaded = false;
  windows_.reloadLoaded = false;
  windows_.visible = WindowId::Main;
  End(0);
}

void Program::End(int status) {
  ended_ = true;
  exitStatus_ = status;
}

bool Program::ReturnToMain() {
  if (MainWindowUp()) return false;
  windows_.visible = WindowId::Main;
  return true;
}

bool Program::CloseWindow() {
  if (windows_.visible == WindowId::HallOfFame) {
    windows_.hallOfFameLoaded = false;
  } else if (windows_.visible == WindowId::Reload) {
    windows_.reloadLoaded = false;
  } else {
    return false;
  }
  windows_.visible = WindowId::Main;
  return true;
}

bool Program::LoadRecordFile(int record, const std::string& bytes) {
  if (!MainWindowUp() || record < 0 || static_cast<std::size_t>(record) >= kLoadableRecords.size()) return false;
  Run([&] { LoadRecord(state_, main_, services_, kLoadableRecords[static_cast<std::size_t>(record)], bytes); });
  return true;
}

bool Program::UndoRecordLoad(int record) {
  if (!MainWindowUp() || record < 0 || static_cast<std::size_t>(record) >= kLoadableRecords.size() ||
      !main_.undoableLoads[static_cast<std::size_t>(record)])
    return false;
  Run([&] { UndoLoad(state_, main_, services_, kLoadableRecords[static_cast<std::size_t>(record)]); });
  return true;
}

void AnswerEveryBox(Program& program, const std::function<BoxAnswer(const Box&)>& answer) {
  while (const Box* box = program.box()) {
    program.Take(AnswerEvent(answer(*box)));
  }
}

}  // namespace quarvel
