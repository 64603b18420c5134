#include "ui/main/CToolTipDialog.h"

#include <QWidget>

#include "resources/Resources.h"

CToolTipDialog::CToolTipDialog(int templateId, QWidget* owner) : platform::Dialog(templateId, owner) {}

bool CToolTipDialog::OnInitDialog()
{
    const bool result = platform::Dialog::OnInitDialog();
    for (int id : ItemIds()) {
        if (const std::optional<std::string_view> text = res::FindString(id))
            Item(id)->setToolTip(QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())));
    }
    return result;
}
