#pragma once
// Showing a file to the user: with the companion program when one is set,
// otherwise with the desktop's viewer for its type. The main window's view
// commands and the help command use it.

#include <functional>
#include <string>
#include <string_view>

#include "platform/prompt/Prompter.h"
#include "platform/window/OpenDocument.h"

// The desktop's "open" action; tests put a recorder in its place.
using DocumentOpener = std::function<platform::OpenResult(std::string_view path)>;

// Opens path with opener and tells the user, naming path, when that fails.
// Returns whether the file was opened.
bool OpenWithViewer(const DocumentOpener& opener, std::string_view path, platform::Prompter& prompter);

// The view command on path: nothing when the file does not exist; the
// companion program AplName when it is not empty; otherwise the desktop's viewer.
void ViewFile(std::string_view path, const std::string& AplName, const DocumentOpener& opener,
              platform::Prompter& prompter);

// Whether path (code page 932) names an existing file.
bool FileExists(std::string_view path);
