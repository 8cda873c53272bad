// The floor the start-up of the programs is measured against: a Qt Widgets
// program that shows one main window holding one table of the size of the
// labour rate table, and ends as soon as the table has first been painted.
#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>
#include <cstdlib>

namespace {

class ExitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* table = new QTableWidget(15, 11, &window);
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(row, column, new QTableWidgetItem(QString::number((row + 1) * 1000 + column)));
    window.setCentralWidget(table);
    window.resize(1024, 700);
    table->viewport()->installEventFilter(new ExitAfterPaint(table));
    window.show();
    return app.exec();
}
