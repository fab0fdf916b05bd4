#pragma once
// Every text the player sees or hears, each under one identity. The English text is the
// key of its translations (po/), together with a context where the words alone leave the
// text's use open; arguments are named in braces, "{file}". A counted text has an English
// form for one and one for many. Only this file is read for the template, and the comments
// that start with "Translators:" go into it, each ending on the line above its English text.
#include <array>
#include <cstddef>
#include <string_view>

// Mark a text for the template: N_(text), NC_(context, text), NP_(one, many) and
// NPC_(context, one, many). They expand to the fields of a CatalogueText.
#define N_(text) "", text
#define NC_(context, text) context, text
#define NP_(one, many) "", one, many
#define NPC_(context, one, many) context, one, many

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
  VersionLine,
  ContactLine,
  GameNumberBoxName,
  TimeBoxName,
  BoardName,
  VersionName,
  ContactName,
  HallOfFameTitle,
  FameListingName,
  ReturnButton,
  ReloadTitle,
  SelectGameLabel,
  SavedGameBoxName,
  TileName,
  EmptyCellName,
  // The Hall of Fame listing.
  FameHeadingName,
  FameHeadingGameNumber,
  FameHeadingTime,
  FameHeadingDate,
  FameTime,
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
  // The winning time, one sentence for each unit that is 0 or not.
  WinningTime,
  WinningTimeNoSeconds,
  WinningTimeNoMinutes,
  WinningTimeHoursOnly,
  WinningTimeUnderAnHour,
  WinningTimeMinutesOnly,
  WinningTimeSecondsOnly,
  WinningTimeNoTime,
  Hours,
  Minutes,
  Seconds,
  ShortestSolution,
  SolvedAgainstShortest,
  ShortestMoves,
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
  ReasonTooManyOpenFilesInSystem,
  ReasonOperationNotPermitted,
  ReasonFileTooLarge,
  ReasonNameTooLong,
  ReasonNoLocks,
  ReasonStaleHandle,
  ReasonCannotAllocateMemory,
  ReasonBusy,
  ReasonTextFileBusy,
  ReasonTryAgain,
  ReasonInvalidArgument,
  ReasonFileExists,
  ReasonDirectoryNotEmpty,
  ReasonSystemError,
  // The web page's own boxes and records.
  OkButton,
  CancelButton,
  RecordsNotKept,
  DownloadRecord,
  LoadRecord,
  NoRecordYet,
  UndoLoadRecord,
  FameEntryCount,
  SavedGameCount,
  DamagedLineCount,
  ContentsWithDamagedLines,
  NothingToLoad,
  ReplaceRecordQuestion,
  RecordLoaded,
  LoadUndone,
  LoadNoLongerUndoable,
  NoRecordsKeptForFame,
  NoRecordsKeptForSave,
  RecordsBarName,
  // The web page installed as an app.
  WebAppName,
  WebAppShortName,
  WebAppDescription,
  // The web page's contact line, and its help page (web/help.html).
  PageHelpLink,
  HelpTitle,
  HelpGoal,
  HelpMovesHeading,
  HelpTap,
  HelpSwipe,
  HelpKeys,
  HelpShowMe,
  HelpRecordsHeading,
  HelpFame,
  HelpStorage,
  HelpDownload,
  HelpBack,
  Count
};

struct CatalogueText {
  TextId id;
  const char* context;  // "" for a text whose words say where it is used
  const char* english;
  const char* englishMany = nullptr;  // counted texts only
};

