// The collection state of the ReportMonth and the start dialog: which
// buttons it offers on which day, what each one does, and what a restart
// finds.

#include <gtest/gtest.h>

#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"
#include "reporting/StartCollectionModel.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kFebruary = 1, kMarch = 2, kApril = 3, kMay = 4;

TEST(CollectionStateAtLoad, OpenWhileTheSlotWasInitialisedForTheYear) {
    MonthFixture f;  // March 2025
    f.add(101, "Budi", "Santoso");
    f.open();
    CloseCollection(f.doc);
    EXPECT_TRUE(f.doc.dirty);
    f.restart({2025, 4, 9});
    EXPECT_EQ(Collection::Open, f.state(kMarch));
    // Initialised two years ago (same parity): closed.
    f.doc.header().setInitYear(f.doc.reportMonth().slot(), 23);
    f.restart({2025, 4, 10});
    EXPECT_EQ(Collection::Closed, f.state(kMarch));
    EXPECT_TRUE(startDialogNeeded(f.doc));
}

TEST(StartDialog, EarlyInTheMonthProposesToContinueThePreviousMonth) {
    MonthFixture f({2025, 4, 3});
    f.setState(kFebruary, Collection::Open);
    f.setState(kMarch, Collection::NotInitialised);
    report(f.add(101, "Budi", "Santoso"), MonthFixture::slot(kMarch, 2023), 12);

    StartCollectionModel dialog(f.doc);
    ASSERT_TRUE(dialog.proposesPreviousMonth());
    EXPECT_TRUE(dialog.reopenVisible());
    EXPECT_EQ("Reopen and continue report collection for Februari", dialog.reopenText());
    EXPECT_EQ("Initialize and open report collection for Maret", dialog.initialiseText());
    EXPECT_EQ(StartButton::Reopen, dialog.defaultButton());
    EXPECT_FALSE(dialog.adviceVisible());
    EXPECT_FALSE(dialog.earlyStartVisible());

    ASSERT_TRUE(dialog.pressReopen());
    const StartOutcome out = finishStartDialog(f.doc, dialog);
    EXPECT_TRUE(out.monthChanged);
    EXPECT_FALSE(out.initialised);
    EXPECT_TRUE(out.openReportList);
    EXPECT_EQ(kFebruary, f.doc.reportMonth().reportMonth0);
    EXPECT_EQ(2025, f.doc.reportMonth().reportYear());
    EXPECT_EQ("  Bulan yang Dikerjakan: Februari", out.statusText);
    // Nothing was emptied.
    EXPECT_EQ(12, f.rec(101).hours[MonthFixture::slot(kMarch, 2023)]);
}

TEST(StartDialog, NoProposalAfterTheSeventhOrWhenThePreviousMonthIsClosed) {
    MonthFixture late({2025, 4, 8});
    late.setState(kFebruary, Collection::Open);
    late.setState(kMarch, Collection::NotInitialised);
    EXPECT_FALSE(StartCollectionModel(late.doc).proposesPreviousMonth());
    EXPECT_FALSE(StartCollectionModel(late.doc).reopenVisible());
    EXPECT_EQ(StartButton::Initialise, StartCollectionModel(late.doc).defaultButton());

    MonthFixture closed({2025, 4, 2});
    closed.setState(kFebruary, Collection::Closed);
    closed.setState(kMarch, Collection::NotInitialised);
    EXPECT_FALSE(StartCollectionModel(closed.doc).reopenVisible());
}

TEST(StartDialog, ReopeningAClosedMonthKeepsItsReports) {
    MonthFixture f({2025, 4, 12});
    report(f.add(101, "Budi", "Santoso"), f.doc.reportMonth().slot(), 7);
    f.open();
    f.setState(kMarch, Collection::Closed);
    f.doc.dirty = false;

    StartCollectionModel dialog(f.doc);
    EXPECT_EQ("Reopen and continue report collection for Maret", dialog.reopenText());
    EXPECT_EQ("Reinitialize and open report collection for Maret", dialog.initialiseText());
    ASSERT_TRUE(dialog.pressReopen());
    const StartOutcome out = finishStartDialog(f.doc, dialog);
    EXPECT_FALSE(out.monthChanged);
    EXPECT_EQ(Collection::Open, f.state(kMarch));
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(7, f.rec(101).hours[f.doc.reportMonth().slot()]);
}

