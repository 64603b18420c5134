#pragma once
// The edit of a file or folder name that takes a file or folder dragged onto
// it from the desktop: the first of the dropped items, after following a
// symbolic link or a desktop link file, if it is of the kind the edit wants.

#include <QLineEdit>

#include <cstdint>

class CDropEdit : public QLineEdit {
public:
    explicit CDropEdit(QWidget* parent = nullptr);

    // 1: the edit takes a folder; 0: a regular file. The owner sets it.
    std::int32_t AcceptFolder = 0;

    // What a drop of these local paths (the first one counts) does: the edit
    // shows the resolved path when it is of the wanted kind; otherwise it
    // stays as it was. Returns whether the text was set.
    bool TakeDroppedPath(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
