// The rows of the analysis pages with their marks, the category table and
// closing lines, and the lists of the list viewer.

#include <algorithm>

#include <gtest/gtest.h>

#include "reporting/AnalyticsFixture.h"
#include "reporting/CongregationAnalysis.h"
#include "reporting/PublisherLists.h"

namespace velno::test {
namespace {

constexpr int kNov2024 = 298;

const AnalysisRow* rowOf(const AnalysisData& data, PublisherId id) {
    for (const auto& s : data.sections)
        for (const auto& r : s.rows)
            if (r.id == id) return &r;
    return nullptr;
}

std::vector<PublisherId> ids(const PublisherList& list) {
    std::vector<PublisherId> v;
    for (const auto& r : list.rows) v.push_back(r.id);
    return v;
}

TEST(CongregationAnalysis, MarksCategoryTableAndClosingLines) {
    AnalyticsFixture f;
    auto& pub = f.add(100, "Ani", "Lubis");        // publisher, reported, baptized
    auto& late = f.add(101, "Budi", "Hasan");      // did not report, never baptized
    auto& rp = f.add(102, "Citra", "Wijaya");      // regular pioneer
    auto& sp = f.add(103, "Dedi", "Saputra");      // special pioneer
    auto& miss = f.add(104, "Eka", "Misionaris");  // missionary, special pioneer
    auto& serv = f.add(105, "Fani", "Khusus");     // special servant, publisher
    for (auto* r : {&pub, &late, &rp, &sp, &miss, &serv}) setBaptism(*r, 1, 1, 2000);
    setFieldText(late.bapdate, "        ");
    reportMonths(pub, kNov2024, 6, 0, 2);
    reportMonths(late, kNov2024 - 1, 5, 0);
    reportMonths(rp, kNov2024, 6, 50, 4, ServiceRegular);
    reportMonths(sp, kNov2024, 6, 100, 3, ServiceSpecial);
    reportMonths(miss, kNov2024, 6, 90, 6, ServiceSpecial);
    miss.categoryBits = CategoryBit::Missionary;
    reportMonths(serv, kNov2024, 6, 0, 5);
    serv.categoryBits = CategoryBit::SpecialServant;
    f.close();

    const auto data = congregationAnalysis(f.doc, 0, AnalysisOrder::AtoZ);
    EXPECT_EQ(data.title, "Laporan Sidang untuk November");
    ASSERT_EQ(data.sections.size(), 1u);
    EXPECT_EQ(rowOf(data, 101)->marks, (std::vector<std::string>{"§", "#", "t3"}));
    EXPECT_EQ(rowOf(data, 102)->marks, std::vector<std::string>{"PB"});
    EXPECT_EQ(rowOf(data, 103)->marks, std::vector<std::string>{"PI"});
    EXPECT_EQ(rowOf(data, 104)->marks, (std::vector<std::string>{"PI", "m"}));
    EXPECT_EQ(rowOf(data, 105)->marks, std::vector<std::string>{"+"});
    EXPECT_FALSE(rowOf(data, 100)->hours.has_value());
    EXPECT_EQ(rowOf(data, 102)->hours, 50);

    // Publishers: Ani reported; Budi did not; Fani reports apart.
    ASSERT_EQ(data.categoryTable.size(), 3u);
    const auto& publishers = data.categoryTable[0];
    EXPECT_EQ(publishers.label, "Pnyr");
    EXPECT_EQ(publishers.reporting, 1);
    EXPECT_DOUBLE_EQ(publishers.averageStudies, 2.0);
    EXPECT_FALSE(publishers.averageHours.has_value());
    // Special pioneers: Dedi alone; the missionary's hours are not his category's.
    const auto& special = data.categoryTable[2];
    EXPECT_EQ(special.label, "Perintis Istimewa");
    EXPECT_EQ(special.reporting, 1);
    EXPECT_DOUBLE_EQ(*special.averageHours, 100.0);
    EXPECT_DOUBLE_EQ(*special.average3, 95.0);  // CategoryAverage: per report of the kind
    EXPECT_EQ(data.missionariesReported, 1);
    EXPECT_EQ(data.specialServantsReported, 1);
    ASSERT_EQ(data.reportedApart.size(), 2u);
    EXPECT_EQ(data.reportedApart[0].label, "Special servants (+)");
    EXPECT_EQ(data.reportedApart[1].label, "Missionaries (m)");

    ASSERT_EQ(data.closing.size(), 5u);
    EXPECT_EQ(data.closing[0].count, 6);
    EXPECT_FALSE(data.closing[0].share.has_value());
    EXPECT_EQ(data.closing[2].symbol, "t3");
    EXPECT_EQ(data.closing[2].count, 1);
    EXPECT_EQ(data.closing[3].count, 1);
    EXPECT_NEAR(*data.closing[3].share, 100.0 / 6, 1e-9);
    EXPECT_EQ(data.closing[4].count, 1);

    EXPECT_TRUE(congregationAnalysis(f.doc, 0, AnalysisOrder::AtoZ, true).sections.empty());
}

TEST(CongregationAnalysis, PioneersThenGroupsThenThoseWithoutGroup) {
    AnalyticsFixture f;
    f.doc.groups().data().count = 2;
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& c = f.add(102, "Citra", "Wijaya");
    auto& d = f.add(103, "Dedi", "Saputra");
    a.group = 2;
    b.group = 1;
    c.group = 1;
    d.group = 0;
    kindAt(c, kNov2024, ServiceRegular);
    kindAt(a, kNov2024, ServiceAuxiliary);
    f.sort();
    const auto data = congregationAnalysis(f.doc, 0, AnalysisOrder::PioneersGroups);
    ASSERT_EQ(data.sections.size(), 4u);
    EXPECT_EQ(data.sections[0].kind, AnalysisSection::Pioneers);
    EXPECT_EQ(data.sections[0].rows[0].id, 102);
    EXPECT_EQ(data.sections[1].group, 1);
    EXPECT_EQ(data.sections[1].rows[0].id, 101);
    EXPECT_EQ(data.sections[2].group, 2);
    EXPECT_EQ(data.sections[2].heading, "KDL # 2");
    EXPECT_EQ(data.sections[3].kind, AnalysisSection::NoGroup);
    EXPECT_EQ(data.auxiliary, 1);

    const auto group = congregationAnalysis(f.doc, 1, AnalysisOrder::PioneersGroups);
    EXPECT_EQ(group.title, "November Laporan KDL # 1");
    ASSERT_EQ(group.sections.size(), 1u);
    EXPECT_EQ(group.sections[0].rows.size(), 2u);
    EXPECT_EQ(group.listed, 2);
}

TEST(PublisherLists, NotReportingWithRemarksMonthsAndGroups) {
    AnalyticsFixture f({2025, 3, 4});  // ReportMonth February 2025
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    auto& c = f.add(102, "Citra", "Wijaya");
    a.group = 1;
    b.group = 2;
    c.group = 1;
    setFieldText(a.phone, "0211");
    setFieldText(a.phone2, "0812");
    reportAt(b, f.stamp(), 5);
    c.remarkIndex[slotOf(f.stamp())] =
        static_cast<std::uint16_t>(f.doc.remarks().append(makeRemark(102, 2, 1, "sakit")));
    reportAt(c, stampOf(2024, 10), 3);  // November of last year

    auto list = buildList(f.doc, {ListMode::NotReporting});
    EXPECT_EQ(ids(list), std::vector<PublisherId>{100});
    EXPECT_EQ(list.title, "Tidak Ada Laporan untuk Februari  ( 1 )");
    EXPECT_EQ(list.rows[0].contact, "0211\t0812");
    EXPECT_EQ(list.rows[0].text, "Ani Lubis  (1)\t0211\t0812");
    ListQuery november{ListMode::NotReporting};
    november.month0 = 10;
    EXPECT_EQ(ids(buildList(f.doc, november)), (std::vector<PublisherId>{100, 101}));
    november.group = 2;
    const auto groupList = buildList(f.doc, november);
    EXPECT_EQ(ids(groupList), std::vector<PublisherId>{101});
    EXPECT_EQ(groupList.rows[0].text, "Budi Hasan\t");
}

TEST(PublisherLists, IrregularRowsNameTheMissedMonthsInCalendarOrder) {
    AnalyticsFixture f({2025, 3, 4});  // ReportMonth February 2025
    auto& a = f.add(100, "Ani", "Lubis");
    reportMonths(a, f.stamp(), 6, 5);
    const int dec = slotOf(stampOf(2024, 11));
    a.hours[dec] = 0;
    a.studiesWord[dec] = 0;
    a.remarkIndex[dec] =
        static_cast<std::uint16_t>(f.doc.remarks().append(makeRemark(100, 12, 0, "pergi")));
    const int feb = slotOf(f.stamp());
    a.hours[feb] = 0;
    a.studiesWord[feb] = 0;
    f.close();
    const auto list = buildList(f.doc, {ListMode::Irregular});
    ASSERT_EQ(list.rows.size(), 1u);
    ASSERT_EQ(list.rows[0].missed.size(), 2u);
    EXPECT_EQ(list.rows[0].missed[0].month0, 1);
    EXPECT_FALSE(list.rows[0].missed[0].remark);
    EXPECT_EQ(list.rows[0].missed[1].month0, 11);
    EXPECT_TRUE(list.rows[0].missed[1].remark);
    EXPECT_EQ(list.rows[0].text, "Ani Lubis\tFeb Des!");
}

TEST(PublisherLists, NewReactivatedInactiveAndMovedByPeriod) {
    AnalyticsFixture f;  // ReportMonth November 2024
    auto& a = f.add(100, "Ani", "Lubis");
    setStatus(a, 10, StatusCode::New, kNov2024 - 1);
    auto& b = f.add(101, "Budi", "Hasan");
    setStatus(b, 4, StatusCode::Reactivated, kNov2024 - 7);
    b.statusMark = 0;
    auto& old = f.add(102, "Citra", "Lama", ListInactive);
    old.statusMark = 3 << 4;
    old.listYear = 22;
    auto& recent = f.add(103, "Dedi", "Baru", ListInactive);
    recent.statusMark = 9 << 4;
    recent.listYear = 24;

    auto list = buildList(f.doc, {ListMode::New});
    ASSERT_EQ(ids(list), std::vector<PublisherId>{100});
    EXPECT_EQ(list.rows[0].month, 10);
    EXPECT_EQ(list.rows[0].year, 2024);
    ListQuery q{ListMode::Reactivated};
    EXPECT_TRUE(buildList(f.doc, q).rows.empty());
    q.period = ListPeriod::TwelveMonths;
    list = buildList(f.doc, q);
    ASSERT_EQ(ids(list), std::vector<PublisherId>{101});
    EXPECT_EQ(list.rows[0].month, 4);
    EXPECT_EQ(list.rows[0].text, "Budi Hasan\tApril 2024");

    ListQuery inactive{ListMode::Inactive};
    EXPECT_EQ(ids(buildList(f.doc, inactive)), std::vector<PublisherId>{103});
    inactive.period = ListPeriod::MoreThanTwelve;
    EXPECT_EQ(ids(buildList(f.doc, inactive)), std::vector<PublisherId>{102});
    inactive.period = ListPeriod::All;
    list = buildList(f.doc, inactive);
    EXPECT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.title, "Penyiar Tidak Aktif ( 2 )");
    EXPECT_EQ(list.rows[0].year, 2022);
}

TEST(PublisherLists, MoreThanTwelveMonthsIsExactlyWhatTheLastTwelveLeaveOut) {
    AnalyticsFixture f;  // ReportMonth November 2024
    struct Inactive {
        PublisherId id;
        int month;
        int yearByte;
    };
    // The edges of the twelve months (December 2023 .. November 2024), a
    // future date, two-digit years before 2000 and records without a month.
    const Inactive records[] = {
        {100, 12, 23}, {101, 11, 23}, {102, 11, 24}, {103, 12, 24}, {104, 5, 205},
        {105, 1, 255}, {106, 0, 20},  {107, 13, 24}, {108, 6, 0},
    };
    for (const Inactive& r : records) {
        auto& rec = f.add(r.id, "N" + std::to_string(r.id), "Tidak", ListInactive);
        rec.statusMark = static_cast<std::uint8_t>(r.month << 4);
        rec.listYear = static_cast<std::uint8_t>(r.yearByte);
    }
    ListQuery q{ListMode::Inactive};
    q.period = ListPeriod::TwelveMonths;
    auto twelve = ids(buildList(f.doc, q));
    q.period = ListPeriod::MoreThanTwelve;
    auto more = ids(buildList(f.doc, q));
    std::sort(twelve.begin(), twelve.end());
    std::sort(more.begin(), more.end());
    EXPECT_EQ(twelve, (std::vector<PublisherId>{100, 102}));
    EXPECT_EQ(more, (std::vector<PublisherId>{101, 103, 104, 105, 106, 107, 108}));
    q.period = ListPeriod::All;
    EXPECT_EQ(buildList(f.doc, q).rows.size(), 9u);
    // 1949 reads as 1744 + 205.
    q.period = ListPeriod::MoreThanTwelve;
    for (const ListRow& row : buildList(f.doc, q).rows) {
        if (row.id == 104) {
            EXPECT_EQ(row.year, 1949);
        }
    }
}

TEST(PublisherLists, BaptizedConsentPrivilegesAndBibleStudents) {
    AnalyticsFixture f({2025, 2, 10});
    auto& a = f.add(100, "Ani", "Lubis");
    auto& b = f.add(101, "Budi", "Hasan");
    setBaptism(a, 3, 15, 2023);  // one completed year
    setBaptism(b, 1, 15, 2010);
    b.flags = PrivilegeElder;
    PrivilegeDateEntry consent{};
    consent.id = 100;
    consent.kind = PrivilegeKind::Consent;
    setFieldText(consent.start, makeDateText(5, 1, 2019));
    f.doc.privilegeDates().entries.push_back(consent);
    PrivilegeDateEntry elder{};
    elder.id = 101;
    elder.kind = PrivilegeKind::Elder;
    setFieldText(elder.start, makeDateText(3, 15, 2015));
    f.doc.privilegeDates().entries.push_back(elder);
    auto& student = f.add(200, "Gita", "Pelajar", ListBibleStudent);
    setFieldText(reinterpret_cast<char*>(student.placements), sizeof student.placements,
                 "Budi Hasan");
    student.group = 2;
    student.flags = RecordFlag::NoGroupOnSideList;

    auto list = buildList(f.doc, {ListMode::Baptized});
    ASSERT_EQ(ids(list), std::vector<PublisherId>{100});
    EXPECT_EQ(list.rows[0].years, 1);
    ListQuery bracket{ListMode::Baptized};
    bracket.bracket = 3;  // "10 - 19 Thn"
    EXPECT_EQ(ids(buildList(f.doc, bracket)), std::vector<PublisherId>{101});

    list = buildList(f.doc, {ListMode::Consent});
    ASSERT_EQ(ids(list), std::vector<PublisherId>{100});
    EXPECT_EQ(list.rows[0].detail, "2019-05-01");
    EXPECT_EQ(ids(buildList(f.doc, {ListMode::NoConsent})), std::vector<PublisherId>{101});

    ListQuery elders{ListMode::Privileges};
    elders.privilege = PrivilegeFilter::Elders;
    list = buildList(f.doc, elders);
    ASSERT_EQ(ids(list), std::vector<PublisherId>{101});
    EXPECT_EQ(list.rows[0].detail, "2015-03-15");

    list = buildList(f.doc, {ListMode::BibleStudents});
    ASSERT_EQ(ids(list), std::vector<PublisherId>{200});
    EXPECT_EQ(list.rows[0].detail, "Budi Hasan");
    ListQuery group2{ListMode::BibleStudents};
    group2.group = 2;
    EXPECT_TRUE(buildList(f.doc, group2).rows.empty());  // kept out of every group
    EXPECT_EQ(ids(buildList(f.doc, {ListMode::Unbaptized})), std::vector<PublisherId>{});
}

}  // namespace
}  // namespace velno::test