TEST(StartDialog, ReinitialisingAfterTheFifthAsksAndCancelChangesNothing) {
    MonthFixture f({2025, 4, 6});
    report(f.add(101, "Budi", "Santoso"), f.doc.reportMonth().slot(), 7);
    f.open();
    f.setState(kMarch, Collection::Closed);
    f.doc.dirty = false;

    StartCollectionModel dialog(f.doc);
    f.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(dialog.pressInitialise());
    ASSERT_EQ(1u, f.prompter.asked.size());
    EXPECT_EQ(
        "Ini bukan waktu yang biasa untuk memulai bulan Maret !!   \n\nSaudara yakin ingin "
        "melakukannya?\n\nKlik OK untuk memulai Maret",
        f.prompter.asked[0]);
    dialog.cancel();
    const StartOutcome out = finishStartDialog(f.doc, dialog);
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ("  Bulan yang Dikerjakan: Maret", out.statusText);
    EXPECT_EQ(Collection::Closed, f.state(kMarch));
    EXPECT_EQ(7, f.rec(101).hours[f.doc.reportMonth().slot()]);
    EXPECT_FALSE(f.doc.dirty);

    f.prompter.answers = {Answer::Ok};
    StartCollectionModel again(f.doc);
    ASSERT_TRUE(again.pressInitialise());
    const StartOutcome done = finishStartDialog(f.doc, again);
    EXPECT_TRUE(done.initialised);
    EXPECT_EQ(0, f.rec(101).hours[f.doc.reportMonth().slot()]);
    EXPECT_EQ(Collection::Open, f.state(kMarch));
}

TEST(StartDialog, AFirstInitialisationNeverAsksWhateverTheDay) {
    for (int day : {2, 5, 6, 19, 28}) {
        MonthFixture f({2025, 4, day});
        f.setState(kMarch, Collection::NotInitialised);
        StartCollectionModel dialog(f.doc);
        EXPECT_TRUE(dialog.pressInitialise()) << day;
        EXPECT_TRUE(f.prompter.asked.empty()) << day;
    }
    // A reinitialisation on the 5th does not ask either.
    MonthFixture fifth({2025, 4, 5});
    fifth.open();
    fifth.setState(kMarch, Collection::Closed);
    EXPECT_TRUE(StartCollectionModel(fifth.doc).pressInitialise());
    EXPECT_TRUE(fifth.prompter.asked.empty());
}

// A load never leaves the ReportMonth at 0: a month whose slot still holds
// an older year's reports loads as closed, yet it was never initialised.
TEST(StartDialog, AMonthLeftFromAnOlderYearIsInitialisedNotReopened) {
    MonthFixture f({2025, 5, 3});  // ReportMonth April 2025
    f.add(101, "Budi", "Santoso");
    f.doc.header().setInitYear(MonthFixture::slot(kApril, 2025), 23);
    f.doc.header().setInitYear(MonthFixture::slot(kMarch, 2025), 25);
    f.setState(kMarch, Collection::Open);
    f.restart({2025, 5, 9});
    ASSERT_EQ(Collection::Closed, f.state(kApril));
    StartCollectionModel dialog(f.doc);
    EXPECT_FALSE(dialog.reopenVisible());
    EXPECT_EQ("Initialize and open report collection for April", dialog.initialiseText());
    EXPECT_TRUE(dialog.pressInitialise());
    EXPECT_TRUE(f.prompter.asked.empty());

    // On the 3rd the month before, still open, is offered instead.
    MonthFixture early({2025, 5, 3});
    early.add(101, "Budi", "Santoso");
    early.doc.header().setInitYear(MonthFixture::slot(kApril, 2025), 23);
    early.doc.header().setInitYear(MonthFixture::slot(kMarch, 2025), 25);
    early.setState(kMarch, Collection::Open);
    early.restart({2025, 5, 3});
    StartCollectionModel proposal(early.doc);
    EXPECT_TRUE(proposal.proposesPreviousMonth());
    EXPECT_EQ("Reopen and continue report collection for Maret", proposal.reopenText());
}

TEST(StartDialog, AdviceAfterTheTwentieth) {
    MonthFixture twentieth({2025, 4, 20});
    EXPECT_FALSE(StartCollectionModel(twentieth.doc).adviceVisible());
    MonthFixture f({2025, 4, 21});
    StartCollectionModel dialog(f.doc);
    ASSERT_TRUE(dialog.adviceVisible());
    EXPECT_EQ("Saran !", dialog.adviceButtonText());
    dialog.showAdvice();
    ASSERT_EQ(1u, f.prompter.told.size());
    EXPECT_EQ(0u, f.prompter.told[0].find("Saran:  Sebaiknya isilah laporan antara tgl 1 dan 20"));
}

TEST(StartDialog, FrenchWarningPutsThePrepositionBeforeTheFirstName) {
    MonthFixture f({2025, 5, 9});  // ReportMonth April
    f.open();
    f.setState(kApril, Collection::Closed);
    StartCollectionModel dialog(f.doc);
    dialog.setLanguageCode("french");
    f.prompter.answers = {Answer::Cancel};
    dialog.pressInitialise();
    ASSERT_EQ(1u, f.prompter.asked.size());
    EXPECT_NE(std::string::npos, f.prompter.asked[0].find("bulan d'April !!"));
    EXPECT_NE(std::string::npos, f.prompter.asked[0].find("memulai April"));

    MonthFixture march({2025, 4, 9});
    march.open();
    march.setState(kMarch, Collection::Closed);
    StartCollectionModel other(march.doc);
    other.setLanguageCode("french");
    march.prompter.answers = {Answer::Cancel};
    other.pressInitialise();
    EXPECT_NE(std::string::npos, march.prompter.asked[0].find("bulan de Maret !!"));
}

