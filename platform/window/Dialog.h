#pragma once
// A dialog built from its numbered template. Controls are found by number;
// a push button, check box, radio button or menu item runs the command of its
// number; Enter runs command 1 (unless a push button has the focus, which then
// is pressed), Escape and the close box run command 2. A derived dialog lists
// its bound fields once in DoDataExchange and moves them with ReadBack and
// Refresh.
//
// The controls exist from the first DoModal or Create on; the dialog's own
// constructor only sets up fields and command handlers.

#include <QDialog>

#include <functional>
#include <memory>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resources/Template.h"

class QButtonGroup;

namespace platform {

class DialogUnits;
class Exchange;
class MenuBar;

class Dialog : public QDialog {
public:
    explicit Dialog(int templateId, QWidget* owner = nullptr);
    ~Dialog() override;

    // Shows the dialog and waits until it ends; returns the number it ended with.
    int DoModal();
    // Shows the dialog and returns at once.
    virtual void Create();
    void EndDialog(int result);

    const res::DialogTemplate& Template() const { return m_template; }
    const DialogUnits& Units() const;

    // The control with this number, nullptr when there is none.
    QWidget* Item(int id) const;
    template <class Widget>
    Widget* ItemAs(int id) const
    {
        return qobject_cast<Widget*>(Item(id));
    }
    // The numbers of the controls, in tab order.
    std::vector<int> ItemIds() const;

    void EnableItems(std::initializer_list<int> ids);
    void DisableItems(std::initializer_list<int> ids);
    void SetItemEnabled(int id, bool enabled);
    bool IsItemEnabled(int id) const;

    // Texts are code page 932.
    void SetItemText(int id, std::string_view text);
    // nullopt when the control holds a character without a code page 932 form.
    std::optional<std::string> ItemText(int id) const;
    void SetCaption(std::string_view text);

    // Check boxes and radio buttons: 1 checked, 0 not. Checking a radio
    // clears the other radios of its group.
    void SetCheck(int id, int checked);
    int IsChecked(int id) const;
    // The radio group that the radio button id belongs to.
    QButtonGroup* RadioGroup(int id) const;

    MenuBar* Menu() const { return m_menuBar; }
    void SetMenuCheck(int id, bool checked);
    bool IsMenuChecked(int id) const;

    // What a click on the button or a choice of the menu item id does.
    void RunCommand(int id);
    // Escape, the close box and every other way Qt closes a dialog come here: command 2.
    void reject() override;

    // Moves the bound fields: controls into fields, false when it stopped at a control.
    bool ReadBack();
    // Moves the bound fields into the controls.
    void Refresh();

protected:
    // Handler of the command id; for 1 and 2 it replaces OnOK and OnCancel.
    void OnCommand(int id, std::function<void()> handler);
    template <class Derived>
    void OnCommand(int id, void (Derived::*handler)())
    {
        OnCommand(id, [this, handler] { (static_cast<Derived*>(this)->*handler)(); });
    }

    // A control of the dialog's own that takes the place of template control id.
    void SetCustomControl(int id, QWidget& control);

    // After the controls are made, before the dialog is shown. The default
    // shows the bound fields. Return true to give the focus to the first
    // control in tab order, false when the dialog has set the focus itself.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(Exchange& exchange);
    // Command 1: read back and, when that went through, end with 1.
    virtual void OnOK();
    // Command 2: end with 2.
    virtual void OnCancel();
    // The client area has a new size (pixels).
    virtual void OnSize(int cx, int cy);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void Initialise();
    QWidget* PlaceControl(const res::Control& control);
    void ConnectCommand(int id, QWidget* widget);
    void EnterPressed();
    void FocusFirstControl();

    const res::DialogTemplate& m_template;
    std::unique_ptr<DialogUnits> m_units;
    QWidget* m_client = nullptr;
    MenuBar* m_menuBar = nullptr;
    std::vector<std::pair<int, QWidget*>> m_items;  // the numbered controls, in template order
    std::vector<QWidget*> m_tabOrder;               // the controls the Tab key visits
    std::map<int, QWidget*> m_customControls;
    std::map<int, std::function<void()>> m_commands;
    bool m_built = false;
};

}  // namespace platform
