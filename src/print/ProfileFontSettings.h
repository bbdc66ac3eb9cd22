#pragma once
// The report fonts kept in the settings file of the document.

#include <string>

#include "print/ReportFonts.h"
#include "store/files/ProfileFile.h"

namespace velno::print {

// Sections, keys and texts are UTF-8 on this side and Windows-1252 in the
// file.
class ProfileFontSettings : public FontSettingsStore {
public:
    explicit ProfileFontSettings(ProfileFile& profile) : profile_(profile) {}

    int getInt(const std::string& section, const std::string& key, int fallback) override;
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& fallback) override;
    void setInt(const std::string& section, const std::string& key, int value) override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;

private:
    ProfileFile& profile_;
};

}  // namespace velno::print
