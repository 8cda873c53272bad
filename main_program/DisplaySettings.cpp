#include "DisplaySettings.h"

#include "ProgramFiles.h"
#include "SettingsLines.h"

#include <QFileInfo>

#include <algorithm>

namespace {

int intOr(const QString& value, int fallback)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    return ok ? v : fallback;
}

template <std::size_t N>
bool applyWidth(std::array<int, N>& widths, const QString& grid, const SettingsLine& line)
{
    const QString prefix = QStringLiteral("[%1_Colwidths[").arg(grid);
    if (!line.key.startsWith(prefix) || !line.key.endsWith(QLatin1String("]]")))
        return false;
    bool ok = false;
    const int column = line.key.mid(prefix.size(), line.key.size() - prefix.size() - 2).toInt(&ok);
    if (!ok || column < 0 || column >= static_cast<int>(N))
        return false;
    widths[static_cast<std::size_t>(column)] = intOr(line.value, 100);
    return true;
}

template <std::size_t N>
void addWidths(QStringList& lines, const QString& grid, const std::array<int, N>& widths)
{
    for (std::size_t i = 0; i < N; ++i)
        lines << QStringLiteral("[%1_Colwidths[%2]]=%3").arg(grid).arg(i).arg(widths[i]);
}

QString flag(const char* key, bool on)
{
    return QStringLiteral("[%1]=%2").arg(QLatin1String(key), on ? QLatin1String("TRUE") : QLatin1String("FALSE"));
}

} // namespace

void ApplyDisplaySettingsLines(DisplaySettings& s, const QStringList& lines)
{
    const std::pair<const char*, bool*> flags[] = {
        {"TITLE_USE", &s.titleBar}, {"TOP_USE", &s.topBar}, {"TREE_USE", &s.treeList}, {"STATUS_USE", &s.statusBar}};
    for (const QString& text : lines) {
        for (const auto& [key, target] : flags) {
            if (text == flag(key, true))
                *target = true;
            else if (text == flag(key, false))
                *target = false;
        }
        const SettingsLine line = SplitSettingsLine(text);
        if (applyWidth(s.labourColumnWidths, QStringLiteral("StrColGrid1"), line)
            || applyWidth(s.priceColumnWidths, QStringLiteral("StrColGrid2"), line)
            || applyWidth(s.compositeColumnWidths, QStringLiteral("StrColGrid3"), line))
            continue;
        if (line.key == QLatin1String("[TREEVIEW_WIDTH]"))
            s.treeWidth = intOr(line.value, 100);
        else if (line.key == QLatin1String("[StrColGrid1]"))
            s.labourTableHeight = intOr(line.value, 296);
    }
}

void FitDisplaySettings(DisplaySettings& s, QSize screen)
{
    const auto fit = [](int& value, int most) { value = std::clamp(value, 0, std::max(0, most)); };
    // A pane may take half the screen, so that the tables beside and below
    // it stay in view; a column may be as wide as the screen, its table scrolls.
    fit(s.treeWidth, screen.width() / 2);
    fit(s.labourTableHeight, screen.height() / 2);
    for (int& w : s.labourColumnWidths)
        fit(w, screen.width());
    for (int& w : s.priceColumnWidths)
        fit(w, screen.width());
    for (int& w : s.compositeColumnWidths)
        fit(w, screen.width());
}

std::vector<int> FitColumnWidths(const std::vector<int>& wanted, const std::vector<int>& needed, int room)
{
    std::vector<int> widths = wanted;
    long long total = 0;
    long long slack = 0;
    std::vector<int> spare(widths.size(), 0);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        total += widths[c];
        spare[c] = std::max(0, widths[c] - (c < needed.size() ? needed[c] : 0));
        slack += spare[c];
    }
    const long long excess = total - std::max(0, room);
    if (excess <= 0)
        return widths;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        // Rounded up, so that the shares together never fall short of the
        // excess; a share stays within the column's own slack.
        const long long cut = excess >= slack ? spare[c] : (excess * spare[c] + slack - 1) / slack;
        widths[c] -= static_cast<int>(cut);
    }
    return widths;
}

QStringList DisplaySettingsLines(const DisplaySettings& s)
{
    QStringList lines{QStringLiteral("[Version]=2.00"), flag("TITLE_USE", s.titleBar), flag("TOP_USE", s.topBar),
                      flag("TREE_USE", s.treeList), flag("STATUS_USE", s.statusBar),
                      QStringLiteral("[TREEVIEW_WIDTH]=%1").arg(s.treeWidth),
                      QStringLiteral("[StrColGrid1]=%1").arg(s.labourTableHeight)};
    addWidths(lines, QStringLiteral("StrColGrid1"), s.labourColumnWidths);
    addWidths(lines, QStringLiteral("StrColGrid2"), s.priceColumnWidths);
    addWidths(lines, QStringLiteral("StrColGrid3"), s.compositeColumnWidths);
    return lines;
}

QString DisplaySettingsSource(const QString& programFolder, int screenWidth, int screenHeight)
{
    const QString own = ProgramFiles::displaySettingsFile(programFolder);
    if (QFileInfo::exists(own))
        return own;
    const QString defaults = ProgramFiles::resolutionDefaults(programFolder, screenWidth, screenHeight);
    return !defaults.isEmpty() && QFileInfo::exists(defaults) ? defaults : QString();
}
