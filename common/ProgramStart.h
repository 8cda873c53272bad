#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <optional>

// What every program does before it opens a window: "--help" and
// "--version" print and end it, with or without a display; a program that
// needs a display and has none says so in one line instead of aborting.
struct ProgramInfo {
    const char* name;  // as typed on the command line
    const char* usage; // the text of --help, lines ended by "\n"
    bool needsDisplay = true;
};

// The window icon of a program ("kavrel", "kanzai_input"), in every size the
// program carries.
QIcon ProgramIcon(const QString& name);

// Loads the toolkit's own Japanese (the file, folder and print dialogs, the
// standard buttons), whatever the locale says: the programs speak Japanese.
// False when the translations are not installed.
bool LoadToolkitJapanese();

// Names the face the package installs for Japanese after the desktop's
// default face in the application's font: Latin text stays in the desktop's
// face, kanji and kana come from the Japanese face rather than from whichever
// face the system's fallback search finds, and that search, 7 of the 215
// million instructions of kavrel's start, is not made.
inline constexpr char JapaneseFace[] = "IPAGothic";
void UseJapaneseFace();

// The version of the whole project, as the package carries it.
QString ProjectVersion();

// Whether a window system is reachable: a platform named outright, or an X
// or Wayland display.
bool DisplayReachable();

// The exit code when the program ends here, or nothing to go on. Prints to
// standard output (help, version) or standard error (no display).
std::optional<int> EarlyExit(int argc, char** argv, const ProgramInfo& program);

// For timing the whole start from outside: with KAVREL_EXIT_AFTER_FIRST_PAINT
// set, the program ends as soon as `painted` (the table or list the user
// looks at first) has been painted once, without closing its window (which
// would save settings). Not a user setting; nothing else reads it.
void ExitAfterFirstPaintWhenTimed(QObject* painted);
