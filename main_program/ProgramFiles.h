#pragma once

#include <QString>

// The files the main program keeps beside itself in its program folder.
namespace ProgramFiles {

QString inFolder(const QString& programFolder, const QString& name);
QString scratchFile(const QString& programFolder);         // NEWData.FDA
QString displaySettingsFile(const QString& programFolder); // kavre_p.disp
QString dataFileConfig(const QString& programFolder);      // kavre_p.conf
QString recentFolders(const QString& programFolder);       // kavrel_folders.conf, ours
// The program file's path with its extension replaced by ".ini".
QString windowPositionFile(const QString& programFilePath);
// The display defaults for a screen size, or an empty text for other sizes.
QString resolutionDefaults(const QString& programFolder, int screenWidth, int screenHeight);
QString helpFile(const QString& programFolder);   // kavrel.CHM
QString manualFile(const QString& programFolder); // manual/index.html, the program's own manual

} // namespace ProgramFiles

// 0 for the standalone edition, 1 for the network one, from the name the
// program file was started under.
int EditionFromProgramName(const QString& fileName);

// The filter of the price book open and save dialogs. Names on this platform
// tell case apart, so both spellings of the extension are offered.
QString PriceBookFileFilter();
// What the open dialog's default extension "FDA" does to a name typed
// without one.
QString WithDefaultExtension(const QString& chosen);
