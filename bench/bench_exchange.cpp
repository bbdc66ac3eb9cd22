// Backup, restore, writing a group file, building the import list, the CSV
// import's list and the delimited exports, on a data folder at full capacity
// with six snapshot months.

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>

#include "FullCapacityFolder.h"
#include "exchange/BackupSet.h"
#include "exchange/CsvFile.h"
#include "exchange/CsvReportReader.h"
#include "exchange/DelimitedExports.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/NameMapModel.h"
#include "exchange/PublisherXml.h"
#include "exchange/Restore.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Snapshots.h"

namespace {

using namespace velno;
using bench::fullFolder;
using bench::kToday;
namespace fs = std::filesystem;

// The full folder with the six months before the report month kept as
// snapshots.
fs::path folderWithSnapshots() {
    static fs::path path;
    if (!path.empty()) return path;
    path = fullFolder();
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(path);
    for (int m : previousSixMonths(doc.reportMonth().reportMonth0)) {
        const fs::path dir = snapshotFolder(path, m);
        fs::create_directories(dir);
        for (const auto& name : setFileList())
            if (fs::exists(path / name))
                fs::copy_file(path / name, dir / name, fs::copy_options::overwrite_existing);
    }
    return path;
}

fs::path target() {
    const fs::path t = fs::temp_directory_path() / ("velno-bench-usb-" + std::to_string(getpid()));
    // A folder left by an earlier run with the same process id would hold
    // sets of the same minute, which a backup rightly refuses.
    static const bool cleared = [&t] {
        std::error_code ec;
        fs::remove_all(t, ec);
        return true;
    }();
    (void)cleared;
    fs::create_directories(t);
    return t;
}

void BM_Backup(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(folderWithSnapshots());
    const fs::path usb = target();
    BackupOptions o;
    o.now = std::time(nullptr);
    for (auto _ : state) {
        o.now += 60;  // a new minute, a new set
        const BackupOutcome out = makeBackup(doc, usb, o);
        if (!out.made()) state.SkipWithError("backup failed");
        state.PauseTiming();
        fs::remove_all(out.set);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond);

void BM_Restore(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(folderWithSnapshots());
    // The benchmark runs this function more than once: each run makes its
    // set a minute after the last one's.
    static std::time_t setMinute = std::time(nullptr) - 86400;
    BackupOptions o;
    o.now = setMinute += 60;
    const BackupOutcome set = makeBackup(doc, target(), o);
    if (!set.made()) state.SkipWithError(("backup failed: " + set.message).c_str());
    for (auto _ : state) {
        const RestoreOutcome out = restoreFrom(doc, set.set);
        if (!out.restored()) state.SkipWithError("restore failed");
    }
    state.counters["snapshots"] = static_cast<double>(set.snapshots.size());
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond);

// 300 publishers in group 1.
void fillGroup(CVelnoDoc& doc) {
    int n = 0;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos) {
        PublisherRecord& r = doc.store().at(pos);
        r.listKind = ListActive;
        r.group = n++ < 300 ? 1 : 2;
    }
}

// The full folder with 300 publishers in group 1, and the request of the
// group's file for the report month.
struct GroupOf300 {
    CVelnoDoc doc;
    GroupFileRequest req;
    GroupOf300() {
        doc.setToday(kToday);
        doc.loadStore(folderWithSnapshots());
        fillGroup(doc);
        req.group = 1;
        req.month0 = doc.reportMonth().reportMonth0;
        req.parity = doc.reportMonth().parity();
    }
};

void BM_WriteGroupFile300(benchmark::State& state) {
    GroupOf300 g;
    fs::path path;
    for (auto _ : state) {
        if (!writeGroupFile(g.doc, g.req, path)) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteGroupFile300)->Unit(benchmark::kMillisecond);

void BM_ImportList(benchmark::State& state) {
    GroupOf300 g;
    CVelnoDoc& doc = g.doc;
    const GroupFileRequest& req = g.req;
    Bytes file = buildGroupFile(doc, req);
    // Every member comes back with one hour more and a late month.
    const int members = file[groupfile::kMemberCountOffset];
    const int slot = monthSlot(req.month0, req.parity);
    for (int k = 1; k <= members; ++k) {
        PublisherRecord r{};
        std::memcpy(&r, file.data() + sizeof r * k, sizeof r);
        r.hours[slot] = static_cast<std::uint16_t>(r.hours[slot] + 1);
        r.bapdate[0] = 1;
        std::memcpy(file.data() + sizeof r * k, &r, sizeof r);
    }
    std::size_t lines = 0;
    for (auto _ : state) {
        ImportImage image;
        std::string message;
        if (!readGroupFile(file, "bench.t19", req.month0, req.parity, "", image, message))
            state.SkipWithError("read failed");
        ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::GroupFile);
        lines = model.lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["members"] = members;
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ImportList)->Unit(benchmark::kMillisecond);

// Each delimited export built and written into Exports. Every third active
// publisher heads a household of two more, so the emergency list names
// members on most of its rows.
void BM_DelimitedExport(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(fullFolder());
    const auto& active = doc.store().subList(ListActive);
    for (std::size_t k = 0; k + 2 < active.size(); k += 3) {
        PublisherRecord& head = doc.store().at(active[k]);
        head.flags |= RecordFlag::HouseholdHead;
        doc.store().at(active[k + 1]).household = head.id;
        doc.store().at(active[k + 2]).household = head.id;
    }
    const auto kind = static_cast<DelimitedExport>(state.range(0));
    MonthlyExportChoice choice;
    choice.month0 = doc.reportMonth().reportMonth0;
    choice.header = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ExportedFile file = buildExport(doc, kind, choice);
        bytes = file.bytes.size();
        if (!writeExport(doc, file)) state.SkipWithError("export not written");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DelimitedExport)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
// A spreadsheet's month of 1500 rows, every active publisher named (some
// twice) and a few names nobody has: the file's check, the name map, the
// rows read and the import list.
void BM_CsvImportList(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(fullFolder());
    std::vector<int> active;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        if (doc.store().at(pos).listKind == ListActive) active.push_back(pos);
    if (active.empty()) {
        state.SkipWithError("no active publishers");
        return;
    }
    std::string text = "Depan;Keluarga;Berdinas;PAR;Jam;Keterangan\r\n";
    constexpr int kRows = 1500;
    for (int g = 0; g < kRows; ++g) {
        const PublisherRecord& r =
            doc.store().at(active[static_cast<std::size_t>(g) % active.size()]);
        const std::string first = g % 50 == 49 ? "Tamu" + std::to_string(g) : fieldText(r.fname);
        text += first + ";" + fieldText(r.lname) + ";1;" + std::to_string(g % 4) + ";" +
                std::to_string(1 + g % 70) + ";" + (g % 3 ? "" : "15 jam") + "\r\n";
    }
    ColumnMap map;
    map.column = {0, 1, 2, 3, 4, 5, -1, -1};
    std::size_t lines = 0;
    for (auto _ : state) {
        CsvTable table;
        std::string message;
        if (!parseCsv(text, table, message)) state.SkipWithError("file refused");
        NameMapModel names(doc, table, map, CsvNameMode::Separate, {});
        ImportImage image;
        readCsvReports(doc, table, map, names.rows(), "bench.csv", image);
        ImportSelectionModel model(doc, std::move(image), ImportSelectionModel::Mode::Csv);
        lines = model.lines().size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["rows"] = kRows;
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CsvImportList)->Unit(benchmark::kMillisecond);
std::vector<int> activePositions(const CVelnoDoc& doc, std::size_t limit = 100000) {
    std::vector<int> out;
    for (int pos = 1; pos < doc.store().recordCount() && out.size() < limit; ++pos)
        if (doc.store().at(pos).listKind == ListActive) out.push_back(pos);
    return out;
}

void BM_XmlExportActive(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(fullFolder());
    const auto active = activePositions(doc);
    for (auto _ : state) {
        std::filesystem::path path;
        if (!exportPublisherXml(doc, XmlList::Active, active, path)) state.SkipWithError("write");
    }
    state.counters["publishers"] = static_cast<double>(active.size());
}
BENCHMARK(BM_XmlExportActive)->Unit(benchmark::kMillisecond);

void BM_XmlLoadAndParse(benchmark::State& state) {
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(fullFolder());
    std::filesystem::path path;
    if (!exportPublisherXml(doc, XmlList::Active, activePositions(doc), path)) return;
    for (auto _ : state) {
        xml::XmlDocument x;
        if (!x.load(path)) state.SkipWithError("load");
        benchmark::DoNotOptimize(x.elementCount());
    }
}
BENCHMARK(BM_XmlLoadAndParse)->Unit(benchmark::kMillisecond);

void BM_XmlImport299(benchmark::State& state) {
    CVelnoDoc source;
    source.setToday(kToday);
    source.loadStore(fullFolder());
    const xml::XmlDocument file =
        buildPublisherXml(source, XmlList::Active, activePositions(source, 299));
    for (auto _ : state) {
        state.PauseTiming();
        CVelnoDoc doc;
        doc.setToday(kToday);
        doc.folder().setMemoryOnly(true);
        initHeaderRecord(doc.store().header());
        doc.store().setRecordCount(1);
        doc.rebuildIndex();
        xml::XmlDocument x = file;
        state.ResumeTiming();
        const auto list = checkPublisherXml(x);
        if (!list) {
            state.SkipWithError("check");
            break;
        }
        std::vector<int> all(list->pubs.size());
        for (std::size_t k = 0; k < all.size(); ++k) all[k] = static_cast<int>(k);
        const auto out = importPublishers(doc, x, *list, all, linkedPublishers(doc, *list), false);
        benchmark::DoNotOptimize(out.added);
    }
}
BENCHMARK(BM_XmlImport299)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
