// Draws every dialog template as the program first shows it and writes the
// pictures into the build directory (pictures/dialog-<number>.png), so that
// the windows can be looked at without a display.
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "platform/window/Dialog.h"
#include "resources/Resources.h"

namespace {

class PictureDialog : public platform::Dialog {
public:
    using platform::Dialog::Dialog;
};

// The main window at start: file mode, automatic file kind, line search and
// output, the condition list's columns.
void SetUpMainWindow(platform::Dialog& dialog)
{
    for (int radio : {1042, 1040, 1044, 1060})
        dialog.SetCheck(radio, 1);
    dialog.DisableItems({1014, 1010, 1011, 1122, 1032, 1005, 1034, 1002, 1035});
    auto* list = dialog.ItemAs<QTreeWidget>(1067);
    list->setHeaderLabels({QStringLiteral("検索文字列"), QStringLiteral("状態"), QStringLiteral("モード"),
                           QStringLiteral("除外文字列")});
    const int widths[] = {190, 50, 50, 110};
    for (int column = 0; column < 4; ++column)
        list->header()->resizeSection(column, widths[column]);
    dialog.SetItemText(1018, "0");
    dialog.SetItemText(1023, "0");
    dialog.SetItemText(1002, "1");
}

// Some light and some dark pixels: the picture shows something.
bool HasContent(const QImage& image)
{
    bool light = false, dark = false;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const int gray = qGray(image.pixel(x, y));
            light |= gray > 200;
            dark |= gray < 60;
        }
    return light && dark;
}

TEST(TemplatePictures, EveryTemplateIsDrawnIntoAPicture)
{
    const QDir folder(QStringLiteral(LODESTREL_PICTURES_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    for (const res::DialogTemplate* tmpl : res::AllDialogs()) {
        PictureDialog dialog(tmpl->id);
        dialog.Create();
        if (tmpl->id == res::kMainDialog)
            SetUpMainWindow(dialog);
        const QImage picture = dialog.grab().toImage();
        const QString path = folder.filePath(QStringLiteral("dialog-%1.png").arg(tmpl->id));
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
        EXPECT_TRUE(HasContent(picture)) << tmpl->id;
    }
}

}  // namespace
