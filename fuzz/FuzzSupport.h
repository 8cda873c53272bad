#pragma once

// What the fuzz targets share: the input as Qt bytes, a check that names the
// broken property before it stops the run (libFuzzer then keeps the input),
// and the settings file round trip most readers are held to.
#include "SettingsLines.h"
#include "ShiftJis.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void FuzzFail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            FuzzFail(#condition, __FILE__, __LINE__);                                                                  \
    } while (false)

// The lines a settings file holds once they have been written and read again.
inline QStringList WrittenAndRead(const QStringList& lines)
{
    return SettingsLinesFromBytes(SettingsLinesBytes(lines));
}

// A text that Shift-JIS holds as it is; others are written with "?" for what
// it lacks, so only these can read back unchanged.
inline bool KeptBySettingsFile(const QString& text)
{
    return ShiftJis::decode(ShiftJis::encode(text)) == text;
}

// Each character converts on its own, so the lines joined by a line feed
// (which holds the surrogates of two lines apart) keep as they keep one by
// one, in two conversions instead of two for every line.
inline bool KeptBySettingsFile(const QStringList& texts)
{
    return KeptBySettingsFile(texts.join(QLatin1Char('\n')));
}

// The line reader and writer of every settings file: lines written read back
// as themselves where Shift-JIS holds them, and a second write changes nothing.
inline void CheckSettingsLinesRoundTrip(const QStringList& lines)
{
    const QStringList once = WrittenAndRead(lines);
    if (KeptBySettingsFile(lines))
        FUZZ_CHECK(once == lines);
    FUZZ_CHECK(WrittenAndRead(once) == once);
}
