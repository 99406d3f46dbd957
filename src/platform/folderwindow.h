#pragma once

#include <QWidget>

class QLabel;
class QStackedWidget;
class QToolButton;
class QTreeWidget;

// The files of a folder in a window of the package, for platforms where no
// file manager answers: names and sizes, subfolders first; double-click or
// Enter opens a file with the document opener or enters a subfolder.
class FolderWindow : public QWidget {
    Q_OBJECT

public:
    explicit FolderWindow(const QString &folderPath, QWidget *parent = nullptr);

    // Shows (and raises) the window of a folder, reusing an open one.
    static FolderWindow *showFolder(const QString &folderPath);

    QString rootFolder() const { return m_root; }
    QString currentFolder() const { return m_current; }
    // Shows a folder inside the root folder.
    void showFolderContents(const QString &path);

private:
    void FileListActivate();
    void UpButtonClick();

    QString m_root;
    QString m_current;
    QLabel *m_pathLabel;
    QToolButton *m_up;
    QStackedWidget *m_stack;
    QTreeWidget *m_list;
    QLabel *m_message;
    QLabel *m_hint;
};
