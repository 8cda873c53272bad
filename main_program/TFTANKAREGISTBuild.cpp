#include "TFTANKAREGIST.h"

#include "ApplicationTitle.h"
#include "ColumnFit.h"
#include "MessageBoxes.h"
#include "ModalSeam.h"
#include "PriceTableStyle.h"
#include "ProgramFiles.h"
#include "ProgramStart.h"
#include "TCheckGroupBox.h"
#include "TGradPan.h"
#include "TIconButton.h"
#include "TNValEdit.h"
#include "TStrColGrid.h"
#include "TooltipStyle.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

TNValEdit* numberEdit(const QString& name, int width, QWidget* parent)
{
    auto* edit = new TNValEdit(parent);
    edit->setObjectName(name);
    edit->setZeroDisplay(true);
    edit->setFixedWidth(width);
    return edit;
}

// The rate edits hold percentages and sit beside long captions: kept narrow,
// they leave the tables their room at 1024 pixels. The base labour costs
// have short captions, so their column is no wider for amounts of 9 digits.
constexpr int PercentEditWidth = 56;
constexpr int AmountEditWidth = 90;

QComboBox* comboBox(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

} // namespace

TFTANKAREGIST::TFTANKAREGIST(const QString& programFilePath, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent),
      session_(QFileInfo(programFilePath).absolutePath()),
      programFilePath_(programFilePath),
      programFolder_(QFileInfo(programFilePath).absolutePath()),
      programsFolder_(programFolder_),
      arguments_(arguments),
      edition_(EditionFromProgramName(QFileInfo(programFilePath).fileName()))
{
    setObjectName(QStringLiteral("FTANKAREGIST"));
    setWindowTitle(ApplicationTitle() + QStringLiteral("-Telvoran-"));
    setWindowIcon(ProgramIcon(QStringLiteral("kavrel")));
    // Before the controls exist: a new style polishes every widget there is again.
    if (!dynamic_cast<TooltipStyle*>(QApplication::style()))
        QApplication::setStyle(new TooltipStyle);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0x00, 0xFF, 0x00));
    QToolTip::setPalette(tips);
    buildControls();
    buildMenus();
    placeWindow();
    session_.chooseSaveName = [this] {
        // Prices saved into the scratch book are gone at the next start
        // (kept only in its history): said once, with the way out.
        if (!std::exchange(scratchNoticeShown_, true)
            && ChoiceBox(QStringLiteral("作業用の単価ファイル（NEWData.FDA）は起動のたびに空になります。\r\n"
                                        "単価を残すときは、名前をつけて保存してください。"),
                         QStringLiteral("名前をつけて保存"), QStringLiteral("このまま保存"))
                   != MessageBoxResult::First)
            return QString();
        return ModalSeam::current().saveFileName(this, ApplicationTitle(), programFolder_,
                                                 PriceBookFileFilter(),
                                                 QStringLiteral("FDA"));
    };
    session_.confirmOverwriteChanged = [](const QString& path) {
        return ChoiceBox(QStringLiteral("このファイルは読み込んだ後に、ほかのユーザーまたはプログラムによって変更されています。\r\n")
                             + path + QStringLiteral("\r\n上書きすると、その変更は失われます。上書き保存しますか？"),
                         QStringLiteral("実行"), QStringLiteral("キャンセル"))
               == MessageBoxResult::First;
    };
    if (edition_ == 0) {
        file_read->setVisible(false);
        SaveAs->setVisible(false);
        net_work->menuAction()->setVisible(false);
    }
}

TFTANKAREGIST::~TFTANKAREGIST() = default;

