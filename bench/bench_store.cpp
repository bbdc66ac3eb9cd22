// Load, save, sort and index of a data folder at full capacity.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "FullCapacityFolder.h"
#include "store/CVelnoDoc.h"

namespace {

using namespace velno;
using bench::fullFolder;
using bench::kToday;
namespace fs = std::filesystem;

void BM_Load(benchmark::State& state) {
    const fs::path folder = fullFolder();
    CVelnoDoc doc;
    doc.setToday(kToday);
    for (auto _ : state) {
        doc.loadStore(folder);
        benchmark::DoNotOptimize(doc.store().recordCount());
    }
    state.counters["records"] = doc.store().recordCount();
    state.counters["remarks"] = doc.remarks().count();
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    const fs::path folder = fullFolder();
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(folder);
    for (auto _ : state) doc.saveAll();
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_SortStore(benchmark::State& state) {
    const fs::path folder = fullFolder();
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(folder);
    bool byFirstName = false;
    for (auto _ : state) {
        // Alternate the order so every round really moves records.
        byFirstName = !byFirstName;
        doc.store().sortStore(byFirstName);
    }
}
BENCHMARK(BM_SortStore)->Unit(benchmark::kMillisecond);

void BM_RebuildIndex(benchmark::State& state) {
    const fs::path folder = fullFolder();
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(folder);
    for (auto _ : state) benchmark::DoNotOptimize(doc.store().rebuildIndex());
}
BENCHMARK(BM_RebuildIndex)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(fullFolder());
    return 0;
}
