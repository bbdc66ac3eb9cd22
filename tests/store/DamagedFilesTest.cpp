// Damaged data folders: short, long and garbage files of every kind must
// load without a crash or a read past the end, and the check tells.

#include <gtest/gtest.h>

#include <random>

#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

const std::vector<std::string> kDataFiles{"tdat9.bin",   "xten7.dat",  "remark9.dat", "bkstudy.dat",
                                          "meetin9.dat", "tcard.dat",  "tlt15.dat",   "tappt.dat",
                                          "emerg.dat",   "spneed.dat", "vnxcfg.cfg"};

std::vector<std::uint8_t> garbage(std::mt19937& rng, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

TEST(DamagedFiles, GarbageOfEverySizeLoadsAndSaves) {
    std::mt19937 rng(2024);
    const std::vector<std::size_t> sizes{0, 1, 47, 401, 817, 1881, 2141, 5000, 816 * 1600 + 13};
    for (std::size_t size : sizes) {
        test::TempFolder dir;
        for (const auto& name : kDataFiles) test::writeBytes(dir.file(name), garbage(rng, size));
        CVelnoDoc doc;
        doc.setToday({2025, 3, 10});
        ASSERT_TRUE(doc.loadStore(dir.path())) << size;
        EXPECT_LE(doc.store().recordCount(), RecordStore::kCapacity);
        EXPECT_LE(doc.groups().count(), 20);
        EXPECT_LE(doc.remarks().count(), RemarkTable::kCapacity);
        for (int pos = 1; pos < doc.store().recordCount(); ++pos) {
            for (std::uint16_t k : doc.store().at(pos).remarkIndex)
                ASSERT_LT(k, std::max(doc.remarks().count(), 1));
            doc.extensionOf(pos);
            doc.displayName(pos);
        }
        doc.saveAll();
        CVelnoDoc again;
        again.setToday({2025, 3, 10});
        ASSERT_TRUE(again.loadStore(dir.path())) << size;
    }
}

TEST(DamagedFiles, TheLoadReportNamesWhatWasCutOff) {
    test::TempFolder dir;
    test::writeMainFile(dir.path(), {test::makeRecord(100, "Eka", "Putri")});
    auto main = test::readBytes(dir.file("tdat9.bin"));
    main.resize(main.size() + 100, 0x55);  // a partial record at the end
    test::writeBytes(dir.file("tdat9.bin"), main);
    CVelnoDoc doc;
    ASSERT_TRUE(doc.loadStore(dir.path()));
    EXPECT_EQ(2, doc.store().recordCount());
    ASSERT_FALSE(doc.loadReport().notes.empty());
    EXPECT_NE(std::string::npos, doc.loadReport().notes[0].find("tdat9.bin"));
}

TEST(DamagedFiles, OversizedMainFileKeepsTheCapacity) {
    test::TempFolder dir;
    std::vector<PublisherRecord> records;
    for (int i = 0; i < 1600; ++i)
        records.push_back(
            test::makeRecord(static_cast<PublisherId>(100 + i), "P" + std::to_string(i), "X"));
    test::writeMainFile(dir.path(), records);
    CVelnoDoc doc;
    ASSERT_TRUE(doc.loadStore(dir.path()));
    EXPECT_EQ(RecordStore::kCapacity, doc.store().recordCount());
    EXPECT_EQ(1, doc.loadReport().recordsBeyondCapacity);
}

TEST(DamagedFiles, ExtraCircuitOverseersAreToldOncePerLoad) {
    test::TempFolder dir;
    std::vector<PublisherRecord> records;
    for (int i = 0; i < 7; ++i)
        records.push_back(test::makeRecord(static_cast<PublisherId>(100 + i), "Co",
                                           std::to_string(i), ListCircuitOverseer));
    test::writeMainFile(dir.path(), records);
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    ASSERT_TRUE(doc.loadStore(dir.path()));
    EXPECT_EQ(6, doc.loadReport().extraCircuitOverseers);
    EXPECT_EQ(1u, prompter.told.size());
    doc.sortAndIndex();  // the same load's store, indexed again
    EXPECT_EQ(1u, prompter.told.size());
}

}  // namespace
}  // namespace velno
