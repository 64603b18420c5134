#include "platform/window/Cp932Validator.h"

#include "platform/text/Convert.h"

namespace platform {

Cp932Validator::Cp932Validator(int byteLimit, QObject* parent) : QValidator(parent), m_byteLimit(byteLimit) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const
{
    QString convertible = input;
    const qsizetype replaced = convertible.count(QChar::ReplacementCharacter);
    convertible.remove(QChar::ReplacementCharacter);
    const std::optional<std::string> bytes = cp932::FromUtf16(convertible.toStdU16String());
    if (!bytes)
        return Invalid;
    if (m_byteLimit > 0 && static_cast<qsizetype>(bytes->size()) + replaced > m_byteLimit)
        return Invalid;
    return Acceptable;
}

}  // namespace platform