void TFTANKAREGIST::buildControls()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);

    title_panel = new TGradPan(central);
    title_panel->setObjectName(QStringLiteral("title_panel"));
    title_panel->setFixedHeight(30);
    title_panel->setBackGroundEffect(TGradPan::bdLeft);
    auto* titleRow = new QHBoxLayout(title_panel);
    titleRow->setContentsMargins(4, 2, 4, 2);
    IconButton11 = new TIconButton(title_panel);
    IconButton11->setObjectName(QStringLiteral("IconButton11"));
    IconButton11->setButtonIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    IconButton11->setFixedSize(26, 26);
    IconButton11->setStretch(true); // the strip is too low for a 32-pixel icon
    IconButton11->setToolTip(QStringLiteral("保  存"));
    label9 = new QLabel(ApplicationTitle(), title_panel);
    label9->setObjectName(QStringLiteral("label9"));
    label9->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    titleRow->addWidget(IconButton11);
    titleRow->addWidget(label9, 1);
    column->addWidget(title_panel);

    top_panel = new QWidget(central);
    top_panel->setObjectName(QStringLiteral("top_panel"));
    auto* topRow = new QHBoxLayout(top_panel);
    topRow->setContentsMargins(4, 2, 4, 2);
    kanname = new QLabel(top_panel);
    kanname->setObjectName(QStringLiteral("kanname"));
    // A caption of long material texts is cut at the window's edge rather
    // than widening the window past the screen.
    kanname->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    user_sel = new QPushButton(QStringLiteral("基本設定"), top_panel);
    user_sel->setObjectName(QStringLiteral("user_sel"));
    topRow->addWidget(kanname, 1);
    topRow->addWidget(user_sel);
    column->addWidget(top_panel);

    auto* body = new QSplitter(Qt::Horizontal, central);
    TreeView1 = new QTreeWidget(body);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    // Names of one kind differ at their end ("…鋼管(VA)", "…鋼管(VB)"): a
    // narrow tree keeps both ends of a name and cuts its middle.
    TreeView1->setTextElideMode(Qt::ElideMiddle);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int k = 0; k < CategoryCount; ++k) {
        auto* category = new QTreeWidgetItem(TreeView1, {k < CategoryCount - 1 ? QStringLiteral("ｸﾞﾙ-ﾌﾟ%1").arg(k + 1) : QStringLiteral("冷媒")});
        for (int m = 0; m < Materials; ++m)
            new QTreeWidgetItem(category, {QStringLiteral("管材%1").arg(m + 1)});
    }
    TreeView1->viewport()->installEventFilter(this);
    // A width the user drags is the tree's own, narrowed for the tables or not.
    connect(body, &QSplitter::splitterMoved, this, [this] { treeWanted_.reset(); });

    auto* right = new QWidget(body);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    TabControl1 = new QTabBar(right);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    for (const char* name : {"屋内一般", "機械室", "地中", "屋外"})
        TabControl1->addTab(QString::fromUtf8(name));
    rightColumn->addWidget(TabControl1);
    auto* work = new QHBoxLayout;
    work->addWidget(buildSideControls());
    auto* tables = new QSplitter(Qt::Vertical, right);
    StrColGrid1 = new TStrColGrid(tables);
    StrColGrid1->setObjectName(QStringLiteral("StrColGrid1"));
    StyleLabourTable(*StrColGrid1);
    PageControl1 = new QTabWidget(tables);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    StrColGrid2 = new TStrColGrid;
    StrColGrid2->setObjectName(QStringLiteral("StrColGrid2"));
    StylePriceTable(*StrColGrid2, true);
    StrColGrid3 = new TStrColGrid;
    StrColGrid3->setObjectName(QStringLiteral("StrColGrid3"));
    StylePriceTable(*StrColGrid3, false);
    PageControl1->addTab(StrColGrid2, QStringLiteral("資材単価"));
    PageControl1->addTab(StrColGrid3, QStringLiteral("複合単価"));
    // The labour table keeps the height it was given; the pages take the rest.
    tables->setStretchFactor(1, 1);
    work->addWidget(tables, 1);
    rightColumn->addLayout(work, 1);
    body->addWidget(TreeView1);
    body->addWidget(right);
    body->setStretchFactor(1, 1);
    column->addWidget(body, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[6] = {200, 200, 150, 100, 50, 50};
    for (int i = 0; i < 6; ++i) {
        statusPanels[static_cast<std::size_t>(i)] = new QLabel(StatusBar1);
        statusPanels[static_cast<std::size_t>(i)]->setMinimumWidth(widths[i]);
        StatusBar1->addWidget(statusPanels[static_cast<std::size_t>(i)], i == 5 ? 1 : 0);
    }
    setStatusBar(StatusBar1);

    connect(TabControl1, &QTabBar::currentChanged, this, [this](int t) { runCommand([&] { TabControl1Change(t); }); });
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { runCommand([&] { TreeView1Click(item); }); });
    connect(IconButton11, &QAbstractButton::clicked, this, handler([this] { IconButton11Click(); }));
    connect(user_sel, &QPushButton::clicked, this, handler([this] { user_selClick(); }));
    StrColGrid1->OnClick = [this](QObject*) { runCommand([this] { StrColGrid1Click(); }); };
    StrColGrid2->OnClick = [this](QObject*) { runCommand([this] { StrColGrid2Click(); }); };
    StrColGrid3->OnClick = [this](QObject*) { runCommand([this] { StrColGrid3Click(); }); };
    for (TStrColGrid* grid : {StrColGrid1, StrColGrid2, StrColGrid3}) {
        grid->OnRowChanged = [this, grid](QObject*, int, int row) { currentRowChanged(grid, row); };
        grid->OnColSized = [this, grid](QObject*) { columnsSetByHand(grid); };
    }
    columnFits_ = {new ColumnFit(StrColGrid1), new ColumnFit(StrColGrid2), new ColumnFit(StrColGrid3)};
    for (ColumnFit* fit : columnFits_)
        fit->OnShortOfRoom = [this](int pixels) { narrowTree(pixels); };
    StrColGrid1->OnKeyDown = [this](QObject*, int& key, Qt::KeyboardModifiers shift) {
        runCommand([&] { StrColGrid1KeyDown(key, shift); });
    };
    StrColGrid2->OnKeyDown = [this](QObject*, int& key, Qt::KeyboardModifiers shift) {
        runCommand([&] { StrColGrid2KeyDown(key, shift); });
    };
    for (TStrColGrid* grid : {StrColGrid1, StrColGrid2, StrColGrid3}) {
        grid->OnKeyPress = [](QObject*, QChar& key) {
            if (key == QLatin1Char('\r'))
                key = QChar();
        };
    }
    StrColGrid1->OnSetEditText = [this](QObject*, int col, int row, const QString&) { labourEdit = {col, row}; };
    StrColGrid2->OnSetEditText = [this](QObject*, int col, int row, const QString&) { priceEdit = {col, row}; };
}

