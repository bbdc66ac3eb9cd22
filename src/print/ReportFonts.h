#pragma once
// The five report fonts, their defaults and where the settings keep them.

#include <array>
#include <string>

#include "print/Canvas.h"

namespace velno::print {

enum class FontRole { Title = 0, Subtitle, Heading, Text, Small };
constexpr int kFontRoles = 5;

// Reading and writing of settings values by section and key; the settings
// file provides it.
class FontSettingsStore {
public:
    virtual ~FontSettingsStore() = default;
    virtual int getInt(const std::string& section, const std::string& key, int fallback) = 0;
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& fallback) = 0;
    virtual void setInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void setString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

// Character set of the fonts for a build's language code.
int charSetForLanguage(const std::string& languageCode);

class ReportFonts {
public:
    enum class DefaultSet { HighResolution, LowResolution };

    ReportFonts();

    const LogicalFont& font(FontRole role) const { return fonts_[static_cast<int>(role)]; }
    void setFont(FontRole role, const LogicalFont& font);
    static std::string sectionName(FontRole role);

    static LogicalFont defaultFont(FontRole role, DefaultSet set, int charSet);
    // The set the printer's resolution asks for (below 300 dpi: low).
    static DefaultSet defaultSetFor(int printerDpiX) {
        return printerDpiX < 300 ? DefaultSet::LowResolution : DefaultSet::HighResolution;
    }
    void applyDefaults(DefaultSet set, const std::string& languageCode);

    // Reads each font; a height of 0 (never stored) or `reset` takes the
    // defaults of `set`.
    void load(FontSettingsStore& store, DefaultSet set, const std::string& languageCode,
              bool reset = false);
    // Writes the keys that changed since the load, or every key after
    // defaults were applied; a font of height 0 writes only its height.
    void store(FontSettingsStore& store);

private:
    std::array<LogicalFont, kFontRoles> fonts_;
    std::array<LogicalFont, kFontRoles> stored_;
    bool defaultsApplied_ = false;
};

// A font made for a device: as stored on devices of the screen's
// resolution, scaled by the resolution ratios on any other.
LogicalFont realiseFont(const LogicalFont& font, int deviceDpiX, int deviceDpiY, int screenDpiX,
                        int screenDpiY);

}  // namespace velno::print
