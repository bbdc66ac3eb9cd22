// The switch that silences the start-up notice: it flips, marks the
// document modified, and a later start honours it once saved.

#include <gtest/gtest.h>

#include "reporting/StartupNotice.h"
#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

bool startTellsNotice(const test::TempFolder& dir) {
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    StartOptions options;
    options.dataFolder = dir.path();
    options.today = {2025, 3, 10};
    options.setLocale = false;
    EXPECT_TRUE(startInstance(doc, options).opened());
    const std::string notice = startupNotice();
    for (const std::string& t : prompter.told)
        if (t == notice) return true;
    return false;
}

TEST(StartupNotice, TogglingFlipsMarksModifiedAndSurvivesASave) {
    test::TempFolder dir;
    test::writeMainFile(dir.path(), {test::makeRecord(101, "Anton", "Zebua")});
    ASSERT_TRUE(startTellsNotice(dir));

    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    doc.setPrompter(&prompter);
    StartOptions options;
    options.dataFolder = dir.path();
    options.today = {2025, 3, 10};
    options.setLocale = false;
    options.tellNotice = false;
    ASSERT_TRUE(startInstance(doc, options).opened());
    doc.dirty = false;

    EXPECT_TRUE(ToggleStartupNotice(doc));
    EXPECT_TRUE(doc.dirty);
    EXPECT_FALSE(ToggleStartupNotice(doc));
    EXPECT_TRUE(ToggleStartupNotice(doc));
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
    EXPECT_FALSE(startTellsNotice(dir));

    EXPECT_FALSE(ToggleStartupNotice(doc));
    ASSERT_EQ(SaveOutcome::Saved, doc.saveAll());
    EXPECT_TRUE(startTellsNotice(dir));
}

}  // namespace
}  // namespace velno
