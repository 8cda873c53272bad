#include "TFKANZAI.h"

#include "ApplicationTitle.h"
#include "CallerArguments.h"
#include "DataFileConfig.h"
#include "FileError.h"
#include "InputDialogLook.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "NumberText.h"
#include "PriceLookup.h"
#include "ProgramStarts.h"
#include "RemarkHistory.h"
#include "SettingsLines.h"
#include "TBorRadio.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TFKEITO_SELECT.h"
#include "Tfkanzai_plan.h"
#include "TGradBtn.h"
#include "TIconButton.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

namespace {

const QString Confirm = QStringLiteral("確認");
const QString NotRegistered = QStringLiteral("単価はまだ登録されていません。Zavrikonプログラムにて作成して下さい。");
const QString NoQuantity = QStringLiteral("数量が入力されていません。");

void SetCaptionColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void SetItems(QComboBox* box, const QStringList& items)
{
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

} // namespace

TFKANZAI::TFKANZAI(const QString& programFolder, const QStringList& arguments, QWidget* parent)
    : QWidget(parent)
    , programFolder_(programFolder)
    , argument_(arguments.value(0))
{
    setObjectName(QStringLiteral("FKANZAI"));
    setWindowTitle(DesignCaption());
    setWindowIcon(MessageBoxIcon(programFolder));
    buildControls();
    // The category names the form shows until the configuration names them.
    const DataFileConfig defaults = DefaultDataFileConfig(programFolder);
    for (int k = 0; k < CategoryCount; ++k)
        DISKBTN[k]->setCaption(defaults.groupName[k]);
    connectHandlers();
    keitoSelect_ = new TFKEITO_SELECT(programFolder, this);
    resize(1000, 700);
}

TFKANZAI::~TFKANZAI() = default;

void TFKANZAI::connectHandlers()
{
    for (int n = 1; n <= CategoryCount; ++n) {
        connect(ib[n - 1], &TIconButton::clicked, this, [this, n] { ibClick(n); });
        connect(DISKBTN[n - 1], &TBoxLabel::Click, this, [this, n] { ibClick(n); });
    }
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        const int material = currentChoice().material;
        if (material >= 0)
            ListBox1Click(material);
    });
    for (int i = 0; i < 15; ++i)
        connect(size_bt[i], &TGradBtn::clicked, this, [this, i] { size_btClick(i); });
    for (TGradBtn* key : digit_bt)
        connect(key, &TGradBtn::clicked, this, [this, key] { keyClick(key->text()); });
    connect(point_bt, &TGradBtn::clicked, this, [this] { keyClick(point_bt->text()); });
    connect(bs_bt, &TGradBtn::clicked, this, &TFKANZAI::bs_btClick);
    connect(net_bt, &TGradBtn::clicked, this, &TFKANZAI::net_btClick);
    connect(offer_bt, &TGradBtn::clicked, this, &TFKANZAI::offer_btClick);
    connect(netoffer_bt, &TGradBtn::clicked, this, &TFKANZAI::netoffer_btClick);
    nmanyin->installEventFilter(this);
    gmanyin->installEventFilter(this);
    connect(IconButton3, &TIconButton::clicked, this, &TFKANZAI::SendEstimateLine);
    connect(removal, &TBoxLabel::Click, this, &TFKANZAI::removalClick);
    connect(Recycle, &TBoxLabel::Click, this, &TFKANZAI::removalClick);
    connect(user_sel, &TGradBtn::clicked, this, &TFKANZAI::user_selClick);
    connect(IconButton6, &TIconButton::clicked, this, &TFKANZAI::IconButton6Click);
    connect(IconButton4, &TIconButton::clicked, this, &TFKANZAI::IconButton4Click);
    connect(IconButton13, &TIconButton::clicked, this, &TFKANZAI::IconButton13Click);
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
    modeText_ = caller.modeText;
    statusPanels[0]->setText(modeText_);
    Level_box->setCurrentIndex(caller.levelIndex >= 0 && caller.levelIndex < Level_box->count() ? caller.levelIndex : -1);
    showSystem(caller.systemNumber, caller.systemName);
    if (IsPickupMode(modeText_)) {
        CheckBox3->setEnabled(false);
        CheckBox1->setEnabled(false);
    }

    ListBox1->clear();
    MANYIN->setCaption(QString());
    nmanyin->setValue(Currency());
    gmanyin->setValue(Currency());
    tanka_opt[0]->setChecked(true);

    SetItems(X_opt3, ReadRemarkHistory(RemarkHistoryPath(programFolder_)));
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
        WriteRemarkHistory(RemarkHistoryPath(programFolder_), Items(X_opt3));
    } catch (const FileError& e) {
        ModalSeam::current().errorReport(this, ApplicationTitle(), e.message());
    }
    event->accept();
}

