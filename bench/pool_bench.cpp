// Generation, browse list and worst-case lookups on the shipped pools, each
// beside a memchr sweep over the same bytes: the bandwidth floor of one pass.
#include "bank/exam_class.h"
#include "bank/pool.h"
#include "engine/test_state.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

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

const std::string& TextOf(int classIndex) {
    return classIndex ? advancedText : basicText;
}

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
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateTest(&test, (int)state.range(0), seed++));
    state.SetBytesProcessed((int64_t)state.iterations() *
                            (int64_t)TextOf((int)state.range(0)).size());
}

void Browse(benchmark::State& state) {
    static TestState test;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBrowseList(&test, (int)state.range(0)));
    state.SetBytesProcessed((int64_t)state.iterations() *
                            (int64_t)TextOf((int)state.range(0)).size());
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
        benchmark::DoNotOptimize(LookUpQuestion(text.data(), text.data() + text.size(),
                                                state.range(0) ? "A-009-99-99" : "B-009-99-99",
                                                &record));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}

// Prints each figure as it comes, then every figure beside its floor from
// the same run: generation and the browse list against 100 sweeps (they read
// the pool about once per section), a lookup against one. With
// --benchmark_repetitions the medians are taken.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name != "median") continue;
                medians[name] = run.GetAdjustedRealTime();
            } else if (!medians.count(name)) {
                singles[name] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        static const char* const classes[] = {"Basic", "Advanced"};
        static const struct {
            const char* Family;
            const char* Label;
            double Sweeps;
        } rows[] = {{"Generate", "GenerateTest", 100},
                    {"Browse", "BuildBrowseList", 100},
                    {"LookUpLast", "LookUpQuestion, last code", 1},
                    {"LookUpAbsent", "LookUpQuestion, absent code", 1}};
        printf("\n%-38s %10s %22s %7s\n", "ratio to the memchr floor, same run", "us", "floor us",
               "ratio");
        for (int k = 0; k < 2; ++k) {
            double sweep = Time("MemchrSweep/" + std::to_string(k));
            for (const auto& row : rows) {
                double t = Time(std::string(row.Family) + "/" + std::to_string(k));
                if (t < 0 || sweep <= 0) continue;
                char label[64], floor[32];
                snprintf(label, sizeof label, "%s (%s)", row.Label, classes[k]);
                snprintf(floor, sizeof floor, "%g sweep%s %.2f", row.Sweeps,
                         row.Sweeps > 1 ? "s" : "", sweep * row.Sweeps);
                printf("%-38s %10.2f %22s %7.2f\n", label, t, floor, t / (sweep * row.Sweeps));
            }
        }
        benchmark::ConsoleReporter::Finalize();
    }

  private:
    double Time(const std::string& name) const {
        auto m = medians.find(name);
        if (m != medians.end()) return m->second;
        auto s = singles.find(name);
        return s != singles.end() ? s->second : -1;
    }
    std::map<std::string, double> medians, singles;
};

} // namespace

// Argument: 0 Basic, 1 Advanced. Times in microseconds.
BENCHMARK(MemchrSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Generate)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Browse)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(LookUpLast)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(LookUpAbsent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    LoadPools();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
