#include "Tkvconfig.h"

#include "ApplicationTitle.h"
#include "DialogControls.h"
#include "FileError.h"
#include "GuardedApplication.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "ProgramFiles.h"
#include "TFolderDialog.h"
#include "TIconButton.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

Tkvconfig::Tkvconfig(const QString& programFolder, QWidget* parent)
    : QDialog(parent)
    , programFolder_(programFolder)
    , path_(DataFileConfigPath(programFolder))
{
    const QString title = ApplicationTitle();
    setObjectName(QStringLiteral("kvconfig"));
    setWindowTitle(title + QStringLiteral("環境設定"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    try {
        readConfiguration();
    } catch (const FileError& error) {
        // Creation happens once, before the window runs commands: report it
        // here and go on with the fields as they are.
        unreadable_ = true;
        ModalSeam::current().errorReport(parent, title, error.reportText());
    }
}

void Tkvconfig::BuildForm()
{
    if (BN[0])
        return;
    auto* heading = new QLabel(ApplicationTitle() + QStringLiteral("データファイル設定"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading->setFont(headingFont);

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget(pages);
    page->setObjectName(QStringLiteral("TabSheet1"));
    pages->addTab(page, QStringLiteral("データファイル設定"));

    auto* group = new QGroupBox(QStringLiteral("ボタン名(ファイル名)"), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < CategoryCount; ++k) {
        BN[k] = ClickField(group, QStringLiteral("BN%1").arg(k + 1), QStringLiteral("ボタンの名称を入力します"), 120);
        fn[k] = ClickField(group, QStringLiteral("fn%1").arg(k + 1),
                           QStringLiteral("割り当てるファイルをクリックして指定します。ファイルは先に存在している必要があります"),
                           380);
        BN[k]->installEventFilter(this);
        fn[k]->installEventFilter(this);
        grid->addWidget(new QLabel(QString::number(k + 1), group), k, 0, Qt::AlignRight);
        grid->addWidget(BN[k], k, 1);
        grid->addWidget(fn[k], k, 2);
    }
    Button1 = new QPushButton(QStringLiteral("フォルダ－で指定"), page);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, Guarded(this, [this] { Button1Click(); }));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    auto* folderRow = new QHBoxLayout;
    folderRow->addStretch();
    folderRow->addWidget(Button1);
    pageLayout->addLayout(folderRow);

    FolderDialog1 = new TFolderDialog(this);
    FolderDialog1->setObjectName(QStringLiteral("FolderDialog1"));

    const StoreAndExit buttons = StoreAndExitButtons(this, QStringLiteral("IconButton3"), QStringLiteral("IconButton2"));
    IconButton3 = buttons.store;
    IconButton2 = buttons.exit;
    connect(IconButton3, &TIconButton::clicked, this, Guarded(this, [this] { IconButton3Click(); }));
    connect(IconButton2, &TIconButton::clicked, this, Guarded(this, [this] { IconButton2Click(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(pages);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showConfiguration();
}

void Tkvconfig::readConfiguration()
{
    setConfiguration(ReadDataFileConfig(path_));
}

void Tkvconfig::saveConfiguration()
{
    WriteDataFileConfig(path_, config_);
    unreadable_ = false;
}

void Tkvconfig::saveAtClose()
{
    if (!unreadable_)
        saveConfiguration();
}

DataFileConfig Tkvconfig::shownConfiguration() const
{
    if (!BN[0])
        return config_;
    DataFileConfig config;
    for (int k = 0; k < CategoryCount; ++k) {
        config.groupName[k] = BN[k]->text();
        config.fileName[k] = fn[k]->text();
    }
    return config;
}

void Tkvconfig::showConfiguration()
{
    if (!BN[0])
        return;
    for (int k = 0; k < CategoryCount; ++k) {
        BN[k]->setText(config_.groupName[k]);
        fn[k]->setText(config_.fileName[k]);
    }
}

void Tkvconfig::setConfiguration(const DataFileConfig& config)
{
    config_ = config;
    showConfiguration();
}

QString Tkvconfig::groupName(int category) const
{
    return category >= 0 && category < CategoryCount ? config_.groupName[category] : QString();
}

QString Tkvconfig::fileName(int category) const
{
    return category >= 0 && category < CategoryCount ? config_.fileName[category] : QString();
}

void Tkvconfig::setGroupName(int category, const QString& name)
{
    if (category < 0 || category >= CategoryCount)
        return;
    config_.groupName[category] = name;
    if (BN[category])
        BN[category]->setText(name);
}

int Tkvconfig::Execute()
{
    BuildForm();
    CentreOnScreen(*this);
    // The fields are the copy the user edits; what was edited but not
    // stored is kept too, and shown again the next time.
    showConfiguration();
    return ModalSeam::current().exec(*this);
}

void Tkvconfig::done(int result)
{
    config_ = shownConfiguration();
    QDialog::done(result);
}

bool Tkvconfig::eventFilter(QObject* watched, QEvent* event)
{
    if (IsFieldClick(event)) {
        for (int k = 0; k < CategoryCount; ++k) {
            if (watched == BN[k]) {
                BNClick(k);
                return true;
            }
            if (watched == fn[k]) {
                fnClick(k);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tkvconfig::BNClick(int category)
{
    const auto name = ModalSeam::current().inputText(this, QStringLiteral("Telvoran"),
                                                     ApplicationTitle(),
                                                     BN[category]->text());
    if (name)
        BN[category]->setText(*name);
}

void Tkvconfig::fnClick(int category)
{
    const QString current = fn[category]->text();
    const QString start = current.isEmpty() ? programFolder_ : QFileInfo(current).absolutePath();
    const QString chosen = ModalSeam::current().openFileName(this, QString(), start, PriceBookFileFilter());
    if (!chosen.isEmpty())
        fn[category]->setText(QDir::toNativeSeparators(WithDefaultExtension(chosen)));
}

void Tkvconfig::Button1Click()
{
    if (!FolderDialog1->Execute())
        return;
    const auto paths = PriceBookPathsIn(FolderDialog1->directory());
    for (int k = 0; k < CategoryCount; ++k)
        fn[k]->setText(paths[k]);
}

void Tkvconfig::IconButton3Click()
{
    config_ = shownConfiguration();
    saveConfiguration();
    InfoBox(QStringLiteral("フォルダ－の変更にはソフトウェアの再起動が必要です。\r\nVersion2.00"),
            ConfirmCaption(), ButtonPointer::Arrow);
}

void Tkvconfig::IconButton2Click()
{
    reject();
}
