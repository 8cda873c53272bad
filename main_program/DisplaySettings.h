#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// What the display settings file keeps of the window between runs.
struct DisplaySettings {
    bool titleBar = true;
    bool topBar = true;
    bool treeList = true;
    bool statusBar = true;
    int treeWidth = 180;
    int labourTableHeight = 296;
    std::array<int, 11> labourColumnWidths{35, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80};
    std::array<int, 8> priceColumnWidths{35, 80, 80, 80, 80, 80, 80, 80};
    std::array<int, 8> compositeColumnWidths{35, 80, 80, 80, 80, 80, 80, 80};

    bool operator==(const DisplaySettings&) const = default;
};

// Applies the lines of a display settings file in order; a later line for
// the same key wins, a value that is not an integer gives that key's fallback.
void ApplyDisplaySettingsLines(DisplaySettings& settings, const QStringList& lines);

// Brings the column widths into 0..the screen's width, and the tree's width
// and the labour table's height into 0..half the screen's, so that no value
// from the file can blank the window or run its painting away.
void FitDisplaySettings(DisplaySettings& settings, QSize screen);

// The widths a table shows for the `wanted` ones in `room` pixels: as
// wanted when they fit; else each column gives up a share of what it has
// beyond its `needed` width (its texts), in proportion to that slack, so
// that they just fit; never narrower than needed, so a room too small for
// the texts leaves every column at its need and the table scrolls.
std::vector<int> FitColumnWidths(const std::vector<int>& wanted, const std::vector<int>& needed, int room);

// The 34 lines written at shutdown.
QStringList DisplaySettingsLines(const DisplaySettings& settings);

// The file to read at start-up: the display settings file, else the default
// for the screen size; empty when neither exists.
QString DisplaySettingsSource(const QString& programFolder, int screenWidth, int screenHeight);
