// The report slip: what it shows for whom, the key rules, saving, remarks,
// and slips for earlier months that came late.

#include <gtest/gtest.h>

#include "reporting/LateReports.h"
#include "reporting/MonthFixture.h"
#include "reporting/ReportPredicates.h"
#include "reporting/ReportSlipModel.h"

namespace velno {
namespace {

using test::MonthFixture;
using test::report;

constexpr int kFebruary = 1, kMarch = 2, kNovember = 10;

struct Slips : MonthFixture {
    const int march = MonthFixture::slot(kMarch, 2025);
    Slips() {
        open();
        add(101, "Budi", "Santoso");
    }
    ReportSlipModel slip(PublisherId id) { return ReportSlipModel(doc, pos(id)); }
};

TEST(Slip, OnlyAnOpenMonthAndAnActivePublisherTakeASlip) {
    Slips f;
    f.add(102, "Ani", "Wijaya", ListInactive);
    EXPECT_TRUE(ReportSlipModel::monthOpen(f.doc));
    EXPECT_TRUE(ReportSlipModel::takesReports(f.doc, f.pos(101)));
    EXPECT_FALSE(ReportSlipModel::takesReports(f.doc, f.pos(102)));
    EXPECT_FALSE(ReportSlipModel::takesReports(f.doc, 0));  // the header record
    EXPECT_FALSE(ReportSlipModel::takesReports(f.doc, f.doc.store().recordCount()));
    CloseCollection(f.doc);
    EXPECT_FALSE(ReportSlipModel::monthOpen(f.doc));
}

TEST(Slip, APublisherSeesBibleStudiesOnlyWhileBerdinasIsChecked) {
    Slips f;
    ReportSlipModel s = f.slip(101);
    EXPECT_EQ("Budi Santoso", s.title());
    EXPECT_EQ("Maret", s.monthText());
    EXPECT_TRUE(s.auxiliaryCheckVisible());
    EXPECT_EQ("", s.pioneerLabel());
    EXPECT_FALSE(s.studiesVisible());
    EXPECT_FALSE(s.hoursVisible());
    EXPECT_FALSE(s.creditVisible());
    EXPECT_TRUE(s.infoLines().empty());

    s.setShared(true);
    EXPECT_TRUE(s.studiesVisible());
    EXPECT_FALSE(s.hoursVisible());
    s.setStudiesText("2");
    s.setAuxiliary(true);  // this month's auxiliary pioneer enters hours
    EXPECT_TRUE(s.hoursVisible());
    s.setHoursText("31");
    s.setShared(false);
    EXPECT_EQ("0", s.hoursText());
    EXPECT_EQ("0", s.studiesText());
    EXPECT_FALSE(s.studiesVisible());
    // Hours check "Berdinas" again.
    s.setHoursText("12");
    EXPECT_TRUE(s.shared());
}

TEST(Slip, LabelsForPioneersMissionariesPrivilegeAndGroup) {
    Slips f;
    PublisherRecord& rina = f.add(102, "Rina", "Regular");
    rina.serviceKind[f.march] = ServiceRegular;
    rina.flags |= PrivilegeElder;
    rina.group = 3;
    ReportSlipModel regular = f.slip(102);
    EXPECT_EQ("Perintis Biasa", regular.pioneerLabel());
    EXPECT_FALSE(regular.auxiliaryCheckVisible());
    EXPECT_TRUE(regular.creditVisible());
    EXPECT_EQ("Penatua", regular.privilegeLabel());
    EXPECT_EQ("Kelompok 3", regular.groupLabel());

    f.add(103, "Sari", "Special").serviceKind[f.march] = ServiceSpecial;
    EXPECT_EQ("Perintis istimewa", f.slip(103).pioneerLabel());
    PublisherRecord& mika = f.add(104, "Mika", "Missionary");
    mika.categoryBits |= CategoryBit::Missionary;
    mika.flags |= PrivilegeServant;
    ReportSlipModel missionary = f.slip(104);
    EXPECT_EQ("Utusan injil", missionary.pioneerLabel());
    EXPECT_EQ("Hamba pelayanan", missionary.privilegeLabel());
    missionary.setShared(true);
    EXPECT_TRUE(missionary.hoursVisible());
    EXPECT_EQ("", f.slip(101).privilegeLabel());
    EXPECT_EQ("", f.slip(101).groupLabel());
}

TEST(Slip, KeyRulesOfTheNumberFields) {
    Slips f;
    ReportSlipModel s = f.slip(101);
    using C = SlipControl;
    using K = SlipKey;
    using A = SlipKeyAction;
    EXPECT_EQ(A::Insert, s.onKey(C::Hours, K::Digit));
    EXPECT_EQ(A::Insert, s.onKey(C::Hours, K::Backspace));
    EXPECT_EQ(A::Insert, s.onKey(C::Studies, K::Period));
    EXPECT_EQ(A::Ignore, s.onKey(C::Hours, K::Other));
    s.setHoursText("17");
    EXPECT_EQ(A::ReplacedByZero, s.onKey(C::Hours, K::Space));
    EXPECT_EQ("0", s.hoursText());
    s.setStudiesText("4");
    EXPECT_EQ(A::ReplacedByZero, s.onKey(C::Studies, K::Delete));
    EXPECT_EQ("0", s.studiesText());
    EXPECT_EQ(A::FocusNext, s.onKey(C::Hours, K::Enter));
    EXPECT_EQ(A::Save, s.onKey(C::Studies, K::Enter));
    EXPECT_EQ(A::Save, s.onKey(C::Ok, K::Enter));
    EXPECT_EQ(A::FocusNext, s.onKey(C::Hours, K::Right));
    EXPECT_EQ(A::FocusShared, s.onKey(C::Studies, K::Right));
    EXPECT_EQ(A::FocusStudies, s.onKey(C::Shared, K::Left));
    EXPECT_EQ(A::FocusPrevious, s.onKey(C::Studies, K::Left));
    EXPECT_EQ("Mereka berdinas pada bulan itu, apa pun bentuk dinasnya", s.sharedTooltip());
    EXPECT_EQ(12, leadingNumber("12.5", 65535));
    EXPECT_EQ(1023, leadingNumber("5000", 1023));
}

TEST(Slip, SavingWritesTheMonthAndClearsQuarterHours) {
    Slips f;
    f.rec(101).studiesWord[f.march] = 3u << StudiesWord::QuarterShift;
    f.doc.dirty = false;
    ReportSlipModel s = f.slip(101);
    s.setShared(true);
    s.setAuxiliary(true);
    s.setHoursText("15");
    s.setStudiesText("2");
    const SlipSaveResult r = s.save();
    EXPECT_TRUE(r.changed);
    EXPECT_FALSE(r.carriedLate);
    EXPECT_TRUE(s.closed());
    const PublisherRecord& budi = f.rec(101);
    EXPECT_EQ(15, budi.hours[f.march]);
    EXPECT_EQ(2 | StudiesWord::SharedOrUnderHour, budi.studiesWord[f.march]);
    EXPECT_EQ(ServiceAuxiliary, budi.kindAt(f.march));
    EXPECT_EQ(101, f.doc.documentCounter);
    EXPECT_TRUE(f.doc.dirty);
    EXPECT_EQ(15, f.doc.tally().at(TallyCategory::Auxiliary, TallyValue::Hours));

    // Nothing changed: the store and the modified flag stay as they are.
    f.doc.dirty = false;
    f.doc.documentCounter = 0;
    EXPECT_FALSE(f.slip(101).save().changed);
    EXPECT_FALSE(f.doc.dirty);
    EXPECT_EQ(0, f.doc.documentCounter);
}

TEST(Slip, CancelKeepsTheStore) {
    Slips f;
    ReportSlipModel s = f.slip(101);
    s.setHoursText("15");
    s.cancel();
    EXPECT_FALSE(s.save().changed);
    EXPECT_EQ(0, f.rec(101).hours[f.march]);
}

TEST(Slip, RegularPioneerCreditFromTheRemark) {
    Slips f;
    f.add(102, "Rina", "Regular").serviceKind[f.march] = ServiceRegular;
    ReportSlipModel s = f.slip(102);
    s.setHoursText("50");
    s.hoursFocusLost();
    s.beginRemark();
    EXPECT_TRUE(s.remarkEditorVisible());
    EXPECT_FALSE(s.lateMonthButtonVisible());
    const SlipSaveResult r = s.finishRemark("20");
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(5, f.rec(102).credit[f.march]);
    EXPECT_TRUE(HasRemark(f.rec(102), f.doc.remarks(), kMarch, 1));

    ReportSlipModel again = f.slip(102);
    EXPECT_EQ("( + 5 Jam )", again.creditText());
    EXPECT_EQ("20", again.remarkText());
    // An empty remark takes the credit away.
    again.beginRemark();
    again.finishRemark("");
    EXPECT_EQ(0, f.rec(102).credit[f.march]);
    EXPECT_FALSE(HasRemark(f.rec(102), f.doc.remarks(), kMarch, 1));
}

TEST(Slip, RemarksAreCutTo36CharactersAndWrittenThrough) {
    Slips f;
    ReportSlipModel s = f.slip(101);
    s.beginRemark();
    s.finishRemark("Sakit selama tiga minggu; dikunjungi oleh penatua");
    const int k = f.rec(101).remarkIndex[f.march];
    ASSERT_GT(k, 0);
    EXPECT_EQ("Sakit selama tiga minggu; dikunjungi", f.doc.remarks().at(k).textString());
    EXPECT_EQ(kMarch + 1, f.doc.remarks().at(k).month);
    EXPECT_EQ(1, f.doc.remarks().at(k).parity);
    EXPECT_EQ(96u, test::readBytes(f.dir.file("remark9.dat")).size());
}

TEST(Slip, AFullRemarkTableRefusesTheRemarkButTheReportIsSaved) {
    Slips f;
    while (f.doc.remarks().count() < ReportSlipModel::kRemarkTableLimit)
        f.doc.remarks().append(test::makeRemark(101, 1, 0, "x"));
    ReportSlipModel s = f.slip(101);
    s.setShared(true);
    s.setStudiesText("1");
    s.beginRemark();
    const SlipSaveResult r = s.finishRemark("pindah kerja");
    EXPECT_TRUE(r.remarkRefused);
    ASSERT_EQ(1u, f.prompter.told.size());
    EXPECT_EQ("Tidak cukup ruang untuk Catatan", f.prompter.told[0]);
    EXPECT_EQ(0, f.rec(101).remarkIndex[f.march]);
    EXPECT_EQ(1 | StudiesWord::SharedOrUnderHour, f.rec(101).studiesWord[f.march]);
}

TEST(Slip, ARemarkWithCharactersTheFilesCannotHoldStaysInTheEditor) {
    Slips f;
    ReportSlipModel s = f.slip(101);
    s.beginRemark();
    EXPECT_FALSE(s.finishRemark("sakit \xE2\x98\x83").changed);
    EXPECT_TRUE(s.remarkEditorVisible());
    EXPECT_EQ(1u, f.prompter.told.size());
    EXPECT_FALSE(s.closed());
}

TEST(Slip, InformationLinesForTheReportMonth) {
    Slips f;
    report(f.rec(101), f.march, 5);
    ReportSlipModel s = f.slip(101);
    ASSERT_EQ(2u, s.infoLines().size());
    EXPECT_EQ("- PENGINGAT -   Saudara sudah mengisi laporan Maret untuk Budi Santoso.",
              s.infoLines()[0]);
    EXPECT_EQ("Setiap perubahan AKAN DISERTAKAN dalam laporan Maret ke kantor cabang.",
              s.infoLines()[1]);
    s.setLanguageCode("french");
    EXPECT_EQ("Setiap perubahan AKAN DISERTAKAN dalam laporan de Maret ke kantor cabang.",
              s.infoLines()[1]);
}

TEST(LateSlip, AMonthAfterTheReportMonthIsLastYearsSlot) {
    Slips f;  // March 2025
    ReportSlipModel s = f.slip(101);
    s.showMonthList();
    EXPECT_TRUE(s.monthListVisible());
    EXPECT_FALSE(s.otherControlsVisible());
    EXPECT_EQ(12u, s.monthListEntries().size());
    s.chooseMonth(kNovember);
    EXPECT_FALSE(s.monthListVisible());
    EXPECT_EQ("November", s.monthText());
    EXPECT_EQ(MonthFixture::slot(kNovember, 2024), monthSlot(s.month0(), s.parity()));
    ASSERT_EQ(1u, s.infoLines().size());
    EXPECT_EQ("Setiap perubahan AKAN DISERTAKAN dalam laporan Maret ke kantor cabang.",
              s.infoLines()[0]);
    s.setShared(true);
    s.setStudiesText("1");
    const SlipSaveResult r = s.save();
    EXPECT_TRUE(r.carriedLate);
    EXPECT_EQ(1 | StudiesWord::SharedOrUnderHour,
              f.rec(101).studiesWord[MonthFixture::slot(kNovember, 2024)]);
    EXPECT_EQ(0, f.rec(101).studiesWord[MonthFixture::slot(kNovember, 2025)]);
    ASSERT_EQ(1, f.doc.lateReports().count());
    EXPECT_EQ(kNovember, f.doc.lateReports().entries()[0].month0);
    EXPECT_EQ(1, f.doc.tally().at(TallyCategory::Publishers, TallyValue::Count));
}

// A publisher reports only "Berdinas"; correcting that month later must not
// count him a second time in this month's report.
TEST(LateSlip, AMonthAlreadyReportedIsNotCarriedAgain) {
    Slips f;
    const int february = MonthFixture::slot(kFebruary, 2025);
    f.rec(101).studiesWord[february] = StudiesWord::SharedOrUnderHour;
    ReportSlipModel s = f.slip(101);
    s.chooseMonth(kFebruary);
    ASSERT_EQ(2u, s.infoLines().size());
    EXPECT_EQ("- PENGINGAT -   Saudara sudah mengisi laporan Februari untuk Budi Santoso.",
              s.infoLines()[0]);
    EXPECT_EQ("Perubahan TIDAK AKAN DISERTAKAN dalam laporan Maret ke kantor cabang.",
              s.infoLines()[1]);
    EXPECT_FALSE(s.carried());
    s.setStudiesText("3");
    const SlipSaveResult r = s.save();
    EXPECT_TRUE(r.changed);
    EXPECT_FALSE(r.carriedLate);
    EXPECT_EQ(0, f.doc.lateReports().count());
    EXPECT_EQ(0, f.doc.tally().at(TallyCategory::Publishers, TallyValue::Count));
}

TEST(LateSlip, ACorrectionOfALateReportIsCarriedAgain) {
    Slips f;
    const int february = MonthFixture::slot(kFebruary, 2025);
    report(f.rec(101), february, 4);
    AddLateReport(f.doc, 101, kFebruary);
    ReportSlipModel s = f.slip(101);
    s.chooseMonth(kFebruary);
    EXPECT_TRUE(s.carried());
    EXPECT_EQ("Setiap perubahan AKAN DISERTAKAN dalam laporan Maret ke kantor cabang.",
              s.infoLines().back());
    s.setStudiesText("2");
    EXPECT_TRUE(s.save().carriedLate);
    EXPECT_EQ(1, f.doc.lateReports().count());
}

TEST(LateSlip, ASpecialPioneerIsNeverCarried) {
    Slips f;
    PublisherRecord& sari = f.add(103, "Sari", "Special");
    sari.serviceKind[f.march] = ServiceSpecial;
    ReportSlipModel s = f.slip(103);
    EXPECT_EQ(std::vector<std::string>{"Perintis Istimewa TIDAK DISERTAKAN dalam Laporan ke KC"},
              s.infoLines());
    s.chooseMonth(kFebruary);  // an ordinary publisher then, special now
    EXPECT_FALSE(s.carried());
    s.setShared(true);
    s.setHoursText("70");
    EXPECT_FALSE(s.save().carriedLate);
    EXPECT_EQ(0, f.doc.lateReports().count());
    EXPECT_EQ(70, f.rec(103).hours[MonthFixture::slot(kFebruary, 2025)]);
}

}  // namespace
}  // namespace velno
