#pragma once
// The texts of --help and --version (UTF-8).

#include <string>
#include <string_view>

std::string_view HelpText();
std::string VersionText();
// The line that follows a refused command line.
std::string_view HelpHint();
