#include "TFKANZAI.h"

#include "InputDialogLook.h"
#include "PaintedIcon.h"
#include "TBorRadio.h"
#include "TBoxCaption.h"
#include "TBoxLabel.h"
#include "TCheckGroupBox.h"
#include "TDsPanel.h"
#include "TGradBtn.h"
#include "TGradPan.h"
#include "TIconButton.h"
#include "TNValEditC.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Sizes for a finger as much as for the mouse.
constexpr int TouchHeight = 38;


TBoxLabel* ShowLabel(QWidget* parent, const QString& name, const QString& caption = QString())
{
    auto* label = new TBoxLabel(parent);
    label->setObjectName(name);
    label->setCaption(caption);
    label->setColor(Qt::white);
    label->setBevelOuter(Bevel::bvLowered);
    label->setBevelInner(Bevel::bvNone);
    label->setMinimumHeight(30);
    return label;
}

TBorRadio* Radio(QWidget* parent, const QString& name, const QString& caption)
{
    auto* radio = new TBorRadio(parent);
    radio->setObjectName(name);
    radio->setText(caption);
    radio->setCheckColor(Qt::blue);
    radio->setMinimumHeight(28);
    radio->setCursor(Qt::PointingHandCursor);
    return radio;
}

TGradBtn* GradButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new TGradBtn(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setBeginColor(QColor(0, 64, 128));
    button->setEndColor(QColor(200, 230, 255));
    button->setMinimumHeight(TouchHeight);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TIconButton* IconButton(QWidget* parent, const QString& name, const QIcon& icon)
{
    auto* button = new TIconButton(parent);
    button->setObjectName(name);
    button->setButtonIcon(icon);
    button->setFixedSize(TouchHeight + 2, TouchHeight + 2);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// The category buttons' icon: a disk with the category number on it, drawn
// at each size it is shown, so that none is blown up from a smaller.
QIcon NumberedDisk(int number)
{
    return PaintedIcon(32, [number](QPainter& painter) {
        QRadialGradient face(12, 10, 22);
        face.setColorAt(0, QColor(255, 255, 255));
        face.setColorAt(1, QColor(40, 90, 170));
        painter.setBrush(face);
        painter.setPen(QPen(QColor(20, 40, 90), 1.2));
        painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(14);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QString::number(number));
    });
}

// A column or bar of the dialog: its layout adds no margins of its own.
template <typename Layout>
Layout* BareLayout(QWidget* box)
{
    auto* layout = new Layout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QWidget* Captioned(QWidget* parent, TIconButton* button, const QString& caption)
{
    auto* box = new QWidget(parent);
    auto* layout = BareLayout<QHBoxLayout>(box);
    layout->addWidget(button);
    auto* label = new QLabel(caption, box);
    label->setObjectName(button->objectName() + QStringLiteral("_caption"));
    layout->addWidget(label);
    return box;
}

} // namespace

void TFKANZAI::buildControls()
{
    UseTouchFont(this);

    GradPan1 = InputTitleStrip(this, QStringLiteral("配管材入力"), QStringLiteral("積算転記"));

    user_sel = GradButton(this, QStringLiteral("user_sel"), QStringLiteral("系統選択"));
    user_sel->setFixedWidth(120);
    Keito = ShowLabel(this, QStringLiteral("Keito"));
    Keito->setAlignment(Qt::AlignLeft);
    FILEPL = ShowLabel(this, QStringLiteral("FILEPL"));
    FILEPL->setFixedWidth(150);
    FILENAMEPL = new QLabel(this);
    FILENAMEPL->setObjectName(QStringLiteral("FILENAMEPL"));
    FILENAMEPL->hide();
    auto* systemRow = new QHBoxLayout;
    systemRow->addWidget(user_sel);
    systemRow->addWidget(Keito, 1);
    systemRow->addSpacing(12);
    systemRow->addWidget(new QLabel(QStringLiteral("管種"), this));
    systemRow->addWidget(FILEPL);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(buildCategories());
    columns->addWidget(buildMaterials(), 3);
    columns->addWidget(buildSizes(), 3);
    columns->addWidget(buildQuantities(), 3);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        statusPanels[i] = new QLabel(StatusBar1);
        StatusBar1->addWidget(statusPanels[i]);
    }
    StatusBar1->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(GradPan1);
    layout->addLayout(systemRow);
    layout->addLayout(columns, 1);
    layout->addWidget(buildCommands());
    layout->addWidget(StatusBar1);
    // Tight groups, so that everything fits a 1024 x 768 screen.
    for (QGroupBox* group : findChildren<QGroupBox*>()) {
        if (group->layout())
            group->layout()->setContentsMargins(6, 2, 6, 4);
    }
}

