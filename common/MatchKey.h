#pragma once

#include <QString>

// The form in which two names from different sources are compared: Unicode
// NFKC (half-width and full-width kana, digits and letters alike: "ﾋﾞﾆﾙ" and
// "ビニル", "２０Ａ" and "20A") with every space removed, so that a supplier's
// list and a book that spell a name differently still meet.
QString MatchKey(const QString& text);
