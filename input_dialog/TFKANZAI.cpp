#include "TFKANZAI.h"

#include "ApplicationTitle.h"
#include "CallerArguments.h"
#include "CopyDataServer.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "GuardedApplication.h"
#include "InputDialogLook.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "NumberText.h"
#include "ProgramStart.h"
#include "ProgramStarts.h"
#include "RemarkHistory.h"
#include "SettingsLines.h"
#include "TBorRadio.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TFKEITO_SELECT.h"
#include "TGradBtn.h"
#include "TIconButton.h"
#include "TNValEditC.h"
#include "Tfkanzai_plan.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

TFKANZAI::TFKANZAI(const QString& programFolder, const QStringList& arguments, QWidget* parent)
    : QWidget(parent)
    , programFolder_(programFolder)
    , programsFolder_(programFolder)
    , argument_(arguments.value(0))
    , sheetNames_(DesignSheetNames())
    , sizeNames_(DesignSizeNames())
    , answerTimeoutMs_(CopyData::AnswerTimeoutMs)
{
    setObjectName(QStringLiteral("FKANZAI"));
    setWindowTitle(DesignCaption());
    setWindowIcon(ProgramIcon(QStringLiteral("kanzai_input")));
    buildControls();
    // The category names the form shows until the configuration names them.
    const DataFileConfig defaults = DefaultDataFileConfig(programFolder);
    for (int k = 0; k < CategoryCount; ++k)
        DISKBTN[k]->setCaption(defaults.groupName[k]);
    connectHandlers();
    messages_ = new CopyDataServer([this](const CopyDataBlock& block) { return WMCopyData(block); }, this);
    messages_->listen(QStringLiteral("TFKANZAI"));
    resize(1000, 700);
}

TFKANZAI::~TFKANZAI() = default;

void TFKANZAI::connectHandlers()
{
    for (int n = 1; n <= CategoryCount; ++n) {
        connect(ib[n - 1], &TIconButton::clicked, this, Guarded(this, [this, n] { ibClick(n); }));
        connect(DISKBTN[n - 1], &TBoxLabel::Click, this, Guarded(this, [this, n] { ibClick(n); }));
    }
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, Guarded(this, [this] {
        const int material = currentChoice().material;
        if (material >= 0)
            ListBox1Click(material);
    }));
    for (int i = 0; i < 15; ++i)
        connect(size_bt[i], &TGradBtn::clicked, this, Guarded(this, [this, i] { size_btClick(i); }));
    for (TGradBtn* key : digit_bt)
        connect(key, &TGradBtn::clicked, this, Guarded(this, [this, key] { keyClick(key->text()); }));
    connect(point_bt, &TGradBtn::clicked, this, Guarded(this, [this] { keyClick(point_bt->text()); }));
    connect(bs_bt, &TGradBtn::clicked, this, Guarded(this, [this] { bs_btClick(); }));
    connect(net_bt, &TGradBtn::clicked, this, Guarded(this, [this] { net_btClick(); }));
    connect(offer_bt, &TGradBtn::clicked, this, Guarded(this, [this] { offer_btClick(); }));
    connect(netoffer_bt, &TGradBtn::clicked, this, Guarded(this, [this] { netoffer_btClick(); }));
    nmanyin->installEventFilter(this);
    gmanyin->installEventFilter(this);
    connect(IconButton3, &TIconButton::clicked, this, Guarded(this, [this] { SendEstimateLine(); }));
    connect(removal, &TBoxLabel::Click, this, Guarded(this, [this] { removalClick(); }));
    connect(Recycle, &TBoxLabel::Click, this, Guarded(this, [this] { removalClick(); }));
    connect(user_sel, &TGradBtn::clicked, this, Guarded(this, [this] { user_selClick(); }));
    connect(IconButton6, &TIconButton::clicked, this, Guarded(this, [this] { IconButton6Click(); }));
    connect(IconButton4, &TIconButton::clicked, this, Guarded(this, [this] { IconButton4Click(); }));
    connect(IconButton13, &TIconButton::clicked, this, Guarded(this, [this] { IconButton13Click(); }));
}
// --- Opening and closing -------------------------------------------------

void TFKANZAI::showEvent(QShowEvent* event)
{
    // A restore from minimised shows the window again without it having been
    // closed: the choices made and the remarks loaded stay as they are.
    if (openStepsPending_) {
        openStepsPending_ = false;
        FormShow();
    }
    QWidget::showEvent(event);
}

void TFKANZAI::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        openStepsPending_ = true;
    QWidget::hideEvent(event);
}