// Widths are given at the usual 96 dots per inch; the widget tests measure every caption,
// label and heading in its control.
inline constexpr std::array<CatalogueText, static_cast<std::size_t>(TextId::Count)> kCatalogue{{
    // Translators: the game's name: the title of its three windows and the heading of the
    // main window. A name, usually left as it is.
    {TextId::GameTitle, N_("Quarvel Orbix")},
    // Translators: the label left of the box that shows the game number; "#" reads
    // "number". About 50 pixels in a small bold font: some 8 characters.
    {TextId::GameNumberLabel, NC_("main window label", "Game #")},
    // Translators: the label left of the box where the clock runs. About 74 pixels in a
    // small bold font: some 12 characters.
    {TextId::TimeTakenLabel, NC_("main window label", "Time Taken")},
    // Translators: deals a new random game. The main window's buttons are 121 pixels wide
    // in a small bold font: some 18 characters.
    {TextId::NewGameButton, NC_("button", "New Game")},
    // Translators: starts the last game again from its first arrangement. 121 pixels wide.
    {TextId::ReplayButton, NC_("button", "Replay Last Game")},
    // Translators: opens the list of saved game numbers, to play one of those games again.
    // 121 pixels wide.
    {TextId::ReloadButton, NC_("button", "Reload Saved Game")},
    // Translators: stores the number of the game being played, so that it can be played
    // again later ("#": number). 121 pixels wide.
    {TextId::SaveButton, NC_("button", "Save Game #")},
    // Translators: abandons the game and puts the tiles back in order. 121 pixels wide.
    {TextId::GiveUpButton, NC_("button", "Give Up")},
    // Translators: makes the next move for the player; a game finished with its help does
    // not enter the Hall of Fame. Its name is quoted in "Game completed with help from Show
    // Me! routine." and in the metainfo: keep them alike. 121 pixels wide.
    {TextId::ShowMeButton, NC_("button", "Show Me!")},
    // Translators: opens the list of the 30 best times. 121 pixels wide.
    {TextId::HallOfFameButton, NC_("button", "Hall of Fame")},
    // Translators: the version notice at the foot of the main window; {version} is the
    // game's version, such as 1.41. 216 pixels wide: some 34 characters.
    {TextId::VersionLine, NC_("version notice", "V{version} Quarvel Orbix team")},
    // Translators: the line under the version notice; README is the name of a file that
    // comes with the game. 291 pixels wide: some 45 characters.
    {TextId::ContactLine, N_("Ideas and issues: see README")},
    // Translators: what a screen reader calls the box that shows the game number.
    {TextId::GameNumberBoxName, NC_("accessible name", "Game number")},
    // Translators: what a screen reader calls the box where the clock runs.
    {TextId::TimeBoxName, NC_("accessible name", "Time taken")},
    // Translators: what a screen reader calls the frame around the tiles.
    {TextId::BoardName, NC_("accessible name", "Board")},
    // Translators: what a screen reader calls the version notice.
    {TextId::VersionName, NC_("accessible name", "Version")},
    // Translators: what a screen reader calls the line "Ideas and issues: see README".
    {TextId::ContactName, NC_("accessible name", "Contact")},
    // Translators: the heading of the Hall of Fame window, in large letters: 262 pixels.
    {TextId::HallOfFameTitle, NC_("window title", "Hall of Fame")},
    // Translators: what a screen reader calls the box that lists the Hall of Fame.
    {TextId::FameListingName, NC_("accessible name", "Hall of Fame listing")},
    // Translators: the button of the Hall of Fame and Reload Game windows that goes back to
    // the main window. 173 pixels wide in a bold font: some 22 characters.
    {TextId::ReturnButton, NC_("button", "Return to Main Screen")},
    // Translators: the heading of the window that lists the saved games, in large letters:
    // 262 pixels.
    {TextId::ReloadTitle, NC_("window title", "Reload Game")},
    // Translators: the label over the box listing the saved game numbers ("#": number), and
    // the name a screen reader gives that box's label. 102 pixels in a small bold font: some
    // 16 characters.
    {TextId::SelectGameLabel, NC_("label", "Select Game #")},
    // Translators: what a screen reader calls the box listing the saved game numbers.
    {TextId::SavedGameBoxName, NC_("accessible name", "Saved game number")},
    // Translators: what a screen reader says for a tile: {tile} is its number, 1 to 15;
    // {row} and {column} (1 to 4) are the cell it stands on, counted from the top left.
    {TextId::TileName, NC_("accessible name", "Tile {tile}, row {row}, column {column}")},
    // Translators: what a screen reader says for the empty cell; {row} and {column} are 1
    // to 4, counted from the top left.
    {TextId::EmptyCellName, NC_("accessible name", "Empty cell, row {row}, column {column}")},
    // Translators: a column heading of the Hall of Fame listing, a monospaced table: the
    // player's name. At most 14 characters.
    {TextId::FameHeadingName, NC_("Hall of Fame column heading", "Name")},
    // Translators: a column heading of the Hall of Fame listing: the game number ("#":
    // number). At most 16 characters.
    {TextId::FameHeadingGameNumber, NC_("Hall of Fame column heading", "Game #")},
    // Translators: a column heading of the Hall of Fame listing: the winning time. At most
    // 10 characters.
    {TextId::FameHeadingTime, NC_("Hall of Fame column heading", "Time")},
    // Translators: a column heading of the Hall of Fame listing: the day of the win.
    {TextId::FameHeadingDate, NC_("Hall of Fame column heading", "Date")},
    // Translators: a winning time in the Hall of Fame listing, under the "Time" heading;
    // {minutes} and {seconds} are two digits each (05, 07); M and S stand for minutes and
    // seconds. At most 10 characters once filled, so that the dates stay in their column.
    {TextId::FameTime, NC_("Hall of Fame time column", "{minutes}M  {seconds}S")},
    {TextId::ErrorTitle, NC_("message box title", "Error!")},
    // Translators: the title of the box that gives the winning time, and of the box that
    // then asks for the winner's name.
    {TextId::CongratulationsTitle, NC_("message box title", "Congratulations!")},
    // Translators: the title of the box saying that a game was finished with the help of
    // "Show Me!".
    {TextId::GameOverTitle, NC_("message box title", "Game Over!")},
    // Translators: the title of the box saying that the game number was saved; it is shown
    // after that alone.
    {TextId::SuccessTitle, NC_("message box title", "Success!")},
    {TextId::HomePositionsDamaged,
     // Translators: told at start-up, before the game ends: quarvel.dat is the file of the
     // game's starting arrangements (a file name, kept as it is); {folder} is the full path
     // of the folder the game keeps its files in.
     N_("The file quarvel.dat in {folder} is missing or damaged; Quarvel Orbix cannot start.")},
    // Translators: {number} is what the player typed into the game number box.
    {TextId::InvalidGameNumber, N_("\"{number}\" is not a valid game number.")},
    {TextId::NoSavedGames, N_("No games have yet been saved.")},
    // Translators: the game number was saved ("Game #": the game number; no number is
    // shown). Titled "Success!".
    {TextId::GameSaved, N_("Game # successfully saved.")},
    // Translators: a game finished with the help of the "Show Me!" button, which is named
    // here; it does not enter the Hall of Fame. Titled "Game Over!".
    {TextId::AssistedGameOver, N_("Game completed with help from Show Me! routine.")},
    // Translators: asks a winner with a time for the Hall of Fame for a name.
    {TextId::NamePrompt, N_("Please provide your name (max. 14 characters) for the Hall of Fame.")},
    {TextId::NameTooLong, N_("The name you provide must contain fewer than 15 characters.")},
    // Translators: the name may not contain the character " (it ends a field in the file).
    {TextId::NameHasQuotes, N_("The name you provide must not contain double quotes.")},
    {TextId::NameHasControlCharacters,
     N_("The name you provide must not contain line breaks or other control characters.")},
    // Translators: the winning time, in its own box. {hours}, {minutes} and {seconds} are
    // texts such as "2 hours", "1 minute" and "5 seconds" (translated below). Write the
    // time as your language says it, joining the units with "and" where that is usual.
    // The seven texts that follow are the same sentence for a time in which a unit is 0;
    // there a 0 may be left out.
    {TextId::WinningTime, NC_("winning time", "Congratulations, your winning time was {hours} {minutes} {seconds}.")},
    {TextId::WinningTimeNoSeconds,
     // Translators: the winning time when its seconds are 0 ("2 hours and 5 minutes"): there
     // is no {seconds}, and the 0 seconds may be left out. {hours} and {minutes} as above.
     NC_("winning time", "Congratulations, your winning time was {hours} {minutes} 0 seconds.")},
    {TextId::WinningTimeNoMinutes,
     // Translators: the winning time when its minutes are 0 ("1 hour and 7 seconds"): there
     // is no {minutes}, and the 0 minutes may be left out. {hours} and {seconds} as above.
     NC_("winning time", "Congratulations, your winning time was {hours} 0 minutes {seconds}.")},
    {TextId::WinningTimeHoursOnly,
     // Translators: the winning time in whole hours ("2 hours"): its minutes and seconds are
     // 0, there is neither {minutes} nor {seconds}, and both may be left out. {hours} as
     // above.
     NC_("winning time", "Congratulations, your winning time was {hours} 0 minutes 0 seconds.")},
    {TextId::WinningTimeUnderAnHour,
     // Translators: the winning time under an hour ("4 minutes and 5 seconds"): there is no
     // {hours}, so the hours are left out. The English has two blanks where they would
     // stand; a translation needs no such gap. {minutes} and {seconds} as above.
     NC_("winning time", "Congratulations, your winning time was  {minutes} {seconds}.")},
    {TextId::WinningTimeMinutesOnly,
     // Translators: the winning time in whole minutes, under an hour ("3 minutes"): no hours,
     // as above, and the seconds are 0: there is no {seconds}, and the 0 seconds may be left
     // out. {minutes} as above.
     NC_("winning time", "Congratulations, your winning time was  {minutes} 0 seconds.")},
    {TextId::WinningTimeSecondsOnly,
     // Translators: the winning time under a minute ("45 seconds"): no hours, as above, and
     // the minutes are 0: there is no {minutes}, and the 0 minutes may be left out.
     // {seconds} as above.
     NC_("winning time", "Congratulations, your winning time was  0 minutes {seconds}.")},
    // Translators: a win within the first second: every unit is 0, and there is no argument;
    // say it as your language says a time under a second.
    {TextId::WinningTimeNoTime, NC_("winning time", "Congratulations, your winning time was  0 minutes 0 seconds.")},
    // Translators: fills {hours} of the winning time; {count} is at least 1.
    {TextId::Hours, NPC_("winning time", "{count} hour", "{count} hours")},
    // Translators: fills {minutes} of the winning time; {count} is 1 to 59.
    {TextId::Minutes, NPC_("winning time", "{count} minute", "{count} minutes")},
    // Translators: fills {seconds} of the winning time; {count} is 1 to 59.
    {TextId::Seconds, NPC_("winning time", "{count} second", "{count} seconds")},
    // Translators: the tooltip of the game number box, also read by screen readers;
    // {count} is the number of moves (slides of a tile) the game needs at least.
    {TextId::ShortestSolution, NP_("The shortest solution of this game takes {count} move.",
                                   "The shortest solution of this game takes {count} moves.")},
    // Translators: the same tooltip once the player has won: {count} is the number of tiles
    // the player moved; {shortest} is the length of the shortest solution, as the next text
    // writes it.
    {TextId::SolvedAgainstShortest, NP_("You solved it in {count} move; the shortest solution takes {shortest}.",
                                        "You solved it in {count} moves; the shortest solution takes {shortest}.")},
    // Translators: fills {shortest} in "You solved it in {count} moves; the shortest
    // solution takes {shortest}."; {count} is the number of moves. English gives the bare
    // number; add the word for moves in the form this number takes where your sentence
    // needs it.
    {TextId::ShortestMoves, NPC_("length of the shortest solution", "{count}", "{count}")},
    {TextId::ActionOutOfMemory, N_("There is not enough memory to finish this action.")},
    // Translators: {file} is saved.dat; {failure} is the sentence saying why, one of the
    // "Cannot ..." texts below.
    {TextId::GameNumberNotRecorded, N_("The game number was not recorded in {file}. {failure}")},
    // Translators: the winner's Hall of Fame entry was lost; {file} is Fame.dat, {failure}
    // the sentence saying why, one of the "Cannot ..." texts below.
    {TextId::FameEntryNotRecorded, N_("Your entry was not recorded in {file}. {failure}")},
    // Translators: {file} is the name of one of the game's files, such as Fame.dat;
    // {reason} is one of the reasons below ("Permission denied", "it is a symbolic link").
    {TextId::CannotOpen, N_("Cannot open {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotLock, N_("Cannot lock {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotRead, N_("Cannot read {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotWrite, N_("Cannot write {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotCreate, N_("Cannot create {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotReplace, N_("Cannot replace {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotDelete, N_("Cannot delete {file}: {reason}.")},
    // Translators: as "Cannot open {file}: {reason}.".
    {TextId::CannotRewrite, N_("Cannot rewrite {file}: {reason}.")},
    {TextId::FolderInUse, N_("The data folder is in use by another program.")},
    // Translators: {folder} is the full path of the game's data folder; {reason} is
    // "Permission denied" or "Read-only file system" below.
    {TextId::FolderNotWritable, N_("The data folder {folder} cannot be written to: {reason}.")},
    {TextId::NotEnoughMemory, N_("There is not enough memory.")},
    // Translators: the reasons complete the "Cannot ... {file}: {reason}." texts after the
    // colon. The English mixes the system's own phrases, with a capital, and the game's
    // clauses about the file ("it"); write all of them in one form that reads well there.
    {TextId::ReasonSymbolicLink, NC_("reason a file action failed", "it is a symbolic link")},
    {TextId::ReasonNotRegularFile, NC_("reason a file action failed", "it is not a regular file")},
    // Translators: {size} is "1 MiB" or "1000 bytes", from the texts below.
    {TextId::ReasonLargerThan, NC_("reason a file action failed", "it is larger than {size}")},
    {TextId::ReasonTooLarge, NC_("reason a file action failed", "it is too large")},
    // Translators: a file size in mebibytes (1 MiB = 1,048,576 bytes); {count} is the number.
    {TextId::ReasonMebibytes, NC_("reason a file action failed", "{count} MiB")},
    // Translators: a file size; {count} is the number of bytes.
    {TextId::ReasonBytes, NPC_("reason a file action failed", "{count} byte", "{count} bytes")},
    {TextId::ReasonNotEnoughMemory, NC_("reason a file action failed", "there is not enough memory")},
    {TextId::ReasonNoLongerExists, NC_("reason a file action failed", "the file no longer exists")},
    // Translators: a failure that a test of the game asks for; players do not see it.
    {TextId::ReasonScripted, NC_("reason a file action failed", "scripted failure")},
    {TextId::ReasonPermissionDenied, NC_("reason a file action failed", "Permission denied")},
    {TextId::ReasonReadOnlyFileSystem, NC_("reason a file action failed", "Read-only file system")},
    {TextId::ReasonNoSpace, NC_("reason a file action failed", "No space left on device")},
    {TextId::ReasonQuotaExceeded, NC_("reason a file action failed", "Disk quota exceeded")},
    {TextId::ReasonInputOutput, NC_("reason a file action failed", "Input/output error")},
    // Translators: the file is a folder.
    {TextId::ReasonIsDirectory, NC_("reason a file action failed", "Is a directory")},
    // Translators: a part of the file's path that should be a folder is not one.
    {TextId::ReasonNotDirectory, NC_("reason a file action failed", "Not a directory")},
    {TextId::ReasonNoSuchFile, NC_("reason a file action failed", "No such file or directory")},
    // Translators: the game has too many files open.
    {TextId::ReasonTooManyOpenFiles, NC_("reason a file action failed", "Too many open files")},
    // Translators: the programs of the system have too many files open together.
    {TextId::ReasonTooManyOpenFilesInSystem, NC_("reason a file action failed", "Too many open files in system")},
    {TextId::ReasonOperationNotPermitted, NC_("reason a file action failed", "Operation not permitted")},
    // Translators: the file would grow beyond the largest size the system allows.
    {TextId::ReasonFileTooLarge, NC_("reason a file action failed", "File too large")},
    {TextId::ReasonNameTooLong, NC_("reason a file action failed", "File name too long")},
    // Translators: the system cannot lock the file for the game alone.
    {TextId::ReasonNoLocks, NC_("reason a file action failed", "No locks available")},
    // Translators: the file lies on a network drive and was replaced or removed there.
    {TextId::ReasonStaleHandle, NC_("reason a file action failed", "Stale file handle")},
    // Translators: the system has no memory left for the action.
    {TextId::ReasonCannotAllocateMemory, NC_("reason a file action failed", "Cannot allocate memory")},
    {TextId::ReasonBusy, NC_("reason a file action failed", "Device or resource busy")},
    // Translators: the file is a program that is running.
    {TextId::ReasonTextFileBusy, NC_("reason a file action failed", "Text file busy")},
    // Translators: the system could not do it at that moment.
    {TextId::ReasonTryAgain, NC_("reason a file action failed", "Resource temporarily unavailable")},
    {TextId::ReasonInvalidArgument, NC_("reason a file action failed", "Invalid argument")},
    {TextId::ReasonFileExists, NC_("reason a file action failed", "File exists")},
    // Translators: a folder that stands where the file should go is not empty.
    {TextId::ReasonDirectoryNotEmpty, NC_("reason a file action failed", "Directory not empty")},
    // Translators: any other failure the system reports; {number} is its error number.
    {TextId::ReasonSystemError, NC_("reason a file action failed", "system error {number}")},
    // Translators: the buttons of the web page's own message boxes and name prompt.
    {TextId::OkButton, NC_("web page box", "OK")},
    {TextId::CancelButton, NC_("web page box", "Cancel")},
    {TextId::RecordsNotKept, NC_("web page records",
                                 // Translators: told once, in an "Error!" box, when a browser refuses the web page
                                 // its storage (a private window): the Hall of Fame and the saved game numbers
                                 // ("Save Game #") are not kept. Name them as the other texts do.
                                 "This browser does not let the game keep its records. You can play, but no time "
                                 "enters the Hall of Fame and no game number can be saved.")},
    // Translators: a button below the web page's main window that saves a record as a file
    // on the player's computer; {file} is Fame.dat (the Hall of Fame) or saved.dat (the
    // saved game numbers), file names kept as they are.
    {TextId::DownloadRecord, NC_("web page records", "Download {file}")},
    // Translators: the button beside "Download {file}" that takes such a file back from the
    // player's computer and replaces the record with it; {file} as there.
    {TextId::LoadRecord, NC_("web page records", "Load {file}")},
    // Translators: a record the player asked to download does not exist yet; {file} is
    // Fame.dat or saved.dat.
    {TextId::NoRecordYet, NC_("web page records", "There is no {file} yet.")},
    // Translators: a button beside "Load {file}", there after a load replaced the record; it
    // puts back what the record held before. {file} as there.
    {TextId::UndoLoadRecord, NC_("web page records", "Undo load of {file}")},
    // Translators: how many Hall of Fame entries a file holds, used in the texts below.
    {TextId::FameEntryCount, NPC_("web page records", "{count} entry", "{count} entries")},
    // Translators: how many saved game numbers a file holds, used in the texts below.
    {TextId::SavedGameCount, NPC_("web page records", "{count} saved game", "{count} saved games")},
    {TextId::DamagedLineCount, NPC_("web page records",
                                    // Translators: lines of a file that could not be read, and
                                    // were left out.
                                    "{count} damaged line left out", "{count} damaged lines left out")},
    // Translators: what a file holds; {entries} is "12 entries" or "12 saved games",
    // {damaged} "3 damaged lines left out".
    {TextId::ContentsWithDamagedLines, NC_("web page records", "{entries}; {damaged}")},
    {TextId::NothingToLoad, NC_("web page records",
                                // Translators: the file the player chose to load holds nothing the game can read;
                                // {file} is Fame.dat or saved.dat, which stays as it was.
                                "The file you chose holds nothing that can go into {file}. {file} is unchanged.")},
    {TextId::ReplaceRecordQuestion,
     NC_("web page records",
         // Translators: asked before a load replaces a record; {now} and {chosen} are what
         // the record and the chosen file hold ("12 entries", "8 entries; 3 damaged lines
         // left out"). The buttons are OK and Cancel; Cancel is the default.
         "{file} now holds {now}. The file you chose holds {chosen}. Replace {file} with it?")},
    // Translators: after a load; {contents} as {chosen} above.
    {TextId::RecordLoaded, NC_("web page records", "{file} now holds {contents}.")},
    // Translators: after "Undo load of {file}".
    {TextId::LoadUndone, NC_("web page records", "{file} holds again what it held before the load.")},
    {TextId::LoadNoLongerUndoable,
     NC_("web page records",
         // Translators: after "Undo load of {file}" when a win or "Save Game #" has changed the
         // record since the load: nothing is undone, so that nothing won or saved is lost.
         "{file} has changed since the load, so the load can no longer be undone.")},
    // Translators: told a winner fast enough for the Hall of Fame in a browser that refuses
    // the web page its storage (a private window), in place of the name prompt.
    {TextId::NoRecordsKeptForFame,
     NC_("web page records",
         "This browser keeps no records for this page, so your time cannot enter the Hall of Fame.")},
    // Translators: told when the player clicks "Save Game #" in such a browser.
    {TextId::NoRecordsKeptForSave,
     NC_("web page records", "This browser keeps no records for this page, so this game number cannot be saved.")},
    // Translators: what a screen reader calls the bar below the web page's main window that
    // holds the "Download {file}" and "Load {file}" buttons.
    {TextId::RecordsBarName, NC_("accessible name", "Records")},
    // Translators: the name of the web page installed as an app, in the system's list of
    // apps; the game's name, usually left as it is.
    {TextId::WebAppName, NC_("web app name", "Quarvel Orbix")},
    // Translators: the name under the installed app's icon on a phone's home screen, where a
    // longer name is cut short; usually the game's name as it is.
    {TextId::WebAppShortName, NC_("web app short name", "Quarvel Orbix")},
    {TextId::WebAppDescription,
     NC_("web app description",
         // Translators: what the browser says of the web page when it offers to install it
         // as an app.
         "The sliding-tile puzzle: fifteen numbered tiles and one empty cell on a 4 x 4 board.")},
    // Translators: the web page's line under the version notice, in place of the desktop's
    // "Ideas and issues: see README": a link to the page's help. 291 pixels wide in a small
    // bold font: some 40 characters.
    {TextId::PageHelpLink, NC_("web page contact line", "Help: how to play, keys, records")},
    // Translators: the title and heading of the web page's help page.
    {TextId::HelpTitle, NC_("help page", "How to play Quarvel Orbix")},
    {TextId::HelpGoal,
     NC_("help page",
         // Translators: a paragraph of the help page; {new_game} is the "New Game" button's
         // caption as translated.
         "Slide the tiles into the empty cell until they read 1 to 15 in rows from the top left, the empty "
         "cell at the bottom right. {new_game} deals a game; the clock shows the time you take.")},
    // Translators: a heading of the help page.
    {TextId::HelpMovesHeading, NC_("help page", "Moves, keys and gestures")},
    // Translators: an item of the help page's list of moves and keys.
    {TextId::HelpTap, NC_("help page", "Click or tap a tile beside the empty cell to slide it there.")},
    {TextId::HelpSwipe,
     NC_("help page",
         // Translators: an item of the help page's list of moves and keys; a swipe is a
         // finger's quick stroke across a touch screen.
         "Swipe on the board, or press an arrow key, to slide a tile that way: swipe up, and the tile below "
         "the empty cell moves up.")},
    {TextId::HelpKeys,
     NC_("help page",
         // Translators: an item of the help page's list of moves and keys; the keys' names
         // as printed on the player's keyboard.
         "Ctrl+N deals a new game. Enter answers a message; Escape cancels the name prompt and closes the "
         "windows of the records.")},
    {TextId::HelpShowMe,
     NC_("help page",
         // Translators: an item of the help page's list of moves and keys; {show_me} is the
         // "Show Me!" button's caption and {hall_of_fame} the Hall of Fame window's title, as
         // translated.
         "{show_me} makes the next move for you, one a press; a game helped that way does not enter the "
         "{hall_of_fame}.")},
    // Translators: a heading of the help page.
    {TextId::HelpRecordsHeading, NC_("help page", "Your records")},
    {TextId::HelpFame,
     NC_("help page",
         // Translators: a paragraph of the help page; {hall_of_fame} is the Hall of Fame
         // window's title, {save} and {reload} the "Save Game #" and "Reload Saved Game"
         // buttons' captions, as translated.
         "A game won without help in under an hour, fast enough for the 30 best, enters the {hall_of_fame} "
         "under the name you type. {save} keeps the game's number, and {reload} starts that game again.")},
    {TextId::HelpStorage,
     NC_("help page",
         // Translators: a paragraph of the help page: where the web page keeps what it keeps.
         "The records, and the game in progress in each tab, are kept in this browser only, on this "
         "device: nothing is sent anywhere. Clearing this site's data in the browser deletes them.")},
    {TextId::HelpDownload,
     NC_("help page",
         // Translators: a paragraph of the help page, on the buttons under the web page's
         // game; Fame.dat and saved.dat are the names of files, left as they are.
         "The buttons under the game download the records as the files Fame.dat and saved.dat, and load "
         "such files back, from this page or from the desktop game.")},
    // Translators: the help page's link back to the game.
    {TextId::HelpBack, NC_("help page", "Back to the game")},
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