QWidget* TFTANKAREGIST::buildSideControls()
{
    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(2, 2, 2, 2);

    CheckGroupBox1 = new TCheckGroupBox(side);
    CheckGroupBox1->setObjectName(QStringLiteral("CheckGroupBox1"));
    CheckGroupBox1->setCaption(QStringLiteral("単価に掛け率を使用"));
    auto* rates = new QGridLayout(CheckGroupBox1);
    for (int i = 0; i < 6; ++i) {
        const bool cost = i == 5;
        TNValEdit* edit = numberEdit(cost ? QStringLiteral("avr_N") : QStringLiteral("avr_%1").arg(i + 1), PercentEditWidth,
                                     CheckGroupBox1);
        edit->setEnterNext(true);
        (cost ? avr_N : avr[static_cast<std::size_t>(i)]) = edit;
        rates->addWidget(new QLabel(cost ? QStringLiteral("原 価=定価×指定") : QStringLiteral("提 出%1=定価×指定").arg(i + 1)), i, 0);
        rates->addWidget(edit, i, 1);
        rates->addWidget(new QLabel(QStringLiteral("(%)")), i, 2);
        edit->installEventFilter(this);
    }
    column->addWidget(CheckGroupBox1);

    auto* rounding = new QGroupBox(QStringLiteral("単価計算処理"), side);
    auto* roundingColumn = new QVBoxLayout(rounding);
    ComboBox2 = comboBox(QStringLiteral("ComboBox2"),
                         {QStringLiteral("小数以下切り上げ"), QStringLiteral("小数以下切り捨て"), QStringLiteral("小数以下四捨五入")}, rounding);
    ComboBox1 = comboBox(QStringLiteral("ComboBox1"),
                         {QStringLiteral("有効桁1"), QStringLiteral("有効桁10"), QStringLiteral("有効桁100"), QStringLiteral("有効桁1000"),
                          QStringLiteral("有効3桁"), QStringLiteral("有効4桁")},
                         rounding);
    ComboBox3 = comboBox(QStringLiteral("ComboBox3"),
                         {QStringLiteral("有効桁以下切り上げ"), QStringLiteral("有効桁以下切り捨て"), QStringLiteral("有効桁以下四捨五入")},
                         rounding);
    for (QComboBox* box : {ComboBox2, ComboBox1, ComboBox3}) {
        roundingColumn->addWidget(box);
        connect(box, &QComboBox::activated, this, handler([this] { RecomputeMaterial(); }));
    }
    column->addWidget(rounding);

    auto* labour = new QGroupBox(QStringLiteral("基礎工費"), side);
    auto* labourGrid = new QGridLayout(labour);
    for (int i = 0; i < 6; ++i) {
        const bool cost = i == 5;
        TNValEdit* edit = numberEdit(cost ? QStringLiteral("GPAYDAY_N") : QStringLiteral("GPAYDAY%1").arg(i + 1),
                                     AmountEditWidth, labour);
        (cost ? GPAYDAY_N : GPAYDAY[static_cast<std::size_t>(i)]) = edit;
        labourGrid->addWidget(new QLabel(cost ? QStringLiteral("NET") : QStringLiteral("LEVEL%1").arg(i + 1)), i, 0);
        labourGrid->addWidget(edit, i, 1);
        edit->installEventFilter(this);
    }
    column->addWidget(labour);
    column->addStretch(1);
    connect(CheckGroupBox1, &TCheckCustomGroupBox::CheckBoxClick, this, handler([this] { CheckGroupBox1Click(); }));
    return side;
}
