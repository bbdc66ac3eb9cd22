// The report fonts through the settings file: their sections sit beside
// the other settings and a hand-edited font is read back.

#include <gtest/gtest.h>

#include <string>

#include "print/ProfileFontSettings.h"
#include "print/ReportFonts.h"
#include "store/files/ProfileFile.h"

namespace velno::print {
namespace {

TEST(ProfileFontSettings, FontsLiveInTheirOwnSectionsOfTheSettingsFile) {
    ProfileFile profile;
    profile.parse(
        "[Nag]\r\nEnabled=1\r\n[huruf judul]\r\ntinggi=-24\r\nFaceName=Times New Roman\r\n");
    ProfileFontSettings store(profile);
    ReportFonts fonts;
    fonts.load(store, ReportFonts::DefaultSet::HighResolution, "in");
    EXPECT_EQ(-24, fonts.font(FontRole::Title).height);
    EXPECT_EQ("Times New Roman", fonts.font(FontRole::Title).faceName);
    EXPECT_EQ(-13, fonts.font(FontRole::Text).height);  // never stored: the default

    LogicalFont text = fonts.font(FontRole::Text);
    text.faceName = "Caf\xC3\xA9 Sans";  // UTF-8 here, Windows-1252 in the file
    fonts.setFont(FontRole::Text, text);
    fonts.store(store);
    EXPECT_EQ("Caf\xE9 Sans",
              profile.getString(ReportFonts::sectionName(FontRole::Text), "FaceName", ""));
    EXPECT_EQ(1, profile.getInt("Nag", "Enabled", 0));

    ProfileFile again;
    again.parse(profile.text());
    ProfileFontSettings reread(again);
    ReportFonts back;
    back.load(reread, ReportFonts::DefaultSet::HighResolution, "in");
    EXPECT_EQ("Caf\xC3\xA9 Sans", back.font(FontRole::Text).faceName);
    EXPECT_EQ(-24, back.font(FontRole::Title).height);
}

}  // namespace
}  // namespace velno::print
