#pragma once

#include "PriceRevision.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

// "価格表の取込…" and "定価の一括改定…": a revision of the loaded book from a
// supplier's list or by a percentage, previewed in full; "適用" accepts the
// dialog, and the caller stores `changes()` as one step. The book is only read.
class RevisionDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { PriceList, Percent };
    // `dataFolder` keeps the chosen columns and the folder of the last list.
    RevisionDialog(const PriceBook& book, const QString& dataFolder, Mode mode, QWidget* parent = nullptr);

    // The changes of the last preview, which "適用" stores.
    const std::vector<LinePriceChange>& changes() const { return preview_.changes; }
    const RevisionPreview& preview() const { return preview_; }

    QTabWidget* modes = nullptr;
    // 価格表の取込
    QLineEdit* fileEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QComboBox* sheetBox = nullptr;
    QComboBox* encodingBox = nullptr;
    std::array<QLineEdit*, 5> columnEdits{}; // 品名, サイズ, 定価, 原価, 管材番号
    QSpinBox* headingRowBox = nullptr;
    // 定価の一括改定
    QDoubleSpinBox* percentBox = nullptr;
    QRadioButton* listButton = nullptr;
    QRadioButton* costButton = nullptr;
    QListWidget* materialList = nullptr;
    // both
    QDoubleSpinBox* thresholdBox = nullptr;
    QPushButton* previewButton = nullptr;
    QTableWidget* previewTable = nullptr;
    QLabel* summaryLabel = nullptr;
    QPushButton* applyButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    QWidget* buildListTab();
    QWidget* buildPercentTab();
    void browse();
    void fillSheets();
    void makePreview();
    void showPreview();
    QString columnsFile() const;

    const PriceBook& book_;
    QString dataFolder_;
    RevisionPreview preview_;
};
