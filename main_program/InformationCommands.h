#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QUrl;

// The commands of the "Information(&I)" menu and the texts they show.

struct PhysicalMemory {
    std::uint64_t available = 0; // bytes
    std::uint64_t total = 0;     // bytes
};

// The memory figures of /proc/meminfo text ("MemAvailable", "MemTotal"), or
// nothing when the text lacks them.
std::optional<PhysicalMemory> ParseMemInfo(const QByteArray& text);
// Read from /proc/meminfo, else from sysinfo(2).
std::optional<PhysicalMemory> CurrentPhysicalMemory();

QString InstallFolderText(const QString& programFolder);
QString MemoryText(const PhysicalMemory& memory);
QString ScreenResolutionText(const QSize& screen);
QString AboutText(const QString& applicationTitle);

void ShowInstallFolder();   // N28
void ShowMemory();          // N36
void ShowScreenResolution(); // N38
void ShowAbout();           // About1

// The desktop's text editor and calculator: "notepad.exe" and "Calc.exe"
// first where they exist; then for the editor the desktop's default
// application for plain text; else the first of the common ones found on
// the search path. Each says so in one box when there is none; true when
// one started.
bool StartNotepad();    // N30 without Shift
bool StartCalculator(); // N31

// N30: with Shift held the item only gets the shortcut "ctrl+M"; otherwise
// the text editor is started. True when it started.
bool NotepadCommand(QAction* item, Qt::KeyboardModifiers modifiers);

// N13: the help file "kavrel.CHM" of the program folder, when it is there and
// `open` opens it, else the program's own manual with the desktop's handler.
// Returns whether one opened; the caller then shows the manual itself.
bool OpenHelp(const QString& programFolder, const std::function<bool(const QUrl&)>& open);
// The same with the desktop's handlers.
bool OpenHelp(const QString& programFolder);
