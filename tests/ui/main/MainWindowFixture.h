#pragma once
// The main window under test: a temporary folder for files (and for the
// settings store, so the user's own is never touched), the scripted prompter,
// and helpers to read the controls and write source files.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/window/ControlText.h"
#include <QTreeWidget>

#include "tests/platform/window/support/ScriptedPrompter.h"
#include "ui/main/CLodestrelDlg.h"

class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture()
    {
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
        window = std::make_unique<CLodestrelDlg>();
        window->SetDocumentOpener([this](std::string_view path) {
            opened.emplace_back(path);
            return openResult;
        });
    }
    ~MainWindowFixture() override
    {
        window.reset();
        qunsetenv("XDG_CONFIG_HOME");
    }

    CLodestrelDlg& Window() { return *window; }
    JobSettings& Job() { return window->Job(); }

    // The text of control id, code page 932.
    std::string Text(int id) const { return platform::ControlText(*window->Item(id)).value_or("?"); }
    void Type(int id, const std::string& cp932) { window->SetItemText(id, cp932); }
    void Click(int id) { window->RunCommand(id); }

    // A file of the temporary folder with these bytes; its path (ASCII, so also code page 932).
    std::string WriteFile(const char* name, const std::string& bytes) const
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path.toStdString();
    }
    std::string PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }
    static std::string ReadFile(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    static bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

    void AddCondition(const char* utf8)
    {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = testing_support::Cp932(utf8);
        Window().Conditions().Append(std::move(condition));
    }

    QTemporaryDir folder;
    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
    std::vector<std::string> opened;  // what the view commands handed the desktop
    platform::OpenResult openResult = platform::OpenResult::Opened;
    std::unique_ptr<CLodestrelDlg> window;
};
