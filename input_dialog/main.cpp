#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "TFKANZAI.h"

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("配管材入力ダイアログ"));
    TFKANZAI dialog(QCoreApplication::applicationDirPath(), app.arguments().mid(1));
    dialog.show();
    return app.exec();
}
