#include "platform/window/DesktopPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/window/EditedText.h"
#include "platform/window/FileFilter.h"
#include "platform/window/FolderBrowser.h"
#include "platform/window/FontChooser.h"
#include "platform/window/PathText.h"

namespace platform {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A chosen path the program can hold, or nullopt after telling the user why not.
std::optional<std::string> Chosen(DesktopPrompter& prompter, const QString& path)
{
    std::optional<std::string> bytes = PathFromQt(path);
    if (!bytes)
        prompter.Tell(UnrepresentablePathMessage(path), MessageIcon::Stop);
    return bytes;
}

}  // namespace

MessageAnswer DesktopPrompter::Ask(const std::string& text, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(BoxIcon(icon), QStringLiteral("Lodestrel"), ShownText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::Ok) {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
        return MessageAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    yes->setText(QStringLiteral("はい(&Y)"));
    box.addButton(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> DesktopPrompter::ChooseFile(QWidget* owner, const FileDialogRequest& request)
{
    QFileDialog dialog(owner, ShownText(request.title), PathToQt(request.initialPath));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(ParseFileFilter(request.filter)));
    if (request.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.options & AskOverwrite));
    }
    dialog.setFileMode(request.options & FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Chosen(*this, dialog.selectedFiles().constFirst());
}

std::optional<std::string> DesktopPrompter::ChooseFolder(QWidget* owner, const FolderRequest& request)
{
    FolderBrowser browser(owner, ShownText(request.title), PathToQt(request.initialFolder));
    if (browser.exec() != QDialog::Accepted)
        return std::nullopt;
    return Chosen(*this, browser.ChosenFolder());
}

std::optional<FontChoice> DesktopPrompter::ChooseFont(QWidget* owner, const FontChoice& initial)
{
    FontChooser chooser(owner, initial);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Choice();
}

}  // namespace platform
