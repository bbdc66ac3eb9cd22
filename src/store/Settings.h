#pragma once
// The program's settings, as kept in the settings file "velnoin.ini" of the
// data folder. Values only; reading and writing the file is the profile
// layer's job.

#include <string>

namespace velno {

struct Settings {
    // "Label"
    int labelBirthDate = 1;    // "Tanggal lahir"
    int labelAlternative = 0;  // "Label Alternatif"
    int labelLeftMargin = 20;  // "Margin Kiri"
    // "Laporan"
    int showGrid = 0;              // "TampilkanGrid"
    int incompleteBoxes = 0;       // "Tidak Ada Laporan"
    int emergencySY = 1;           // "EmergJw"
    int topMargin = 50;            // "Top Margin", 1/100 inch
    int dateStamp = 0;             // "Datestamp"
    std::string congregationName;  // "CongName", Windows-1252
    // Sections with one key "Enabled"
    int dialing = 0;  // "Dial OK": written, but every start begins at 0
    int autoCaps = 1;
    int nag = 0;  // 1 = no start-up notice
    int printGroup = 0;
    int hideAverages = 0;  // bit set
    int onePerPage = 0;
    int hideBirth = 0;
    // "Kategori Tambahan"
    int customCategoryEnabled = 0;
    std::string customCategoryName;  // at most 15 characters
    // "Sec"
    std::string secretaryEmail;
    // Only the "ptg" build keeps this; every other build forces it off.
    bool sortByFirstName = false;
};

}  // namespace velno
