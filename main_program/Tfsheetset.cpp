#include "Tfsheetset.h"

#include "DialogControls.h"
#include "DialogTitleStrip.h"
#include "GuardedApplication.h"
#include "ModalSeam.h"
#include "TBorRadio.h"
#include "TGradPan.h"
#include "TIconButton.h"
#include "TStrColGrid.h"
#include "TfsheetsetItems.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString Heading = QStringLiteral("管材別基本デ－タ設定");
const QString InputCaption = QStringLiteral("Zavrikon");

// A radio group of the settings: its caption, the number of its first
// BorRadio, the button captions and the choice of BasicData it shows.
struct RadioGroup {
    const char* caption;
    int first;
    std::vector<const char*> buttons;
    int BasicData::*choice;
};

const std::array<RadioGroup, 5> RadioGroups = {{
    {"計算処理", 4,
     {"各要素単位で端数処理", "各要素単位では小数1位有効", "各要素単位では小数2位有効", "各要素単位では小数3位有効"},
     &BasicData::componentDecimals},
    {"小数以下処理", 8, {"切り上げ", "切り捨て", "四捨五入"}, &BasicData::componentAddend},
    {"有効桁以下", 11, {"切り上げ", "切り捨て", "四捨五入"}, &BasicData::adoptedStepAddend},
    {"採用有効桁設定", 14, {"1", "10", "100", "1000", "有効3桁", "有効4桁"}, &BasicData::adoptedStep},
    {"モード", 1, {"配管モード", "冷媒モード"}, &BasicData::mode},
}};

// An editable list that keeps its items in the given order and never adds
// what is typed to them.
QComboBox* EditableList(QWidget* parent, const QString& name, const QStringList& items, int width)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Completing inline would put a longer item's text behind what was typed.
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setMaxVisibleItems(20);
    box->setMinimumWidth(width);
    return box;
}

