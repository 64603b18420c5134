#pragma once
// Tests write Japanese text in UTF-8 and turn it into code page 932 bytes here.

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/text/Convert.h"

inline std::string Sjis(std::string_view utf8)
{
    auto bytes = cp932::FromUtf8(utf8);
    if (!bytes)
        throw std::invalid_argument("no code page 932 form: " + std::string(utf8));
    return *bytes;
}
