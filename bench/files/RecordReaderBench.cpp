// Reading speed of RecordReader on a generated code page 932 CSV of about
// 100 MB, shaped like a postal-code list: quoted fields of digits, half-width
// katakana and kanji (trail bytes 0x5C and 0x7C included), CR LF line ends.
// The file is written into a temporary folder at start and removed at exit.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "platform/files/RecordReader.h"
#include "platform/files/TextWriter.h"

namespace {

constexpr std::uint64_t TargetSize = 100ull * 1000 * 1000;

void AppendKana(std::string& line, std::mt19937& random, int count)
{
    for (int i = 0; i < count; ++i)
        line += static_cast<char>(0xA6 + random() % (0xDF - 0xA6 + 1));
}

// Kanji of the first level and the start of the second: lead bytes 0x89-0x9F,
// trail bytes 0x40-0x7E and 0x80-0xFC.
void AppendKanji(std::string& line, std::mt19937& random, int count)
{
    for (int i = 0; i < count; ++i) {
        unsigned trail = 0x40 + random() % (0xFC - 0x40);
        if (trail >= 0x7F)
            ++trail;
        line += static_cast<char>(0x89 + random() % (0x9F - 0x89 + 1));
        line += static_cast<char>(trail);
    }
}

void AppendQuoted(std::string& line, void (*append)(std::string&, std::mt19937&, int),
                  std::mt19937& random, int count)
{
    line += "\",\"";
    append(line, random, count);
}

std::string MakeLine(std::mt19937& random, unsigned number)
{
    std::string line = std::to_string(10000 + number % 90000) + ",\"" +
                       std::to_string(100 + number % 900) + "  \",\"" +
                       std::to_string(1000000 + number % 9000000);
    AppendQuoted(line, AppendKana, random, 4 + random() % 8);
    AppendQuoted(line, AppendKana, random, 6 + random() % 12);
    AppendQuoted(line, AppendKana, random, 8 + random() % 20);
    AppendQuoted(line, AppendKanji, random, 3 + random() % 2);
    AppendQuoted(line, AppendKanji, random, 3 + random() % 6);
    AppendQuoted(line, AppendKanji, random, 4 + random() % 14);
    line += "\",0,0,1,0,0,0\n";
    return line;
}

class GeneratedCsv {
public:
    GeneratedCsv()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodestrel-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            return;
        m_dir = pattern;
        std::string path = (m_dir / "postal.csv").string();
        platform::TextWriter writer;
        if (writer.Create(path))
            return;
        std::mt19937 random(932);
        std::uint64_t written = 0;
        for (unsigned number = 0; written < TargetSize; ++number) {
            std::string line = MakeLine(random, number);
            if (writer.Write(line))
                return;
            written += line.size() + 1;
        }
        if (!writer.Close())
            m_path = path;
    }
    ~GeneratedCsv()
    {
        std::error_code ignored;
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir, ignored);
    }

    // Empty when the file could not be made.
    const std::string& Path() const { return m_path; }

private:
    std::filesystem::path m_dir;
    std::string m_path;
};

const GeneratedCsv& Csv()
{
    static GeneratedCsv csv;
    return csv;
}

template <typename Record>
void ReadAllRecords(benchmark::State& state)
{
    const std::string& path = Csv().Path();
    if (path.empty()) {
        state.SkipWithError("the CSV could not be generated");
        return;
    }
    platform::RecordReader reader;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        if (reader.Open(path)) {
            state.SkipWithError("the CSV could not be opened");
            return;
        }
        Record record;
        std::int64_t records = 0;
        while (reader.Next(record))
            ++records;
        benchmark::DoNotOptimize(records);
        bytes += reader.Size();
        state.counters["records"] = static_cast<double>(records);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void ReadRecordViews(benchmark::State& state)
{
    ReadAllRecords<std::string_view>(state);
}

void ReadRecordCopies(benchmark::State& state)
{
    ReadAllRecords<std::string>(state);
}

BENCHMARK(ReadRecordViews)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadRecordCopies)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
