#include "platform/window/OpenDocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/window/PathText.h"

namespace platform {

OpenResult OpenDocument(std::string_view target)
{
    const QString text = PathToQt(target);
    const bool address = text.contains(QStringLiteral("://"));
    if (!address && !QFileInfo::exists(text))
        return OpenResult::FileNotFound;
    const QUrl url = address ? QUrl(text) : QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    return QDesktopServices::openUrl(url) ? OpenResult::Opened : OpenResult::NoApplication;
}

}  // namespace platform