TEST(EarlyStart, FromThe25thOpensTheNextMonthAndARestartComesBack) {
    MonthFixture f({2025, 4, 26});  // ReportMonth March, closed
    PublisherRecord& budi = f.add(101, "Budi", "Santoso");
    report(budi, MonthFixture::slot(kMarch, 2025), 9);
    report(budi, MonthFixture::slot(kApril, 2023), 30);  // two years ago
    f.open();
    CloseCollection(f.doc);

    StartCollectionModel dialog(f.doc);
    ASSERT_TRUE(dialog.earlyStartVisible());
    EXPECT_EQ("Initialize and open report collection for April", dialog.earlyStartText());
    // Always warned; refusing leaves no trace.
    f.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(dialog.pressEarlyStart());
    EXPECT_EQ(1u, f.prompter.asked.size());
    EXPECT_EQ(0, f.doc.reportMonth().earlyYear2);
    EXPECT_EQ(Collection::Closed, f.state(kMarch));

    f.prompter.answers = {Answer::Ok};
    ASSERT_TRUE(dialog.pressEarlyStart());
    const StartOutcome out = finishStartDialog(f.doc, dialog);
    EXPECT_TRUE(out.initialised);
    EXPECT_EQ(kApril, f.doc.reportMonth().reportMonth0);
    EXPECT_EQ(2025, f.doc.reportMonth().reportYear());
    EXPECT_EQ(Collection::Open, f.state(kApril));
    EXPECT_EQ(Collection::NotInitialised, f.state(kMarch));
    EXPECT_EQ(0, f.rec(101).hours[MonthFixture::slot(kApril, 2025)]);
    EXPECT_EQ(9, f.rec(101).hours[MonthFixture::slot(kMarch, 2025)]);
    // The override names the month after the one started.
    EXPECT_EQ(25, f.doc.reportMonth().earlyYear2);
    EXPECT_EQ(kMay + 1, f.doc.reportMonth().earlyMonth);

    // The settings bring the override back on the 27th...
    f.restart({2025, 4, 27}, 25, kMay + 1);
    EXPECT_EQ(kApril, f.doc.reportMonth().reportMonth0);
    EXPECT_EQ(Collection::Open, f.state(kApril));
    EXPECT_FALSE(startDialogNeeded(f.doc));
    EXPECT_FALSE(StartCollectionModel(f.doc).earlyStartVisible());
    // ...and forget it before the 25th, when today's month leads to April anyway.
    f.restart({2025, 5, 2});
    EXPECT_EQ(kApril, f.doc.reportMonth().reportMonth0);
    EXPECT_EQ(Collection::Open, f.state(kApril));
}

TEST(EarlyStart, OnlyFromThe25thAndNotWhileTheMonthIsOpen) {
    MonthFixture before({2025, 4, 24});
    before.setState(kMarch, Collection::Closed);
    EXPECT_FALSE(StartCollectionModel(before.doc).earlyStartVisible());
    EXPECT_FALSE(StartCollectionModel(before.doc).pressEarlyStart());

    MonthFixture open({2025, 4, 25});
    open.open();
    EXPECT_FALSE(StartCollectionModel(open.doc).earlyStartVisible());
    open.setState(kMarch, Collection::NotInitialised);
    EXPECT_TRUE(StartCollectionModel(open.doc).earlyStartVisible());
}

// Moving the ReportMonth used to reload the records from the folder, which
// threw away every change not saved yet.
TEST(MonthSwitch, KeepsUnsavedChangesAndFollowsTheLateReports) {
    MonthFixture f({2025, 4, 3});  // March
    PublisherRecord& budi = f.add(101, "Budi", "Santoso");
    f.setState(kFebruary, Collection::Open);
    f.setState(kMarch, Collection::NotInitialised);
    f.doc.saveAll();
    // A late report entered in February's processing and saved.
    report(f.rec(101), MonthFixture::slot(0, 2025), 5);
    budi.lateMark[MonthFixture::slot(0, 2025)] = kFebruary + 1;
    f.rec(101).hours[MonthFixture::slot(kMarch, 2025)] = 4;  // not saved
    f.doc.dirty = true;

    StartCollectionModel dialog(f.doc);
    ASSERT_TRUE(dialog.pressReopen());
    finishStartDialog(f.doc, dialog);
    EXPECT_EQ(kFebruary, f.doc.reportMonth().reportMonth0);
    EXPECT_EQ(4, f.rec(101).hours[MonthFixture::slot(kMarch, 2025)]);
    ASSERT_EQ(1, f.doc.lateReports().count());
    EXPECT_EQ(0, f.doc.lateReports().entries()[0].month0);
    EXPECT_TRUE(f.doc.dirty);
}

}  // namespace
}  // namespace velno
