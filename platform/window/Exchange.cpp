#include "platform/window/Exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <charconv>

#include "platform/prompt/Prompter.h"
#include "platform/text/Convert.h"
#include "platform/window/Cp932Validator.h"
#include "platform/window/Dialog.h"
#include "platform/window/WindowPrompter.h"

namespace platform {
namespace {

std::string Message(const char* utf8)
{
    return cp932::FromUtf8(utf8).value_or(std::string());
}

// A whole decimal integer, blanks allowed around it; nullopt otherwise.
std::optional<std::int32_t> ParseInt(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace

Exchange::Exchange(Dialog& dialog, Direction direction) : m_dialog(dialog), m_direction(direction) {}

void Exchange::Stop(int id, const std::string& message)
{
    m_stopped = true;
    CurrentPrompter().Tell(message, MessageIcon::Stop);
    if (QWidget* control = m_dialog.Item(id)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
}

Exchange& Exchange::Text(int id, std::string& field, int byteLimit)
{
    if (Skipping())
        return *this;
    if (m_direction == Direction::Refresh) {
        if (auto* edit = m_dialog.ItemAs<QLineEdit>(id); edit && byteLimit > 0) {
            // The edit owns its validator; QLineEdit only hands it out as const.
            if (auto* validator = const_cast<Cp932Validator*>(dynamic_cast<const Cp932Validator*>(edit->validator())))
                validator->SetByteLimit(byteLimit);
        }
        m_dialog.SetItemText(id, field);
        return *this;
    }
    const std::optional<std::string> text = m_dialog.ItemText(id);
    if (!text) {
        Stop(id, Message("シフトJISで表せない文字が含まれています。"));
        return *this;
    }
    if (byteLimit > 0 && static_cast<int>(text->size()) > byteLimit) {
        Stop(id, Message(QStringLiteral("%1バイト以内で入力してください。").arg(byteLimit).toUtf8().constData()));
        return *this;
    }
    field = *text;
    return *this;
}

Exchange& Exchange::Int(int id, std::int32_t& field)
{
    if (Skipping())
        return *this;
    if (m_direction == Direction::Refresh) {
        m_dialog.SetItemText(id, std::to_string(field));
        return *this;
    }
    const std::optional<std::int32_t> value = ParseInt(m_dialog.ItemText(id).value_or(std::string()));
    if (!value) {
        Stop(id, Message("整数を入力してください。"));
        return *this;
    }
    field = *value;
    return *this;
}

Exchange& Exchange::Radio(int firstId, std::int32_t& field)
{
    if (Skipping())
        return *this;
    QButtonGroup* group = m_dialog.RadioGroup(firstId);
    if (!group)
        return *this;
    if (m_direction == Direction::ReadBack) {
        field = group->checkedId();
        return *this;
    }
    group->setExclusive(false);
    for (QAbstractButton* radio : group->buttons())
        radio->setChecked(group->id(radio) == field);
    group->setExclusive(true);
    return *this;
}

Exchange& Exchange::Check(int id, std::int32_t& field)
{
    if (Skipping())
        return *this;
    if (m_direction == Direction::Refresh)
        m_dialog.SetCheck(id, field);
    else
        field = m_dialog.IsChecked(id);
    return *this;
}

}  // namespace platform
