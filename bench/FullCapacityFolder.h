#pragma once
// A data folder at full capacity for the benchmarks: 1509 records, 3898
// remarks, 600 extension entries, 1500 privilege dates and 1000 emergency
// contacts. Written once per run into the temp directory.

#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "store/CVelnoDoc.h"
#include "store/FixedText.h"

namespace velno::bench {

inline constexpr CalendarDate kToday{2025, 3, 10};

inline std::string randomName(std::mt19937& rng, int length) {
    static const char* syllables[] = {"ba", "di", "su", "ka", "ri", "no", "wa", "ti", "ma", "le"};
    std::string s;
    while (static_cast<int>(s.size()) < length) s += syllables[rng() % 10];
    s.resize(length);
    s[0] = static_cast<char>(s[0] - 32);
    return s;
}

// A folder with 1509 records, 3898 remarks, 600 extension entries, 1500
// privilege dates and 1000 emergency contacts.
inline std::filesystem::path fullFolder() {
    namespace fs = std::filesystem;
    static fs::path path;
    if (!path.empty()) return path;
    path = fs::temp_directory_path() / ("velno-bench-" + std::to_string(getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
    std::mt19937 rng(1);
    CVelnoDoc doc;
    doc.setToday(kToday);
    doc.loadStore(path);
    for (int i = 0; i < 1509; ++i) {
        PublisherRecord r{};
        r.id = static_cast<PublisherId>(100 + i);
        setFieldText(r.fname, randomName(rng, 4 + static_cast<int>(rng() % 8)));
        setFieldText(r.lname, randomName(rng, 4 + static_cast<int>(rng() % 10)));
        setFieldText(r.addr, "Jl. " + randomName(rng, 20) + " " + std::to_string(i));
        setFieldText(r.phone, "0812" + std::to_string(1000000 + i));
        r.listKind = i == 1508 ? ListCircuitOverseer : (i % 10 == 0 ? ListInactive : ListActive);
        r.moreBits = MoreBit::Loaded;
        r.group = static_cast<std::uint8_t>(1 + i % 20);
        r.emergId = static_cast<std::uint16_t>(i < 1000 ? 10 + i : 0);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            r.hours[slot] = static_cast<std::uint16_t>(rng() % 60);
            r.studiesWord[slot] = static_cast<std::uint16_t>(rng() % 4);
            r.slotYear[slot] = 24;
        }
        doc.store().append(r);
    }
    doc.sortAndIndex();
    for (int k = 0; k < 600; ++k) {
        doc.extensions().current() = {};
        doc.extensions().current().owner = static_cast<PublisherId>(100 + k);
        setFieldText(doc.extensions().current().email, randomName(rng, 12) + "@example.org");
        doc.store().recordById(static_cast<PublisherId>(100 + k))->extSlot =
            static_cast<std::uint16_t>(doc.writeExtension());
    }
    for (int k = 0; k < 3898; ++k) {
        const PublisherId id = static_cast<PublisherId>(100 + k % 1509);
        const int month0 = (k / 1509) % 12, parity = (k / 1509 / 12) % 2;
        RemarkEntry e{};
        setFieldText(e.text, "catatan " + std::to_string(k));
        e.month = static_cast<std::uint8_t>(month0 + 1);
        e.parity = static_cast<std::uint8_t>(parity);
        e.id = id;
        const int index = doc.remarks().append(e);
        doc.store().recordById(id)->remarkIndex[monthSlot(month0, parity)] =
            static_cast<std::uint16_t>(index);
    }
    for (int k = 0; k < 1500; ++k) {
        PrivilegeDateEntry p{};
        p.id = static_cast<PublisherId>(100 + k);
        p.kind = 1 + k % 5;
        setFieldText(p.start, "01152010");
        doc.privilegeDates().entries.push_back(p);
    }
    Bytes contacts;
    for (int k = 0; k < 1000; ++k) {
        Bytes e(256, 0);
        const std::uint16_t key = static_cast<std::uint16_t>(10 + k);
        std::memcpy(e.data(), &key, 2);
        std::memcpy(e.data() + 2, "Kontak", 6);
        contacts.insert(contacts.end(), e.begin(), e.end());
    }
    if (!doc.folder().write("emerg.dat", contacts)) std::abort();  // no figures from a half folder
    doc.groups().data().count = 20;
    doc.saveAll();
    return path;
}

}  // namespace velno::bench