QWidget* TFKANZAI::buildCategories()
{
    auto* group = new QGroupBox(QStringLiteral("管　種"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    for (int n = 1; n <= CategoryCount; ++n) {
        ib[n - 1] = IconButton(group, QStringLiteral("ib%1").arg(n), NumberedDisk(n));
        DISKBTN[n - 1] = ShowLabel(group, QStringLiteral("DISKBTN%1").arg(n));
        DISKBTN[n - 1]->setColor(palette().color(QPalette::Button));
        DISKBTN[n - 1]->setBevelOuter(Bevel::bvRaised);
        DISKBTN[n - 1]->setFixedWidth(110);
        DISKBTN[n - 1]->setCursor(Qt::PointingHandCursor);
        grid->addWidget(ib[n - 1], n - 1, 0);
        grid->addWidget(DISKBTN[n - 1], n - 1, 1);
    }
    return group;
}

QWidget* TFKANZAI::buildMaterials()
{
    auto* box = new QWidget(this);
    auto* layout = BareLayout<QVBoxLayout>(box);

    select_data = ShowLabel(box, QStringLiteral("select_data"));
    select_data->setAlignment(Qt::AlignLeft);
    ListBox1 = new QListWidget(box);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { min-height: 30px; }"));
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setMinimumWidth(MaterialListWidth);

    auto* sheets = new QGroupBox(QStringLiteral("細　目"), box);
    sheets->setObjectName(QStringLiteral("GroupBox2"));
    auto* sheetGrid = new QGridLayout(sheets);
    for (int i = 0; i < 4; ++i) {
        tanka_opt[i] = Radio(sheets, QStringLiteral("tanka_opt_%1").arg(i + 1), sheetNames_[i]);
        sheetGrid->addWidget(tanka_opt[i], i / 2, i % 2);
    }
    tanka_opt[0]->setChecked(true);

    auto* construction = new QGroupBox(QStringLiteral("施工種別"), box);
    construction->setObjectName(QStringLiteral("GroupBox4"));
    auto* constructionGrid = new QGridLayout(construction);
    for (int i = 0; i < 6; ++i) {
        data_opt[i] = Radio(construction, QStringLiteral("data_opt_%1").arg(i + 1), ConstructionTypes()[i]);
        constructionGrid->addWidget(data_opt[i], i / 2, i % 2);
    }
    data_opt[0]->setChecked(true);

    layout->addWidget(select_data);
    layout->addWidget(ListBox1, 1);
    layout->addWidget(sheets);
    layout->addWidget(construction);
    return box;
}

QWidget* TFKANZAI::buildSizes()
{
    auto* box = new QWidget(this);
    auto* layout = BareLayout<QVBoxLayout>(box);

    sizename = ShowLabel(box, QStringLiteral("sizename"));
    auto* sizes = new QGroupBox(QStringLiteral("サイズ"), box);
    sizes->setObjectName(QStringLiteral("GroupBox5"));
    auto* sizeGrid = new QGridLayout(sizes);
    sizeGrid->setSpacing(4);
    for (int i = 0; i < 15; ++i) {
        size_bt[i] = GradButton(sizes, QStringLiteral("size_bt_%1").arg(i + 1), sizeNames_[i]);
        sizeGrid->addWidget(size_bt[i], i / 3, i % 3);
    }

    auto* work = new QGroupBox(QStringLiteral("配管工"), box);
    work->setObjectName(QStringLiteral("GroupBox3"));
    auto* workRow = new QHBoxLayout(work);
    const char* const workCaptions[3] = {"一　 般", "撤　 去", "撤去再"};
    for (int i = 0; i < 3; ++i) {
        CALC_OPT1[i] = Radio(work, QStringLiteral("CALC_OPT1_%1").arg(i + 1), QString::fromUtf8(workCaptions[i]));
        CALC_OPT1[i]->setMinimumWidth(70);
        workRow->addWidget(CALC_OPT1[i]);
    }
    CALC_OPT1[0]->setChecked(true);

    auto* level = new QGroupBox(QStringLiteral("単価タイプ"), box);
    level->setObjectName(QStringLiteral("GroupBox6"));
    auto* levelRow = new QHBoxLayout(level);
    Level_box = new QComboBox(level);
    Level_box->setObjectName(QStringLiteral("Level_box"));
    for (int i = 1; i <= 5; ++i)
        Level_box->addItem(QStringLiteral("LEVEL%1").arg(i));
    Level_box->setMinimumHeight(36);
    levelRow->addWidget(Level_box);

    auto* composite = new QGroupBox(QStringLiteral("複合単価"), box);
    composite->setObjectName(QStringLiteral("GroupBox7"));
    auto* options = new QVBoxLayout(composite);
    CheckBox1 = new QCheckBox(QStringLiteral("複合単価を利用する"), composite);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("名称に細目を付記する"), composite);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox3 = new QCheckBox(QStringLiteral("備考に施工種別を付記する"), composite);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    for (QCheckBox* option : {CheckBox1, CheckBox2, CheckBox3}) {
        option->setMinimumHeight(26);
        option->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 20px; height: 20px; }"));
        option->setCursor(Qt::PointingHandCursor);
        options->addWidget(option);
    }

    layout->addWidget(sizename);
    layout->addWidget(sizes);
    layout->addWidget(work);
    layout->addWidget(level);
    layout->addWidget(composite);
    layout->addStretch();
    return box;
}

