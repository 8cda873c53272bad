#pragma once

#include <QString>

// The files the main program keeps beside itself in its program folder.
namespace ProgramFiles {

QString inFolder(const QString& programFolder, const QString& name);
QString scratchFile(const QString& programFolder);         // NEWData.FDA
QString displaySettingsFile(const QString& programFolder); // kavre_p.disp
QString dataFileConfig(const QString& programFolder);      // kavre_p.conf
// The program file's path with its extension replaced by ".ini".
QString windowPositionFile(const QString& programFilePath);
// The display defaults for a screen size, or an empty text for other sizes.
QString resolutionDefaults(const QString& programFolder, int screenWidth, int screenHeight);

} // namespace ProgramFiles

// 0 for the standalone edition, 1 for the network one, from the name the
// program file was started under.
int EditionFromProgramName(const QString& fileName);
