#include "ui/main/CDropEdit.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "platform/window/ControlText.h"
#include "platform/window/LinkTarget.h"
#include "platform/window/PathText.h"
#include "platform/window/WindowPrompter.h"

namespace {

// The first dropped item, when it is a local file or folder.
QString FirstLocalPath(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl first = data->urls().constFirst();
    return first.isLocalFile() ? first.toLocalFile() : QString();
}

}  // namespace

CDropEdit::CDropEdit(QWidget* parent) : QLineEdit(parent)
{
    setAcceptDrops(true);
}

bool CDropEdit::TakeDroppedPath(const QString& dropped)
{
    const QString path = platform::LinkTarget(dropped).value_or(dropped);
    const QFileInfo info(path);
    const bool wanted = AcceptFolder == 1 ? info.isDir() : AcceptFolder == 0 && info.isFile();
    if (!wanted)
        return false;
    const std::optional<std::string> bytes = platform::PathFromQt(path);
    if (!bytes) {
        platform::CurrentPrompter().Tell(platform::UnrepresentablePathMessage(path), platform::MessageIcon::Stop);
        return false;
    }
    platform::SetControlText(*this, *bytes);
    return true;
}

void CDropEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void CDropEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

void CDropEdit::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    const QString path = FirstLocalPath(event->mimeData());
    if (!path.isEmpty())
        TakeDroppedPath(path);
}
