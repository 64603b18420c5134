#include "ui/main/CDropEdit.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include "platform/window/ControlText.h"
#include "platform/window/Dialog.h"
#include "resources/Resources.h"
#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using testing_support::Cp932;

// Drags the items over the edit and drops them, as the desktop does.
void DropUrls(QWidget& target, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

class CDropEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        Write(QStringLiteral("a.csv"), "a\n");
        Write(QStringLiteral("b.csv"), "b\n");
        QDir(dir.path()).mkpath(QStringLiteral("データ"));
        QFile::link(Path(QStringLiteral("データ")), Path(QStringLiteral("folder-link")));
        QFile::link(Path(QStringLiteral("a.csv")), Path(QStringLiteral("file-link")));
        Write(QStringLiteral("folder.desktop"),
              "[Desktop Entry]\nType=Link\nURL=" + QUrl::fromLocalFile(Path(QStringLiteral("データ"))).toEncoded() + "\n");
        Write(QStringLiteral("file.desktop"), "[Desktop Entry]\nType=Link\nURL=" + Path(QStringLiteral("b.csv")).toUtf8() + "\n");
        Write(QStringLiteral("app.desktop"), "[Desktop Entry]\nType=Application\nExec=true\n");
        edit.setText(QStringLiteral("before"));
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QByteArray& content)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Drops the named items (in this order) on the edit.
    void Drop(const QStringList& names)
    {
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << (name.contains(QStringLiteral("://")) ? QUrl(name) : QUrl::fromLocalFile(Path(name)));
        DropUrls(edit, urls);
    }

    QTemporaryDir dir;
    CDropEdit edit;
    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped{prompter};
};

TEST_F(CDropEditTest, TakesTheFirstOfSeveralDroppedFiles)
{
    Drop({QStringLiteral("a.csv"), QStringLiteral("b.csv"), QStringLiteral("app.desktop")});
    EXPECT_EQ(edit.text(), Path(QStringLiteral("a.csv")));
}

TEST_F(CDropEditTest, TakesOnlyTheKindItAcceptsAndLeavesTheTextOtherwise)
{
    struct Case {
        std::int32_t acceptFolder;
        QString dropped;
        QString expected;  // empty: unchanged
    } const cases[] = {
        {0, QStringLiteral("データ"), {}},
        {1, QStringLiteral("a.csv"), {}},
        {1, QStringLiteral("データ"), Path(QStringLiteral("データ"))},
        {0, QStringLiteral("missing.csv"), {}},
        {1, QStringLiteral("missing"), {}},
        {1, QStringLiteral("folder-link"), Path(QStringLiteral("データ"))},
        {0, QStringLiteral("file-link"), Path(QStringLiteral("a.csv"))},
        {0, QStringLiteral("folder-link"), {}},
        {1, QStringLiteral("folder.desktop"), Path(QStringLiteral("データ"))},
        {0, QStringLiteral("file.desktop"), Path(QStringLiteral("b.csv"))},
        {0, QStringLiteral("app.desktop"), Path(QStringLiteral("app.desktop"))},
        {0, QStringLiteral("https://example.invalid/a.csv"), {}},
    };
    for (const Case& c : cases) {
        edit.setText(QStringLiteral("before"));
        edit.AcceptFolder = c.acceptFolder;
        Drop({c.dropped});
        EXPECT_EQ(edit.text(), c.expected.isEmpty() ? QStringLiteral("before") : c.expected)
            << c.dropped.toStdString() << " on AcceptFolder " << c.acceptFolder;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CDropEditTest, TheDroppedPathReadsBackAsCodePage932)
{
    edit.AcceptFolder = 1;
    Drop({QStringLiteral("データ")});
    EXPECT_EQ(platform::ControlText(edit), Cp932(Path(QStringLiteral("データ")).toUtf8().constData()));
}

TEST_F(CDropEditTest, APathWithoutACodePage932FormIsRefusedWithAMessage)
{
    QDir(dir.path()).mkpath(QStringLiteral("𠮷"));
    edit.AcceptFolder = 1;
    Drop({QStringLiteral("𠮷")});
    EXPECT_EQ(edit.text(), QStringLiteral("before"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, platform::MessageIcon::Stop);
}

// The main window's source-file edit as a drop edit in place of its template control.
class DropDialog : public platform::Dialog {
public:
    DropDialog() : platform::Dialog(res::kMainDialog) { SetCustomControl(1008, source); }
    CDropEdit source;
};

TEST_F(CDropEditTest, InPlaceOfATemplateEditItKeepsTheTemplatesStyleAndItsNumber)
{
    DropDialog dialog;
    dialog.Create();
    EXPECT_EQ(dialog.Item(1008), &dialog.source);
    EXPECT_TRUE(dialog.source.acceptDrops());
    DropUrls(dialog.source, {QUrl::fromLocalFile(Path(QStringLiteral("b.csv")))});
    EXPECT_EQ(dialog.ItemText(1008), Path(QStringLiteral("b.csv")).toStdString());
}

}  // namespace
