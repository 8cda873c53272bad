#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file, record and message of both programs is Windows-31J (CP932).
namespace ShiftJis {

// Decodes one field on its own: a lead byte left over at the end becomes a
// substitution character instead of being held back for a next call.
QString decode(QByteArrayView bytes);

// Characters that Windows-31J cannot hold become "?".
QByteArray encode(QStringView text);
// The same, appended to `out`.
void encodeAppend(QByteArray& out, QStringView text);

// The encoded text cut to at most `capacity` bytes at a character boundary,
// so that no half of a double-byte character is ever stored.
QByteArray encodeWithin(const QString& text, int capacity);

} // namespace ShiftJis
