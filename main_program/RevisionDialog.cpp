#include "RevisionDialog.h"

#include "ApplicationTitle.h"
#include "FileError.h"
#include "GuardedApplication.h"
#include "ModalSeam.h"
#include "PriceListRevision.h"
#include "RecentFolders.h"
#include "RevisionReport.h"
#include "SettingsLines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <exception>
#include <thread>

namespace {

// Reads the list beside the window's event loop, so that a list that takes
// more than a moment shows a moving bar instead of a frozen window. The
// reading's error is thrown here, as a direct read would throw it.
std::vector<RevisionRow> readWithProgress(QWidget* parent, const QString& path, const PriceListReadOptions& read,
                                          const PriceListColumnChoice& choice)
{
    std::vector<RevisionRow> rows;
    std::exception_ptr failure;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        try {
            rows = ReadRevisionRows(path, read, choice);
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });
    QProgressDialog progress(QStringLiteral("価格表を読んでいます…"), QString(), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        progress.setValue(0); // shows the bar once the minimum duration has passed
        if (done)
            loop.quit();
    });
    poll.start(20);
    if (!done)
        loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return rows;
}

// The flagged rows of the preview: beyond the threshold or a new price of 0.
const QColor FlaggedRow(0xFF, 0xE0, 0xE0);

QLineEdit* lineEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

