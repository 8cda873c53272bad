#include "StartupArguments.h"

#include "Fields.h"
#include "PriceBook.h"

StartupChoice ParseStartupArgument(const QString& argument)
{
    StartupChoice choice;
    choice.category = NthFieldNumber(argument, 1, 1);
    choice.material = NthFieldNumber(argument, 2, 1);
    // A material outside the book would have nothing to show: the first one
    // is shown instead.
    if (choice.material < 1 || choice.material > Materials)
        choice.material = 1;
    return choice;
}
