#include "MainWindowProgram.h"

#include "TStrColGrid.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

std::function<int(QDialog&)> Press(const char* button, QStringList* texts)
{
    return [name = QString::fromLatin1(button), texts](QDialog& d) {
        if (texts)
            *texts << d.findChild<QLabel*>("text")->text();
        d.findChild<QPushButton*>(name)->click();
        return d.result();
    };
}

MainWindowProgram::MainWindowProgram(const Options& options) : programName(options.programName)
{
    QDir(dir.path()).mkpath("kanzai");
    if (options.prepare)
        options.prepare(dir.filePath("kanzai"));
    if (options.start)
        open(options.argument);
}

void MainWindowProgram::open(const QString& argument)
{
    window = std::make_unique<TFTANKAREGIST>(dir.filePath(programName),
                                             argument.isEmpty() ? QStringList() : QStringList{argument});
    config = std::make_unique<Tkvconfig>(dir.path(), window.get());
    window->setConfigDialog(config.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void MainWindowProgram::close()
{
    window->close();
    config.reset();
    window.reset();
}

QString MainWindowProgram::book(int category) const
{
    return QDir::toNativeSeparators(dir.filePath(QStringLiteral("kanzai/haikan%1.FDA").arg(category)));
}

QAction* MainWindowProgram::action(const char* name) const
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

QTreeWidgetItem* MainWindowProgram::treeItem(int category, int material) const
{
    return window->TreeView1->topLevelItem(category)->child(material);
}

void MainWindowProgram::clickTree(int category, int material)
{
    QTreeWidgetItem* item = treeItem(category, material);
    window->TreeView1->setCurrentItem(item);
    emit window->TreeView1->itemClicked(item, 0);
}

void MainWindowProgram::run(const char* name)
{
    QMetaObject::invokeMethod(action(name), &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

void MainWindowProgram::typeInto(TStrColGrid* grid, int col, int row, const QString& text, bool keypad)
{
    grid->setFocus();
    grid->MoveTo(col, row);
    grid->ShowEditor();
    QLineEdit* editor = grid->InplaceEditor();
    QVERIFY(editor);
    editor->selectAll();
    for (QChar c : text)
        QTest::keyClick(editor, c.toLatin1(), keypad ? Qt::KeypadModifier : Qt::NoModifier);
}
