#include "TableRows.h"

#include "NumberText.h"

#include <QHash>

namespace {

// The tables show the same few hundred values over and over, and a refresh
// sets every cell: formatting (and decoding the size names) once per value
// keeps a refresh cheap. The texts are what the formatting functions give.
template <typename Key, typename Format>
QString remembered(QHash<Key, QString>& texts, const Key& key, Format format)
{
    auto it = texts.constFind(key);
    if (it != texts.constEnd())
        return *it;
    if (texts.size() >= 4096) // a bound, not a cache policy: start over
        texts.clear();
    return *texts.insert(key, format());
}

QString yenText(Currency value)
{
    static QHash<std::int64_t, QString> texts;
    return remembered(texts, value.raw(), [&] { return FormatYen(value); });
}

QString plainText(Currency value)
{
    static QHash<std::int64_t, QString> texts;
    return remembered(texts, value.raw(), [&] { return PlainText(value); });
}

} // namespace

QString SizeNameText(const WorkRow& row)
{
    static QHash<QByteArray, QString> texts;
    const QByteArray bytes = QByteArray::fromRawData(row.sizeName.data(), row.sizeName.size());
    auto it = texts.constFind(bytes);
    if (it != texts.constEnd())
        return *it;
    return remembered(texts, row.sizeName.bytes(), [&] { return row.sizeName.text(); });
}

QStringList LabourRowTexts(const WorkRow& row, const TableModes& modes)
{
    const int k = modes.level;
    QStringList texts;
    texts.reserve(4 + RateInputs);
    texts << SizeNameText(row) << yenText(LevelAdoptedPrice(row, k)) << yenText(LevelCompositePrice(row, k))
          << yenText(MaterialPrice(row, k));
    for (int j = 0; j < RateInputs; ++j) {
        if (modes.labourShowsResults)
            texts << yenText(row.breakdown[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(j)]);
        else
            texts << plainText(row.rate[static_cast<std::size_t>(j)]);
    }
    if (modes.refrigerant)
        texts[RefrigerantUnusedColumn].clear();
    return texts;
}

QStringList PriceRowTexts(const WorkRow& row)
{
    QStringList texts;
    texts.reserve(ListLevel);
    for (int level = Level1; level <= ListLevel; ++level)
        texts << yenText(MaterialPrice(row, level));
    return texts;
}

QStringList CompositeRowTexts(const WorkRow& row, const TableModes& modes)
{
    QStringList texts;
    texts.reserve(ListLevel);
    for (int level = Level1; level <= ListLevel; ++level) {
        const bool adopted = modes.compositeShowsAdopted && level != CostLevel;
        texts << yenText(adopted ? LevelAdoptedPrice(row, level) : LevelCompositePrice(row, level));
    }
    return texts;
}

QStringList LabourHeaders(bool refrigerant)
{
    // Columns 5, 6, 7, 9 and 10.
    if (refrigerant)
        return {QStringLiteral("継手接合等"), QStringLiteral("支持金物"), QStringLiteral("雑 材 料"), QStringLiteral("---"),
                QStringLiteral("その他")};
    return {QStringLiteral("継 手 類"), QStringLiteral("接 合 材"), QStringLiteral("支持金物"), QStringLiteral("はつり補修"),
            QStringLiteral("その他")};
}

LabourCellTarget LabourCellStore(int col, const TableModes& modes)
{
    if (modes.refrigerant && col == RefrigerantUnusedColumn)
        return {0, QStringLiteral("冷媒モードです。この列のセルは編集できません。"), true};
    if (col < FirstRateColumn || col >= FirstRateColumn + RateInputs)
        return {0, QStringLiteral("この列のセルは編集できません。"), false};
    if (modes.labourShowsResults)
        return {0, QStringLiteral("計算結果を表示しています。現在は編集できません。"), false};
    return {col - FirstRateColumn + 1, QString(), false};
}

Currency LabourCellValue(const QString& text)
{
    return text.isEmpty() ? Currency() : ParseCurrency(text);
}

QChar CellCharacter(int key, Qt::KeyboardModifiers modifiers, bool editorOpen)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Minus)
        return QChar(key);
    if (!(modifiers & Qt::KeypadModifier) || !editorOpen)
        return {};
    // The keypad with NumLock off sends its second meanings.
    static const std::pair<int, char> numLockOff[] = {
        {Qt::Key_Insert, '0'}, {Qt::Key_End, '1'},   {Qt::Key_Down, '2'},     {Qt::Key_PageDown, '3'},
        {Qt::Key_Left, '4'},   {Qt::Key_Clear, '5'}, {Qt::Key_Right, '6'},    {Qt::Key_Home, '7'},
        {Qt::Key_Up, '8'},     {Qt::Key_PageUp, '9'}, {Qt::Key_Delete, '.'}};
    for (const auto& [second, typed] : numLockOff) {
        if (key == second)
            return QLatin1Char(typed);
    }
    return {};
}

std::optional<QString> PriceCellRefusal(int col, bool ratePricing)
{
    if (ratePricing && col != ListLevel)
        return QStringLiteral("単価に掛け率を使用していますので、現在は入力できません。");
    return std::nullopt;
}
