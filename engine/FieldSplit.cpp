// One walk over a record serves both the splitter and the counter, so the two
// can never disagree about where a field ends.

#include "engine/FieldSplit.h"

#include "platform/text/LeadByte.h"

namespace {

bool IsPlain(char byte, char delimiter, bool quoted)
{
    return !cp932::IsLeadByte(static_cast<unsigned char>(byte)) && byte != '"' && (quoted || byte != delimiter);
}

// Walks record, handing each run of field bytes to sink.Append and each field
// end to sink.EndField. Returns the number of fields.
template <typename Sink>
int WalkFields(std::string_view record, char delimiter, Sink& sink)
{
    if (record.empty())
        return 0;
    int fields = 1;
    bool quoted = false;
    const std::size_t size = record.size();
    std::size_t pos = 0;
    while (pos < size) {
        const char byte = record[pos];
        if (cp932::IsLeadByte(static_cast<unsigned char>(byte))) {
            const std::size_t length = cp932::CharLength(record, pos);
            sink.Append(record.substr(pos, length));
            pos += length;
        } else if (byte == '"' && pos + 1 < size && record[pos + 1] == '"') {
            // A doubled quote stands for one quote, unless nothing or a
            // delimiter follows it.
            if (pos + 2 < size && record[pos + 2] != delimiter)
                sink.Append(record.substr(pos, 1));
            pos += 2;
        } else if (byte == '"') {
            sink.Append(record.substr(pos, 1));
            quoted = !quoted;
            ++pos;
        } else if (byte == delimiter && !quoted) {
            sink.EndField();
            ++fields;
            ++pos;
        } else {
            // A run of bytes that none of the rules above can stop at goes in one piece.
            std::size_t end = pos + 1;
            while (end < size && IsPlain(record[end], delimiter, quoted))
                ++end;
            sink.Append(record.substr(pos, end - pos));
            pos = end;
        }
    }
    sink.EndField();
    return fields;
}

class FieldListSink {
public:
    FieldListSink(std::vector<std::string>& list, int fieldCount) : m_list(list)
    {
        m_list.resize(fieldCount > 0 ? static_cast<std::size_t>(fieldCount) : 0);
        for (std::string& field : m_list)
            field.clear();
    }

    void Append(std::string_view bytes)
    {
        if (m_field < m_list.size())
            m_list[m_field].append(bytes);
    }

    void EndField() { ++m_field; }

private:
    std::vector<std::string>& m_list;
    std::size_t m_field = 0;  // index of the field being filled
};

struct CountingSink {
    void Append(std::string_view) {}
    void EndField() {}
};

}  // namespace

int SplitFields(std::string_view record, std::vector<std::string>& list, int fieldCount, char delimiter)
{
    FieldListSink sink(list, fieldCount);
    return WalkFields(record, delimiter, sink);
}

int CountFields(std::string_view record, char delimiter)
{
    CountingSink sink;
    return WalkFields(record, delimiter, sink);
}
