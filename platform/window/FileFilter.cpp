#include "platform/window/FileFilter.h"

#include "platform/window/EditedText.h"

namespace platform {

std::vector<FileFilter> ParseFileFilter(std::string_view cp932)
{
    const QStringList parts = ShownText(cp932).split(u'|');
    std::vector<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        FileFilter filter{parts[i], {}};
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            filter.patterns << (pattern.trimmed() == QStringLiteral("*.*") ? QStringLiteral("*") : pattern.trimmed());
        filters.push_back(filter);
    }
    return filters;
}

QStringList QtNameFilters(const std::vector<FileFilter>& filters)
{
    QStringList names;
    for (const FileFilter& filter : filters)
        names << QStringLiteral("%1 (%2)").arg(filter.text, filter.patterns.join(u' '));
    return names;
}

}  // namespace platform
