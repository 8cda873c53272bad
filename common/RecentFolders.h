#pragma once

#include <QString>

// The kinds of file the file dialogs choose, each with a folder of its own.
enum class FileKind { Csv, Book, Pdf };

// The folders the file dialogs start in: the one last used for each kind of
// file, remembered in a settings file of ours in the program folder
// (`RecentFoldersFile`), else the user's documents folder, never the program
// folder, which an installed package keeps hidden. A file that cannot be
// read or written only loses the memory, never the command. The main
// program and its print program share it.
// "kavrel_folders.conf" of the program folder.
QString RecentFoldersFile(const QString& programFolder);

class RecentFolders {
public:
    explicit RecentFolders(QString settingsFile);

    QString startFolder(FileKind kind) const;
    // Remembers the folder of a file the user chose.
    void remember(FileKind kind, const QString& chosenFile);

private:
    QString settingsFile_;
};
