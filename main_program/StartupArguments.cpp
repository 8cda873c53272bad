#include "StartupArguments.h"

#include "Fields.h"
#include "PriceBook.h"

namespace {

int fieldNumber(const QString& argument, int n)
{
    bool ok = false;
    const int value = NthField(argument, n).toInt(&ok);
    return ok ? value : 1;
}

} // namespace

StartupChoice ParseStartupArgument(const QString& argument)
{
    StartupChoice choice;
    choice.category = fieldNumber(argument, 1);
    choice.material = fieldNumber(argument, 2);
    // A material outside the book would have nothing to show: the first one
    // is shown instead.
    if (choice.material < 1 || choice.material > Materials)
        choice.material = 1;
    return choice;
}
