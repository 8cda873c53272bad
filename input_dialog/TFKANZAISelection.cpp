#include "TFKANZAI.h"

#include "FileError.h"
#include "GuardedApplication.h"
#include "InputDialogLook.h"
#include "MessageBoxes.h"
#include "NumberText.h"
#include "PriceLookup.h"
#include "RemarkHistory.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TGradBtn.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>

namespace {

const QString NotRegistered = QStringLiteral("単価はまだ登録されていません。Zavrikonプログラムにて作成して下さい。");
const QString NoQuantity = QStringLiteral("数量が入力されていません。");

void SetCaptionColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

// --- Category, material and size ----------------------------------------

void TFKANZAI::ibClick(int category)
{
    const QString path = categoryPaths_[category - 1];
    if (!QFileInfo(path).isFile()) {
        InfoBox(NotRegistered, ConfirmCaption());
        return;
    }
    // Read before anything changes, so that a book that cannot be read
    // leaves the previous choice.
    const QStringList names = ReadMaterialNames(path);
    setBookPath(path);
    categoryNumber_ = category;
    FILEPL->setCaption(DISKBTN[category - 1]->caption());
    const QSignalBlocker quiet(ListBox1);
    materialNames_ = names;
    ListBox1->clear();
    ListBox1->addItems(names);
    showWholeNames();
}

void TFKANZAI::showWholeNames()
{
    // Names of one kind often differ only at their end ("…鋼管(VA)", "…鋼管(VD)"):
    // the list widens to the longest, as far as the dialog still fits a
    // screen of 1024 pixels; a name cut even then shows whole as its tooltip.
    for (int i = 0; i < ListBox1->count(); ++i)
        ListBox1->item(i)->setToolTip(ListBox1->item(i)->text());
    const int widest = ListBox1->sizeHintForColumn(0) + 2 * ListBox1->frameWidth()
                       + ListBox1->verticalScrollBar()->sizeHint().width();
    ListBox1->setMinimumWidth(std::clamp(widest, MaterialListWidth, MaterialListMostWidth));
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
        InfoBox(QStringLiteral("管種を選択して下さい。"), ConfirmCaption());
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
    sheetNames_ = view.sheetNames;
    std::copy(view.sizeNames.begin(), view.sizeNames.end(), sizeNames_.begin());
    for (int i = 0; i < 4; ++i) {
        tanka_opt[i]->setEnabled(true);
        tanka_opt[i]->setText(sheetNames_[i]);
        if (i > 0)
            SetCaptionColor(tanka_opt[i], Qt::black);
    }
    for (int row = 0; row < PriceLines; ++row)
        size_bt[row]->setText(sizeNames_[row]);
    if (view.refrigerantMode) {
        sheetNames_[0] = QStringLiteral("一般");
        tanka_opt[0]->setChecked(true);
        tanka_opt[0]->setText(sheetNames_[0]);
        for (int i = 0; i < 4; ++i) {
            tanka_opt[i]->setEnabled(false);
            if (i > 0)
                SetCaptionColor(tanka_opt[i], QColor(128, 128, 128));
        }
    }
    materialName_ = materialNames_.value(material);
    select_data->setCaption(materialName_);
    // A size chosen before stays chosen, under the new material's name for it.
    if (!sizeName_.isEmpty())
        setSize(sizeRow_, sizeNames_[sizeRow_]);
}

void TFKANZAI::size_btClick(int row)
{
    setSize(row, sizeNames_[row]);
    nmanyin->setFocus();
}

void TFKANZAI::setSize(int row, const QString& name)
{
    sizeRow_ = row;
    sizeShown_ = name;
    sizeName_ = name.left(10);
    sizename->setCaption(name);
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
        InfoBox(NoQuantity, ConfirmCaption());
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
                RunCommand(this, [this] { SendEstimateLine(); });
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
    c.materialShown = materialName_;
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    c.material = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    c.sheet = CheckedIndex(tanka_opt, 0);
    c.sheetCaption = sheetNames_[c.sheet];
    c.row = sizeRow_;
    c.sizeShown = sizeShown_;
    c.sizeName = sizeName_;
    const WorkKind kinds[] = {WorkKind::General, WorkKind::Removal, WorkKind::RemovalReuse};
    c.work = kinds[CheckedIndex(CALC_OPT1, 0)];
    const int construction = CheckedIndex(data_opt, -1);
    c.constructionType = construction >= 0 ? ConstructionTypes()[construction] : QString();
    c.levelIndex = Level_box->currentIndex();
    c.useComposite = CheckBox1->isChecked();
    c.appendSheet = CheckBox2->isChecked();
    c.appendConstruction = CheckBox3->isChecked();
    c.remarkOn = CheckGroupBox1->checked();
    c.remark = X_opt3->currentText();
    c.netQuantityText = nmanyin->text();
    c.netQuantity = nmanyin->value();
    c.offerQuantity = gmanyin->value();
    c.mode = mode_;
    c.systemNumber = systemNumber_;
    c.removal = removal_;
    return c;
}

void TFKANZAI::SendEstimateLine()
{
    if (const auto refusal = RefuseEstimateChoice(currentChoice())) {
        InfoBox(*refusal, ConfirmCaption());
        return;
    }
    const QString remark = X_opt3->currentText();
    if (!remark.isEmpty()) {
        QStringList history = remarkHistory();
        PushRemark(history, remark);
        setRemarkHistory(history);
    }
    const EstimateLine line = LookupEstimateLine(currentChoice());
    emit EstimateLineBuilt(line);
    // A line that did not arrive keeps its entries, to be sent again.
    if (deliverLine(line))
        prepareNextLine();
}

void TFKANZAI::prepareNextLine()
{
    setSize(0, QString());
    nmanyin->setValue(Currency());
    gmanyin->setValue(Currency());
    MANYIN->setCaption(QString());
}
