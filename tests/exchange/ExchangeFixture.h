#pragma once
// A demo congregation opened as the program opens it, for the exchange
// tests, and a picture of a folder's files to compare states.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "demo/DemoCongregation.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno::test {

struct Live {
    TempFolder dir;
    ScriptedPrompter prompter;
    CVelnoDoc doc;
    CalendarDate today;

    explicit Live(const CalendarDate& date, int publishers = 30) : today(date) {
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(dir.path(), today, 7, publishers, &error)) << error;
        doc.setPrompter(&prompter);
        start();
    }
    void start() {
        StartOptions o;
        o.dataFolder = dir.path();
        o.today = today;
        o.setLocale = false;
        o.tellNotice = false;
        ASSERT_TRUE(startInstance(doc, o).opened());
    }
};

// Every regular file under a folder with its bytes.
using Files = std::map<std::string, std::vector<std::uint8_t>>;
inline Files filesOf(const std::filesystem::path& root, const std::vector<std::string>& skip = {}) {
    Files files;
    std::error_code ec;
    if (!std::filesystem::exists(root, ec)) return files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        if (!e.is_regular_file()) continue;
        const std::string rel = std::filesystem::relative(e.path(), root).string();
        bool skipped = false;
        for (const auto& s : skip) skipped |= rel.rfind(s, 0) == 0;
        if (!skipped) files[rel] = readBytes(e.path());
    }
    return files;
}

// The data set proper: the set files and snapshots, not the undo folder or
// the catalogue.
inline Files dataSetOf(const std::filesystem::path& root) {
    return filesOf(root, {"unrestore", "buhist.dat", "rmkundo.dat", "Vn9_"});
}

// The names whose bytes differ, for a failure message.
inline std::string differences(const Files& a, const Files& b) {
    std::string out;
    for (const auto& [name, bytes] : a) {
        const auto it = b.find(name);
        if (it == b.end())
            out += " -" + name;
        else if (it->second != bytes)
            out += " ~" + name;
    }
    for (const auto& [name, bytes] : b)
        if (!a.count(name)) out += " +" + name;
    return out;
}

}  // namespace velno::test
