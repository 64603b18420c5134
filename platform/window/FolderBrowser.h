#pragma once
// The folder browser: a title above a tree of the file system's folders, an
// edit box with the chosen folder, and a status line with the selected
// folder's path.

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;

namespace platform {

class FolderBrowser : public QDialog {
public:
    FolderBrowser(QWidget* owner, const QString& title, const QString& initialFolder);

    QString ChosenFolder() const;
    QString StatusText() const;

private:
    void Select(const QString& folder);
    void SelectionChanged();

    QFileSystemModel* m_model;
    QTreeView* m_tree;
    QLineEdit* m_edit;
    QLabel* m_status;
};

}  // namespace platform
