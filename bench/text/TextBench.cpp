// Throughput of the code page 932 services on the matching hot path: substring
// search, byte search and upper-casing, over generated records that look like
// Japanese CSV data (kanji whose second bytes fall in the lead range, kana,
// digits, 0x5C and 0x7C as second bytes).

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text/CaseFold.h"
#include "platform/text/Search.h"

namespace {

std::string MakeRecord(std::mt19937& random, std::size_t length)
{
    static const char* const pieces[] = {
        "\x93\x8C\x8B\x9E",  // 東京
        "\x91\xE5\x8D\xE3",  // 大阪
        "\x95\x5C",          // 表 (second byte 0x5C)
        "\x83\x7C",          // ポ (second byte 0x7C)
        "\x88\x9F\x88\xE4",  // 亜 and a kanji with a lead-range second byte
        "\x82\xA0\x82\xA2\x82\xA4",  // あいう
        "\xB1\xB2\xB3",      // ｱｲｳ
        "\x82\x81\x82\x82",  // ａｂ
        "12345", ",", "\"", "abc", " ",
    };
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::string record;
    while (record.size() < length)
        record += pieces[pick(random)];
    return record;
}

// About 1.2 MB of records of the given length.
std::vector<std::string> MakeRecords(std::size_t length)
{
    std::mt19937 random(932);
    std::vector<std::string> out(1200000 / length);
    for (std::string& r : out)
        r = MakeRecord(random, length);
    return out;
}

// Searches stop at the first hit, so the counter is records, not bytes.
void Run(benchmark::State& state, const std::string& pattern)
{
    const std::vector<std::string> records = MakeRecords(state.range(0));
    for (auto _ : state) {
        for (const std::string& r : records)
            benchmark::DoNotOptimize(cp932::Find(r, pattern));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records.size()));
}

void FindAbsentKanji(benchmark::State& state) { Run(state, "\x96\xBC\x8C\xC3"); }    // 名古
void FindFrequentKanji(benchmark::State& state) { Run(state, "\x91\xE5\x8D\xE3"); }  // 大阪
void FindAbsentHiragana(benchmark::State& state) { Run(state, "\x82\xA0\x82\xA6"); }  // あえ: frequent first byte
void FindBackslash(benchmark::State& state) { Run(state, "\\"); }  // only as second bytes: all rejected
void FindAbsentAsciiWord(benchmark::State& state) { Run(state, "xyz"); }

// '|' occurs only as the second byte of ポ, so every candidate is rejected.
void FindByteBar(benchmark::State& state)
{
    const std::vector<std::string> records = MakeRecords(state.range(0));
    for (auto _ : state) {
        for (const std::string& r : records)
            benchmark::DoNotOptimize(cp932::FindByte(r, '|'));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records.size()));
}

void UpperInPlace(benchmark::State& state)
{
    const std::vector<std::string> records = MakeRecords(state.range(0));
    std::string copy;
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& r : records) {
            copy.assign(r);
            cp932::UpperInPlace(copy);
            benchmark::DoNotOptimize(copy.data());
            bytes += r.size();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

}  // namespace

BENCHMARK(FindAbsentKanji)->Arg(120)->Arg(16000);
BENCHMARK(FindFrequentKanji)->Arg(120)->Arg(16000);
BENCHMARK(FindAbsentHiragana)->Arg(120)->Arg(16000);
BENCHMARK(FindBackslash)->Arg(120)->Arg(16000);
BENCHMARK(FindAbsentAsciiWord)->Arg(120)->Arg(16000);
BENCHMARK(FindByteBar)->Arg(120)->Arg(16000);
BENCHMARK(UpperInPlace)->Arg(120)->Arg(16000);
