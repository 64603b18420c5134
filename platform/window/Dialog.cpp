#include "platform/window/Dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "platform/window/ControlFactory.h"
#include "platform/window/ControlText.h"
#include "platform/window/DialogUnits.h"
#include "platform/window/Exchange.h"
#include "platform/window/Fonts.h"
#include "platform/window/MenuBar.h"
#include "resources/Resources.h"

namespace platform {
namespace {

const res::DialogTemplate& FindTemplate(int templateId)
{
    const res::DialogTemplate* found = res::FindDialog(templateId);
    if (!found)
        qFatal("no dialog template %d", templateId);
    return *found;
}

Qt::WindowFlags WindowFlags(res::WindowStyle style)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (style & res::Caption)
        flags |= Qt::WindowTitleHint;
    if (style & res::SysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & res::MinBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & res::MaxBox)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

Dialog::Dialog(int templateId, QWidget* owner)
    : QDialog(owner), m_template(FindTemplate(templateId))
{
    setWindowFlags(WindowFlags(m_template.style));
    setWindowTitle(QString::fromUtf8(m_template.caption));
    setFont(DialogFont(m_template.fontFace, m_template.fontPoints));
    m_units = std::make_unique<DialogUnits>(DialogUnits::ForFont(font()));
}

Dialog::~Dialog() = default;

const DialogUnits& Dialog::Units() const
{
    return *m_units;
}

int Dialog::DoModal()
{
    Initialise();
    return exec();
}

void Dialog::Create()
{
    Initialise();
    show();
}

void Dialog::EndDialog(int result)
{
    done(result);
}

void Dialog::Initialise()
{
    if (!m_built)
        Build();
    if (OnInitDialog())
        FocusFirstControl();
}

void Dialog::Build()
{
    m_built = true;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (const res::Menu* menu = res::FindMenu(m_template.menuId)) {
        m_menuBar = new MenuBar(*menu, [this](int id) { RunCommand(id); }, this);
        layout->setMenuBar(m_menuBar);
    }
    m_client = new QWidget(this);
    layout->addWidget(m_client);
    const QSize client = m_units->ToPixels(m_template.cx, m_template.cy);
    if (m_template.style & res::Sizable) {
        const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
        resize(client.width(), client.height() + menuHeight);
    } else {
        m_client->setFixedSize(client);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    m_client->installEventFilter(this);

    QButtonGroup* radios = nullptr;  // the radio group being filled
    for (const res::Control& control : m_template.controls) {
        if (control.style & res::Group)
            radios = nullptr;
        QWidget* widget = PlaceControl(control);
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (!radios)
                radios = new QButtonGroup(this);
            radios->addButton(radio, static_cast<int>(radios->buttons().size()));
        }
        if (control.kind == res::Kind::GroupBox)
            widget->lower();
        // Qt leaves Tab only to the checked radio of a group, so radios count whatever their policy now.
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (!m_tabOrder.empty())
                setTabOrder(m_tabOrder.back(), widget);
            m_tabOrder.push_back(widget);
        }
        if (control.id != res::kNoId) {
            m_items.emplace_back(control.id, widget);
            ConnectCommand(control.id, widget);
        }
    }
}

QWidget* Dialog::PlaceControl(const res::Control& control)
{
    QWidget* widget = nullptr;
    if (const auto custom = m_customControls.find(control.id); custom != m_customControls.end()) {
        widget = custom->second;
        widget->setParent(m_client);
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && control.kind == res::Kind::Edit)
            ApplyEditStyle(control, *edit);
        widget->show();
    } else {
        widget = CreateControl(control, m_client);
    }
    widget->setGeometry(m_units->ToPixels(control.x, control.y, control.cx, control.cy));
    if (control.id != res::kNoId)
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    return widget;
}

void Dialog::ConnectCommand(int id, QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
}

