#pragma once

#include "PriceBook.h"

#include <array>

// A row of the material being edited, with the values that are computed and
// shown but never saved.
struct WorkRow : RowFields {
    Currency compositeList;
    Currency adoptedList;
    // breakdown[level - 1][component - 1]: the seven cost components of the
    // composite price at each of the seven levels.
    std::array<std::array<Currency, RateInputs>, AllLevels> breakdown{};

    bool operator==(const WorkRow&) const = default;
};

// The adopted price of level k (1..7); the cost level has none of its own,
// so its composite price serves.
inline Currency LevelAdoptedPrice(const WorkRow& row, int level)
{
    if (level <= SubmissionLevels)
        return row.adoptedLevel[static_cast<std::size_t>(level - 1)];
    return level == CostLevel ? row.compositeCost : row.adoptedList;
}

// The composite price of level k (1..7).
inline Currency LevelCompositePrice(const WorkRow& row, int level)
{
    if (level <= SubmissionLevels)
        return row.compositeLevel[static_cast<std::size_t>(level - 1)];
    return level == CostLevel ? row.compositeCost : row.compositeList;
}

constexpr int SettingsRowNumber = 15; // line 15 of sheet 0: the material's settings
constexpr int LabourRowNumber = 60;   // line 15 of sheet 3: the base labour costs

// The 60 rows of one material, addressed by material row number n (1..60).
class WorkSet {
public:
    WorkRow& row(int n)
    {
        assert(n >= 1 && n <= RowsPerMaterial);
        return rows_[static_cast<std::size_t>(n - 1)];
    }
    const WorkRow& row(int n) const
    {
        assert(n >= 1 && n <= RowsPerMaterial);
        return rows_[static_cast<std::size_t>(n - 1)];
    }
    WorkRow& settingsRow() { return row(SettingsRowNumber); }
    const WorkRow& settingsRow() const { return row(SettingsRowNumber); }
    WorkRow& labourRow() { return row(LabourRowNumber); }
    const WorkRow& labourRow() const { return row(LabourRowNumber); }

    bool operator==(const WorkSet&) const = default;

private:
    std::array<WorkRow, RowsPerMaterial> rows_{};
};

// Copies the 60 rows of material m into the work set. The computed values of
// the work rows stay; recomputing refreshes them.
void LoadMaterial(WorkSet& work, const PriceBook& book, int material);

// Copies work row n back into the book: every shared field but `sizeName`,
// which only the commands that edit sizes write.
void WriteBackRow(const WorkSet& work, PriceBook& book, int material, int n);
