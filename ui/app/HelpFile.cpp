#include "ui/app/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/window/PathText.h"
#include "ui/main/MainWindowTexts.h"

namespace {

QStringList ProgramDataFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../share/lodestrel"))};
}

}  // namespace

HelpFile::HelpFile() : HelpFile(ProgramDataFolders(), QDir::tempPath()) {}

HelpFile::HelpFile(QStringList dataFolders, QString temporaryFolder)
    : m_dataFolders(std::move(dataFolders)), m_temporaryFolder(std::move(temporaryFolder)), m_open(platform::OpenDocument)
{
}

QString HelpFile::TemporaryCopy() const
{
    return QDir(m_temporaryFolder).filePath(QString::fromLatin1(FileName));
}

QStringList HelpFile::Candidates() const
{
    QStringList found;
    const QString name = QString::fromLatin1(FileName);
    QStringList paths{QDir::current().filePath(name)};
    for (const QString& folder : m_dataFolders)
        paths.append(QDir(folder).filePath(name));
    for (const QString& path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (QFileInfo(absolute).isFile() && !found.contains(absolute))
            found.append(absolute);
    }
    return found;
}

platform::OpenResult HelpFile::OpenPath(const QString& path) const
{
    const std::optional<std::string> cp932 = platform::PathFromQt(path);
    return cp932 ? m_open(*cp932) : platform::OpenResult::FileNotFound;
}

void HelpFile::Open(platform::Prompter& prompter)
{
    const QStringList candidates = Candidates();
    platform::OpenResult result = platform::OpenResult::FileNotFound;
    for (const QString& path : candidates) {
        result = OpenPath(path);
        if (result == platform::OpenResult::Opened)
            return;
    }
    // A viewer that cannot reach the file where it is may still read a copy in the temporary folder.
    if (!candidates.isEmpty()) {
        const QString copy = TemporaryCopy();
        QFile::remove(copy);
        result = QFile::copy(candidates.front(), copy) ? OpenPath(copy) : platform::OpenResult::FileNotFound;
        if (result == platform::OpenResult::Opened)
            return;
    }
    prompter.Tell(main_text::ViewFailed(FileName, static_cast<int>(result)), platform::MessageIcon::Stop);
}

void HelpFile::RemoveTemporaryCopy() const
{
    QFile::remove(TemporaryCopy());
}
