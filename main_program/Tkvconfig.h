#pragma once

#include "DataFileConfig.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TFolderDialog;
class TIconButton;

// The data file settings dialog: the name and price book file of each
// category. It lives for the whole run and holds the configuration the
// programs use; edits take effect at the next start.
class Tkvconfig : public QDialog {
    Q_OBJECT
public:
    // Reads the configuration of `programFolder`; a read failure is reported
    // and leaves the fields as they were.
    explicit Tkvconfig(const QString& programFolder, QWidget* parent = nullptr);

    QString configurationPath() const { return path_; }

    // Throws FileError when the file exists but cannot be read.
    void readConfiguration();
    // Writes the fields as they are; throws FileError when it cannot.
    void saveConfiguration();
    // What the program's close writes: the fields, unless the file could not
    // be read at creation and has not been stored since, since the fields
    // would then replace its contents with blanks.
    void saveAtClose();

    DataFileConfig configuration() const;
    void setConfiguration(const DataFileConfig& config);
    // Category 0..9; other numbers name nothing.
    QString groupName(int category) const;
    QString fileName(int category) const;
    void setGroupName(int category, const QString& name);

    // Shows the dialog modally.
    int Execute();

    std::array<QLineEdit*, CategoryCount> BN{};
    std::array<QLineEdit*, CategoryCount> fn{};
    QPushButton* Button1 = nullptr;
    TIconButton* IconButton3 = nullptr;
    TIconButton* IconButton2 = nullptr;
    TFolderDialog* FolderDialog1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BNClick(int category);
    void fnClick(int category);
    void Button1Click();
    void IconButton3Click();
    void IconButton2Click();

    QString programFolder_;
    QString path_;
    bool unreadable_ = false; // the file could not be read at creation
};