RevisionDialog::RevisionDialog(const PriceBook& book, const QString& dataFolder, Mode mode, QWidget* parent)
    : QDialog(parent), book_(book), dataFolder_(dataFolder)
{
    setObjectName(QStringLiteral("RevisionDialog"));
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - 価格の改定"));
    auto* column = new QVBoxLayout(this);
    modes = new QTabWidget(this);
    modes->addTab(buildListTab(), QStringLiteral("価格表の取込"));
    modes->addTab(buildPercentTab(), QStringLiteral("定価の一括改定"));
    modes->setCurrentIndex(mode == Mode::PriceList ? 0 : 1);
    column->addWidget(modes);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("注意する増減幅 ±"), this));
    thresholdBox = new QDoubleSpinBox(this);
    thresholdBox->setObjectName(QStringLiteral("thresholdBox"));
    thresholdBox->setRange(0, 1000);
    thresholdBox->setValue(30);
    thresholdBox->setSuffix(QStringLiteral(" %"));
    controls->addWidget(thresholdBox);
    controls->addStretch(1);
    previewButton = new QPushButton(QStringLiteral("プレビュー"), this);
    previewButton->setObjectName(QStringLiteral("previewButton"));
    controls->addWidget(previewButton);
    column->addLayout(controls);

    previewTable = new QTableWidget(0, RevisionReportHeadings().size(), this);
    previewTable->setObjectName(QStringLiteral("previewTable"));
    previewTable->setHorizontalHeaderLabels(RevisionReportHeadings());
    previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTable->setSortingEnabled(true);
    previewTable->verticalHeader()->hide();
    column->addWidget(previewTable, 1);
    summaryLabel = new QLabel(this);
    summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    column->addWidget(summaryLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    applyButton = new QPushButton(QStringLiteral("適用"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    applyButton->setEnabled(false);
    cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, Guarded(this, [this] { browse(); }));
    connect(previewButton, &QPushButton::clicked, this, Guarded(this, [this] { makePreview(); }));
    connect(thresholdBox, &QDoubleSpinBox::valueChanged, this, [this] { showPreview(); });
    connect(applyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 640);
}

QWidget* RevisionDialog::buildListTab()
{
    auto* tab = new QWidget(this);
    auto* form = new QFormLayout(tab);
    auto* fileRow = new QHBoxLayout;
    fileEdit = lineEdit(QStringLiteral("fileEdit"), tab);
    browseButton = new QPushButton(QStringLiteral("参照…"), tab);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    fileRow->addWidget(fileEdit, 1);
    fileRow->addWidget(browseButton);
    form->addRow(QStringLiteral("価格表ファイル"), fileRow);
    sheetBox = new QComboBox(tab);
    sheetBox->setObjectName(QStringLiteral("sheetBox"));
    form->addRow(QStringLiteral("シート"), sheetBox);
    encodingBox = new QComboBox(tab);
    encodingBox->setObjectName(QStringLiteral("encodingBox"));
    encodingBox->addItems({QStringLiteral("自動判別"), QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8")});
    form->addRow(QStringLiteral("文字コード（CSV）"), encodingBox);

    // The columns the user last gave, kept beside the books.
    PriceListColumnChoice last;
    try {
        if (QFileInfo::exists(columnsFile()))
            last = PriceListColumnChoice::fromLines(ReadSettingsLines(columnsFile()));
    } catch (const FileError&) {
        // Only the remembered columns are lost.
    }
    const QString texts[] = {last.goodsName, last.sizeName, last.listPrice, last.costPrice, last.materialNumber};
    const char* const names[] = {"品名の列", "サイズの列", "定価の列", "原価の列", "管材番号の列"};
    for (std::size_t i = 0; i < columnEdits.size(); ++i) {
        columnEdits[i] = lineEdit(QStringLiteral("columnEdit%1").arg(i + 1), tab);
        columnEdits[i]->setText(texts[i]);
        columnEdits[i]->setPlaceholderText(QStringLiteral("列の記号（A, B, …）または見出し"));
        form->addRow(QString::fromUtf8(names[i]), columnEdits[i]);
    }
    headingRowBox = new QSpinBox(tab);
    headingRowBox->setObjectName(QStringLiteral("headingRowBox"));
    headingRowBox->setRange(0, 1000);
    headingRowBox->setValue(last.headingRow);
    headingRowBox->setSpecialValueText(QStringLiteral("見出しなし"));
    form->addRow(QStringLiteral("見出しの行"), headingRowBox);
    connect(fileEdit, &QLineEdit::editingFinished, this, Guarded(this, [this] { fillSheets(); }));
    return tab;
}

QWidget* RevisionDialog::buildPercentTab()
{
    auto* tab = new QWidget(this);
    auto* form = new QFormLayout(tab);
    percentBox = new QDoubleSpinBox(tab);
    percentBox->setObjectName(QStringLiteral("percentBox"));
    percentBox->setRange(-100, 1000);
    percentBox->setDecimals(2);
    percentBox->setSuffix(QStringLiteral(" %"));
    form->addRow(QStringLiteral("増減率（5 は 5 % 値上げ、-3.5 は 3.5 % 値下げ）"), percentBox);
    auto* which = new QHBoxLayout;
    listButton = new QRadioButton(QStringLiteral("定価"), tab);
    listButton->setObjectName(QStringLiteral("listButton"));
    listButton->setChecked(true);
    costButton = new QRadioButton(QStringLiteral("原価"), tab);
    costButton->setObjectName(QStringLiteral("costButton"));
    which->addWidget(listButton);
    which->addWidget(costButton);
    which->addStretch(1);
    form->addRow(QStringLiteral("改定する価格"), which);
    materialList = new QListWidget(tab);
    materialList->setObjectName(QStringLiteral("materialList"));
    for (int m = 0; m < Materials; ++m) {
        auto* item = new QListWidgetItem(QStringLiteral("%1  %2").arg(m + 1).arg(MaterialLabel(book_, m)), materialList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    form->addRow(QStringLiteral("管材"), materialList);
    return tab;
}

QString RevisionDialog::columnsFile() const { return QDir(dataFolder_).filePath(QStringLiteral("kavrel_import.conf")); }

void RevisionDialog::browse()
{
    RecentFolders folders(RecentFoldersFile(dataFolder_));
    const QString chosen = ModalSeam::current().openFileName(
        this, QStringLiteral("価格表を開く"), folders.startFolder(FileKind::Csv),
        QStringLiteral("価格表 (*.csv *.CSV *.txt *.xlsx);;全てのファイル (*)"));
    if (chosen.isEmpty())
        return;
    folders.remember(FileKind::Csv, chosen);
    fileEdit->setText(chosen);
    fillSheets();
}

void RevisionDialog::fillSheets()
{
    sheetBox->clear();
    if (QFileInfo(fileEdit->text()).isFile())
        sheetBox->addItems(PriceListSheetNames(fileEdit->text()));
}

void RevisionDialog::makePreview()
{
    if (modes->currentIndex() == 0) {
        PriceListColumnChoice choice;
        choice.goodsName = columnEdits[0]->text().trimmed();
        choice.sizeName = columnEdits[1]->text().trimmed();
        choice.listPrice = columnEdits[2]->text().trimmed();
        choice.costPrice = columnEdits[3]->text().trimmed();
        choice.materialNumber = columnEdits[4]->text().trimmed();
        choice.headingRow = headingRowBox->value();
        PriceListReadOptions read;
        read.encoding = TextEncoding(encodingBox->currentIndex());
        read.sheetName = sheetBox->currentText();
        preview_ = PreviewPriceList(book_, readWithProgress(this, fileEdit->text(), read, choice));
        try {
            WriteSettingsLines(columnsFile(), choice.toLines());
        } catch (const FileError&) {
            // The preview stands; only the memory of the columns is lost.
        }
    } else {
        std::vector<int> materials;
        for (int m = 0; m < materialList->count(); ++m) {
            if (materialList->item(m)->checkState() == Qt::Checked)
                materials.push_back(m);
        }
        preview_ = PreviewPercentRevision(book_, materials, Currency::fromDouble(percentBox->value()),
                                          costButton->isChecked());
    }
    showPreview();
}

void RevisionDialog::showPreview()
{
    const std::vector<RevisionReportRow> rows = RevisionReportRows(book_, preview_, thresholdBox->value());
    previewTable->setSortingEnabled(false);
    previewTable->setRowCount(static_cast<int>(rows.size()));
    int flagged = 0;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const RevisionReportRow& row = rows[static_cast<std::size_t>(r)];
        flagged += row.flagged ? 1 : 0;
        for (int c = 0; c < row.cells.size(); ++c) {
            auto* item = new QTableWidgetItem(row.cells[c]);
            if (row.flagged)
                item->setBackground(FlaggedRow);
            previewTable->setItem(r, c, item);
        }
    }
    previewTable->setSortingEnabled(true);
    previewTable->resizeColumnsToContents();
    summaryLabel->setText(QStringLiteral("変更 %1 件（注意 %2 件）、重複 %3 件、一致しない行 %4 件、対象外の行 %5 件")
                              .arg(preview_.changes.size())
                              .arg(flagged)
                              .arg(preview_.conflicts.size())
                              .arg(preview_.unmatched.size())
                              .arg(preview_.uncovered.size()));
    applyButton->setEnabled(!preview_.changes.empty());
}