void Dialog::FocusFirstControl()
{
    for (QWidget* widget : m_tabOrder) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QWidget* Dialog::Item(int id) const
{
    for (const auto& [itemId, widget] : m_items)
        if (itemId == id)
            return widget;
    return nullptr;
}

std::vector<int> Dialog::ItemIds() const
{
    std::vector<int> ids;
    for (const auto& item : m_items)
        ids.push_back(item.first);
    return ids;
}

void Dialog::EnableItems(std::initializer_list<int> ids)
{
    for (int id : ids)
        SetItemEnabled(id, true);
}

void Dialog::DisableItems(std::initializer_list<int> ids)
{
    for (int id : ids)
        SetItemEnabled(id, false);
}

void Dialog::SetItemEnabled(int id, bool enabled)
{
    if (QWidget* widget = Item(id))
        widget->setEnabled(enabled);
}

bool Dialog::IsItemEnabled(int id) const
{
    const QWidget* widget = Item(id);
    return widget && widget->isEnabled();
}

void Dialog::SetItemText(int id, std::string_view text)
{
    if (QWidget* widget = Item(id))
        SetControlText(*widget, text);
}

std::optional<std::string> Dialog::ItemText(int id) const
{
    const QWidget* widget = Item(id);
    return widget ? ControlText(*widget) : std::optional<std::string>(std::string());
}

void Dialog::SetCaption(std::string_view text)
{
    SetControlText(*this, text);
}

void Dialog::SetCheck(int id, int checked)
{
    auto* button = ItemAs<QAbstractButton>(id);
    if (!button)
        return;
    // Checking a radio clears the others of its group; an exclusive group
    // would refuse to leave every radio unchecked, so unchecking goes around it.
    QButtonGroup* group = checked ? nullptr : button->group();
    if (group)
        group->setExclusive(false);
    button->setChecked(checked != 0);
    if (group)
        group->setExclusive(true);
}

int Dialog::IsChecked(int id) const
{
    const auto* button = ItemAs<QAbstractButton>(id);
    return button && button->isChecked() ? 1 : 0;
}

QButtonGroup* Dialog::RadioGroup(int id) const
{
    const auto* button = ItemAs<QAbstractButton>(id);
    return button ? button->group() : nullptr;
}

void Dialog::SetMenuCheck(int id, bool checked)
{
    if (m_menuBar)
        m_menuBar->SetChecked(id, checked);
}

bool Dialog::IsMenuChecked(int id) const
{
    return m_menuBar && m_menuBar->IsChecked(id);
}

void Dialog::RunCommand(int id)
{
    if (const auto handler = m_commands.find(id); handler != m_commands.end())
        handler->second();
    else if (id == 1)
        OnOK();
    else if (id == 2)
        OnCancel();
}

void Dialog::reject()
{
    RunCommand(2);
}

bool Dialog::ReadBack()
{
    Exchange exchange(*this, Exchange::Direction::ReadBack);
    DoDataExchange(exchange);
    return !exchange.Stopped();
}

void Dialog::Refresh()
{
    Exchange exchange(*this, Exchange::Direction::Refresh);
    DoDataExchange(exchange);
}

void Dialog::OnCommand(int id, std::function<void()> handler)
{
    m_commands[id] = std::move(handler);
}

void Dialog::SetCustomControl(int id, QWidget& control)
{
    m_customControls[id] = &control;
}

bool Dialog::OnInitDialog()
{
    Refresh();
    return true;
}

void Dialog::DoDataExchange(Exchange&) {}

void Dialog::OnOK()
{
    if (ReadBack())
        EndDialog(1);
}

void Dialog::OnCancel()
{
    EndDialog(2);
}

void Dialog::OnSize(int, int) {}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        EnterPressed();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::EnterPressed()
{
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    if (const QWidget* ok = Item(1); ok && !ok->isEnabled())
        return;
    RunCommand(1);
}

bool Dialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        OnSize(size.width(), size.height());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace platform