void TFKANZAI::IconButton13Click()
{
    close();
}

// --- Category, material and size ----------------------------------------

void TFKANZAI::ibClick(int category)
{
    const QString path = categoryPaths_[category - 1];
    if (!QFileInfo(path).isFile()) {
        InfoBox(NotRegistered, Confirm);
        return;
    }
    // Read before anything changes, so that a book that cannot be read
    // leaves the previous choice.
    const QStringList names = ReadMaterialNames(path);
    setBookPath(path);
    categoryNumber_ = category;
    FILEPL->setCaption(DISKBTN[category - 1]->caption());
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(names);
}

void TFKANZAI::setBookPath(const QString& path)
{
    bookPath_ = path;
    FILENAMEPL->setText(path);
    statusPanels[3]->setText(path);
    setWindowTitle(DesignCaption() + path);
}

void TFKANZAI::ListBox1Click(int material)
{
    if (bookPath_.isEmpty()) {
        InfoBox(QStringLiteral("管種を選択して下さい。"), Confirm);
        return;
    }
    MaterialView view;
    try {
        view = ReadMaterialView(bookPath_, material);
    } catch (const FileError&) {
        // Nothing of the material could be shown: it is not selected.
        const QSignalBlocker quiet(ListBox1);
        ListBox1->clearSelection();
        throw;
    }
    for (int i = 0; i < 4; ++i) {
        tanka_opt[i]->setEnabled(true);
        tanka_opt[i]->setText(view.sheetNames[i]);
        if (i > 0)
            SetCaptionColor(tanka_opt[i], Qt::black);
    }
    for (int row = 0; row < PriceLines; ++row)
        size_bt[row]->setText(view.sizeNames[row]);
    if (view.refrigerantMode) {
        tanka_opt[0]->setChecked(true);
        tanka_opt[0]->setText(QStringLiteral("一般"));
        for (int i = 0; i < 4; ++i) {
            tanka_opt[i]->setEnabled(false);
            if (i > 0)
                SetCaptionColor(tanka_opt[i], QColor(128, 128, 128));
        }
    }
    select_data->setCaption(ListBox1->item(material)->text());
    // A size chosen before stays chosen, under the new material's name for it.
    if (!sizeName_.isEmpty())
        setSize(sizeRow_, size_bt[sizeRow_]->text());
}

void TFKANZAI::size_btClick(int row)
{
    setSize(row, size_bt[row]->text());
    nmanyin->setFocus();
}

void TFKANZAI::setSize(int row, const QString& caption)
{
    sizeRow_ = row;
    sizeName_ = caption.left(10);
    sizename->setCaption(caption);
}

// --- Quantities and sending ----------------------------------------------

void TFKANZAI::keyClick(const QString& caption)
{
    MANYIN->setCaption(MANYIN->caption() + caption);
}

void TFKANZAI::bs_btClick()
{
    MANYIN->setCaption(QString());
}

