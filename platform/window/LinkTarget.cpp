#include "platform/window/LinkTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {

// The URL of a desktop entry of type Link, or an empty string.
QString DesktopEntryUrl(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false, isLink = false;
    QString url;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inEntry || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Type"))
            isLink = value == QStringLiteral("Link");
        else if (key == QStringLiteral("URL") || key == QStringLiteral("URL[$e]"))
            url = value;
    }
    return isLink ? url : QString();
}

// A local path named by a desktop entry's URL, or an empty string.
QString LocalPath(const QString& url)
{
    if (url.startsWith(QStringLiteral("file:")))
        return QUrl(url).toLocalFile();
    if (url.startsWith(u'/'))
        return url;
    if (url.startsWith(QStringLiteral("~/")))
        return QDir::home().filePath(url.mid(2));
    return {};
}

}  // namespace

std::optional<QString> LinkTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        return target.isEmpty() ? std::nullopt : std::optional<QString>(target);
    }
    if (!path.endsWith(QStringLiteral(".desktop")) || !info.isFile())
        return std::nullopt;
    const QString target = LocalPath(DesktopEntryUrl(path));
    return target.isEmpty() ? std::nullopt : std::optional<QString>(QDir::cleanPath(target));
}

}  // namespace platform
