// Generation, browse list and worst-case lookups on the shipped pools, each
// beside a memchr sweep over the same bytes: the bandwidth floor of one pass.
#include "bank/exam_class.h"
#include "bank/pool.h"
#include "engine/test_state.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string basicText, advancedText;

void LoadPools() {
    auto read = [](const char* name) {
        std::ifstream in(std::string(KORVANE_SOURCE_DIR) + "/resources/pools/" + name,
                         std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    basicText = read("basic_en.txt");
    advancedText = read("advanced_en.txt");
    Pools[PoolBasicEn] = {basicText.data(), basicText.data() + basicText.size()};
    Pools[PoolAdvancedEn] = {advancedText.data(), advancedText.data() + advancedText.size()};
    SelectLanguagePools(LanguageEnglish);
}

const std::string& TextOf(int classIndex) { return classIndex ? advancedText : basicText; }

void MemchrSweep(benchmark::State& state) {
    const std::string& text = TextOf((int)state.range(0));
    for (auto _ : state) {
        // A byte that never occurs: one full pass over the pool.
        benchmark::DoNotOptimize(memchr(text.data(), 0x01, text.size()));
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}

void Generate(benchmark::State& state) {
    static TestState test;
    uint32_t seed = 1;
    for (auto _ : state) benchmark::DoNotOptimize(GenerateTest(&test, (int)state.range(0), seed++));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)TextOf((int)state.range(0)).size());
}

void Browse(benchmark::State& state) {
    static TestState test;
    for (auto _ : state) benchmark::DoNotOptimize(BuildBrowseList(&test, (int)state.range(0)));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)TextOf((int)state.range(0)).size());
}

// The last question of the pool: the lookup scans almost every byte.
void LookUpLast(benchmark::State& state) {
    const std::string& text = TextOf((int)state.range(0));
    static TestState test;
    BuildBrowseList(&test, (int)state.range(0));
    const char* key = test.BrowseCount ? test.BrowseList[test.BrowseCount - 1].Code : "";
    QuestionRecord record;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            LookUpQuestion(text.data(), text.data() + text.size(), key, &record));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}

void LookUpAbsent(benchmark::State& state) {
    const std::string& text = TextOf((int)state.range(0));
    QuestionRecord record;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            LookUpQuestion(text.data(), text.data() + text.size(),
                           state.range(0) ? "A-009-99-99" : "B-009-99-99", &record));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}

} // namespace

// Argument: 0 Basic, 1 Advanced.
BENCHMARK(MemchrSweep)->Arg(0)->Arg(1);
BENCHMARK(Generate)->Arg(0)->Arg(1);
BENCHMARK(Browse)->Arg(0)->Arg(1);
BENCHMARK(LookUpLast)->Arg(0)->Arg(1);
BENCHMARK(LookUpAbsent)->Arg(0)->Arg(1);

int main(int argc, char** argv) {
    LoadPools();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
