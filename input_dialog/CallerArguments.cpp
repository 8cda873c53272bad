#include "CallerArguments.h"

#include "Fields.h"

namespace {

int fieldNumber(const QString& argument, int n)
{
    bool ok = false;
    const int value = NthField(argument, n).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

CallerArguments ParseCallerArgument(const QString& argument)
{
    CallerArguments a;
    a.modeText = NthField(argument, 1);
    a.levelIndex = fieldNumber(argument, 2);
    a.systemNumber = fieldNumber(argument, 3);
    a.systemName = NthField(argument, 4);
    return a;
}

bool IsPickupMode(const QString& modeText)
{
    return modeText == QLatin1String("1");
}