void TFKANZAI::FormShow()
{
    const CallerArguments caller = ParseCallerArgument(argument_);
    mode_ = caller.mode;
    statusPanels[0]->setText(mode_.text);
    Level_box->setCurrentIndex(caller.levelIndex >= 0 && caller.levelIndex < Level_box->count() ? caller.levelIndex : -1);
    showSystem(caller.systemNumber, caller.systemName);
    if (mode_.pickupMarked) {
        CheckBox3->setEnabled(false);
        CheckBox1->setEnabled(false);
    }

    ListBox1->clear();
    materialNames_.clear();
    MANYIN->setCaption(QString());
    nmanyin->setValue(Currency());
    gmanyin->setValue(Currency());
    tanka_opt[0]->setChecked(true);

    setRemarkHistory(ReadRemarkHistory(RemarkHistoryPath(programFolder_)));
    removal_ = ReadRemovalSettings(RemovalSettingsPath(programFolder_));
    showRemovalSettings();

    const QString configPath = DataFileConfigPath(programFolder_);
    const DataFileConfig config = ReadDataFileConfig(configPath);
    // A file that names no category keeps the caption the form gives it; the
    // configuration reader cannot tell an empty name from a missing one.
    const bool configured = QFileInfo::exists(configPath);
    const QStringList lines = configured ? ReadSettingsLines(configPath) : QStringList();
    for (int k = 0; k < CategoryCount; ++k) {
        categoryPaths_[k] = config.fileName[k];
        DISKBTN[k]->setCaption(configured ? SettingsValue(lines, GroupNameKey(k), DISKBTN[k]->caption())
                                          : config.groupName[k]);
    }
}

void TFKANZAI::closeEvent(QCloseEvent* event)
{
    // The remarks are a convenience, not data: a file that cannot be written
    // is reported and the dialog closes all the same.
    try {
        WriteRemarkHistory(RemarkHistoryPath(programFolder_), remarkHistory());
    } catch (const FileError& e) {
        ModalSeam::current().errorReport(this, ApplicationTitle(), e.message());
    }
    event->accept();
}

void TFKANZAI::IconButton13Click()
{
    close();
}

// --- Settings, system and the programs started --------------------------

void TFKANZAI::showRemovalSettings()
{
    removal->setCaption(PlainText(removal_.removalFactor));
    Recycle->setCaption(PlainText(removal_.recycleFactor));
    Removal_Label->setToolTip(RemovalDecimalsCaptions().value(removal_.decimals - 1));
    Recycle_Label->setToolTip(RemovalRoundingCaptions().value(removal_.rounding - 1));
}

void TFKANZAI::removalClick()
{
    Tfkanzai_plan dialog(programFolder_, removal_, this);
    if (ModalSeam::current().exec(dialog) != QDialog::Accepted)
        return;
    removal_ = dialog.settings();
    showRemovalSettings();
}

QString TFKANZAI::systemName() const
{
    return Keito->caption();
}

void TFKANZAI::showSystem(int number, const QString& name)
{
    systemNumber_ = number;
    Keito->setCaption(name);
}

TFKEITO_SELECT* TFKANZAI::systemSelection()
{
    if (!keitoSelect_)
        keitoSelect_ = new TFKEITO_SELECT(programFolder_, this);
    return keitoSelect_;
}

void TFKANZAI::user_selClick()
{
    TFKEITO_SELECT* select = systemSelection();
    select->loadNames();
    select->selectedName = systemName();
    select->selectedNumber = systemNumber_ + 1;
    ModalSeam::current().exec(*select);
    showSystem(select->selectedNumber - 1, select->selectedName);
}

int TFKANZAI::categoryForStart()
{
    if (categoryNumber_ == 0)
        categoryNumber_ = 1;
    return categoryNumber_;
}

void TFKANZAI::IconButton6Click()
{
    Start(MainProgramStart(programsFolder_, categoryForStart(), currentChoice().material), programsFolder_);
}

void TFKANZAI::IconButton4Click()
{
    Start(RegistrationProgramStart(programsFolder_, categoryForStart(), currentChoice().material), programsFolder_);
}

// --- The remark history, held by the remark box --------------------------

QStringList TFKANZAI::remarkHistory() const
{
    QStringList history;
    for (int i = 0; i < X_opt3->count(); ++i)
        history << X_opt3->itemText(i);
    return history;
}

void TFKANZAI::setRemarkHistory(const QStringList& history)
{
    const QString text = X_opt3->currentText();
    X_opt3->clear();
    X_opt3->addItems(history);
    X_opt3->setEditText(text);
}
