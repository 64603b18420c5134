#pragma once
// The base of the dialogs whose controls explain themselves: every control
// whose number has an entry in the string table shows that text as its
// tooltip.

#include "platform/window/Dialog.h"

class CToolTipDialog : public platform::Dialog {
public:
    explicit CToolTipDialog(int templateId, QWidget* owner = nullptr);

protected:
    // The controls show their fields, then get their tooltips. A derived
    // dialog's own initialisation calls this first.
    bool OnInitDialog() override;
};
