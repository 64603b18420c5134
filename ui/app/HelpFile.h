#pragma once
// The help file, "Lodestrel.html", opened with the desktop's viewer. It is
// looked up in the current directory, then in the program's data folders
// (beside the program, and share/lodestrel of the install prefix). When no
// viewer opens it there, a copy in the temporary folder is opened instead;
// the program removes that copy when it ends.

#include <QString>
#include <QStringList>

#include "platform/prompt/Prompter.h"
#include "ui/main/ViewFile.h"

class HelpFile {
public:
    static constexpr const char* FileName = "Lodestrel.html";

    // The data folders of the running program and the system's temporary folder.
    HelpFile();
    HelpFile(QStringList dataFolders, QString temporaryFolder);

    void SetOpener(DocumentOpener opener) { m_open = std::move(opener); }

    // Opens the help; when every way failed, tells the user, naming FileName.
    void Open(platform::Prompter& prompter);
    // The temporary copy's path.
    QString TemporaryCopy() const;
    // Removes the temporary copy; a copy that is not there is no failure.
    void RemoveTemporaryCopy() const;

private:
    // The existing help files, the current directory's first.
    QStringList Candidates() const;
    platform::OpenResult OpenPath(const QString& path) const;

    QStringList m_dataFolders;
    QString m_temporaryFolder;
    DocumentOpener m_open;
};
