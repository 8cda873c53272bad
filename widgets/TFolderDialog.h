#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Lets the user choose a folder with the platform's folder chooser.
class TFolderDialog : public QObject {
    Q_OBJECT
public:
    enum TBrowseInfoFlag {
        bifBrowseForComputer = 0x01,
        bifBrowseForPrinter = 0x02,
        bifDontGoBelowDomain = 0x04,
        bifReturnFSAncestors = 0x08,
        bifReturnOnlyFSDirs = 0x10,
        bifStatusText = 0x20,
    };
    Q_DECLARE_FLAGS(TBrowseInfoFlags, TBrowseInfoFlag)
    Q_FLAG(TBrowseInfoFlags)

private:
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(TBrowseInfoFlags Option READ option WRITE setOption)
    Q_PROPERTY(QString Directory READ directory WRITE setDirectory)

public:
    explicit TFolderDialog(QObject* parent = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    TBrowseInfoFlags option() const { return option_; }
    void setOption(TBrowseInfoFlags option) { option_ = option; }
    // The chosen folder; before a run, the folder the chooser starts in.
    QString directory() const { return directory_; }
    void setDirectory(const QString& directory) { directory_ = directory; }

    // Shows the chooser over the owner's window; true when a folder was
    // chosen, which is then in Directory.
    bool Execute();

private:
    QString title_;
    TBrowseInfoFlags option_ = bifReturnOnlyFSDirs;
    QString directory_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFolderDialog::TBrowseInfoFlags)
