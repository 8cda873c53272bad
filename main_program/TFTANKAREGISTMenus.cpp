#include "TFTANKAREGIST.h"

#include "InformationCommands.h"
#include "Tkvconfig.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Item {
    const char* name;
    const char* caption;
    QKeySequence shortcut = {};
};

QAction* addItem(QMenu* menu, const Item& item, bool enabled = true)
{
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcut(item.shortcut);
    action->setEnabled(enabled);
    return action;
}

QAction* checkItem(QMenu* menu, const Item& item, bool checked)
{
    QAction* action = addItem(menu, item);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

// The four copy or paste items of one scope, in the order of the field groups.
using GroupItems = std::array<Item, 4>;

const GroupItems MaterialCopies = {{{"all_copy_1", "現在の管材の全内容をコピ－"},
                                    {"all_copy_2", "現在の管材の単価をコピ－"},
                                    {"all_copy_3", "現在の管材の全歩掛をコピ－"},
                                    {"all_copy_4", "現在の管材の歩掛（工費）をコピ－"}}};
const GroupItems MaterialPastes = {{{"all_paste_1", "現在の管材へ全内容を貼付"},
                                    {"all_paste_2", "現在の管材へ単価を貼付"},
                                    {"all_paste_3", "現在の管材へ全歩掛を貼付"},
                                    {"all_paste_4", "現在の管材へ歩掛（工費）を貼付"}}};
const GroupItems SheetCopies = {{{"item_copy_1", "現在のシ－ト(細目)の全内容をコピ－"},
                                 {"item_copy_2", "現在のシ－ト(細目)の単価をコピ－"},
                                 {"item_copy_3", "現在のシ－ト(細目)の全歩掛をコピ－"},
                                 {"item_copy_4", "現在のシ－ト(細目)の歩掛（工費）をコピ－"}}};
const GroupItems SheetPastes = {{{"item_paste_1", "現在のシ－ト(細目)の全内容を貼付"},
                                 {"item_paste_2", "現在のシ－ト(細目)に単価を貼付"},
                                 {"item_paste_3", "現在のシ－ト(細目)へ全歩掛を貼付"},
                                 {"item_paste_4", "現在のシ－ト(細目)へ歩掛（工費）を貼付"}}};

} // namespace

