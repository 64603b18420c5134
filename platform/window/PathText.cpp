#include "platform/window/PathText.h"

#include "platform/text/Convert.h"

namespace platform {

QString PathToQt(std::string_view cp932)
{
    return QString::fromStdU16String(cp932::ToUtf16Lossy(cp932));
}

std::optional<std::string> PathFromQt(const QString& path)
{
    return cp932::FromUtf16(path.toStdU16String());
}

std::string UnrepresentablePathMessage(const QString& path)
{
    // Characters without a code page 932 form become '?' in the message only.
    QString shown = path;
    for (QChar& c : shown)
        if (!cp932::FromUtf16(std::u16string(1, c.unicode())))
            c = u'?';
    const QString message = QStringLiteral("<%1>には、シフトJISで表せない文字が含まれているため使用できません。").arg(shown);
    return cp932::FromUtf16(message.toStdU16String()).value_or(std::string());
}

}  // namespace platform
