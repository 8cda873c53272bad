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
// category. It lives for the whole run and holds the program's configuration;
// its fields are the copy the user edits, handed back when the dialog closes
// or stores. Edits of the paths take effect at the next start.
class Tkvconfig : public QDialog {
    Q_OBJECT
public:
    // Reads the configuration of `programFolder`; a read failure is reported
    // and leaves the fields as they were.
    explicit Tkvconfig(const QString& programFolder, QWidget* parent = nullptr);

    QString configurationPath() const { return path_; }

    // Throws FileError when the file exists but cannot be read.
    void readConfiguration();
    // Writes the configuration; throws FileError when it cannot.
    void saveConfiguration();
    // What the program's close writes: the configuration, unless the file
    // could not be read at creation and has not been stored since, since it
    // would then replace the file's contents with blanks.
    void saveAtClose();

    const DataFileConfig& configuration() const { return config_; }
    void setConfiguration(const DataFileConfig& config);
    // Category 0..9; other numbers name nothing.
    QString groupName(int category) const;
    QString fileName(int category) const;
    void setGroupName(int category, const QString& name);

    // Shows the dialog modally.
    int Execute();
    // Creates the controls below, showing the configuration; Execute does it
    // the first time. The dialog is seldom opened, and building its forty
    // controls took 8 of the 208 million instructions of the program's start.
    void BuildForm();

    std::array<QLineEdit*, CategoryCount> BN{};
    std::array<QLineEdit*, CategoryCount> fn{};
    QPushButton* Button1 = nullptr;
    TIconButton* IconButton3 = nullptr;
    TIconButton* IconButton2 = nullptr;
    TFolderDialog* FolderDialog1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // However the dialog closes, its fields are handed back.
    void done(int result) override;

private:
    void BNClick(int category);
    void fnClick(int category);
    void Button1Click();
    void IconButton3Click();
    void IconButton2Click();
    DataFileConfig shownConfiguration() const;
    void showConfiguration();

    QString programFolder_;
    QString path_;
    DataFileConfig config_;
    bool unreadable_ = false; // the file could not be read at creation
};
