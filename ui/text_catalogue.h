#pragma once
// Every text the player sees or hears, each under one identity. The English text is the
// key of its translations (po/); arguments are named in braces, "{file}". A counted text
// has an English form for one and one for many. Only this file is read for the template.
#include <array>
#include <cstddef>
#include <string_view>

// Marks a text for the template; it stays as written.
#define N_(text) text
#define NP_(one, many) one, many

namespace quarvel {

enum class TextId {
  // Window captions, labels, buttons and accessible names.
  GameTitle,
  GameNumberLabel,
  TimeTakenLabel,
  NewGameButton,
  ReplayButton,
  ReloadButton,
  SaveButton,
  GiveUpButton,
  ShowMeButton,
  HallOfFameButton,
  ContactLine,
  GameNumberBoxName,
  TimeBoxName,
  BoardName,
  VersionName,
  ContactName,
  FameListingName,
  ReturnButton,
  ReloadTitle,
  SelectGameLabel,
  SavedGameBoxName,
  TileName,
  EmptyCellName,
  FameHeadingName,
  FameHeadingTime,
  FameHeadingDate,
  // Box titles.
  ErrorTitle,
  CongratulationsTitle,
  GameOverTitle,
  SuccessTitle,
  // Messages and prompts.
  HomePositionsDamaged,
  InvalidGameNumber,
  NoSavedGames,
  GameSaved,
  AssistedGameOver,
  NamePrompt,
  NameTooLong,
  NameHasQuotes,
  NameHasControlCharacters,
  WinningTime,
  WinningTimeUnderAnHour,
  Hours,
  Minutes,
  Seconds,
  ShortestSolution,
  SolvedAgainstShortest,
  ActionOutOfMemory,
  // A failed file operation.
  GameNumberNotRecorded,
  FameEntryNotRecorded,
  CannotOpen,
  CannotLock,
  CannotRead,
  CannotWrite,
  CannotCreate,
  CannotReplace,
  CannotDelete,
  CannotRewrite,
  FolderInUse,
  FolderNotWritable,
  NotEnoughMemory,
  // Why, completing a "Cannot ..." text.
  ReasonSymbolicLink,
  ReasonNotRegularFile,
  ReasonLargerThan,
  ReasonTooLarge,
  ReasonMebibytes,
  ReasonBytes,
  ReasonNotEnoughMemory,
  ReasonNoLongerExists,
  ReasonScripted,
  ReasonPermissionDenied,
  ReasonReadOnlyFileSystem,
  ReasonNoSpace,
  ReasonQuotaExceeded,
  ReasonInputOutput,
  ReasonIsDirectory,
  ReasonNotDirectory,
  ReasonNoSuchFile,
  ReasonTooManyOpenFiles,
  ReasonOperationNotPermitted,
  ReasonFileTooLarge,
  ReasonNameTooLong,
  ReasonNoLocks,
  ReasonStaleHandle,
  // The web page's own boxes and records.
  OkButton,
  CancelButton,
  RecordsNotKept,
  DownloadRecord,
  LoadRecord,
  NoRecordYet,
  Count
};

struct CatalogueText {
  TextId id;
  std::string_view english;
  std::string_view englishMany = {};  // counted texts only
};

inline constexpr std::array<CatalogueText, static_cast<std::size_t>(TextId::Count)> kCatalogue{{
    {TextId::GameTitle, N_("Quarvel Orbix")},
    {TextId::GameNumberLabel, N_("Game #")},
    {TextId::TimeTakenLabel, N_("Time Taken")},
    {TextId::NewGameButton, N_("New Game")},
    {TextId::ReplayButton, N_("Replay Last Game")},
    {TextId::ReloadButton, N_("Reload Saved Game")},
    {TextId::SaveButton, N_("Save Game #")},
    {TextId::GiveUpButton, N_("Give Up")},
    {TextId::ShowMeButton, N_("Show Me!")},
    {TextId::HallOfFameButton, N_("Hall of Fame")},
    {TextId::ContactLine, N_("Ideas and issues: see README")},
    {TextId::GameNumberBoxName, N_("Game number")},
    {TextId::TimeBoxName, N_("Time taken")},
    {TextId::BoardName, N_("Board")},
    {TextId::VersionName, N_("Version")},
    {TextId::ContactName, N_("Contact")},
    {TextId::FameListingName, N_("Hall of Fame listing")},
    {TextId::ReturnButton, N_("Return to Main Screen")},
    {TextId::ReloadTitle, N_("Reload Game")},
    {TextId::SelectGameLabel, N_("Select Game #")},
    {TextId::SavedGameBoxName, N_("Saved game number")},
    {TextId::TileName, N_("Tile {tile}, row {row}, column {column}")},
    {TextId::EmptyCellName, N_("Empty cell, row {row}, column {column}")},
    {TextId::FameHeadingName, N_("Name")},
    {TextId::FameHeadingTime, N_("Time")},
    {TextId::FameHeadingDate, N_("Date")},
    {TextId::ErrorTitle, N_("Error!")},
    {TextId::CongratulationsTitle, N_("Congratulations!")},
    {TextId::GameOverTitle, N_("Game Over!")},
    {TextId::SuccessTitle, N_("Success!")},
    {TextId::HomePositionsDamaged,
     N_("The file quarvel.dat in {folder} is missing or damaged; Quarvel Orbix cannot start.")},
    {TextId::InvalidGameNumber, N_("\"{number}\" is not a valid game number.")},
    {TextId::NoSavedGames, N_("No games have yet been saved.")},
    {TextId::GameSaved, N_("Game # successfully saved.")},
    {TextId::AssistedGameOver, N_("Game completed with help from Show Me! routine.")},
    {TextId::NamePrompt, N_("Please provide your name (max. 14 characters) for the Hall of Fame.")},
    {TextId::NameTooLong, N_("The name you provide must contain fewer than 15 characters.")},
    {TextId::NameHasQuotes, N_("The name you provide must not contain double quotes.")},
    {TextId::NameHasControlCharacters,
     N_("The name you provide must not contain line breaks or other control characters.")},
    {TextId::WinningTime, N_("Congratulations, your winning time was {hours} {minutes} {seconds}.")},
    // The English text has two blanks where the hours would stand.
    {TextId::WinningTimeUnderAnHour, N_("Congratulations, your winning time was  {minutes} {seconds}.")},
    {TextId::Hours, NP_("{count} hour", "{count} hours")},
    {TextId::Minutes, NP_("{count} minute", "{count} minutes")},
    {TextId::Seconds, NP_("{count} second", "{count} seconds")},
    {TextId::ShortestSolution, NP_("The shortest solution of this game takes {count} move.",
                                   "The shortest solution of this game takes {count} moves.")},
    {TextId::SolvedAgainstShortest, NP_("You solved it in {count} move; the shortest solution takes {shortest}.",
                                        "You solved it in {count} moves; the shortest solution takes {shortest}.")},
    {TextId::ActionOutOfMemory, N_("There is not enough memory to finish this action.")},
    {TextId::GameNumberNotRecorded, N_("The game number was not recorded in {file}. {failure}")},
    {TextId::FameEntryNotRecorded, N_("Your entry was not recorded in {file}. {failure}")},
    {TextId::CannotOpen, N_("Cannot open {file}: {reason}.")},
    {TextId::CannotLock, N_("Cannot lock {file}: {reason}.")},
    {TextId::CannotRead, N_("Cannot read {file}: {reason}.")},
    {TextId::CannotWrite, N_("Cannot write {file}: {reason}.")},
    {TextId::CannotCreate, N_("Cannot create {file}: {reason}.")},
    {TextId::CannotReplace, N_("Cannot replace {file}: {reason}.")},
    {TextId::CannotDelete, N_("Cannot delete {file}: {reason}.")},
    {TextId::CannotRewrite, N_("Cannot rewrite {file}: {reason}.")},
    {TextId::FolderInUse, N_("The data folder is in use by another program.")},
    {TextId::FolderNotWritable, N_("The data folder {folder} cannot be written to: {reason}.")},
    {TextId::NotEnoughMemory, N_("There is not enough memory.")},
    {TextId::ReasonSymbolicLink, N_("it is a symbolic link")},
    {TextId::ReasonNotRegularFile, N_("it is not a regular file")},
    {TextId::ReasonLargerThan, N_("it is larger than {size}")},
    {TextId::ReasonTooLarge, N_("it is too large")},
    {TextId::ReasonMebibytes, N_("{count} MiB")},
    {TextId::ReasonBytes, N_("{count} bytes")},
    {TextId::ReasonNotEnoughMemory, N_("there is not enough memory")},
    {TextId::ReasonNoLongerExists, N_("the file no longer exists")},
    {TextId::ReasonScripted, N_("scripted failure")},
    {TextId::ReasonPermissionDenied, N_("Permission denied")},
    {TextId::ReasonReadOnlyFileSystem, N_("Read-only file system")},
    {TextId::ReasonNoSpace, N_("No space left on device")},
    {TextId::ReasonQuotaExceeded, N_("Disk quota exceeded")},
    {TextId::ReasonInputOutput, N_("Input/output error")},
    {TextId::ReasonIsDirectory, N_("Is a directory")},
    {TextId::ReasonNotDirectory, N_("Not a directory")},
    {TextId::ReasonNoSuchFile, N_("No such file or directory")},
    {TextId::ReasonTooManyOpenFiles, N_("Too many open files")},
    {TextId::ReasonOperationNotPermitted, N_("Operation not permitted")},
    {TextId::ReasonFileTooLarge, N_("File too large")},
    {TextId::ReasonNameTooLong, N_("File name too long")},
    {TextId::ReasonNoLocks, N_("No locks available")},
    {TextId::ReasonStaleHandle, N_("Stale file handle")},
    {TextId::OkButton, N_("OK")},
    {TextId::CancelButton, N_("Cancel")},
    {TextId::RecordsNotKept, N_("This browser does not let the game keep its records. You can play, but no time "
                                "enters the Hall of Fame and no game number can be saved.")},
    {TextId::DownloadRecord, N_("Download {file}")},
    {TextId::LoadRecord, N_("Load {file}")},
    {TextId::NoRecordYet, N_("There is no {file} yet.")},
}};

// The table is in the enum's order, so that an identity finds its text directly.
inline constexpr bool kCatalogueInOrder = [] {
  for (std::size_t i = 0; i < kCatalogue.size(); ++i)
    if (static_cast<std::size_t>(kCatalogue[i].id) != i) return false;
  return true;
}();
static_assert(kCatalogueInOrder);

// The English text of an identity (the one-form text of a counted one).
constexpr std::string_view English(TextId id) { return kCatalogue[static_cast<std::size_t>(id)].english; }

}  // namespace quarvel
