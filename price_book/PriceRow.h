#pragma once

#include "Currency.h"
#include "ShortText.h"

#include <array>
#include <cstdint>

// Price levels in their fixed order; the tables' columns 1 to 7 follow it.
enum PriceLevel { Level1 = 1, Level2, Level3, Level4, Level5, CostLevel, ListLevel };
constexpr int SubmissionLevels = 5;
constexpr int AllLevels = 7;
constexpr int RateInputs = 7;

// The fields that a price record and a working row share. Arrays are indexed
// from 0: levelPrice[0] is LEVEL1, rate[0] is the first labour rate input.
struct RowFields {
    ShortText<80> headerText;
    ShortText<40> sheetName;
    ShortText<6> sizeName;
    ShortText<4> unit;
    std::int32_t auxValue = 0;
    Currency costPrice;
    std::array<Currency, SubmissionLevels> levelPrice{};
    Currency listPrice;
    std::array<Currency, RateInputs> rate{};
    Currency compositeCost;
    std::array<Currency, SubmissionLevels> compositeLevel{};
    std::array<Currency, SubmissionLevels> adoptedLevel{};

    bool operator==(const RowFields&) const = default;
};

// One record of a price book file.
struct PriceRow : RowFields {
    std::int32_t reserved0 = 0;
    Currency recordNo;
    std::int32_t reserved1 = 0;

    bool operator==(const PriceRow&) const = default;
};

// The material price of level k (1..7) of a row.
inline Currency& MaterialPrice(RowFields& row, int level)
{
    if (level <= SubmissionLevels)
        return row.levelPrice[level - 1];
    return level == CostLevel ? row.costPrice : row.listPrice;
}
inline Currency MaterialPrice(const RowFields& row, int level)
{
    return MaterialPrice(const_cast<RowFields&>(row), level);
}
