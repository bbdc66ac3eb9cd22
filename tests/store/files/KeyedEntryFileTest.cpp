// The keyed entry files: lookups by key follow the index through every
// change (indexing, compaction, new entries in freed slots, failed writes).

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "store/files/KeyedEntryFile.h"
#include "support/FaultyFileSystem.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

constexpr std::size_t kSize = 16;

Bytes entry(std::uint16_t key, const std::string& text) {
    Bytes e(kSize, 0);
    std::memcpy(e.data(), &key, sizeof key);
    std::memcpy(e.data() + 2, text.data(), std::min(text.size(), kSize - 2));
    return e;
}

Bytes entries(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The text of the entry held under a key, "" for none.
std::string textOf(const KeyedEntryFile& file, std::uint16_t key) {
    const auto bytes = file.entryByKey(key);
    const auto copy = file.readEntryByKey(key);
    EXPECT_EQ(bytes.empty(), !copy.has_value()) << "key " << key;
    if (bytes.empty()) return {};
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), copy->begin(), copy->end()));
    return std::string(reinterpret_cast<const char*>(bytes.data()) + 2);
}

struct KeyedFile {
    test::TempFolder dir;
    DataFolder folder{dir.path()};
    KeyedEntryFile file{"keyed.dat", kSize, 100};
    std::set<std::uint16_t> referenced;
    KeyedEntryFile::IsReferenced isReferenced = [this](std::uint16_t k) {
        return referenced.count(k) > 0;
    };

    void put(const Bytes& bytes) { test::writeBytes(dir.file("keyed.dat"), bytes); }
    Bytes onDisk() const { return test::readBytes(dir.file("keyed.dat")); }
};

TEST(KeyedEntryFile, LookupsFollowIndexingAndCompaction) {
    KeyedFile f;
    f.referenced = {12, 14, 15};
    // 11 is unreferenced; the second 12 repeats a key; 5 is below the first key.
    f.put(entries({entry(11, "orphan"), entry(12, "ayah"), entry(12, "again"), entry(14, "ibu"),
                   entry(5, "low"), entry(15, "kakak")}));
    f.file.index(f.folder, f.isReferenced);
    EXPECT_EQ(textOf(f.file, 12), "ayah");
    EXPECT_EQ(textOf(f.file, 14), "ibu");
    EXPECT_EQ(textOf(f.file, 15), "kakak");
    for (const std::uint16_t none : {0, 5, 9, 11, 13, 16, 65535})
        EXPECT_EQ(textOf(f.file, none), "");

    // Compaction moves the survivors to new positions; lookups go with them.
    ASSERT_EQ(f.file.compact(f.folder, f.isReferenced), 3);
    EXPECT_EQ(f.onDisk(), entries({entry(12, "ayah"), entry(14, "ibu"), entry(15, "kakak")}));
    EXPECT_EQ(textOf(f.file, 12), "ayah");
    EXPECT_EQ(textOf(f.file, 14), "ibu");
    EXPECT_EQ(textOf(f.file, 15), "kakak");
    EXPECT_EQ(textOf(f.file, 11), "");
    // A rewrite lands at the moved position, not where the key was read first.
    ASSERT_TRUE(f.file.writeEntryByKey(f.folder, 15, entry(0, "adik")));
    EXPECT_EQ(f.onDisk(), entries({entry(12, "ayah"), entry(14, "ibu"), entry(15, "adik")}));
    EXPECT_EQ(textOf(f.file, 15), "adik");

    // Read again from a file changed behind its back: the old keys are gone.
    f.put(entries({entry(20, "baru")}));
    f.referenced = {20};
    f.file.index(f.folder, f.isReferenced);
    EXPECT_EQ(textOf(f.file, 20), "baru");
    EXPECT_EQ(textOf(f.file, 12), "");
    EXPECT_EQ(f.file.writeEntryByKey(f.folder, 12, entry(0, "x")).error, ENOENT);
    f.file.clear();
    EXPECT_EQ(textOf(f.file, 20), "");
}

TEST(KeyedEntryFile, ANewEntryTakesAFreedSlotAndIsFoundThere) {
    KeyedFile f;
    f.referenced = {10, 12};
    // The repeated 12 frees its slot; 11 is unreferenced and freed too.
    f.put(entries({entry(10, "satu"), entry(11, "lepas"), entry(12, "dua"), entry(12, "ulang")}));
    f.file.index(f.folder, f.isReferenced);
    // Key 11 is neither indexed nor held any more, so it is the next key; the
    // first free slot (where 11 was) takes it.
    ASSERT_EQ(f.file.addEntry(f.folder, entry(0, "tiga"), f.isReferenced), 11);
    EXPECT_EQ(f.onDisk(), entries({entry(10, "satu"), entry(11, "tiga"), entry(12, "dua"),
                                   entry(12, "ulang")}));
    EXPECT_EQ(textOf(f.file, 11), "tiga");
    // The next one goes into the repeat's slot, and the first 12 stays found.
    ASSERT_EQ(f.file.addEntry(f.folder, entry(0, "empat"), f.isReferenced), 13);
    EXPECT_EQ(textOf(f.file, 13), "empat");
    EXPECT_EQ(textOf(f.file, 12), "dua");
    EXPECT_EQ(f.file.fileEntries(), 4u);
    // With every slot taken the file grows.
    ASSERT_EQ(f.file.addEntry(f.folder, entry(0, "lima"), f.isReferenced), 14);
    EXPECT_EQ(f.file.fileEntries(), 5u);
    EXPECT_EQ(textOf(f.file, 14), "lima");
    for (const std::uint16_t key : {10, 11, 12, 13}) EXPECT_NE(textOf(f.file, key), "");
}

TEST(KeyedEntryFile, AFailedWriteLeavesFileAndLookupsAsTheyWere) {
    KeyedFile f;
    f.referenced = {10};
    const Bytes before = entries({entry(10, "satu")});
    f.put(before);
    f.file.index(f.folder, f.isReferenced);
    test::FaultyFileSystem faulty;
    faulty.mode = test::FaultyFileSystem::Mode::Fail;
    faulty.at = 1;
    f.folder.setFileSystem(&faulty);
    FileResult failure;
    EXPECT_EQ(f.file.addEntry(f.folder, entry(0, "dua"), f.isReferenced, &failure), 0);
    EXPECT_FALSE(failure);
    EXPECT_EQ(textOf(f.file, 11), "");
    faulty.steps = 0;
    EXPECT_FALSE(f.file.writeEntryByKey(f.folder, 10, entry(0, "ganti")));
    EXPECT_EQ(textOf(f.file, 10), "satu");
    f.folder.setFileSystem(nullptr);
    EXPECT_EQ(f.onDisk(), before);
    // The key refused then is still the next one.
    EXPECT_EQ(f.file.addEntry(f.folder, entry(0, "dua"), f.isReferenced), 11);
    EXPECT_EQ(textOf(f.file, 11), "dua");
}

}  // namespace
}  // namespace velno
