// The first argument of either program, of any bytes up to the first zero (a
// command line cannot hold one). Fields follow the ";" rule; kavrel always
// opens a material 1 to 20; the input dialog's level, system number and mode
// give a line code and a record of exactly 42 fields, whatever texts they
// carry, and the record travels in a block unchanged.
#include "FuzzSupport.h"

#include "CallerArguments.h"
#include "CopyDataFrame.h"
#include "EstimateMessages.h"
#include "Fields.h"
#include "PriceBook.h"
#include "StartupArguments.h"

#include <algorithm>
#include <cstring>

namespace {

// The field rule told another way: the pieces before each ";", and past the
// last one the last one again.
QString FieldByPieces(const QString& text, int n)
{
    QStringList pieces = text.split(QLatin1Char(';'));
    pieces.removeLast(); // what follows the last ";" is no field
    if (pieces.isEmpty())
        return QString();
    return pieces.at(std::min<qsizetype>(n, pieces.size()) - 1);
}

void CheckFields(const QString& argument)
{
    for (int n = 1; n <= 6; ++n) {
        const QString field = NthField(argument, n);
        FUZZ_CHECK(!field.contains(QLatin1Char(';')));
        FUZZ_CHECK(field == FieldByPieces(argument, n));
    }
}

void CheckMainProgram(const QString& argument)
{
    const StartupChoice choice = ParseStartupArgument(argument);
    FUZZ_CHECK(choice.material >= 1 && choice.material <= Materials);
}

void CheckInputDialog(const QString& argument)
{
    const CallerArguments caller = ParseCallerArgument(argument);
    FUZZ_CHECK(caller.mode == ParseCallerMode(NthField(argument, 1)) && caller.systemName == NthField(argument, 4));
    const int level = LevelOfIndex(caller.levelIndex);
    FUZZ_CHECK(level >= Level1 && level <= Level5);
    FUZZ_CHECK(EstimateTarget(caller.mode.target).has_value() == (caller.mode.target != CallerTarget::None));

    EstimateLine line;
    line.materialName = caller.systemName;
    line.sizeText = caller.mode.text;
    line.remark = caller.systemName;
    line.sizeName = caller.systemName;
    line.constructionRemark = caller.mode.text;
    line.systemNumber = caller.systemNumber;
    line.flag = FlagValue(Currency(), Currency(), true, caller.mode);
    // The last line of the last category: the largest code there is.
    line.lineCode = LineCode(LineNumber(10, Materials - 1, Sheets - 1, PriceLines - 1), caller.systemNumber);
    const QString record = EstimateRecordText(line);
    FUZZ_CHECK(record.count(QLatin1Char(';')) == 42 && record.endsWith(QLatin1Char(';')));
    if (KeptBySettingsFile(record) && !record.contains(QChar(0)))
        FUZZ_CHECK(CopyDataBlock::fromText(record, QString()).text() == record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const void* zero = std::memchr(data, 0, size);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - data) : size;
    const QString argument = QString::fromLocal8Bit(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    CheckFields(argument);
    CheckMainProgram(argument);
    CheckInputDialog(argument);
    return 0;
}
