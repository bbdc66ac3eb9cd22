// Every list of the list viewer, the quick view, the statistics and the
// trend pages over a data folder at full capacity.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "FullCapacityDocument.h"
#include "reporting/Classification.h"
#include "reporting/CongregationAnalysis.h"
#include "reporting/PublisherLists.h"
#include "reporting/QuickView.h"
#include "reporting/Statistics.h"
#include "reporting/TrendPageData.h"
#include "store/CVelnoDoc.h"
#include "store/DateText.h"
#include "store/FixedText.h"

namespace {

using namespace velno;

CVelnoDoc& document() {
    return bench::fullDocument();
}

void BM_List(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    ListQuery query;
    query.mode = static_cast<ListMode>(state.range(0));
    const auto periods = periodsOf(query.mode);
    if (!periods.empty()) query.period = periods.back();  // the widest period
    std::size_t rows = 0;
    for (auto _ : state) {
        const PublisherList list = buildList(doc, query);
        rows = list.rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.SetLabel(std::string(listModeName(query.mode)));
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_List)->DenseRange(0, kListModes - 1)->Unit(benchmark::kMicrosecond);

void BM_QuickView(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state) benchmark::DoNotOptimize(computeQuickView(doc).regular);
    state.counters["active"] = computeQuickView(doc).active;
}
BENCHMARK(BM_QuickView)->Unit(benchmark::kMicrosecond);

void BM_Statistics(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state) benchmark::DoNotOptimize(statisticsPage(doc).active);
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMicrosecond);

void BM_AveragesPage(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state) benchmark::DoNotOptimize(averagesPage(doc, {}).rows.size());
}
BENCHMARK(BM_AveragesPage)->Unit(benchmark::kMicrosecond);

void BM_HoursPage(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state) benchmark::DoNotOptimize(hoursPage(doc, {}).rows.size());
}
BENCHMARK(BM_HoursPage)->Unit(benchmark::kMicrosecond);

void BM_PioneerHoursAndTotals(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pioneerHoursPage(doc).rows.size());
        benchmark::DoNotOptimize(serviceYearTotalsPage(doc, {}).rows.size());
    }
}
BENCHMARK(BM_PioneerHoursAndTotals)->Unit(benchmark::kMicrosecond);

void BM_Analysis(benchmark::State& state) {
    const CVelnoDoc& doc = document();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            congregationAnalysis(doc, 0, AnalysisOrder::PioneersGroups).listed);
}
BENCHMARK(BM_Analysis)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(bench::fullFolder());
    return 0;
}