// Shows a text in an editable list; a text that is an item makes it current,
// so that the arrow keys move on from there.
void ShowInList(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

QGroupBox* Group(QWidget* parent, const QString& caption, QWidget* content)
{
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QPushButton* SpeedButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

Tfsheetset::Tfsheetset(const WorkSet& work, int material, QWidget* parent)
    : QDialog(parent), work_(work), material_(material)
{
    setObjectName(QStringLiteral("fsheetset"));
    setWindowTitle(Heading);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);

    nopanel = new QLabel(this);
    nopanel->setObjectName(QStringLiteral("nopanel"));
    nopanel->setText(QString::number(material));
    nopanel->hide();

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildSizes());
    middle->addWidget(buildSheetNames());
    middle->addWidget(buildSettings());

    const StoreAndExit buttons = StoreAndExitButtons(this, QStringLiteral("IconButton6"), QStringLiteral("IconButton4"));
    IconButton6 = buttons.store;
    IconButton4 = buttons.exit;
    connect(IconButton6, &TIconButton::clicked, this, Guarded(this, [this] { IconButton6Click(); }));
    connect(IconButton4, &TIconButton::clicked, this, Guarded(this, [this] { IconButton4Click(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogTitleStrip(this, Heading));
    layout->addWidget(buildTexts());
    layout->addLayout(middle);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showData(BasicData{});
}

QWidget* Tfsheetset::buildTexts()
{
    auto* texts = new QWidget(this);
    auto* grid = new QGridLayout(texts);
    grid->setContentsMargins(0, 0, 0, 0);
    GOODSBOX = EditableList(texts, QStringLiteral("GOODSBOX"), GoodsNames(), 420);
    ComboBox2 = EditableList(texts, QStringLiteral("ComboBox2"), UsageNames(), 300);
    ComboBox3 = EditableList(texts, QStringLiteral("ComboBox3"), JointMethods(), 220);
    grid->addWidget(new QLabel(QStringLiteral("品名"), texts), 0, 0);
    grid->addWidget(GOODSBOX, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("用途"), texts), 1, 0);
    grid->addWidget(ComboBox2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("接合"), texts), 1, 2);
    grid->addWidget(ComboBox3, 1, 3);

    StaticText1 = ClickField(texts, QStringLiteral("StaticText1"), QString(), 300);
    StaticText2 = ClickField(texts, QStringLiteral("StaticText2"), QString(), 120);
    ComboBox1 = EditableList(texts, QStringLiteral("ComboBox1"), UnitNames(), 70);
    for (QLineEdit* field : {StaticText1, StaticText2})
        field->installEventFilter(this);
    auto* references = new QHBoxLayout;
    references->addWidget(Group(texts, QStringLiteral("材料単価建物"), StaticText1), 1);
    references->addWidget(Group(texts, QStringLiteral("ペ－ジ"), StaticText2));
    references->addWidget(Group(texts, QStringLiteral("単位"), ComboBox1));
    grid->addLayout(references, 2, 0, 1, 4);
    return texts;
}

QWidget* Tfsheetset::buildSizes()
{
    auto* group = new QGroupBox(QStringLiteral("サイズセット"), this);
    StrColGrid1 = new TStrColGrid(group);
    StrColGrid1->setObjectName(QStringLiteral("StrColGrid1"));
    StrColGrid1->BeginLoading();
    StrColGrid1->SetColCount(2);
    StrColGrid1->SetRowCount(LinesPerSheet);
    StrColGrid1->SetDefaultRowHeight(17);
    StrColGrid1->SetColWidths(0, 32);
    StrColGrid1->SetColWidths(1, 80);
    StrColGrid1->SetColor(Qt::white);
    StrColGrid1->SetFontColor(Qt::black);
    StrColGrid1->SetOptions(DefaultGridOptions | goEditing);
    StrColGrid1->SetFixedAlignment(taCenter);
    StrColGrid1->SetCells(0, 0, QStringLiteral("No"));
    StrColGrid1->SetCells(1, 0, QStringLiteral("サイズ"));
    for (int row = 1; row <= PriceLines; ++row)
        StrColGrid1->SetCells(0, row, QString::number(row));
    StrColGrid1->Loaded();
    // All 15 rows and both columns in view, each with its one-pixel line.
    StrColGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StrColGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * StrColGrid1->frameWidth();
    StrColGrid1->setFixedSize(32 + 80 + 2 + frame, (17 + 1) * LinesPerSheet + frame);

    auto* buttons = new QVBoxLayout;
    for (std::size_t i = 0; i < SizePresets.size(); ++i) {
        const SizePreset& preset = SizePresets[i];
        sizeButtons[i] = SpeedButton(group, QString::fromLatin1(preset.button), QString::fromUtf8(preset.caption));
        connect(sizeButtons[i], &QPushButton::clicked, this, Guarded(this, [this, i] { sizeButtonClick(static_cast<int>(i)); }));
        buttons->addWidget(sizeButtons[i]);
    }
    // The two refrigerant sets differ only in the first size.
    sizeButtons[3]->setToolTip(QStringLiteral("6.4～53.98"));
    sizeButtons[4]->setToolTip(QStringLiteral("9.5～53.98"));
    buttons->addStretch();
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(StrColGrid1, 0, Qt::AlignTop);
    layout->addLayout(buttons);
    return group;
}

QWidget* Tfsheetset::buildSheetNames()
{
    auto* group = new QGroupBox(QStringLiteral("細目[配管モード時]"), this);
    auto* layout = new QVBoxLayout(group);
    for (int sheet = 0; sheet < Sheets; ++sheet) {
        QLineEdit*& field = kind[static_cast<std::size_t>(sheet)];
        field = ClickField(group, QStringLiteral("kind%1").arg(sheet + 1), QString(), 160);
        field->installEventFilter(this);
        layout->addWidget(field);
    }
    SpeedButton5 = SpeedButton(group, QStringLiteral("SpeedButton5"), QStringLiteral(" Set  "));
    SpeedButton6 = SpeedButton(group, QStringLiteral("SpeedButton6"), QStringLiteral("Clear"));
    connect(SpeedButton5, &QPushButton::clicked, this, Guarded(this, [this] { SpeedButton5Click(); }));
    connect(SpeedButton6, &QPushButton::clicked, this, Guarded(this, [this] { SpeedButton6Click(); }));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton5);
    buttons->addWidget(SpeedButton6);
    layout->addLayout(buttons);
    layout->addStretch();
    return group;
}

QWidget* Tfsheetset::buildSettings()
{
    auto* settings = new QWidget(this);
    auto* grid = new QGridLayout(settings);
    grid->setContentsMargins(0, 0, 0, 0);
    // Where each group sits: row, column and column span.
    const int places[5][3] = {{0, 0, 2}, {1, 0, 1}, {1, 1, 1}, {2, 0, 2}, {3, 0, 2}};
    for (std::size_t g = 0; g < RadioGroups.size(); ++g) {
        const RadioGroup& radios = RadioGroups[g];
        auto* group = new QGroupBox(QString::fromUtf8(radios.caption), settings);
        auto* buttons = new QGridLayout(group);
        // The significant-digit buttons stand in two columns of three, the
        // modes side by side, the others one under the other.
        const int perColumn = radios.buttons.size() == 6 ? 3 : (radios.buttons.size() == 2 ? 1 : 4);
        for (std::size_t b = 0; b < radios.buttons.size(); ++b) {
            const int number = radios.first + static_cast<int>(b);
            auto* radio = new TBorRadio(group);
            radio->setObjectName(QStringLiteral("BorRadio%1").arg(number));
            radio->setText(QString::fromUtf8(radios.buttons[b]));
            radio->setCheckColor(Qt::blue);
            BorRadio[static_cast<std::size_t>(number - 1)] = radio;
            buttons->addWidget(radio, static_cast<int>(b) % perColumn, static_cast<int>(b) / perColumn);
        }
        grid->addWidget(group, places[g][0], places[g][1], 1, places[g][2]);
    }
    grid->setRowStretch(4, 1);
    return settings;
}

