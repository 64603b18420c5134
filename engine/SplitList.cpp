// Comma splitting of exclusion lists.

#include "engine/SplitList.h"

#include "platform/text/Search.h"

bool SplitList(std::string_view text, std::vector<std::string>& list)
{
    list.clear();
    if (text.empty())
        return false;
    while (true) {
        const std::size_t comma = cp932::FindByte(text, ',');
        if (comma == std::string_view::npos) {
            list.emplace_back(text);
            return true;
        }
        list.emplace_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
}
