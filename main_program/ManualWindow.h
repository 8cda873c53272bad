#pragma once

#include <QDialog>

class QTextBrowser;

// The program's own manual in a window of its own, for a desktop without a
// handler for HTML files: its table of contents links to its sections and
// its images come from beside it. Not modal: it stays open beside the work.
class ManualWindow : public QDialog {
    Q_OBJECT
public:
    ManualWindow(const QString& manualFile, QWidget* parent = nullptr);

    QTextBrowser* browser = nullptr;
};