void TFTANKAREGIST::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file_read = addItem(file, {"file_read", "デ－タ読込", QKeySequence(Qt::CTRL | Qt::Key_R)});
    connect(file_read, &QAction::triggered, this, handler([this] { file_readClick(); }));
    SaveAs = addItem(file, {"SaveAs", "名前をつけて保存", QKeySequence(Qt::CTRL | Qt::Key_O)});
    connect(SaveAs, &QAction::triggered, this, handler([this] { SaveAsClick(); }));
    connect(addItem(file, {"N23", "リリースバージョン"}), &QAction::triggered, this, handler([this] { N23Click(); }));
    file->addSeparator();
    N1 = addItem(file, {"N1", "保  存", QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(N1, &QAction::triggered, this, handler([this] { N1Click(); }));
    connect(addItem(file, {"historyRestore", "履歴から復元…"}), &QAction::triggered, this,
            handler([this] { restoreFromHistory(); }));
    connect(addItem(file, {"bookCompare", "ほかのファイルと比較…"}), &QAction::triggered, this,
            handler([this] { compareWithFile(); }));
    file->addSeparator();
    connect(addItem(file, {"N8", "印  刷", QKeySequence(Qt::CTRL | Qt::Key_P)}), &QAction::triggered, this,
            handler([this] { N8Click(); }));
    N21 = addItem(file, {"N21", "終  了", QKeySequence(Qt::Key_End)});
    connect(N21, &QAction::triggered, this, &QWidget::close);

    QMenu* view = bar->addMenu(QStringLiteral("表  示(&D)"));
    const Item levels[] = {{"N11", "提出LEVEL1単価を表示", QKeySequence(Qt::CTRL | Qt::Key_F1)},
                           {"LEVEL21", "提出LEVEL2単価を表示", QKeySequence(Qt::CTRL | Qt::Key_F2)},
                           {"LEVEL31", "提出LEVEL3単価を表示", QKeySequence(Qt::CTRL | Qt::Key_F3)},
                           {"LEVEL41", "提出LEVEL4単価を表示", QKeySequence(Qt::CTRL | Qt::Key_F4)},
                           {"LEVEL51", "提出LEVEL5単価を表示", QKeySequence(Qt::CTRL | Qt::Key_F5)},
                           {"N3", "原価を表示", QKeySequence(Qt::CTRL | Qt::Key_F6)}};
    for (int level = Level1; level <= CostLevel; ++level)
        connect(addItem(view, levels[level - 1]), &QAction::triggered, this, handler([this, level] { showLevel(level); }));
    view->addSeparator();
    QAction* n33 = addItem(view, {"N33", "歩掛表に歩掛を表示"});
    N34 = checkItem(view, {"N34", "歩掛表に計算結果を表示"}, false);
    QAction* n49 = addItem(view, {"N49", "複合単価表に複合単価を表示"});
    N50 = checkItem(view, {"N50", "複合単価表に採用単価を表示"}, false);
    connect(n33, &QAction::triggered, this, handler([this] {
        N34->setChecked(false);
        showLabourRows();
    }));
    connect(N34, &QAction::triggered, this, handler([this] {
        N34->setChecked(true);
        session_.ChangeSheet(session_.currentSheet());
        showLabourRows();
    }));
    connect(n49, &QAction::triggered, this, handler([this] {
        N50->setChecked(false);
        showPriceRows();
    }));
    connect(N50, &QAction::triggered, this, handler([this] {
        N50->setChecked(true);
        showPriceRows();
    }));
    view->addSeparator();
    connect(addItem(view, {"N12", "歩掛表のセル幅を調整"}), &QAction::triggered, this,
            handler([this] { adjustColumnWidths(StrColGrid1, QStringLiteral("歩掛表のセル幅を入力"), 10); }));
    connect(addItem(view, {"N14", "提出単価表のセル幅を調整"}), &QAction::triggered, this,
            handler([this] { adjustColumnWidths(StrColGrid2, QStringLiteral("提出単価表のセル幅を入力"), 7); }));
    connect(addItem(view, {"N16", "複合単価表のセル幅を調整"}), &QAction::triggered, this,
            handler([this] { adjustColumnWidths(StrColGrid3, QStringLiteral("複合単価表のセル幅を入力"), 7); }));
    view->addSeparator();
    title_bar = checkItem(view, {"title_bar", "タイトルバーを表示する"}, true);
    top_bar = checkItem(view, {"top_bar", "トップバーを表示する"}, true);
    tree_list = checkItem(view, {"tree_list", "ツリーリストを表示する"}, true);
    status_bar = checkItem(view, {"status_bar", "ステータスバ－を表示する"}, true);
    view->addSeparator();
    for (QAction* toggle : {title_bar, top_bar, tree_list, status_bar})
        connect(toggle, &QAction::toggled, this, [this] { applyAreaVisibility(); });

    QMenu* categories = bar->addMenu(QStringLiteral("管種選択(&P)"));
    categories->setObjectName(QStringLiteral("N44"));
    buildCategoryMenu(categories);

    const auto addCopies = [this](QMenu* menu, ClipScope scope, const GroupItems& items) {
        for (int g = 0; g < 4; ++g) {
            const CopyKind kind{scope, static_cast<FieldGroup>(g)};
            connect(addItem(menu, items[g]), &QAction::triggered, this, handler([this, kind] { copyClick(kind); }));
        }
    };
    // Nothing is copied yet: start-up leaves every paste disabled.
    const auto addPastes = [this](QMenu* menu, int first, const GroupItems& items) {
        for (int i = first; i < first + 4; ++i) {
            QAction* paste = addItem(menu, items[i - first], false);
            pasteItems[i] = paste;
            connect(paste, &QAction::triggered, this, handler([this, i] { pasteClick(PasteItemKind(i)); }));
        }
    };

    QMenu* edit1 = bar->addMenu(QStringLiteral("編　 集1(&E)"));
    addCopies(edit1, ClipScope::Material, MaterialCopies);
    edit1->addSeparator();
    addPastes(edit1, 0, MaterialPastes);
    edit1->addSeparator();
    N22 = addItem(edit1, {"N22", "現在の管材をクリア－"});
    connect(N22, &QAction::triggered, this, handler([this] { N22Click(); }));
    N2 = addItem(edit1, {"N2", "取り消し", QKeySequence(Qt::Key_Escape)}, false);
    connect(N2, &QAction::triggered, this, handler([this] { N2Click(); }));
    redoItem = addItem(edit1, {"redo", "やり直し"}, false);
    redoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redoItem, &QAction::triggered, this, handler([this] { redoClick(); }));
    edit1->addSeparator();
    connect(addItem(edit1, {"tanka_calc", "現在の管材単価計算"}), &QAction::triggered, this,
            handler([this] { unitPriceCalcClick(); }));
    connect(addItem(edit1, {"N37", "管材別基本データ設定"}), &QAction::triggered, this, handler([this] { user_selClick(); }));

    QMenu* edit2 = bar->addMenu(QStringLiteral("編   集2(&B)"));
    addCopies(edit2, ClipScope::Sheet, SheetCopies);
    edit2->addSeparator();
    addPastes(edit2, 4, SheetPastes);
    edit2->addSeparator();
    item_paste_5 = addItem(edit2, {"item_paste_5", "シ－ト(細目)内全デ－タ、同一デ－タ(No1→No2,3,4)"}, false);
    connect(item_paste_5, &QAction::triggered, this, handler([this] { item_paste_5Click(); }));
    connect(addItem(edit2, {"item_copy_5", "現在のシ－ト(細目)内、同一単価(No1→No2,3,4)"}), &QAction::triggered, this,
            handler([this] { item_copy_5Click(); }));
    for (const char* hidden : {"item_copy_2", "item_paste_2", "item_copy_5"})
        findChild<QAction*>(QString::fromLatin1(hidden))->setVisible(false);

    QMenu* output = bar->addMenu(QStringLiteral("外部デ－タ入出力(&O)"));
    connect(addItem(output, {"CSV1", "表示中の管材データをCSVファイルとして出力"}), &QAction::triggered, this,
            handler([this] { CSV1Click(); }));
    connect(addItem(output, {"workbookExport", "表示中の管材データをExcelブックとして出力"}), &QAction::triggered,
            this, handler([this] { workbookClick(); }));
    connect(addItem(output, {"N19", "表示中の管材データをクリップボ－ドへＣＳＶ形式で取り出す"}), &QAction::triggered,
            this, handler([this] { N19Click(); }));
    output->addSeparator();
    connect(addItem(output, {"priceListImport", "価格表の取込…"}), &QAction::triggered, this,
            handler([this] { reviseBook(RevisionDialog::Mode::PriceList); }));
    connect(addItem(output, {"listPriceRevision", "定価の一括改定…"}), &QAction::triggered, this,
            handler([this] { reviseBook(RevisionDialog::Mode::Percent); }));

    net_work = bar->addMenu(QStringLiteral("ネットワーク設定(&N)"));
    net_work->setObjectName(QStringLiteral("net_work"));
    connect(addItem(net_work, {"K13", "データファイル設定"}), &QAction::triggered, this, handler([this] {
        if (kvconfig_)
            kvconfig_->Execute();
    }));

    QMenu* info = bar->addMenu(QStringLiteral("Information(&I)"));
    connect(addItem(info, {"N13", "取扱説明書（ヘルプ）", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1)}),
            &QAction::triggered, this, handler([this] { N13Click(); }));
    connect(addItem(info, {"N28", "インストールフォルダ－確認"}), &QAction::triggered, this,
            handler([] { ShowInstallFolder(); }));
    N30 = addItem(info, {"N30", "メモ帳を起動"});
    connect(N30, &QAction::triggered, this, handler([this] { NotepadCommand(N30, QApplication::keyboardModifiers()); }));
    connect(addItem(info, {"N31", "電卓"}), &QAction::triggered, this, handler([] { StartCalculator(); }));
    connect(addItem(info, {"N36", "メモリ－確認"}), &QAction::triggered, this, handler([] { ShowMemory(); }));
    connect(addItem(info, {"N38", "画面の解像度確認"}), &QAction::triggered, this, handler([] { ShowScreenResolution(); }));
    connect(addItem(info, {"About1", "バージョン情報"}), &QAction::triggered, this, handler([] { ShowAbout(); }));
}