QWidget* TFKANZAI::buildQuantities()
{
    auto* box = new QWidget(this);
    auto* layout = BareLayout<QVBoxLayout>(box);

    auto* quantities = new QGroupBox(QStringLiteral("数　量"), box);
    quantities->setObjectName(QStringLiteral("GroupBox8"));
    auto* quantityGrid = new QGridLayout(quantities);
    const auto quantityEdit = [&](const QString& name, const QString& caption, int row) {
        auto* edit = new TNValEditC(quantities);
        edit->setObjectName(name);
        edit->setMinimumHeight(34);
        edit->setPrmtNegative(false);
        auto* label = new TBoxCaption(quantities);
        label->setObjectName(name + QStringLiteral("_caption"));
        label->setCaption(caption);
        label->setFixedWidth(70);
        label->setMinimumHeight(34);
        quantityGrid->addWidget(label, row, 0);
        quantityGrid->addWidget(edit, row, 1);
        return edit;
    };
    nmanyin = quantityEdit(QStringLiteral("nmanyin"), QStringLiteral("原  価"), 0);
    gmanyin = quantityEdit(QStringLiteral("gmanyin"), QStringLiteral("提  出"), 1);

    MANYIN = new TDsPanel(box);
    MANYIN->setObjectName(QStringLiteral("MANYIN"));
    MANYIN->setAlignment(Qt::AlignRight);
    MANYIN->setFaceColor(Qt::white);
    MANYIN->setMinimumHeight(40);
    QFont entryFont = MANYIN->font();
    entryFont.setPointSize(14);
    entryFont.setBold(true);
    MANYIN->setFont(entryFont);

    auto* keypad = new QGridLayout;
    keypad->setSpacing(4);
    const int digitPlace[10][2] = {{3, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}};
    for (int d = 0; d <= 9; ++d) {
        digit_bt[d] = GradButton(box, QStringLiteral("GradBtn_%1").arg(d), QString::number(d));
        keypad->addWidget(digit_bt[d], digitPlace[d][0], digitPlace[d][1]);
    }
    point_bt = GradButton(box, QStringLiteral("GradBtn_point"), QStringLiteral("."));
    bs_bt = GradButton(box, QStringLiteral("GradBtn_BS"), QStringLiteral("BS"));
    keypad->addWidget(point_bt, 3, 1);
    keypad->addWidget(bs_bt, 3, 2);
    net_bt = GradButton(box, QStringLiteral("GradBtn_Net"), QStringLiteral("Net"));
    net_bt->setToolTip(QStringLiteral("原数量です"));
    offer_bt = GradButton(box, QStringLiteral("GradBtn_Offer"), QStringLiteral("Offer"));
    offer_bt->setToolTip(QStringLiteral("提出数量"));
    netoffer_bt = GradButton(box, QStringLiteral("GradBtn_NetOffer"), QStringLiteral("Net=Offer"));
    keypad->addWidget(net_bt, 4, 0);
    keypad->addWidget(offer_bt, 4, 1);
    keypad->addWidget(netoffer_bt, 4, 2);

    CheckGroupBox1 = new TCheckGroupBox(box);
    CheckGroupBox1->setObjectName(QStringLiteral("CheckGroupBox1"));
    CheckGroupBox1->setCaption(QStringLiteral("金額欄摘要"));
    auto* remarkRow = new QHBoxLayout(CheckGroupBox1);
    X_opt3 = new QComboBox(CheckGroupBox1);
    X_opt3->setObjectName(QStringLiteral("X_opt3"));
    X_opt3->setEditable(true);
    X_opt3->setInsertPolicy(QComboBox::NoInsert);
    X_opt3->setMinimumHeight(34);
    remarkRow->addWidget(X_opt3);
    CheckGroupBox1->setBoxChecked(false);

    auto* removalGroup = new QGroupBox(QStringLiteral("撤去時歩掛"), box);
    removalGroup->setObjectName(QStringLiteral("GroupBox9"));
    auto* removalGrid = new QGridLayout(removalGroup);
    Removal_Label = ShowLabel(removalGroup, QStringLiteral("Removal_Label"), QStringLiteral("撤　去"));
    Recycle_Label = ShowLabel(removalGroup, QStringLiteral("Recycle_Label"), QStringLiteral("撤去再"));
    removal = ShowLabel(removalGroup, QStringLiteral("removal"));
    Recycle = ShowLabel(removalGroup, QStringLiteral("Recycle"));
    for (TBoxLabel* label : {Removal_Label, Recycle_Label}) {
        label->setColor(palette().color(QPalette::Button));
        label->setBevelOuter(Bevel::bvNone);
    }
    for (TBoxLabel* factor : {removal, Recycle}) {
        factor->setCursor(Qt::PointingHandCursor);
        factor->setToolTip(QStringLiteral("撤去時歩掛設定"));
    }
    removalGrid->addWidget(Removal_Label, 0, 0);
    removalGrid->addWidget(removal, 0, 1);
    removalGrid->addWidget(Recycle_Label, 0, 2);
    removalGrid->addWidget(Recycle, 0, 3);

    layout->addWidget(quantities);
    layout->addWidget(MANYIN);
    layout->addLayout(keypad);
    layout->addWidget(CheckGroupBox1);
    layout->addWidget(removalGroup);
    layout->addStretch();
    return box;
}

QWidget* TFKANZAI::buildCommands()
{
    auto* bar = new QWidget(this);
    auto* layout = BareLayout<QHBoxLayout>(bar);
    QStyle* style = QApplication::style();
    IconButton3 = IconButton(bar, QStringLiteral("IconButton3"), style->standardIcon(QStyle::SP_DialogApplyButton));
    IconButton6 = IconButton(bar, QStringLiteral("IconButton6"), style->standardIcon(QStyle::SP_FileDialogDetailedView));
    IconButton4 = IconButton(bar, QStringLiteral("IconButton4"), style->standardIcon(QStyle::SP_FileDialogContentsView));
    IconButton13 = IconButton(bar, QStringLiteral("IconButton13"), style->standardIcon(QStyle::SP_DialogCloseButton));
    layout->addWidget(Captioned(bar, IconButton3, QStringLiteral("積算転記")));
    layout->addSpacing(24);
    layout->addWidget(Captioned(bar, IconButton6, QStringLiteral("複合単価登録")));
    layout->addWidget(Captioned(bar, IconButton4, QStringLiteral("単価登録")));
    layout->addStretch();
    layout->addWidget(Captioned(bar, IconButton13, QStringLiteral("Exit")));
    return bar;
}
