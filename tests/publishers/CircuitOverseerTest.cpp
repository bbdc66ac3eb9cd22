// The circuit overseer's dialog: the record made on the first OK that names
// him, longer names than a publisher's, the e-mail in the extension.
#include <gtest/gtest.h>

#include "publishers/CircuitOverseerModel.h"
#include "publishers/PublisherFixture.h"

namespace velno {
namespace {

using test::PublisherFixture;
using O = OverseerField;

TEST(CircuitOverseer, TheFirstOkAppendsTheRecordWithAnEighteenCharacterFirstName) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso");
    f.add(101, "Ani", "Zulkarnaen");
    CircuitOverseerModel dialog(f.doc);
    EXPECT_EQ(dialog.title(), "Circuit Overseer");
    EXPECT_EQ(dialog.recordPos(), 0);
    dialog.setText(O::FirstName, "Bartholomeus Adiny");  // 18 characters
    dialog.setText(O::LastName, "Ab");
    dialog.setText(O::Home, "021-5551234567890");
    dialog.setText(O::Email, "co@example.org");
    ASSERT_TRUE(dialog.ok());
    const int pos = circuitOverseerPos(f.doc);
    ASSERT_EQ(pos, f.doc.store().recordCount() - 1);  // at the end, not sorted
    const PublisherRecord& r = f.doc.store().at(pos);
    EXPECT_EQ(r.id, CircuitOverseerModel::kOverseerId);
    EXPECT_EQ(r.listKind, ListCircuitOverseer);
    EXPECT_EQ(fieldText(r.fname), "Bartholomeus Adiny");
    EXPECT_EQ(fieldText(r.phone), "021-5551234567");
    EXPECT_TRUE(f.doc.dirty);
    ASSERT_NE(f.doc.extensionOf(pos), 0);
    EXPECT_EQ(fieldText(f.doc.extensions().current().email), "co@example.org");

    // The next opening shows him, and an OK updates the same record.
    CircuitOverseerModel again(f.doc);
    EXPECT_EQ(again.text(O::FirstName), "Bartholomeus Adiny");
    EXPECT_EQ(again.text(O::Email), "co@example.org");
    again.setText(O::Email, "");
    again.setText(O::Mobile, "0812");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(circuitOverseerPos(f.doc), pos);
    EXPECT_EQ(fieldText(f.doc.store().at(pos).phone2), "0812");
    EXPECT_EQ(f.doc.store().at(pos).extSlot, 0);  // no text left in the extension
}

TEST(CircuitOverseer, AOneCharacterLastNameMakesNoRecord) {
    PublisherFixture f;
    f.add(100, "Budi", "Santoso");
    CircuitOverseerModel dialog(f.doc);
    dialog.setText(O::FirstName, "Adi");
    dialog.setText(O::LastName, " B ");
    EXPECT_FALSE(dialog.ok());
    EXPECT_EQ(circuitOverseerPos(f.doc), 0);
    EXPECT_EQ(f.doc.store().recordCount(), 2);
}

}  // namespace
}  // namespace velno