int Tfsheetset::Execute()
{
    CentreOnScreen(*this);
    return ModalSeam::current().exec(*this);
}

int Tfsheetset::material() const
{
    return material_;
}

void Tfsheetset::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool Tfsheetset::eventFilter(QObject* watched, QEvent* event)
{
    if (IsFieldClick(event)) {
        for (QLineEdit* field : kind) {
            if (watched == field) {
                textClick(field, QStringLiteral("単価種別"));
                return true;
            }
        }
        if (watched == StaticText1 || watched == StaticText2) {
            textClick(static_cast<QLineEdit*>(watched), QStringLiteral("材料単価建物"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tfsheetset::FormShow()
{
    // Shown as the material will hold it: the caller's work set changes only
    // through the data stored.
    WorkSet shown = work_;
    showData(ShowBasicData(shown));
}

void Tfsheetset::showData(const BasicData& data)
{
    ShowInList(GOODSBOX, data.headerTexts[0]);
    ShowInList(ComboBox2, data.headerTexts[1]);
    ShowInList(ComboBox3, data.headerTexts[2]);
    StaticText1->setText(data.headerTexts[3]);
    StaticText2->setText(data.headerTexts[4]);
    ShowInList(ComboBox1, data.unit);
    for (int sheet = 0; sheet < Sheets; ++sheet)
        kind[static_cast<std::size_t>(sheet)]->setText(data.sheetNames[static_cast<std::size_t>(sheet)]);
    for (int row = 1; row <= PriceLines; ++row)
        StrColGrid1->SetCells(1, row, data.sizeNames[static_cast<std::size_t>(row - 1)]);
    for (const RadioGroup& group : RadioGroups)
        BorRadio[static_cast<std::size_t>(group.first - 1 + data.*group.choice)]->setChecked(true);
}

BasicData Tfsheetset::shownData() const
{
    BasicData data;
    data.headerTexts = {GOODSBOX->currentText(), ComboBox2->currentText(), ComboBox3->currentText(),
                        StaticText1->text(), StaticText2->text()};
    data.unit = ComboBox1->currentText();
    for (int sheet = 0; sheet < Sheets; ++sheet)
        data.sheetNames[static_cast<std::size_t>(sheet)] = kind[static_cast<std::size_t>(sheet)]->text();
    for (int row = 1; row <= PriceLines; ++row)
        data.sizeNames[static_cast<std::size_t>(row - 1)] = StrColGrid1->Cells(1, row);
    for (const RadioGroup& group : RadioGroups) {
        for (std::size_t b = 0; b < group.buttons.size(); ++b) {
            if (BorRadio[static_cast<std::size_t>(group.first - 1) + b]->isChecked())
                data.*group.choice = static_cast<int>(b);
        }
    }
    return data;
}

void Tfsheetset::sizeButtonClick(int preset)
{
    // An open editor would show the old size over the new one.
    StrColGrid1->HideEditor();
    const SizePreset& sizes = SizePresets[static_cast<std::size_t>(preset)];
    for (int row = 1; row <= PriceLines; ++row)
        StrColGrid1->SetCells(1, row, QString::fromUtf8(sizes.sizes[static_cast<std::size_t>(row - 1)]));
}

void Tfsheetset::SpeedButton5Click()
{
    for (int sheet = 0; sheet < Sheets; ++sheet)
        kind[static_cast<std::size_t>(sheet)]->setText(QString::fromUtf8(StandardSheetNames[static_cast<std::size_t>(sheet)]));
}

void Tfsheetset::SpeedButton6Click()
{
    for (QLineEdit* field : kind)
        field->clear();
}

void Tfsheetset::textClick(QLineEdit* field, const QString& prompt)
{
    if (const std::optional<QString> text = ModalSeam::current().inputText(this, InputCaption, prompt, field->text()))
        field->setText(*text);
}

void Tfsheetset::IconButton6Click()
{
    stored_ = shownData();
    accept();
}

void Tfsheetset::IconButton4Click()
{
    reject();
}
