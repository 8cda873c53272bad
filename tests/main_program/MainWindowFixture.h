#pragma once

#include "ScriptedModalSeam.h"
#include "TFTANKAREGIST.h"
#include "TStrColGrid.h"
#include "Tkvconfig.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

// Answers a message box by clicking one of its buttons, and records its text.
inline std::function<int(QDialog&)> press(const char* button, QStringList* texts = nullptr)
{
    return [button, texts](QDialog& d) {
        if (texts)
            *texts << d.findChild<QLabel*>("text")->text();
        d.findChild<QPushButton*>(button)->click();
        return d.result();
    };
}

// A fresh program folder with the program file name, a data file
// configuration of defaults, and the window started on `argument`.
struct Program {
    QTemporaryDir dir;
    ScriptedModalSeam seam;
    std::unique_ptr<TFTANKAREGIST> window;
    std::unique_ptr<Tkvconfig> config;

    explicit Program(const QString& argument = QString(), bool start = true)
    {
        QDir(dir.path()).mkpath("kanzai");
        if (start)
            open(argument);
    }
    void open(const QString& argument)
    {
        window = std::make_unique<TFTANKAREGIST>(dir.filePath("kavrel"), argument.isEmpty() ? QStringList() : QStringList{argument});
        config = std::make_unique<Tkvconfig>(dir.path(), window.get());
        window->setConfigDialog(config.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void close()
    {
        window->close();
        config.reset();
        window.reset();
    }
    QString book(int category) const { return QDir::toNativeSeparators(dir.filePath(QStringLiteral("kanzai/haikan%1.FDA").arg(category))); }
    PriceBookSession& session() { return window->session(); }
    QTreeWidgetItem* treeItem(int category, int material)
    {
        return window->TreeView1->topLevelItem(category)->child(material);
    }
    // Types into the open editor of a table cell.
    void typeInto(TStrColGrid* grid, int col, int row, const QString& text, bool keypad)
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
};

