#include "session/SettingsFile.h"

#include <algorithm>

#include "store/CVelnoDoc.h"
#include "text/texts/CommonTexts.h"

namespace velno {

namespace {

// Sections and keys as the file has always spelt them.
constexpr const char* kLabel = "Label";
constexpr const char* kReport = "Laporan";
constexpr const char* kEnabled = "Enabled";
constexpr const char* kDialSection = "Dial OK";  // "Dial %1" with "OK"
constexpr const char* kCategory = "Kategori Tambahan";
constexpr const char* kEarly = "Early";
// The "ptg" build keeps sorting by first name; no key was ever given to it
// elsewhere, so it follows the pattern of the other switches.
constexpr const char* kSortSection = "SortByFirstName";
constexpr std::string_view kSortLanguage = "ptg";

constexpr int kFirstEarlyDay = 25;

bool keepsSortSetting(std::string_view languageCode) {
    return languageCode == kSortLanguage;
}

}  // namespace

std::string buildLanguageCode() {
    return text::tr(text::LanguageCode);
}

void clampSettings(Settings& s) {
    const auto onOff = [](int& v) { v = std::clamp(v, 0, 1); };
    for (int* v : {&s.labelBirthDate, &s.labelAlternative, &s.showGrid, &s.incompleteBoxes,
                   &s.emergencySY, &s.dateStamp, &s.autoCaps, &s.nag, &s.printGroup, &s.onePerPage,
                   &s.hideBirth, &s.customCategoryEnabled})
        onOff(*v);
    s.hideAverages = std::clamp(s.hideAverages, 0, 15);  // four hide bits
    // Far beyond any page, far below an overflow.
    s.labelLeftMargin = std::clamp(s.labelLeftMargin, 0, kMaxMargin);
    s.topMargin = std::clamp(s.topMargin, 0, kMaxMargin);
    if (s.congregationName.size() > kCongregationNameLength)
        s.congregationName.resize(kCongregationNameLength);
    if (s.customCategoryName.size() > kCustomCategoryNameLength)
        s.customCategoryName.resize(kCustomCategoryNameLength);
    if (s.secretaryEmail.size() > kSecretaryEmailLength)
        s.secretaryEmail.resize(kSecretaryEmailLength);
}

void readSettings(const ProfileFile& p, Settings& s, std::string_view languageCode) {
    const Settings d;  // the defaults
    s.labelBirthDate = p.getInt(kLabel, "Tanggal lahir", d.labelBirthDate);
    s.labelAlternative = p.getInt(kLabel, "Label Alternatif", d.labelAlternative);
    s.labelLeftMargin = p.getInt(kLabel, "Margin Kiri", d.labelLeftMargin);
    s.showGrid = p.getInt(kReport, "TampilkanGrid", d.showGrid);
    s.incompleteBoxes = p.getInt(kReport, "Tidak Ada Laporan", d.incompleteBoxes);
    s.emergencySY = p.getInt(kReport, "EmergJw", d.emergencySY);
    s.topMargin = p.getInt(kReport, "Top Margin", d.topMargin);
    s.dateStamp = p.getInt(kReport, "Datestamp", d.dateStamp);
    s.congregationName = p.getString(kReport, "CongName", d.congregationName);
    s.dialing = 0;  // found again by the dialing set-up of each run
    s.autoCaps = p.getInt("AutoCap", kEnabled, d.autoCaps);
    s.nag = p.getInt("Nag", kEnabled, d.nag);
    s.printGroup = p.getInt("PrtGrp", kEnabled, d.printGroup);
    s.hideAverages = p.getInt("HideAvg", kEnabled, d.hideAverages);
    s.onePerPage = p.getInt("OnePerPage", kEnabled, d.onePerPage);
    s.hideBirth = p.getInt("HideBir", kEnabled, d.hideBirth);
    s.customCategoryEnabled = p.getInt(kCategory, kEnabled, d.customCategoryEnabled);
    s.customCategoryName = p.getString(kCategory, kCategory, d.customCategoryName)
                               .substr(0, kCustomCategoryNameLength);
    s.secretaryEmail = p.getString("Sec", "Email", d.secretaryEmail);
    s.sortByFirstName = keepsSortSetting(languageCode) && p.getInt(kSortSection, kEnabled, 0) != 0;
    // A hand-edited file cannot reach past a field or make a page overflow.
    clampSettings(s);
}

void writeSettings(ProfileFile& p, const Settings& s, const ReportMonth& month,
                   std::string_view languageCode) {
    p.setInt(kLabel, "Tanggal lahir", s.labelBirthDate);
    p.setInt(kLabel, "Label Alternatif", s.labelAlternative);
    p.setInt(kLabel, "Margin Kiri", s.labelLeftMargin);
    p.setInt(kReport, "TampilkanGrid", s.showGrid);
    p.setInt(kReport, "Tidak Ada Laporan", s.incompleteBoxes);
    p.setInt(kReport, "EmergJw", s.emergencySY);
    p.setInt(kReport, "Top Margin", s.topMargin);
    p.setInt(kReport, "Datestamp", s.dateStamp);
    p.setString(kReport, "CongName", s.congregationName);
    p.setInt(kDialSection, kEnabled, s.dialing);
    p.setInt("AutoCap", kEnabled, s.autoCaps);
    p.setInt("Nag", kEnabled, s.nag);
    p.setInt("PrtGrp", kEnabled, s.printGroup);
    p.setInt("HideAvg", kEnabled, s.hideAverages);
    p.setInt("OnePerPage", kEnabled, s.onePerPage);
    p.setInt("HideBir", kEnabled, s.hideBirth);
    p.setInt(kCategory, kEnabled, s.customCategoryEnabled);
    p.setString(kCategory, kCategory, s.customCategoryName);
    p.setString("Sec", "Email", s.secretaryEmail);
    if (keepsSortSetting(languageCode)) p.setInt(kSortSection, kEnabled, s.sortByFirstName ? 1 : 0);
    p.setInt(kEarly, "Year", month.earlyYear2);
    p.setInt(kEarly, "Month", month.earlyMonth);
}

void readSettings(CVelnoDoc& doc) {
    readSettings(doc.profile(), doc.settings(), buildLanguageCode());
}

FileResult writeSettings(CVelnoDoc& doc) {
    writeSettings(doc.profile(), doc.settings(), doc.reportMonth(), buildLanguageCode());
    return doc.profile().save(&doc.folder());
}

void applyEarlyOverride(ProfileFile& profile, ReportMonth& month, const CalendarDate& today,
                        const DataFolder* folder) {
    if (today.day < kFirstEarlyDay) {
        month.earlyYear2 = 0;
        month.earlyMonth = 0;
        // Written at once, but a folder that never had an early start is
        // not given a settings file just for that.
        if (profile.getInt(kEarly, "Year", 0) != 0 || profile.getInt(kEarly, "Month", 0) != 0) {
            profile.setInt(kEarly, "Year", 0);
            profile.setInt(kEarly, "Month", 0);
            // Done again at the next start should it fail.
            (void)profile.save(folder);
        }
        return;
    }
    if (month.earlyYear2 == 0) {
        month.earlyYear2 = profile.getInt(kEarly, "Year", 0);
        month.earlyMonth = profile.getInt(kEarly, "Month", 0);
    }
    const bool realMonth = month.earlyYear2 > 0 && month.earlyYear2 <= 200 &&
                           month.earlyMonth >= 1 && month.earlyMonth <= 12;
    const bool ahead = realMonth && stampOf(2000 + month.earlyYear2, month.earlyMonth - 1) >
                                        stampOf(today.year, today.month - 1);
    if (!ahead) {
        month.earlyYear2 = 0;
        month.earlyMonth = 0;
    }
}

void setSortByFirstName(CVelnoDoc& doc, bool on) {
    doc.settings().sortByFirstName = on;
    if (on) doc.viewOptions().bytes[0] = 0;
    doc.sortAndIndex();
    doc.dirty = true;
}

}  // namespace velno
