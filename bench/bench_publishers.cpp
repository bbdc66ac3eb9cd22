// The side-list and group dialogs rebuilding their lists over a data folder
// at full capacity: the inactive list with the six months without a
// report, the moved list, and the assignment dialog's two lists.

#include <benchmark/benchmark.h>

#include "FullCapacityDocument.h"
#include "HouseholdData.h"
#include "publishers/BibleStudentListModel.h"
#include "publishers/CustomCategoryModel.h"
#include "publishers/EmergencyContactModel.h"
#include "publishers/ExtraInfoModel.h"
#include "publishers/GroupAssignModel.h"
#include "publishers/HouseholdModel.h"
#include "publishers/MovedListModel.h"
#include "publishers/PublisherEditModel.h"
#include "publishers/ServicePrivilegesModel.h"
#include "publishers/SideListModel.h"

namespace {

using namespace velno;

void BM_InactiveListRebuild(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    SideListModel model(doc, SideListMode::Inactive);
    for (auto _ : state) {
        model.rebuild();
        benchmark::DoNotOptimize(model.leftRows().size() + model.rightRows().size());
    }
    state.counters["rows"] =
        static_cast<double>(model.leftRows().size() + model.rightRows().size());
}
BENCHMARK(BM_InactiveListRebuild)->Unit(benchmark::kMicrosecond);

void BM_MovedListRebuild(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    MovedListModel model(doc);
    model.setInactiveSource(state.range(0) != 0);
    for (auto _ : state) {
        model.rebuild();
        benchmark::DoNotOptimize(model.leftRows().size() + model.rightRows().size());
    }
    state.counters["rows"] =
        static_cast<double>(model.leftRows().size() + model.rightRows().size());
}
BENCHMARK(BM_MovedListRebuild)->ArgName("inactive")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AssignmentListsRebuild(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    GroupAssignModel model(doc, 3);
    bool on = true;
    for (auto _ : state) {
        // Each switch rebuilds both lists.
        model.setIncludeInactive(on);
        on = !on;
        benchmark::DoNotOptimize(model.candidates().size());
    }
    state.counters["rows"] =
        static_cast<double>(model.candidates().size() + model.members().size());
}
BENCHMARK(BM_AssignmentListsRebuild)->Unit(benchmark::kMicrosecond);

// Opening the dialogs of the custom category, the Bible students and the
// service privileges: each model built on the full folder.
void BM_CustomCategoryOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    doc.settings().customCategoryName = "Paduan";
    for (auto _ : state) {
        CustomCategoryModel model(doc);
        model.setName("Musik");
        benchmark::DoNotOptimize(model.renameQuestion());
    }
}
BENCHMARK(BM_CustomCategoryOpen)->Unit(benchmark::kMicrosecond);

void BM_BibleStudentListOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    for (auto _ : state) {
        BibleStudentListModel model(doc);
        benchmark::DoNotOptimize(model.rows().size());
    }
}
BENCHMARK(BM_BibleStudentListOpen)->Unit(benchmark::kMicrosecond);

void BM_BibleStudentEditorOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    for (auto _ : state) {
        auto editor = PublisherEditModel::forBibleStudent(doc, EditMode::Add);
        benchmark::DoNotOptimize(editor->copy().id);
    }
}
BENCHMARK(BM_BibleStudentEditorOpen)->Unit(benchmark::kMicrosecond);

void BM_ServicePrivilegesOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::fullDocument();
    const int pos = doc.store().recordCount() - 1;
    for (auto _ : state) {
        ServicePrivilegesModel model(doc, pos);
        benchmark::DoNotOptimize(model.checked(0));
    }
}
BENCHMARK(BM_ServicePrivilegesOpen)->Unit(benchmark::kMicrosecond);

}  // namespace

// Opening the household, contact and extra-information dialogs and their
// pickers: the models are built as the dialogs open them.
void BM_HouseholdDialogsOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::householdDocument();
    const int head = doc.store().subList(ListActive)[0];
    PublisherRecord copy = doc.store().at(head);
    HouseholdJournal journal;
    std::string longName, other;
    for (auto _ : state) {
        HouseholdModel household(doc, journal, copy, true);
        HouseholdPickerModel picker = household.picker();
        EmergencyContactModel contact(doc, copy, "x");
        SharedEntryChooserModel contacts = contact.chooser();
        ExtraInfoModel extra(doc, copy, longName, other, ExtraFocus::Need);
        SharedEntryChooserModel needs = extra.chooser();
        benchmark::DoNotOptimize(picker.lines().size() + contacts.lines().size() +
                                 needs.lines().size() + household.lines().size());
    }
}
BENCHMARK(BM_HouseholdDialogsOpen)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
