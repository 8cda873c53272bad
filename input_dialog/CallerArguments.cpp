#include "CallerArguments.h"

#include "Fields.h"

CallerMode ParseCallerMode(const QString& modeText)
{
    CallerMode mode;
    mode.text = modeText;
    switch (FieldNumber(modeText, 0)) {
    case 0:
        mode.target = CallerTarget::Estimate;
        break;
    case 1:
        mode.target = CallerTarget::Pickup;
        break;
    default:
        mode.target = CallerTarget::None;
        break;
    }
    mode.pickupMarked = modeText == QLatin1String("1");
    return mode;
}

CallerArguments ParseCallerArgument(const QString& argument)
{
    CallerArguments a;
    a.mode = ParseCallerMode(NthField(argument, 1));
    a.levelIndex = NthFieldNumber(argument, 2, 0);
    a.systemNumber = NthFieldNumber(argument, 3, 0);
    a.systemName = NthField(argument, 4);
    return a;
}
