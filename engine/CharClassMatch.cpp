// The character classes of the special keywords and the walk that tests a text.

#include "engine/CharClassMatch.h"

#include <array>

#include "platform/text/CharClass.h"
#include "platform/text/LeadByte.h"

namespace {

struct CodeRange {
    unsigned first;
    unsigned last;
    ClassMask classes;
};

constexpr std::array<CodeRange, 16> FullWidthRanges = {{
    {0x8140, 0x819E, ClassBit::Symbol1},
    {0x819F, 0x81FC, ClassBit::Symbol2},
    {0x824F, 0x829A, ClassBit::FullAlnum},
    {0x829F, 0x82F1, ClassBit::Hiragana},
    {0x8340, 0x8396, ClassBit::Katakana},
    {0x839F, 0x83FC, ClassBit::Greek},
    {0x8440, 0x849E, ClassBit::Cyrillic},
    {0x849F, 0x889E, ClassBit::Special},
    {0x889F, 0x989E, ClassBit::Kanji1},
    {0x989F, 0x9FFC, ClassBit::Kanji2},
    {0xE040, 0xEAFC, ClassBit::Kanji2},
    {0xF040, 0xF9FC, ClassBit::UserDefined},
    {0xEB40, 0xEFFC, ClassBit::Extended},
    {0xFA40, 0xFCFC, ClassBit::Extended},
    {0x8281, 0x829A, ClassBit::FullSmall},
    {0x8260, 0x8279, ClassBit::FullCapital},
}};

constexpr ClassMask ComputeHalfWidthClasses(unsigned char byte)
{
    ClassMask classes = 0;
    if (cp932::IsDigit(byte))
        classes |= ClassBit::HalfDigit;
    if (cp932::IsAlpha(byte))
        classes |= ClassBit::HalfAlpha;
    if (cp932::IsPunct(byte))
        classes |= ClassBit::HalfPunct;
    if (cp932::IsHalfWidthKana(byte))
        classes |= ClassBit::HalfKana;
    if (cp932::IsCntrl(byte))
        classes |= ClassBit::HalfControl;
    return classes;
}

constexpr std::array<ClassMask, 256> MakeHalfWidthTable()
{
    std::array<ClassMask, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        table[byte] = ComputeHalfWidthClasses(static_cast<unsigned char>(byte));
    return table;
}

constexpr std::array<ClassMask, 256> HalfWidthTable = MakeHalfWidthTable();

}  // namespace

ClassMask HalfWidthClasses(unsigned char byte)
{
    return HalfWidthTable[byte];
}

ClassMask FullWidthClasses(unsigned code)
{
    ClassMask classes = 0;
    for (const CodeRange& range : FullWidthRanges) {
        if (code >= range.first && code <= range.last)
            classes |= range.classes;
    }
    return classes;
}

bool MatchCharClass(ClassMask mask, std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (cp932::IsLeadByte(byte)) {
            const unsigned second = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
            if (FullWidthClasses(byte * 256u + second) & mask)
                return true;
            pos += 2;
        } else {
            if (HalfWidthTable[byte] & mask)
                return true;
            ++pos;
        }
    }
    return false;
}