void TFTANKAREGIST::buildCategoryMenu(QMenu* menu)
{
    for (int k = 0; k < CategoryCount; ++k) {
        QMenu* sub = menu->addMenu(QStringLiteral("ｸﾞﾙ-ﾌﾟ%1").arg(k + 1));
        sub->setObjectName(QStringLiteral("x%1").arg(21 * k + 1));
        sub->menuAction()->setObjectName(sub->objectName());
        categoryMenus[static_cast<std::size_t>(k)] = sub;
        connect(sub, &QMenu::aboutToShow, this, [this, k] { pendingCategory_ = k; });
        for (int m = 0; m < Materials; ++m) {
            QAction* item = sub->addAction(QStringLiteral("管材%1").arg(m + 1));
            item->setObjectName(QStringLiteral("x%1").arg(21 * k + m + 2));
            item->setData(m);
            if (k == 0) {
                const int f = m % 10;
                const Qt::KeyboardModifiers mods = m < 10 ? Qt::NoModifier : Qt::ShiftModifier;
                item->setShortcut(QKeySequence(mods | static_cast<Qt::Key>(Qt::Key_F1 + f)));
                item->setShortcutContext(Qt::WindowShortcut);
                addAction(item); // the shortcuts work while the menu is closed
            }
            materialItems[static_cast<std::size_t>(k)][static_cast<std::size_t>(m)] = item;
            connect(item, &QAction::triggered, this, handler([this, m] { materialItemClick(m); }));
        }
        sub->addSeparator();
        static const char* const renameItems[CategoryCount] = {"N53", "N55", "N57", "N59", "N60", "N63", "N65", "N67", "N69", "N71"};
        QAction* rename = sub->addAction(QStringLiteral("このグループに名称をつける"));
        rename->setObjectName(QString::fromLatin1(renameItems[k]));
        connect(rename, &QAction::triggered, this, handler([this, k] { renameGroup(k); }));
    }
}
