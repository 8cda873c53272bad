#include "CellAddress.h"

QString ColumnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

int ColumnIndex(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return -1;
    int n = 0;
    for (const QChar c : letters) {
        const char16_t upper = c.toUpper().unicode();
        if (upper < u'A' || upper > u'Z')
            return -1;
        n = n * 26 + (upper - u'A' + 1);
    }
    return n <= MaxSheetColumns ? n - 1 : -1;
}

CellAddress ParseCellAddress(QStringView text)
{
    qsizetype letters = 0;
    while (letters < text.size() && !text[letters].isDigit())
        ++letters;
    CellAddress address;
    const QStringView rowText = text.mid(letters);
    bool ok = false;
    const int row = rowText.toInt(&ok);
    // toInt takes a sign and blanks; a row is bare ASCII digits.
    for (const QChar c : rowText) {
        if (c < u'0' || c > u'9')
            ok = false;
    }
    if (!ok || row < 1 || row > MaxSheetRows)
        return address;
    address.column = ColumnIndex(text.first(letters));
    address.row = row;
    return address;
}
