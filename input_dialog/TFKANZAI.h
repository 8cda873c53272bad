#pragma once

#include "DataFileConfig.h"
#include "EstimateLine.h"
#include "RemovalSettings.h"

#include <QWidget>
#include <array>

struct CopyDataBlock;

class CopyDataServer;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QStatusBar;
class TBorRadio;
class TBoxCaption;
class TBoxLabel;
class TCheckGroupBox;
class TDsPanel;
class TFKEITO_SELECT;
class TGradBtn;
class TGradPan;
class TIconButton;
class TNValEditC;

// The piping-material input dialog: category, material, sheet, size, kind of
// work, construction type, level and quantities, looked up in the price books
// and handed on as one estimate line. Controls are named members; the
// handlers are short and call the plain operations.
class TFKANZAI : public QWidget {
    Q_OBJECT

public:
    // `arguments` without the program name; only the first one is read.
    TFKANZAI(const QString& programFolder, const QStringList& arguments, QWidget* parent = nullptr);
    ~TFKANZAI() override;
    // Where the main and registration programs are, when not in the program
    // folder (an installed package).
    void setProgramsFolder(const QString& folder) { programsFolder_ = folder; }

    // What the dialog holds now, as the lookup takes it.
    EstimateChoice currentChoice() const;
    const RemovalSettings& removalSettings() const { return removal_; }
    int categoryNumber() const { return categoryNumber_; }
    int systemNumber() const { return systemNumber_; }
    QString systemName() const;
    // Built when first asked for: most runs never open it.
    TFKEITO_SELECT* systemSelection();

    // The checks, the lookup and the line to the estimate program, then
    // ready for the next line.
    void SendEstimateLine();

    // The dialog's own socket name, under which the estimate program reaches
    // it; empty when another dialog already listens under it.
    QString messageName() const;
    // How long a line waits for the estimate program's answer.
    void setAnswerTimeout(int milliseconds) { answerTimeoutMs_ = milliseconds; }

    // Controls, by their form names.
    TGradPan* GradPan1 = nullptr;
    TGradBtn* user_sel = nullptr;
    TBoxLabel* Keito = nullptr;
    std::array<TIconButton*, CategoryCount> ib{};     // ib1 … ib10
    std::array<TBoxLabel*, CategoryCount> DISKBTN{};  // DISKBTN1 … DISKBTN10
    TBoxLabel* FILEPL = nullptr;
    QLabel* FILENAMEPL = nullptr;          // hidden
    TBoxLabel* select_data = nullptr;
    QListWidget* ListBox1 = nullptr;
    std::array<TBorRadio*, 4> tanka_opt{}; // tanka_opt_1 … tanka_opt_4
    std::array<TGradBtn*, 15> size_bt{};   // size_bt_1 … size_bt_15
    TBoxLabel* sizename = nullptr;
    std::array<TBorRadio*, 3> CALC_OPT1{}; // CALC_OPT1_1 … CALC_OPT1_3
    std::array<TBorRadio*, 6> data_opt{};  // data_opt_1 … data_opt_6
    QComboBox* Level_box = nullptr;
    QCheckBox* CheckBox1 = nullptr;        // 複合単価を利用する
    QCheckBox* CheckBox2 = nullptr;        // 名称に細目を付記する
    QCheckBox* CheckBox3 = nullptr;        // 備考に施工種別を付記する
    TCheckGroupBox* CheckGroupBox1 = nullptr;
    QComboBox* X_opt3 = nullptr;
    TNValEditC* nmanyin = nullptr;
    TNValEditC* gmanyin = nullptr;
    TDsPanel* MANYIN = nullptr;
    std::array<TGradBtn*, 10> digit_bt{};  // "0" … "9"
    TGradBtn* point_bt = nullptr;
    TGradBtn* bs_bt = nullptr;
    TGradBtn* net_bt = nullptr;
    TGradBtn* offer_bt = nullptr;
    TGradBtn* netoffer_bt = nullptr;
    TBoxLabel* removal = nullptr;
    TBoxLabel* Recycle = nullptr;
    TBoxLabel* Removal_Label = nullptr;
    TBoxLabel* Recycle_Label = nullptr;
    TIconButton* IconButton3 = nullptr;    // 積算転記
    TIconButton* IconButton6 = nullptr;    // 複合単価登録
    TIconButton* IconButton4 = nullptr;    // 単価登録
    TIconButton* IconButton13 = nullptr;   // Exit
    QStatusBar* StatusBar1 = nullptr;      // hidden
    std::array<QLabel*, 4> statusPanels{};

signals:
    // A line has been looked up and is ready to go to the estimate program.
    void EstimateLineBuilt(const EstimateLine& line);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The material list's narrowest width, that of the designed dialog, and
    // its widest, with which the dialog still fits a screen of 1024 pixels.
    static constexpr int MaterialListWidth = 220;
    static constexpr int MaterialListMostWidth = 340;
    void buildControls();
    QWidget* buildCategories();
    QWidget* buildMaterials();
    QWidget* buildSizes();
    QWidget* buildQuantities();
    QWidget* buildCommands();
    void connectHandlers();

    // The handlers.
    void FormShow();
    void ibClick(int category);
    void ListBox1Click(int material);
    void size_btClick(int row);
    void keyClick(const QString& caption);
    void bs_btClick();
    void net_btClick();
    void offer_btClick();
    void netoffer_btClick();
    void removalClick();
    void user_selClick();
    void IconButton6Click();
    void IconButton4Click();
    void IconButton13Click();
    qint64 WMCopyData(const CopyDataBlock& block);

    // One step each, shared by the handlers.
    void setBookPath(const QString& path);
    void showWholeNames();
    void loadMaterialList();
    void showMaterial(int material);
    void setSize(int row, const QString& name);
    void showRemovalSettings();
    void showSystem(int number, const QString& name);
    // The keypad entry as a quantity; refuses an empty entry with its message.
    std::optional<Currency> keypadQuantity();
    int categoryForStart();
    void prepareNextLine();
    // Sends the line's record; false, with the reason told, when it did not arrive.
    bool deliverLine(const EstimateLine& line);
    void bringToFront();
    // A close asked for while a box is open or a line is on its way waits
    // for that to end.
    void closeWhenFree();
    // The remarks of the remark box, most recent first.
    QStringList remarkHistory() const;
    void setRemarkHistory(const QStringList& history);

    QString programFolder_;  // the data folder: settings files and books
    QString programsFolder_; // where the main and registration programs are; the same unless installed
    QString argument_;
    std::array<QString, CategoryCount> categoryPaths_;
    QString bookPath_;
    int categoryNumber_ = 0;
    // The choices as made; the labels and buttons only show them.
    QStringList materialNames_;         // the material list, as read
    QString materialName_;              // shown in select_data
    std::array<QString, 4> sheetNames_; // the sheet buttons' captions
    std::array<QString, 15> sizeNames_; // the size buttons' captions
    int sizeRow_ = 0;
    QString sizeShown_;                 // shown in sizename
    QString sizeName_;                  // at most 10 characters
    CallerMode mode_;
    int systemNumber_ = 0;
    RemovalSettings removal_;
    bool openStepsPending_ = true;
    TFKEITO_SELECT* keitoSelect_ = nullptr;
    CopyDataServer* messages_ = nullptr;
    int answerTimeoutMs_;
    bool sending_ = false;
    bool blocked_ = false;
    bool closePending_ = false;
};
