#include "BookCompareDialog.h"

#include "ApplicationTitle.h"
#include "GuardedApplication.h"
#include "ModalSeam.h"
#include "ProgramFiles.h"
#include "RecentFolders.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

BookCompareDialog::BookCompareDialog(const PriceBook& loaded, const QString& bookPath, const QString& dataFolder,
                                     Mode mode, QWidget* parent)
    : QDialog(parent), loaded_(loaded), bookPath_(bookPath), dataFolder_(dataFolder)
{
    setObjectName(QStringLiteral("BookCompareDialog"));
    setWindowTitle(ApplicationTitle()
                   + (mode == Mode::Restore ? QStringLiteral(" - 履歴から復元") : QStringLiteral(" - ほかのファイルと比較")));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("保存で残った版（新しい順）：%1").arg(bookPath), this));
    versionTable = new QTableWidget(0, 4, this);
    versionTable->setObjectName(QStringLiteral("versionTable"));
    versionTable->setHorizontalHeaderLabels(
        {QStringLiteral("版"), QStringLiteral("保存日時"), QStringLiteral("保存した人"), QStringLiteral("違う行")});
    versionTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    versionTable->setSelectionMode(QAbstractItemView::SingleSelection);
    versionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    versionTable->verticalHeader()->hide();
    column->addWidget(versionTable, 1);
    fileButton = new QPushButton(QStringLiteral("ファイルを選んで比較…"), this);
    fileButton->setObjectName(QStringLiteral("fileButton"));
    fileButton->setVisible(mode == Mode::Compare);
    column->addWidget(fileButton, 0, Qt::AlignLeft);
    differenceTree = new QTreeWidget(this);
    differenceTree->setObjectName(QStringLiteral("differenceTree"));
    differenceTree->setHeaderLabels({QStringLiteral("管材・シート・行"), QStringLiteral("項目"), QStringLiteral("読込中の値"),
                                     QStringLiteral("比較する値"), QStringLiteral("増減(%)")});
    column->addWidget(differenceTree, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    restoreButton = new QPushButton(QStringLiteral("復元"), this);
    restoreButton->setObjectName(QStringLiteral("restoreButton"));
    restoreButton->setEnabled(false);
    restoreButton->setVisible(mode == Mode::Restore);
    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(restoreButton);
    buttons->addWidget(closeButton);
    column->addLayout(buttons);

    connect(versionTable, &QTableWidget::itemSelectionChanged, this, Guarded(this, [this] { chooseVersion(); }));
    connect(fileButton, &QPushButton::clicked, this, Guarded(this, [this] { chooseFile(); }));
    connect(differenceTree, &QTreeWidget::itemDoubleClicked, this, [this, mode](QTreeWidgetItem* item) {
        if (mode == Mode::Compare)
            showDifference(item);
    });
    connect(restoreButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(860, 620);
    fillVersions();
}

void BookCompareDialog::fillVersions()
{
    versions_ = BookVersions(bookPath_);
    versionTable->setRowCount(static_cast<int>(versions_.size()));
    for (int r = 0; r < static_cast<int>(versions_.size()); ++r) {
        const BookVersion& v = versions_[static_cast<std::size_t>(r)];
        QString differing = QStringLiteral("?");
        try {
            differing = QString::number(DifferingLines(loaded_, ReadPriceBookFile(v.file)));
        } catch (const FileError&) {
            // A version that cannot be read is listed; choosing it tells why.
        }
        const QStringList cells{v.name, v.saved.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
                                QFileInfo(v.file).owner(), differing};
        for (int c = 0; c < cells.size(); ++c)
            versionTable->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    versionTable->resizeColumnsToContents();
}

void BookCompareDialog::chooseVersion()
{
    const QList<QTableWidgetItem*> chosen = versionTable->selectedItems();
    if (chosen.isEmpty())
        return;
    compareWith(versions_[static_cast<std::size_t>(chosen.first()->row())].file);
}

void BookCompareDialog::chooseFile()
{
    RecentFolders folders(RecentFoldersFile(dataFolder_));
    const QString file = ModalSeam::current().openFileName(this, ApplicationTitle(), folders.startFolder(FileKind::Book),
                                                           PriceBookFileFilter());
    if (file.isEmpty())
        return;
    folders.remember(FileKind::Book, file);
    compareWith(file);
}

void BookCompareDialog::compareWith(const QString& file)
{
    comparedFile_.clear();
    restoreButton->setEnabled(false);
    differenceTree->clear();
    differences_ = CompareBooks(loaded_, ReadPriceBookFile(file), {});
    comparedFile_ = file;
    QTreeWidgetItem* material = nullptr;
    for (std::size_t i = 0; i < differences_.size(); ++i) {
        const BookDifference& d = differences_[i];
        if (!material || material->data(0, Qt::UserRole).toInt() != d.material) {
            material = new QTreeWidgetItem(differenceTree, {QStringLiteral("管材 %1  %2").arg(d.material + 1).arg(
                                                                MaterialLabel(loaded_, d.material))});
            material->setData(0, Qt::UserRole, d.material);
            material->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(material, {QStringLiteral("シート %1  行 %2").arg(d.sheet + 1).arg(d.line), d.name,
                                                    d.oldText, d.newText,
                                                    d.percent ? QString::number(*d.percent, 'f', 1) : QString()});
        item->setData(0, Qt::UserRole + 1, static_cast<int>(i));
    }
    for (int c = 0; c < differenceTree->columnCount(); ++c)
        differenceTree->resizeColumnToContents(c);
    restoreButton->setEnabled(true);
}

void BookCompareDialog::showDifference(QTreeWidgetItem* item)
{
    const QVariant index = item->data(0, Qt::UserRole + 1);
    if (!index.isValid())
        return;
    shown_ = differences_[static_cast<std::size_t>(index.toInt())];
    accept();
}
