#pragma once
// The monthly report export dialog (dialog 129 "Export Data Penyiar"): the
// month (the ReportMonth preselected), comma or tab, and whether a header
// line comes first.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "exchange/DelimitedExports.h"

namespace velno {

class CVelnoDoc;

class MonthlyExportModel {
public:
    explicit MonthlyExportModel(CVelnoDoc& doc);

    std::string title() const;
    // The twelve full month names, January first (UTF-8).
    std::vector<std::string> monthNames() const;
    int month0() const { return choice_.month0; }
    void selectMonth(int month0);
    bool tabDelimited() const { return choice_.delimiter == '\t'; }
    void setTabDelimited(bool tab) { choice_.delimiter = tab ? '\t' : ','; }
    bool header() const { return choice_.header; }
    void setHeader(bool header) { choice_.header = header; }

    const MonthlyExportChoice& choice() const { return choice_; }
    std::string fileName() const;

    // OK: writes the file into the Exports folder and returns its path;
    // nothing when it could not be written (the message was shown).
    std::optional<std::filesystem::path> accept();

private:
    CVelnoDoc& doc_;
    MonthlyExportChoice choice_;
};

}  // namespace velno
