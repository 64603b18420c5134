// Matching throughput: 1 to 1000 contains-mode conditions over generated code
// page 932 records, with letter case kept and ignored; and 10 to 1000 six-digit
// numbers over records full of numbers (postal codes, telephone numbers,
// amounts), where every pattern shares its byte pairs with all the others.
// Reports bytes of records tested per second.
//
//   build/bench/bench/matching/matching --benchmark_filter=MatchAny

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/CompiledConditions.h"

namespace {

constexpr std::size_t TextBytes = 16u << 20;

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A level-1 kanji (lead 0x89-0x97, second byte 0x40-0x7E or 0x80-0xFC).
    void Kanji(std::string& out)
    {
        out.push_back(static_cast<char>(Between(0x89, 0x97)));
        int second = Between(0x40, 0xFB);
        out.push_back(static_cast<char>(second >= 0x7F ? second + 1 : second));
    }
    // A full-width katakana, 0x8340-0x8396 without 0x837F.
    void Katakana(std::string& out)
    {
        out.push_back('\x83');
        int second = Between(0x40, 0x95);
        out.push_back(static_cast<char>(second >= 0x7F ? second + 1 : second));
    }
    void HalfKana(std::string& out) { out.push_back(static_cast<char>(Between(0xA6, 0xDD))); }
    void Letter(std::string& out) { out.push_back(static_cast<char>(Between(0, 1) ? Between('a', 'z') : Between('A', 'Z'))); }
    void Digit(std::string& out) { out.push_back(static_cast<char>(Between('0', '9'))); }

    // A CSV-like record: number, kanji name, katakana reading, half-width
    // kana, an ASCII word, a quoted address.
    std::string Record()
    {
        std::string r;
        Repeat(r, 7, &Generator::Digit);
        r += ',';
        Repeat(r, Between(2, 5), &Generator::Kanji);
        r += ',';
        Repeat(r, Between(3, 8), &Generator::Katakana);
        r += ',';
        Repeat(r, Between(3, 8), &Generator::HalfKana);
        r += ',';
        Repeat(r, Between(4, 12), &Generator::Letter);
        r += ",\"";
        Repeat(r, Between(6, 14), &Generator::Kanji);
        Repeat(r, Between(1, 3), &Generator::Digit);
        r += '"';
        return r;
    }

    // A record of numbers: customer number, kanji name, postal code, telephone
    // number, amount, date.
    std::string NumberRecord()
    {
        std::string r;
        Repeat(r, 8, &Generator::Digit);
        r += ',';
        Repeat(r, Between(2, 5), &Generator::Kanji);
        r += ',';
        Repeat(r, 3, &Generator::Digit);
        r += '-';
        Repeat(r, 4, &Generator::Digit);
        r += ",0";
        Repeat(r, 2, &Generator::Digit);
        r += '-';
        Repeat(r, 4, &Generator::Digit);
        r += '-';
        Repeat(r, 4, &Generator::Digit);
        r += ',';
        Repeat(r, Between(3, 7), &Generator::Digit);
        r += ",20";
        Repeat(r, 6, &Generator::Digit);
        return r;
    }

    // A contains-mode pattern: two characters of the kinds the records hold.
    std::string Pattern()
    {
        std::string p;
        switch (Between(0, 3)) {
        case 0:
            Repeat(p, 2, &Generator::Kanji);
            break;
        case 1:
            Repeat(p, 2, &Generator::Katakana);
            break;
        case 2:
            Repeat(p, 3, &Generator::Letter);
            break;
        default:
            Kanji(p);
            Digit(p);
            break;
        }
        return p;
    }

    std::string DigitPattern()
    {
        std::string p;
        Repeat(p, 6, &Generator::Digit);
        return p;
    }

private:
    void Repeat(std::string& out, int count, void (Generator::*add)(std::string&))
    {
        for (int i = 0; i < count; ++i)
            (this->*add)(out);
    }

    std::mt19937 m_random;
};

std::vector<std::string> MakeRecords(std::string (Generator::*record)())
{
    Generator generator(1);
    std::vector<std::string> all;
    std::size_t bytes = 0;
    while (bytes < TextBytes) {
        all.push_back((generator.*record)());
        bytes += all.back().size() + 2;  // with its line end
    }
    return all;
}

SearchList Conditions(int count, std::string (Generator::*pattern)())
{
    Generator generator(2);
    SearchList list;
    for (int i = 0; i < count; ++i) {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = (generator.*pattern)();
        list.Append(std::move(condition));
    }
    return list;
}

void Run(benchmark::State& state, const std::vector<std::string>& records, const SearchList& list)
{
    JobSettings job;
    job.UppChk = static_cast<int>(state.range(1));
    const CompiledConditions compiled(list, job);
    CompiledConditions::Scratch scratch;
    std::int64_t bytes = 0;
    std::int64_t hits = 0;
    int skipped = 0;
    for (auto _ : state) {
        for (const std::string& record : records) {
            hits += compiled.MatchAny(record, skipped, scratch);
            bytes += static_cast<std::int64_t>(record.size());
        }
    }
    state.SetBytesProcessed(bytes);
    state.counters["hit_ratio"] = static_cast<double>(hits) / (static_cast<double>(records.size()) * state.iterations());
}

void MatchAny(benchmark::State& state)
{
    static const auto records = MakeRecords(&Generator::Record);
    Run(state, records, Conditions(static_cast<int>(state.range(0)), &Generator::Pattern));
}

void MatchAnyDigits(benchmark::State& state)
{
    static const auto records = MakeRecords(&Generator::NumberRecord);
    Run(state, records, Conditions(static_cast<int>(state.range(0)), &Generator::DigitPattern));
}

}  // namespace

// Arguments: the number of conditions, and UppChk (1 = case kept, 0 = ignored).
BENCHMARK(MatchAny)
    ->ArgNames({"conditions", "UppChk"})
    ->ArgsProduct({{1, 10, 100, 1000}, {1, 0}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MatchAnyDigits)
    ->ArgNames({"conditions", "UppChk"})
    ->ArgsProduct({{10, 100, 1000}, {1}})
    ->Unit(benchmark::kMillisecond);
