// How a group's overseer is named on printed pages.

#include <gtest/gtest.h>

#include "PublisherFixture.h"
#include "publishers/GroupOverseer.h"

namespace velno {
namespace {

void setOverseer(CVelnoDoc& doc, int group, const std::string& name) {
    setFieldText(doc.groups().data().overseer[group - 1], name);
}

TEST(GroupOverseer, ServantIsTitledServantAnyoneElseOverseer) {
    test::PublisherFixture f;
    PublisherRecord& servant = f.add(101, "Budi", "Santoso");
    servant.flags =
        static_cast<std::uint8_t>((servant.flags & ~RecordFlag::PrivilegeMask) | PrivilegeServant);
    PublisherRecord& elder = f.add(102, "Agus", "Wijaya");
    elder.flags =
        static_cast<std::uint8_t>((elder.flags & ~RecordFlag::PrivilegeMask) | PrivilegeElder);
    setOverseer(f.doc, 1, "Budi Santoso");
    setOverseer(f.doc, 2, "Agus Wijaya");
    // A name nobody on file has, and an overseer on no list at all.
    setOverseer(f.doc, 3, "Joko Susilo");

    EXPECT_EQ("Hamba: Budi Santoso", overseerTitle(f.doc, 1));
    EXPECT_EQ("Pengawas: Agus Wijaya", overseerTitle(f.doc, 2));
    EXPECT_EQ("Pengawas: Joko Susilo", overseerTitle(f.doc, 3));
    EXPECT_EQ("", overseerTitle(f.doc, 4));
    // Numbers outside the table name nobody.
    EXPECT_EQ("", overseerTitle(f.doc, 0));
    EXPECT_EQ("", overseerTitle(f.doc, 21));
}

}  // namespace
}  // namespace velno
