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

// Opening the household, contact and extra-information dialogs and their
// pickers, each model on its own: built as its dialog builds it when it
// opens, the pickers from the model of the dialog that opens them.
enum class HouseholdDialog { Household, Picker, Contact, ContactChooser, Extra, NeedChooser };

std::size_t openHouseholdDialog(CVelnoDoc& doc, PublisherRecord& copy, HouseholdDialog which) {
    static HouseholdJournal journal;
    static std::string longName, other;
    switch (which) {
        case HouseholdDialog::Household:
            return HouseholdModel(doc, journal, copy, true).lines().size();
        case HouseholdDialog::Picker:
            return HouseholdPickerModel(doc, copy.id).lines().size();
        case HouseholdDialog::Contact:
            return EmergencyContactModel(doc, copy, "x").text(ContactField::Contact).size();
        case HouseholdDialog::ContactChooser:
            return SharedEntryChooserModel(doc, SharedEntryChooserModel::Mode::Contacts,
                                           copy.emergId)
                .lines()
                .size();
        case HouseholdDialog::Extra:
            return ExtraInfoModel(doc, copy, longName, other, ExtraFocus::Need)
                .text(ExtraField::Need)
                .size();
        case HouseholdDialog::NeedChooser:
            break;
    }
    return SharedEntryChooserModel(doc, SharedEntryChooserModel::Mode::Needs, copy.specneed)
        .lines()
        .size();
}

void BM_HouseholdDialogOpen(benchmark::State& state) {
    CVelnoDoc& doc = bench::householdDocument();
    // A head with members, a contact and a need.
    PublisherRecord copy{};
    for (int pos : doc.store().subList(ListActive)) {
        const PublisherRecord& r = doc.store().at(pos);
        if (isHouseholdHead(r) && r.emergId != 0 && r.specneed != 0) {
            copy = r;
            break;
        }
    }
    if (copy.id == 0) state.SkipWithError("no head with a contact and a need");
    const auto which = static_cast<HouseholdDialog>(state.range(0));
    std::size_t size = 0;
    for (auto _ : state) {
        size = openHouseholdDialog(doc, copy, which);
        benchmark::DoNotOptimize(size);
    }
    state.counters["lines"] = static_cast<double>(size);
}
// 0 household 146, 1 member picker 140, 2 contact 147, 3 contact chooser
// 148, 4 extra information 102, 5 need chooser 148.
BENCHMARK(BM_HouseholdDialogOpen)
    ->ArgName("dialog")
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
