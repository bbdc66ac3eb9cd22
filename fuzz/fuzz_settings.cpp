// The settings file: the profile parser, the settings table and the report
// fonts read from it, and the text written back.

#include <cstdint>
#include <string_view>

#include "print/ProfileFontSettings.h"
#include "print/ReportFonts.h"
#include "session/SettingsFile.h"
#include "store/ReportMonth.h"
#include "store/files/ProfileFile.h"

using namespace velno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileFile profile;
    profile.parse(std::string_view(reinterpret_cast<const char*>(data), size));
    Settings settings;
    readSettings(profile, settings, "in");
    print::ProfileFontSettings fontStore(profile);
    print::ReportFonts fonts;
    fonts.load(fontStore, print::ReportFonts::DefaultSet{}, "in", false);
    ReportMonth month;
    applyEarlyOverride(profile, month, {2025, 3, 26});
    writeSettings(profile, settings, month, "in");
    fonts.store(fontStore);
    (void)profile.text();
    return 0;
}