std::optional<Currency> TFKANZAI::keypadQuantity()
{
    if (MANYIN->caption().isEmpty()) {
        QApplication::beep();
        InfoBox(NoQuantity, Confirm);
        return std::nullopt;
    }
    // The keypad types "." as the decimal point, whatever the locale says.
    return ParseCurrency(MANYIN->caption());
}

void TFKANZAI::net_btClick()
{
    if (const auto quantity = keypadQuantity())
        nmanyin->setValue(*quantity);
}

void TFKANZAI::offer_btClick()
{
    if (const auto quantity = keypadQuantity())
        gmanyin->setValue(*quantity);
}

void TFKANZAI::netoffer_btClick()
{
    const auto quantity = keypadQuantity();
    if (!quantity)
        return;
    nmanyin->setValue(*quantity);
    gmanyin->setValue(*quantity);
    MANYIN->setCaption(QString());
    SendEstimateLine();
}

bool TFKANZAI::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == nmanyin || watched == gmanyin) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == nmanyin)
                gmanyin->setFocus();
            else
                SendEstimateLine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

EstimateChoice TFKANZAI::currentChoice() const
{
    EstimateChoice c;
    c.bookPath = bookPath_;
    c.category = categoryNumber_;
    c.materialShown = select_data->caption();
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    c.material = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    c.sheet = CheckedIndex(tanka_opt, 0);
    c.sheetCaption = tanka_opt[c.sheet]->text();
    c.row = sizeRow_;
    c.sizeShown = sizename->caption();
    c.sizeName = sizeName_;
    const WorkKind kinds[] = {WorkKind::General, WorkKind::Removal, WorkKind::RemovalReuse};
    c.work = kinds[CheckedIndex(CALC_OPT1, 0)];
    const int construction = CheckedIndex(data_opt, -1);
    c.constructionType = construction >= 0 ? data_opt[construction]->text() : QString();
    c.levelIndex = Level_box->currentIndex();
    c.useComposite = CheckBox1->isChecked();
    c.appendSheet = CheckBox2->isChecked();
    c.appendConstruction = CheckBox3->isChecked();
    c.remarkOn = CheckGroupBox1->checked();
    c.remark = X_opt3->currentText();
    c.netQuantityText = nmanyin->text();
    c.netQuantity = nmanyin->value();
    c.offerQuantity = gmanyin->value();
    c.modeText = modeText_;
    c.systemNumber = systemNumber_;
    c.removal = removal_;
    return c;
}

void TFKANZAI::SendEstimateLine()
{
    if (const auto refusal = RefuseEstimateChoice(currentChoice())) {
        InfoBox(*refusal, Confirm);
        return;
    }
    const QString remark = X_opt3->currentText();
    if (!remark.isEmpty()) {
        QStringList history = Items(X_opt3);
        PushRemark(history, remark);
        SetItems(X_opt3, history);
    }
    const EstimateLine line = LookupEstimateLine(currentChoice());
    prepareNextLine();
    emit EstimateLineBuilt(line);
}

void TFKANZAI::prepareNextLine()
{
    setSize(0, QString());
    nmanyin->setValue(Currency());
    gmanyin->setValue(Currency());
    MANYIN->setCaption(QString());
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

void TFKANZAI::user_selClick()
{
    keitoSelect_->loadNames();
    keitoSelect_->selectedName = systemName();
    keitoSelect_->selectedNumber = systemNumber_ + 1;
    ModalSeam::current().exec(*keitoSelect_);
    showSystem(keitoSelect_->selectedNumber - 1, keitoSelect_->selectedName);
}

int TFKANZAI::categoryForStart()
{
    if (categoryNumber_ == 0)
        categoryNumber_ = 1;
    return categoryNumber_;
}

void TFKANZAI::IconButton6Click()
{
    Start(MainProgramStart(programFolder_, categoryForStart(), currentChoice().material), programFolder_);
}

void TFKANZAI::IconButton4Click()
{
    Start(RegistrationProgramStart(programFolder_, categoryForStart(), currentChoice().material), programFolder_);
}
