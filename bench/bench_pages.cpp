// The pages of the monthly report drawn over a data folder at full
// capacity: each kind on the recording canvas, and the congregation
// analysis printed into a PDF.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "FullCapacityDocument.h"
#include "HouseholdData.h"
#include "print/AttendanceRecordPage.h"
#include "print/RecordCardPrinting.h"
#include "print/RecordingCanvas.h"
#include "print/ReportViewState.h"

#ifdef VELNO_HAVE_QT_GUI
#include <QGuiApplication>

#include "print/ui/PdfPrintTarget.h"
#endif

namespace {

using namespace velno;

constexpr int kAttendanceRecord = 0;  // not a kind of the table

void BM_PageOnRecordingCanvas(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    const int kind = static_cast<int>(state.range(0));
    print::ReportViewState view;
    if (kind == kAttendanceRecord)
        view.showDrawing(print::attendanceRecordDrawer(-1));
    else if (!view.show(doc, kind, 2))
        state.SkipWithError("kind not shown");
    const print::ReportFonts fonts;
    std::size_t runs = 0;
    // A printer's resolution: the fonts are scaled, as when printing. One
    // canvas for every round: what is timed is the drawing, not the
    // allocator handing the record of a long report back to the system and
    // faulting it in again (on a busy virtual machine that alone took up to
    // 20 ms for the 20 000 runs of the hours page).
    print::RecordingCanvas canvas(600, 600, true);
    for (auto _ : state) {
        canvas.clear();
        print::ReportContext ctx = view.contextFor(doc, canvas, fonts, bench::kToday);
        benchmark::DoNotOptimize(view.draw(ctx));
        runs = canvas.runs().size();
    }
    state.counters["pages"] = view.pageCount;
    state.counters["runs"] = static_cast<double>(runs);
}
// The emergency-contact data and the special-needs list over households,
// 1000 contacts and needs.
void BM_HouseholdPageOnRecordingCanvas(benchmark::State& state) {
    bench::householdDocument();
    BM_PageOnRecordingCanvas(state);
}
BENCHMARK(BM_HouseholdPageOnRecordingCanvas)
    ->ArgName("kind")
    ->Arg(90)
    ->Arg(120)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_PageOnRecordingCanvas)
    ->ArgName("kind")
    ->Arg(1)
    ->Arg(110)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Arg(20)
    ->Arg(70)
    ->Arg(71)
    ->Arg(72)
    ->Arg(73)
    ->Arg(74)
    ->Arg(kAttendanceRecord)
    // Averages, hours pages, service-year totals and pioneer hours.
    ->DenseRange(5, 11)
    ->DenseRange(38, 48)
    // The card labels and the congregation lists.
    ->Arg(30)
    ->DenseRange(50, 53)
    ->DenseRange(60, 64)
    ->DenseRange(80, 84)
    ->Arg(100)
    ->Arg(101)
    ->Arg(103)
    ->Arg(104)
    ->Unit(benchmark::kMillisecond);

// One publisher's card (both service years) on the recording canvas.
void BM_OneRecordCard(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    print::ReportViewState view;
    view.show(doc, print::kind::RecordCards);
    print::CardJob job;
    job.positions = {doc.store().subList(ListActive).front()};
    view.cards = &job;
    const print::ReportFonts fonts;
    print::RecordingCanvas canvas(600, 600, true);
    for (auto _ : state) {
        canvas.clear();
        print::ReportContext ctx = view.contextFor(doc, canvas, fonts, bench::kToday);
        benchmark::DoNotOptimize(view.draw(ctx));
    }
}
BENCHMARK(BM_OneRecordCard)->Unit(benchmark::kMillisecond);

#ifdef VELNO_HAVE_QT_GUI
// Every active card (current and previous year) written into one PDF.
void BM_AllCardsAsPdf(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    const print::ReportFonts fonts;
    print::CardJob job;
    job.positions = print::cardPositions(doc, false);
    const std::string path = (bench::fullFolder() / "cards.pdf").string();
    int pages = 0;
    for (auto _ : state) {
        print::PdfPrintTarget pdf(path, false);
        pages = print::printCards(doc, fonts, pdf, job, bench::kToday).pages;
        pdf.finish();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_AllCardsAsPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_AnalysisAsPdf(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    print::ReportViewState view;
    view.show(doc, 1);
    const print::ReportFonts fonts;
    const std::string path = (bench::fullFolder() / "analysis.pdf").string();
    int pages = 0;
    for (auto _ : state) {
        print::PdfPrintTarget pdf(path, false);
        pages = view.print(doc, fonts, pdf, bench::kToday);
        pdf.finish();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_AnalysisAsPdf)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef VELNO_HAVE_QT_GUI
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(velno::bench::fullFolder());
    return 0;
}
