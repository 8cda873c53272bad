#include "DisplaySettings.h"

#include "ProgramFiles.h"
#include "SettingsLines.h"

#include <QFileInfo>

#include <algorithm>

namespace {

int intOr(QStringView value, int fallback)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    return ok ? v : fallback;
}

// A key "[<grid>_Colwidths[<column>]]" sets that column's width. Lines are
// compared in place, without new strings for each of them.
template <std::size_t N>
bool applyWidth(std::array<int, N>& widths, QLatin1String prefix, const SettingsLineView& line)
{
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
void addWidths(QStringList& lines, QLatin1String prefix, const std::array<int, N>& widths)
{
    for (std::size_t i = 0; i < N; ++i)
        lines << prefix + QString::number(i) + QLatin1String("]]=") + QString::number(widths[i]);
}

// The width keys' beginnings, one per table.
const QLatin1String LabourWidths("[StrColGrid1_Colwidths[");
const QLatin1String PriceWidths("[StrColGrid2_Colwidths[");
const QLatin1String CompositeWidths("[StrColGrid3_Colwidths[");

// The bars and the tree shown or hidden, by key, in the order written.
const std::pair<QLatin1String, bool DisplaySettings::*> Flags[] = {
    {QLatin1String("TITLE_USE"), &DisplaySettings::titleBar},
    {QLatin1String("TOP_USE"), &DisplaySettings::topBar},
    {QLatin1String("TREE_USE"), &DisplaySettings::treeList},
    {QLatin1String("STATUS_USE"), &DisplaySettings::statusBar},
};

QLatin1String flagText(bool on) { return on ? QLatin1String("TRUE") : QLatin1String("FALSE"); }

QString flag(QLatin1String key, bool on)
{
    return QStringLiteral("[%1]=%2").arg(key, flagText(on));
}

// Whether `text` is exactly the line flag(key, on).
bool isFlag(QStringView text, QLatin1String key, bool on)
{
    const QLatin1String value = flagText(on);
    return text.size() == key.size() + 3 + value.size() && text.front() == QLatin1Char('[')
        && text.mid(1, key.size()) == key && text.mid(1 + key.size(), 2) == QLatin1String("]=")
        && text.mid(key.size() + 3) == value;
}

} // namespace

void ApplyDisplaySettingsLines(DisplaySettings& s, const QStringList& lines)
{
    for (const QString& text : lines) {
        for (const auto& [key, member] : Flags) {
            if (isFlag(text, key, true))
                s.*member = true;
            else if (isFlag(text, key, false))
                s.*member = false;
        }
        const SettingsLineView line = SplitSettingsLineView(text);
        if (applyWidth(s.labourColumnWidths, LabourWidths, line) || applyWidth(s.priceColumnWidths, PriceWidths, line)
            || applyWidth(s.compositeColumnWidths, CompositeWidths, line))
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
    QStringList lines{QStringLiteral("[Version]=2.00")};
    for (const auto& [key, member] : Flags)
        lines << flag(key, s.*member);
    lines << QStringLiteral("[TREEVIEW_WIDTH]=%1").arg(s.treeWidth)
          << QStringLiteral("[StrColGrid1]=%1").arg(s.labourTableHeight);
    addWidths(lines, LabourWidths, s.labourColumnWidths);
    addWidths(lines, PriceWidths, s.priceColumnWidths);
    addWidths(lines, CompositeWidths, s.compositeColumnWidths);
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
