#include "TFolderDialog.h"

#include "ModalSeam.h"

#include <QDir>
#include <QWidget>

TFolderDialog::TFolderDialog(QObject* parent)
    : QObject(parent)
{
}

bool TFolderDialog::Execute()
{
    QWidget* owner = nullptr;
    for (QObject* o = parent(); o && !owner; o = o->parent())
        owner = qobject_cast<QWidget*>(o);
    if (owner)
        owner = owner->window();
    const QString chosen = ModalSeam::current().existingFolder(owner, title_, directory_);
    if (chosen.isEmpty())
        return false;
    // The whole path is kept: a cut path would name another folder.
    directory_ = QDir::toNativeSeparators(chosen);
    return true;
}
