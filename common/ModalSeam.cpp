#include "ModalSeam.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
ModalSeam* installed = nullptr;
}

ModalSeam& ModalSeam::current()
{
    static QtModalSeam real;
    return installed ? *installed : real;
}

void ModalSeam::install(ModalSeam* seam)
{
    installed = seam;
}

int QtModalSeam::exec(QDialog& dialog)
{
    return dialog.exec();
}

QString QtModalSeam::existingFolder(QWidget* parent, const QString& caption, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString QtModalSeam::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtModalSeam::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

std::optional<QString> QtModalSeam::inputText(QWidget* parent, const QString& caption,
                                              const QString& prompt, const QString& initial)
{
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtModalSeam::errorReport(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::critical(parent, title, text);
}
