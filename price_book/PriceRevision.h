#pragma once

#include "PriceBook.h"

#include <QString>
#include <optional>
#include <vector>

// A price revision: new list (and cost) prices for lines of a book, from a
// supplier's list or a percentage, previewed in full before anything is
// stored, then stored as typing them would store them.

// One row of a supplier's list: the line it names and its prices.
struct RevisionRow {
    int rowNumber = 0; // in the file, for the report
    QString goodsName;
    QString sizeName;
    std::optional<int> material; // 0..19, when the row names its material by number
    std::optional<Currency> listPrice;
    std::optional<Currency> costPrice;
};

// A price line of a book: material 0..19, line 1..14 (of every sheet).
struct BookLine {
    int material = 0;
    int line = 0;
    bool operator==(const BookLine&) const = default;
    auto operator<=>(const BookLine&) const = default;
};

// A line whose prices change, with what it held.
struct LinePriceChange {
    BookLine at;
    QString goodsName;
    QString sizeName;
    int rowNumber = 0; // the list's row; 0 for a percentage revision
    Currency oldList;
    Currency oldCost;
    std::optional<Currency> newList; // nothing: left as it is
    std::optional<Currency> newCost;

    // The change of the list price (else the cost price) in percent; nothing
    // when the old price is 0.
    std::optional<double> changePercent() const;
    // Flags of the preview: a change beyond ±threshold percent, a new price of 0.
    bool beyond(double thresholdPercent) const;
    bool toZero() const;
};

// Two or more rows of the list for one line: the line stays as it is.
struct RevisionConflict {
    BookLine at;
    std::vector<int> rowNumbers;
};

struct RevisionPreview {
    std::vector<LinePriceChange> changes;
    std::vector<RevisionRow> unmatched;      // rows that name no line of the book
    std::vector<RevisionConflict> conflicts;
    std::vector<BookLine> uncovered;         // lines of the book no row named
};

// The price lines of a book: those of a material with a goods name whose
// line has a size name on the first sheet.
std::vector<BookLine> PricedLines(const PriceBook& book);

// Matches each row to the line whose goods name and size name equal its own
// as MatchKey compares them (or whose material number and size name do), and
// lists what would change.
RevisionPreview PreviewPriceList(const PriceBook& book, const std::vector<RevisionRow>& rows);

// Every list price (or cost price) of the chosen materials (0..19) raised or
// lowered by `percent` ("5" raises by 5 %, "-3.5" lowers), rounded as the
// material's rate pricing settings round (its step and addends).
RevisionPreview PreviewPercentRevision(const PriceBook& book, const std::vector<int>& materials, Currency percent,
                                       bool costPrices);

// Stores the new prices into the book as typing them on the price table
// would: the material selected and computed, each changed line's price set
// on all four sheets and the line computed at every level. A material whose
// setting leaves the rate pricing box open takes `ratePricingBox`. Throws
// PriceOverflow, leaving the book partly changed: the caller keeps a copy.
void ApplyPriceChanges(PriceBook& book, const std::vector<LinePriceChange>& changes, bool ratePricingBox);
