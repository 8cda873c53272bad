#include "PriceRevision.h"

#include "CompositePrice.h"
#include "MatchKey.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

const PriceRow& rowAt(const PriceBook& book, BookLine at) { return book.row(at.material, MaterialRowNumber(0, at.line)); }

QString goodsName(const PriceBook& book, int material) { return book.row(material, 1).headerText.text(); }

QString nameKey(const QString& goods, const QString& size) { return MatchKey(goods) + QLatin1Char('\t') + MatchKey(size); }

QString numberKey(int material, const QString& size) { return QString::number(material) + QLatin1Char('\t') + MatchKey(size); }

LinePriceChange changeOf(const PriceBook& book, BookLine at, int rowNumber)
{
    const PriceRow& row = rowAt(book, at);
    LinePriceChange change;
    change.at = at;
    change.goodsName = goodsName(book, at.material).trimmed();
    change.sizeName = row.sizeName.text().trimmed();
    change.rowNumber = rowNumber;
    change.oldList = row.listPrice;
    change.oldCost = row.costPrice;
    return change;
}

bool changesAnything(const LinePriceChange& c)
{
    return (c.newList && *c.newList != c.oldList) || (c.newCost && *c.newCost != c.oldCost);
}

// The lines of the book by the keys a row can name them with; a key that two
// lines share names neither.
struct LineIndex {
    QHash<QString, BookLine> lines;
    QHash<QString, int> uses;

    void add(const QString& key, BookLine at)
    {
        lines.insert(key, at);
        ++uses[key];
    }
    std::optional<BookLine> find(const QString& key) const
    {
        if (uses.value(key) != 1)
            return std::nullopt;
        return lines.value(key);
    }
};

} // namespace

std::optional<double> LinePriceChange::changePercent() const
{
    const bool list = newList.has_value();
    const Currency before = list ? oldList : oldCost;
    const std::optional<Currency> after = list ? newList : newCost;
    if (!after || before == Currency())
        return std::nullopt;
    return (after->toDouble() - before.toDouble()) / std::fabs(before.toDouble()) * 100.0;
}

bool LinePriceChange::beyond(double thresholdPercent) const
{
    const std::optional<double> percent = changePercent();
    return percent && std::fabs(*percent) > thresholdPercent;
}

bool LinePriceChange::toZero() const
{
    return (newList && *newList == Currency()) || (newCost && *newCost == Currency());
}

std::vector<BookLine> PricedLines(const PriceBook& book)
{
    std::vector<BookLine> lines;
    for (int m = 0; m < Materials; ++m) {
        if (goodsName(book, m).trimmed().isEmpty())
            continue;
        for (int line = 1; line <= PriceLines; ++line) {
            if (!rowAt(book, {m, line}).sizeName.text().trimmed().isEmpty())
                lines.push_back({m, line});
        }
    }
    return lines;
}

RevisionPreview PreviewPriceList(const PriceBook& book, const std::vector<RevisionRow>& rows)
{
    const std::vector<BookLine> priced = PricedLines(book);
    LineIndex index;
    for (const BookLine& at : priced) {
        const QString size = rowAt(book, at).sizeName.text();
        index.add(nameKey(goodsName(book, at.material), size), at);
        index.add(numberKey(at.material, size), at);
    }
    RevisionPreview preview;
    std::map<BookLine, std::vector<const RevisionRow*>> named;
    for (const RevisionRow& row : rows) {
        const std::optional<BookLine> at =
            index.find(row.material ? numberKey(*row.material, row.sizeName) : nameKey(row.goodsName, row.sizeName));
        if (at)
            named[*at].push_back(&row);
        else
            preview.unmatched.push_back(row);
    }
    for (const auto& [at, namers] : named) {
        if (namers.size() > 1) {
            RevisionConflict conflict{at, {}};
            for (const RevisionRow* row : namers)
                conflict.rowNumbers.push_back(row->rowNumber);
            preview.conflicts.push_back(std::move(conflict));
            continue;
        }
        LinePriceChange change = changeOf(book, at, namers.front()->rowNumber);
        change.newList = namers.front()->listPrice;
        change.newCost = namers.front()->costPrice;
        if (changesAnything(change))
            preview.changes.push_back(std::move(change));
    }
    for (const BookLine& at : priced) {
        if (!named.contains(at))
            preview.uncovered.push_back(at);
    }
    return preview;
}

RevisionPreview PreviewPercentRevision(const PriceBook& book, const std::vector<int>& materials, Currency percent,
                                       bool costPrices)
{
    RevisionPreview preview;
    // The callers take percentages from -100 to 10000: no overflow here.
    const Currency ofOld = Currency::fromRaw(Currency::fromUnits(100).raw() + percent.raw());
    for (const BookLine& at : PricedLines(book)) {
        if (std::find(materials.begin(), materials.end(), at.material) == materials.end())
            continue;
        const RowFields& settings = book.row(at.material, SettingsRowNumber);
        LinePriceChange change = changeOf(book, at, 0);
        if (costPrices)
            change.newCost = RatePrice(change.oldCost, ofOld, settings);
        else
            change.newList = RatePrice(change.oldList, ofOld, settings);
        if (changesAnything(change))
            preview.changes.push_back(std::move(change));
    }
    return preview;
}

void ApplyPriceChanges(PriceBook& book, const std::vector<LinePriceChange>& changes, bool ratePricingBox)
{
    std::map<int, std::vector<const LinePriceChange*>> byMaterial;
    for (const LinePriceChange& change : changes)
        byMaterial[change.at.material].push_back(&change);
    for (const auto& [material, lines] : byMaterial) {
        WorkSet work;
        bool ratePricing = ratePricingBox;
        SelectAndComputeMaterial(work, book, material, ratePricing);
        const MaterialInBook target{work, book, material};
        for (const LinePriceChange* change : lines) {
            for (int sheet = 0; sheet < Sheets; ++sheet) {
                WorkRow& row = work.row(MaterialRowNumber(sheet, change->at.line));
                if (change->newList)
                    MaterialPrice(row, ListLevel) = *change->newList;
                if (change->newCost)
                    MaterialPrice(row, CostLevel) = *change->newCost;
            }
            // In sheet order, as typing does: the first sheet's line mirrors
            // its prices into the others before they are computed.
            for (int sheet = 0; sheet < Sheets; ++sheet)
                ComputeRow(target, MaterialRowNumber(sheet, change->at.line), ratePricing);
        }
    }
}
