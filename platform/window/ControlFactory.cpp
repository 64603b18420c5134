#include "platform/window/ControlFactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>

#include "platform/window/Cp932Validator.h"
#include "platform/window/PathLabel.h"
#include "platform/window/Pictures.h"

namespace platform {
namespace {

bool Has(const res::Control& control, res::Style style)
{
    return (control.style & style) != 0;
}

QString Text(const res::Control& control)
{
    return QString::fromUtf8(control.text);
}

// Lets typed digits only, within the byte limit (digits are one byte each).
class DigitsValidator : public QRegularExpressionValidator {
public:
    DigitsValidator(int byteLimit, QObject* parent)
        : QRegularExpressionValidator(QRegularExpression(byteLimit > 0 ? QStringLiteral("[0-9]{0,%1}").arg(byteLimit)
                                                                        : QStringLiteral("[0-9]*")),
                                      parent)
    {
    }
};

QWidget* CreateButton(const res::Control& control, QWidget* parent)
{
    auto* button = new QPushButton(Text(control), parent);
    // The dialog decides what Enter does; a button only reacts to it when it has the focus.
    button->setAutoDefault(false);
    button->setDefault(control.kind == res::Kind::DefPushButton);
    return button;
}

QWidget* CreateEdit(const res::Control& control, QWidget* parent)
{
    if (Has(control, res::MultiLine)) {
        auto* edit = new QPlainTextEdit(Text(control), parent);
        edit->setReadOnly(Has(control, res::ReadOnly));
        edit->setVerticalScrollBarPolicy(Has(control, res::VScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(Has(control, res::HScroll) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        edit->setTabChangesFocus(true);
        return edit;
    }
    auto* edit = new QLineEdit(Text(control), parent);
    ApplyEditStyle(control, *edit);
    return edit;
}

QWidget* CreateLabel(const res::Control& control, QWidget* parent)
{
    QLabel* label = Has(control, res::PathEllipsis) ? new PathLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(Text(control));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(!Has(control, res::PathEllipsis));
    if (Has(control, res::Sunken))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* CreateGroupBox(const res::Control& control, QWidget* parent)
{
    auto* box = new QGroupBox(Text(control), parent);
    // A frame drawn behind the controls it surrounds; clicks go through to them.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

QWidget* CreateRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setAttribute(Qt::WA_TransparentForMouseEvents);
    return rule;
}

QWidget* CreateIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return icon;
}

QWidget* CreateListView(const res::Control& control, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(Has(control, res::MultiSelect) ? QAbstractItemView::ExtendedSelection
                                                          : QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

Qt::ScrollBarPolicy ScrollPolicy(const res::Control& control, res::Style bar)
{
    return Has(control, bar) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

QWidget* CreateListBox(const res::Control& control, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(Has(control, res::MultiSelect) ? QAbstractItemView::ExtendedSelection
                                                          : QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(ScrollPolicy(control, res::VScroll));
    list->setHorizontalScrollBarPolicy(ScrollPolicy(control, res::HScroll));
    list->setUniformItemSizes(true);
    return list;
}

QWidget* CreateProgressBar(QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

QWidget* CreatePlaceholder(const res::Control& control, QWidget* parent)
{
    auto* placeholder = new QWidget(parent);
    if (Has(control, res::TabStop))
        placeholder->setFocusPolicy(Qt::StrongFocus);
    return placeholder;
}

}  // namespace

void ApplyEditStyle(const res::Control& control, QLineEdit& edit)
{
    edit.setReadOnly(Has(control, res::ReadOnly));
    if (Has(control, res::RightAlign))
        edit.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (Has(control, res::Digits))
        edit.setValidator(new DigitsValidator(control.byteLimit, &edit));
    else
        edit.setValidator(new Cp932Validator(control.byteLimit, &edit));
    if (Has(control, res::AcceptFiles))
        edit.setAcceptDrops(true);
}

QWidget* CreateControl(const res::Control& control, QWidget* parent)
{
    switch (control.kind) {
    case res::Kind::PushButton:
    case res::Kind::DefPushButton:
        return CreateButton(control, parent);
    case res::Kind::CheckBox:
        return new QCheckBox(Text(control), parent);
    case res::Kind::Radio: {
        auto* radio = new QRadioButton(Text(control), parent);
        radio->setAutoExclusive(false);  // the dialog's radio groups take care of it
        return radio;
    }
    case res::Kind::Edit:
        return CreateEdit(control, parent);
    case res::Kind::Label:
        return CreateLabel(control, parent);
    case res::Kind::GroupBox:
        return CreateGroupBox(control, parent);
    case res::Kind::Rule:
        return CreateRule(parent);
    case res::Kind::Icon:
        return CreateIcon(parent);
    case res::Kind::ListView:
        return CreateListView(control, parent);
    case res::Kind::ListBox:
        return CreateListBox(control, parent);
    case res::Kind::ProgressBar:
        return CreateProgressBar(parent);
    case res::Kind::Custom:
        return CreatePlaceholder(control, parent);
    }
    return new QWidget(parent);
}

}  // namespace platform
