#include "platform/text/Convert.h"

#include <cerrno>
#include <iconv.h>

#include "platform/text/LeadByte.h"

namespace cp932 {
namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    enum class Stop { Done, Invalid };

    // Converts as much of in as possible onto out; on an invalid or
    // unconvertible character, in is left at that character.
    Stop Convert(std::string_view& in, std::string& out)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return Stop::Invalid;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return Stop::Invalid;
        }
        return Stop::Done;
    }

private:
    iconv_t m_cd;
};

enum class Unicode { Utf8, Utf16 };

Converter& Decoder(Unicode to)
{
    thread_local Converter utf8("UTF-8", "CP932");
    thread_local Converter utf16("UTF-16LE", "CP932");
    return to == Unicode::Utf8 ? utf8 : utf16;
}

Converter& Encoder(Unicode from)
{
    thread_local Converter utf8("CP932", "UTF-8");
    thread_local Converter utf16("CP932", "UTF-16LE");
    return from == Unicode::Utf8 ? utf8 : utf16;
}

// Decodes text, replacing each character that does not convert with the
// given replacement; returns false when there was one and no replacement.
bool Decode(std::string_view text, Unicode to, std::string_view replacement, std::string& out)
{
    Converter& converter = Decoder(to);
    while (converter.Convert(text, out) == Converter::Stop::Invalid) {
        if (replacement.empty())
            return false;
        out.append(replacement);
        text.remove_prefix(CharLength(text, 0));
    }
    return true;
}

// iconv's CP932 encoder also takes characters that the code page does not
// have and writes the code of a look-alike (U+00A5 as 0x5C, U+301C as 0x8160,
// U+2212 as 0x817C), which decodes to a different character. Only an encoding
// that decodes back to the input is exact.
std::optional<std::string> Encode(std::string_view text, Unicode from)
{
    std::string out;
    std::string_view rest = text;
    if (Encoder(from).Convert(rest, out) != Converter::Stop::Done)
        return std::nullopt;
    std::string back;
    if (!Decode(out, from, {}, back) || back != text)
        return std::nullopt;
    return out;
}

}  // namespace

std::string ToUtf8Lossy(std::string_view text)
{
    std::string out;
    Decode(text, Unicode::Utf8, "\xEF\xBF\xBD", out);
    return out;
}

std::u16string ToUtf16Lossy(std::string_view text)
{
    std::string bytes;
    Decode(text, Unicode::Utf16, std::string_view("\xFD\xFF", 2), bytes);
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return out;
}

std::optional<std::string> ToUtf8(std::string_view text)
{
    std::string out;
    if (!Decode(text, Unicode::Utf8, {}, out))
        return std::nullopt;
    return out;
}

std::optional<std::string> FromUtf8(std::string_view utf8)
{
    return Encode(utf8, Unicode::Utf8);
}

std::optional<std::string> FromUtf16(std::u16string_view utf16)
{
    std::string bytes;
    bytes.reserve(utf16.size() * 2);
    for (char16_t unit : utf16) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return Encode(bytes, Unicode::Utf16);
}

}  // namespace cp932
