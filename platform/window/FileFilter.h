#pragma once
// File dialog filters written as "text|patterns|text|patterns||": each entry
// is the text shown and its patterns separated by ';'.

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace platform {

struct FileFilter {
    QString text;          // as shown in the dialog
    QStringList patterns;  // "*.*" stands for every file, as "*"
};

std::vector<FileFilter> ParseFileFilter(std::string_view cp932);

// The filters as Qt's name filters, "text (pattern pattern)".
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

}  // namespace platform
