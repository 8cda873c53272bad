#pragma once

#include "PriceRevision.h"

#include <QList>
#include <QStringList>

// The rows of a revision as the preview table and the tool's report show
// them: one heading row, then each change, each conflicting row, each row
// of the list that matched nothing and each line that no row covered.
enum class RevisionRowKind { Change, Conflict, Unmatched, Uncovered };

struct RevisionReportRow {
    RevisionRowKind kind = RevisionRowKind::Change;
    bool flagged = false; // beyond the threshold, or a new price of 0
    QStringList cells;
};

// The headings: 種別, 行, 管材, 品名, サイズ, 旧定価, 新定価, 旧原価, 新原価, 増減(%), 注意.
QStringList RevisionReportHeadings();

std::vector<RevisionReportRow> RevisionReportRows(const PriceBook& book, const RevisionPreview& preview,
                                                  double thresholdPercent);

// The report as CSV text (the headings first, CR LF between rows; texts
// quoted where they hold a separator, a quote or a line break).
QString RevisionReportCsv(const PriceBook& book, const RevisionPreview& preview, double thresholdPercent);
