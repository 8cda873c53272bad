// The input dialog's remark history "comment.DAT" of any bytes: at most 20
// remarks, none empty, written back they read as themselves, and a remark
// used again goes to the top without growing the list past 20.
#include "FuzzSupport.h"

#include "RemarkHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = SettingsLinesFromBytes(FuzzBytes(data, size));
    CheckSettingsLinesRoundTrip(lines);
    QStringList history = RemarkHistoryFromLines(lines);
    FUZZ_CHECK(history.size() <= RemarkHistoryLimit && !history.contains(QString()));
    const QStringList back = RemarkHistoryFromLines(WrittenAndRead(history));
    if (KeptBySettingsFile(history))
        FUZZ_CHECK(back == history);

    const QString used = history.isEmpty() ? QStringLiteral("備考") : history.last();
    PushRemark(history, used);
    FUZZ_CHECK(history.size() <= RemarkHistoryLimit && history.first() == used && history.count(used) == 1);
    return 0;
}
