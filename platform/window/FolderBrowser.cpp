#include "platform/window/FolderBrowser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace platform {

FolderBrowser::FolderBrowser(QWidget* owner, const QString& title, const QString& initialFolder)
    : QDialog(owner),
      m_model(new QFileSystemModel(this)),
      m_tree(new QTreeView(this)),
      m_edit(new QLineEdit(this)),
      m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("フォルダーの参照"));
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { SelectionChanged(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(m_status);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    resize(360, 420);

    Select(initialFolder);
    m_status->setText(initialFolder);
}

void FolderBrowser::Select(const QString& folder)
{
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

void FolderBrowser::SelectionChanged()
{
    const QString path = m_model->filePath(m_tree->currentIndex());
    m_status->setText(path);
    m_edit->setText(QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName());
}

QString FolderBrowser::ChosenFolder() const
{
    const QString selected = m_model->filePath(m_tree->currentIndex());
    const QString typed = m_edit->text().trimmed();
    // A name typed into the edit box is looked for beside the selected folder,
    // as the box shows the selected folder's own name.
    if (!typed.isEmpty() && typed != QFileInfo(selected).fileName()) {
        const QString candidate = QDir::isAbsolutePath(typed) ? typed : QFileInfo(selected).dir().filePath(typed);
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return selected;
}

QString FolderBrowser::StatusText() const
{
    return m_status->text();
}

}  // namespace platform
