#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "TFTANKAREGIST.h"
#include "Tkvconfig.h"

#include <QFileInfo>

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    SetApplicationTitle(QStringLiteral("Zavrikon（管材編）"));
    const QString programFile = QCoreApplication::applicationFilePath();
    TFTANKAREGIST window(programFile, app.arguments().mid(1));
    // Created after the main window, it reads the data file configuration.
    Tkvconfig config(QFileInfo(programFile).absolutePath(), &window);
    window.setConfigDialog(&config);
    window.show();
    return app.exec();
}
