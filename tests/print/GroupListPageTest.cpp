// The field service group lists: who each variant lists, the marks, the
// heading line, the title rules, and groups kept whole across pages.

#include <gtest/gtest.h>

#include "print/GroupListPage.h"
#include "print/PageReading.h"
#include "publishers/GroupListData.h"
#include "reporting/AnalyticsFixture.h"
#include "store/files/PrivilegeDates.h"

namespace velno::print {
namespace {

using test::DrawnReport;
using test::lineWith;
using velno::test::AnalyticsFixture;

void setGroup(CVelnoDoc& doc, int n, const char* overseer, const char* assistant,
              const char* time = "") {
    GroupFile& g = doc.groups().data();
    setFieldText(g.overseer[n - 1], overseer);
    setFieldText(g.assistant[n - 1], assistant);
    setFieldText(g.location[n - 1], "Balai");
    setFieldText(g.time[n - 1], time);
    g.day[n - 1] = 5;
    if (g.count < n) g.count = static_cast<std::uint8_t>(n);
}

struct Groups : AnalyticsFixture {
    Groups() {
        add(100, "Budi", "Santoso").group = 1;
        add(101, "Ana", "Adi").group = 1;
        auto& away = add(102, "Citra", "Jauh", ListInactive);
        away.group = 1;
        auto& excluded = add(103, "Dedi", "Keluar", ListInactive);
        excluded.group = 1;
        excluded.flags = RecordFlag::NoGroupOnSideList;
        add(104, "Eka", "Murid", ListBibleStudent).group = 1;
        add(105, "Fajar", "Lain").group = 2;
        setGroup(doc, 1, "Budi Santoso", "Ana Adi", "19:00");
        setGroup(doc, 2, "Orang Luar", "ana adi", "sore");
    }
    std::vector<std::string> names(GroupListVariant v, int group = 1) {
        return groupListData(doc, v, "in").groups.at(group - 1).names;
    }
};

TEST(GroupLists, EachVariantListsItsMembersWithTheirMarks) {
    Groups f;
    using V = GroupListVariant;
    EXPECT_EQ(f.names(V::Active), (std::vector<std::string>{"Ana Adi (A)", "Budi Santoso"}));
    EXPECT_EQ(f.names(V::ActiveStudents),
              (std::vector<std::string>{"Ana Adi (A)", "Budi Santoso", "Eka Murid (s)"}));
    EXPECT_EQ(f.names(V::ActiveInactive),
              (std::vector<std::string>{"Ana Adi (A)", "Budi Santoso", "Citra Jauh (i)"}));
    // The excluded inactive record is never listed.
    EXPECT_EQ(f.names(V::All), (std::vector<std::string>{"Ana Adi (A)", "Budi Santoso",
                                                         "Citra Jauh (i)", "Eka Murid (s)"}));
    // The assistant's text must equal the name exactly.
    EXPECT_EQ(f.names(V::Active, 2), (std::vector<std::string>{"Fajar Lain"}));
    EXPECT_TRUE(f.names(V::Consent).empty());
    PrivilegeDateEntry consent{};
    consent.id = 100;
    consent.kind = PrivilegeKind::Consent;
    f.doc.privilegeDates().entries.push_back(consent);
    EXPECT_EQ(f.names(V::Consent), (std::vector<std::string>{"Budi Santoso"}));

    const GroupListData data = groupListData(f.doc, V::Active, "in");
    EXPECT_EQ(data.title, "KDL Sidang");
    EXPECT_EQ(data.groups[0].overseer, "Pengawas: Budi Santoso");
    EXPECT_EQ(data.groups[0].meeting, "Sabtu  19:00   ");
    EXPECT_EQ(data.groups[1].meeting, "Sabtu  sore   ");
    setFieldText(f.doc.groups().data().time[1], "sor");
    EXPECT_EQ(groupListData(f.doc, V::Active, "in").groups[1].meeting, "");
    EXPECT_EQ(groupListData(f.doc, V::Active, "czech").title, "KDL");
    f.doc.settings().congregationName = "Bethel";
    EXPECT_EQ(groupListData(f.doc, V::Active, "french").title,
              "Groupes de prédication de l'Assemblée");
}

TEST(GroupLists, AtMostAHundredMembersAndOnlyGroupsInUse) {
    Groups f;
    for (int i = 0; i < 120; ++i) f.add(200 + i, "P" + std::to_string(i), "Banyak").group = 1;
    EXPECT_EQ(f.names(GroupListVariant::All).size(), 100u);
    f.doc.groups().data().count = 1;
    EXPECT_EQ(groupListData(f.doc, GroupListVariant::All, "in").groups.size(), 1u);
}

TEST(GroupLists, FourColumnsRowByRowAndGroupsStayWholeOnAPage) {
    AnalyticsFixture f;
    for (int g = 1; g <= 6; ++g) {
        setGroup(f.doc, g, ("Pengawas" + std::to_string(g)).c_str(), "");
        for (int i = 0; i < 30; ++i)
            f.add(static_cast<PublisherId>(100 + g * 40 + i), "N" + std::to_string(g * 100 + i),
                  "K")
                .group = static_cast<std::uint8_t>(g);
    }
    DrawnReport r(f.doc, drawGroupLists<GroupListVariant::Active>);
    ASSERT_GT(r.pages, 1);
    const int first = lineWith(r.lines, "Pengawas: Pengawas1");
    ASSERT_GE(first, 0);
    const auto& row = r.lines[first + 1];
    ASSERT_EQ(row.runs.size(), 4u);
    EXPECT_EQ(row.runs[0].text, "N100 K");
    EXPECT_EQ(row.runs[1].text, "N101 K");
    // Each group's heading and its last row lie on the same page, and every
    // page carries the title.
    for (int g = 1; g <= 6; ++g) {
        const int head = lineWith(r.lines, "Pengawas: Pengawas" + std::to_string(g));
        const int last = lineWith(r.lines, "N" + std::to_string(g * 100 + 29) + " K");
        ASSERT_GE(head, 0);
        ASSERT_GE(last, 0);
        EXPECT_EQ(r.lines[head].page, r.lines[last].page) << g;
    }
    int titles = 0;
    for (const auto& l : r.lines) titles += l.has("KDL Sidang");
    EXPECT_EQ(titles, r.pages);
}

}  // namespace
}  // namespace velno::print
