#include "ui/main/ViewFile.h"

#include <QFileInfo>

#include "engine/CommandLaunch.h"
#include "platform/window/PathText.h"
#include "ui/main/MainWindowTexts.h"

bool OpenWithViewer(const DocumentOpener& opener, std::string_view path, platform::Prompter& prompter)
{
    const platform::OpenResult result = opener(path);
    if (result == platform::OpenResult::Opened)
        return true;
    prompter.Tell(main_text::ViewFailed(path, static_cast<int>(result)), platform::MessageIcon::Stop);
    return false;
}

void ViewFile(std::string_view path, const std::string& AplName, const DocumentOpener& opener,
              platform::Prompter& prompter)
{
    if (!FileExists(path))
        return;
    if (!AplName.empty()) {
        LaunchCommand(CompanionCommandLine(AplName, path), prompter);
        return;
    }
    OpenWithViewer(opener, path, prompter);
}

bool FileExists(std::string_view path)
{
    const QFileInfo info(platform::PathToQt(path));
    return info.exists() && info.isFile();
}
