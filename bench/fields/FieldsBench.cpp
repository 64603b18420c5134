// Field splitting and counting throughput over generated code page 932 CSV
// records, split into a reused list as the record scan does it.
//
//   build/bench/bench/fields/fields

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/FieldSplit.h"

namespace {

constexpr std::size_t TextBytes = 16u << 20;
constexpr int FieldsPerRecord = 15;

// Records of 15 fields: digits, kanji, half-width kana, and a quoted field with
// a comma and a doubled quote in it.
const std::vector<std::string>& Records()
{
    static const std::vector<std::string> records = [] {
        std::mt19937 random(3);
        auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        std::vector<std::string> all;
        std::size_t bytes = 0;
        while (bytes < TextBytes) {
            std::string r;
            for (int field = 0; field < FieldsPerRecord; ++field) {
                if (field > 0)
                    r += ',';
                switch (field % 4) {
                case 0:
                    for (int i = between(3, 7); i > 0; --i)
                        r += static_cast<char>(between('0', '9'));
                    break;
                case 1:
                    for (int i = between(2, 8); i > 0; --i) {
                        r += static_cast<char>(between(0x89, 0x97));
                        r += static_cast<char>(between(0x40, 0x7E));
                    }
                    break;
                case 2:
                    for (int i = between(3, 10); i > 0; --i)
                        r += static_cast<char>(between(0xA6, 0xDD));
                    break;
                default:
                    r += "\"a,b\"\"c\"";
                    break;
                }
            }
            bytes += r.size();
            all.push_back(std::move(r));
        }
        return all;
    }();
    return records;
}

void SplitIntoReusedList(benchmark::State& state)
{
    const auto& records = Records();
    std::vector<std::string> fields;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& record : records) {
            benchmark::DoNotOptimize(SplitFields(record, fields, FieldsPerRecord, ','));
            bytes += static_cast<std::int64_t>(record.size());
        }
    }
    state.SetBytesProcessed(bytes);
}

void Count(benchmark::State& state)
{
    const auto& records = Records();
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& record : records) {
            benchmark::DoNotOptimize(CountFields(record, ','));
            bytes += static_cast<std::int64_t>(record.size());
        }
    }
    state.SetBytesProcessed(bytes);
}

}  // namespace

BENCHMARK(SplitIntoReusedList)->Unit(benchmark::kMillisecond);
BENCHMARK(Count)->Unit(benchmark::kMillisecond);
