#pragma once
// The prompter of the window program: the message boxes of Prompter plus the
// system's file, folder and font dialogs. One prompter is current at a time;
// tests make a scripted one current, so that no modal window ever waits for a
// person.

#include <QColor>
#include <QFont>

#include <optional>
#include <string>

#include "platform/prompt/Prompter.h"

class QWidget;

namespace platform {

enum class FileDialogKind { Open, Save };

// Options of a file dialog; any combination.
enum FileDialogOption : unsigned {
    NoFileOptions = 0,
    FileMustExist = 1u << 0,
    PathMustExist = 1u << 1,
    AskOverwrite = 1u << 2,  // a save dialog asks before choosing an existing file
};

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;        // code page 932
    std::string filter;       // "text|patterns|text|patterns||", code page 932
    std::string initialPath;  // a folder, or a file whose folder to start in; code page 932
    unsigned options = NoFileOptions;
};

struct FolderRequest {
    std::string title;          // the text above the folder tree, code page 932
    std::string initialFolder;  // selected and shown in the status line at first; code page 932
};

// A font with its effects (underline, strike-out) and a text colour.
struct FontChoice {
    QFont font;
    QColor color;
};

class WindowPrompter : public Prompter {
public:
    // The chosen path (code page 932); nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseFile(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFolder(QWidget* owner, const FolderRequest& request) = 0;
    virtual std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) = 0;
};

// The prompter in use: the desktop's dialogs unless another has been made current.
WindowPrompter& CurrentPrompter();

// Makes a prompter current for its own lifetime; the previous one comes back after.
class ScopedPrompter {
public:
    explicit ScopedPrompter(WindowPrompter& prompter);
    ~ScopedPrompter();
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    WindowPrompter* m_previous;
};

// The open or save dialog of the current prompter, with the process's current
// directory remembered before and set back after, whatever the outcome.
std::optional<std::string> BrowseForFile(QWidget* owner, const FileDialogRequest& request);

}  // namespace platform
