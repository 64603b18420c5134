// The companion command line and its launch.

#include "engine/CommandLaunch.h"

#include "engine/Messages.h"
#include "platform/system/ProcessLaunch.h"

std::string CompanionCommandLine(std::string_view program, std::string_view file)
{
    std::string line(program);
    line += " \"";
    line += file;
    line += '"';
    return line;
}

int LaunchCommand(std::string_view commandLine, platform::Prompter& prompter)
{
    const int code = platform::StartDetached(commandLine);
    if (code == 0)
        return 0;
    prompter.Tell(msg::LaunchFailed(commandLine, code), platform::MessageIcon::Stop);
    return 1;
}
