#include "ManualWindow.h"

#include "ApplicationTitle.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

ManualWindow::ManualWindow(const QString& manualFile, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(ApplicationTitle() + QStringLiteral(" 取扱説明書"));
    setAttribute(Qt::WA_DeleteOnClose);
    browser = new QTextBrowser(this);
    browser->setSearchPaths({QFileInfo(manualFile).absolutePath()});
    browser->setSource(QUrl::fromLocalFile(manualFile));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(browser);
    resize(900, 700);
}
