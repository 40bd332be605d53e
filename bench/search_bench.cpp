// The three searches on the inputs that cost them most, a plain scan-and-copy as the floor
// they are compared with, and the six loaders. Prints one row per case with the median of the
// repetitions; Google Benchmark's own options (--benchmark_repetitions=..., --benchmark_filter=...)
// still apply.

#include "bench/allocation_count.h"
#include "bench/result_table.h"
#include "search/search_2.h"
#include "search/search_3.h"
#include "search/search_4.h"
#include "tables/word_tables.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using quabbel::WordTables;
using Words = std::vector<std::u16string>;

void load(WordTables& tables) {
    tables.staben_2();
    tables.staben_3();
    tables.staben_4_1();
    tables.staben_4_2();
    tables.staben_4_3();
    tables.staben_4_4();
}

const WordTables& loaded_tables() {
    static const auto tables = [] {
        auto loaded = std::make_unique<WordTables>();
        load(*loaded);
        return loaded;
    }();
    return *tables;
}

// Runs the search once per iteration and reports the words it found and the allocations per run.
void measure(benchmark::State& state, const std::function<Words()>& search) {
    std::size_t words = 0;
    const std::size_t allocations_before = quabbel::bench::allocations();
    for (auto _ : state) {
        Words found = search();
        words = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["words"] = static_cast<double>(words);
    state.counters["allocations"] =
        static_cast<double>(quabbel::bench::allocations() - allocations_before) / runs;
}

// The least any search for these words can cost: one pass over the table that copies the
// words with the letter at the position into a list reserved beforehand.
Words scan_and_copy_4(const WordTables& tables, std::size_t position, char16_t letter) {
    Words words;
    words.reserve(static_cast<std::size_t>(tables.count_4));
    for (int index = 1; index <= tables.count_4; ++index) {
        const std::u16string_view word = tables.table_4.at(index);
        if (word[position - 1] == letter) {
            words.emplace_back(word);
        }
    }
    return words;
}

struct Case {
    std::string what;
    std::string goal; // empty for a row given for comparison only
    double goal_microseconds = 0;
    std::function<void(benchmark::State&)> body;
};

std::vector<Case> cases() {
    const WordTables& tables = loaded_tables();
    const auto search = [](std::function<Words()> run) {
        return [run](benchmark::State& state) { measure(state, run); };
    };
    return {
        {"search_2, I second (largest list)", "", 0,
         search([&] { return quabbel::search_2(tables, 2, u"I"); })},
        {"search_3, A second (largest list)", "", 0,
         search([&] { return quabbel::search_3(tables, u"", u"A", u""); })},
        {"search_3, T third (two stages copy all)", "", 0,
         search([&] { return quabbel::search_3(tables, u"", u"", u"T"); })},
        {"search_4, S first (no fallback)", "< 15 µs", 15,
         search([&] { return quabbel::search_4(tables, u"S", u"", u"", u""); })},
        {"search_4, A second (largest list)", "< 15 µs", 15,
         search([&] { return quabbel::search_4(tables, u"", u"A", u"", u""); })},
        {"search_4, E fourth (three stages copy all)", "< 15 µs", 15,
         search([&] { return quabbel::search_4(tables, u"", u"", u"", u"E"); })},
        {"scan-and-copy floor, A second", "", 0,
         search([&] { return scan_and_copy_4(tables, 2, u'A'); })},
        {"six loaders together", "< 200 µs", 200,
         [](benchmark::State& state) {
             auto fresh = std::make_unique<WordTables>();
             for (auto _ : state) {
                 load(*fresh);
                 benchmark::ClobberMemory();
             }
         }},
    };
}

// Prints the median of each case's repetitions as a row of the result table.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    explicit TableReporter(std::map<std::string, const Case*> cases) : cases_(std::move(cases)) {}

    bool ReportContext(const Context& /*context*/) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || run.aggregate_name != "median") {
                continue;
            }
            const Case& measured = *cases_.at(run.run_name.function_name);
            const double time =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
            std::string figures = quabbel::bench::microseconds(time);
            if (const auto words = run.counters.find("words"); words != run.counters.end()) {
                figures += ", " + std::to_string(static_cast<int>(words->second.value)) + " words";
                const double allocations = run.counters.at("allocations").value;
                figures += ", " + std::to_string(static_cast<int>(allocations + 0.5)) + " alloc.";
            }
            quabbel::bench::print_row({measured.what, figures, measured.goal,
                                       measured.goal.empty() || time < measured.goal_microseconds});
        }
    }

private:
    std::map<std::string, const Case*> cases_;
};

} // namespace

int main(int argc, char* argv[]) {
    // Several repetitions, of which the median counts; the command line can override them.
    std::vector<char*> arguments{argv[0]};
    std::string repetitions = "--benchmark_repetitions=15";
    arguments.push_back(repetitions.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    const std::vector<Case> all = cases();
    std::map<std::string, const Case*> by_name;
    for (const Case& each : all) {
        benchmark::RegisterBenchmark(each.what.c_str(), each.body);
        by_name.emplace(each.what, &each);
    }
    TableReporter reporter(std::move(by_name));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
