#pragma once

#include "BookDiff.h"
#include "BookHistory.h"

#include <QDialog>
#include <optional>

class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

// "履歴から復元…" and "ほかのファイルと比較…": the loaded book beside a kept
// version of it or another book file, every difference listed by material.
// Restoring accepts with the version chosen; in a comparison a double click
// on a difference accepts with it, for the window to show it in the tables.
class BookCompareDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Restore, Compare };
    BookCompareDialog(const PriceBook& loaded, const QString& bookPath, const QString& dataFolder, Mode mode,
                      QWidget* parent = nullptr);

    // The file of the version or book compared with, once one is chosen.
    const QString& comparedFile() const { return comparedFile_; }
    const std::vector<BookDifference>& differences() const { return differences_; }
    // The difference double-clicked.
    const std::optional<BookDifference>& shownDifference() const { return shown_; }

    QTableWidget* versionTable = nullptr; // 版, 保存日時, 保存した人, 違う行
    QPushButton* fileButton = nullptr;    // 比較: ファイルを選ぶ…
    QTreeWidget* differenceTree = nullptr;
    QPushButton* restoreButton = nullptr; // 復元
    QPushButton* closeButton = nullptr;

private:
    void fillVersions();
    void chooseVersion();
    void chooseFile();
    void compareWith(const QString& file);
    void showDifference(QTreeWidgetItem* item);

    const PriceBook& loaded_;
    QString bookPath_;
    QString dataFolder_;
    std::vector<BookVersion> versions_;
    QString comparedFile_;
    std::vector<BookDifference> differences_;
    std::optional<BookDifference> shown_;
};
