#include "print/ReportFonts.h"

#include <algorithm>

#include "text/Utf8.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno::print {

namespace {

constexpr int kMaxFontHeight = 1000;
constexpr std::size_t kMaxFaceName = 31;  // a face name's field
constexpr const char* kHeight = "Tinggi";
constexpr const char* kWeight = "Berat";
constexpr const char* kItalic = "Miring";
constexpr const char* kUnderline = "Garis Bawah";
constexpr const char* kPitch = "PitchAndFamily";
constexpr const char* kFace = "FaceName";
constexpr const char* kCharSet = "CharSet";
constexpr int kThaiCharSet = 222;

}  // namespace

int charSetForLanguage(const std::string& code) {
    if (code == "rus" || code == "urk") return 204;
    if (code == "greek") return 161;
    if (code == "turkish") return 162;
    if (code == "polish" || code == "hrvatski" || code == "slovenian" || code == "czech" ||
        code == "hun" || code == "slovak" || code == "rom")
        return 238;
    if (code == "lt" || code == "estonian") return 186;
    if (code == "tha") return kThaiCharSet;
    if (code == "vie") return 163;
    return 0;
}

ReportFonts::ReportFonts() {
    applyDefaults(DefaultSet::HighResolution, text::tr(text::LanguageCode));
    stored_ = fonts_;
    defaultsApplied_ = false;
}

void ReportFonts::setFont(FontRole role, const LogicalFont& font) {
    fonts_[static_cast<int>(role)] = font;
    if (fonts_[static_cast<int>(role)].faceName.size() > 31)
        fonts_[static_cast<int>(role)].faceName.resize(31);
}

std::string ReportFonts::sectionName(FontRole role) {
    switch (role) {
        case FontRole::Title:
            return text::tr(text::TxFontTitle);
        case FontRole::Subtitle:
            return text::tr(text::TxFontSubtitle);
        case FontRole::Heading:
            return text::tr(text::TxFontHeading);
        case FontRole::Text:
            return text::tr(text::TxFontText);
        case FontRole::Small:
            return text::tr(text::TxFontSmall);
    }
    return {};
}

LogicalFont ReportFonts::defaultFont(FontRole role, DefaultSet set, int charSet) {
    const bool high = set == DefaultSet::HighResolution;
    LogicalFont f;
    f.charSet = charSet;
    f.pitchAndFamily = high ? 34 : 49;
    switch (role) {
        case FontRole::Title:
            f.height = high ? -19 : -13;
            f.weight = 700;
            f.faceName = text::tr(high ? text::TxFaceArial : text::TxFaceRoman10);
            break;
        case FontRole::Subtitle:
            f.height = high ? -16 : -13;
            f.weight = 700;
            f.faceName = text::tr(high ? text::TxFaceArial : text::TxFaceRoman10);
            break;
        case FontRole::Heading:
            f.height = -13;
            f.weight = 700;
            f.faceName = text::tr(high ? text::TxFaceArial : text::TxFaceRoman12);
            break;
        case FontRole::Text:
            f.height = -13;
            f.weight = 400;
            f.faceName = text::tr(high ? text::TxFaceArial : text::TxFaceRoman10);
            break;
        case FontRole::Small:
            f.height = -13;
            f.weight = 400;
            f.faceName = text::tr(high ? text::TxFaceArial : text::TxFaceRoman12);
            break;
    }
    if (charSet == kThaiCharSet) f.faceName = text::tr(text::TxFaceSystem);
    return f;
}

void ReportFonts::applyDefaults(DefaultSet set, const std::string& languageCode) {
    const int charSet = charSetForLanguage(languageCode);
    for (int i = 0; i < kFontRoles; ++i)
        fonts_[i] = defaultFont(static_cast<FontRole>(i), set, charSet);
    defaultsApplied_ = true;
}

void ReportFonts::load(FontSettingsStore& store, DefaultSet set, const std::string& languageCode,
                       bool reset) {
    const int charSet = charSetForLanguage(languageCode);
    defaultsApplied_ = false;
    for (int i = 0; i < kFontRoles; ++i) {
        const auto role = static_cast<FontRole>(i);
        const std::string section = sectionName(role);
        LogicalFont f;
        // A hand-edited file gets sizes a page can hold, nothing that overflows.
        f.height = std::clamp(store.getInt(section, kHeight, 0), -kMaxFontHeight, kMaxFontHeight);
        if (f.height == 0 || reset) {
            fonts_[i] = defaultFont(role, set, charSet);
            stored_[i] = LogicalFont{};
            defaultsApplied_ = true;
            continue;
        }
        f.weight = std::clamp(store.getInt(section, kWeight, 400), 0, 1000);
        f.italic = store.getInt(section, kItalic, 0) != 0;
        f.underline = store.getInt(section, kUnderline, 0) != 0;
        f.pitchAndFamily = std::clamp(store.getInt(section, kPitch, 0), 0, 255);
        f.faceName = store.getString(section, kFace, text::tr(text::TxFaceSystem));
        f.faceName.resize(text::utf8PrefixBytes(f.faceName, kMaxFaceName));
        f.charSet = std::clamp(store.getInt(section, kCharSet, charSet), 0, 255);
        fonts_[i] = f;
        stored_[i] = f;
    }
}

void ReportFonts::store(FontSettingsStore& store) {
    for (int i = 0; i < kFontRoles; ++i) {
        const std::string section = sectionName(static_cast<FontRole>(i));
        const LogicalFont& f = fonts_[i];
        const LogicalFont& old = stored_[i];
        const bool all = defaultsApplied_;
        if (all || f.height != old.height) store.setInt(section, kHeight, f.height);
        if (f.height == 0) continue;
        if (all || f.weight != old.weight) store.setInt(section, kWeight, f.weight);
        if (all || f.italic != old.italic) store.setInt(section, kItalic, f.italic);
        if (all || f.underline != old.underline) store.setInt(section, kUnderline, f.underline);
        if (all || f.pitchAndFamily != old.pitchAndFamily)
            store.setInt(section, kPitch, f.pitchAndFamily);
        if (all || f.faceName != old.faceName) store.setString(section, kFace, f.faceName);
        if (all || f.charSet != old.charSet) store.setInt(section, kCharSet, f.charSet);
    }
    stored_ = fonts_;
    defaultsApplied_ = false;
}

LogicalFont realiseFont(const LogicalFont& font, int deviceDpiX, int deviceDpiY, int screenDpiX,
                        int screenDpiY) {
    if (deviceDpiX == screenDpiX || screenDpiX <= 0 || screenDpiY <= 0) return font;
    LogicalFont f = font;
    f.height = font.height * deviceDpiY / screenDpiY;
    f.width = font.width * deviceDpiX / screenDpiX;
    return f;
}

}  // namespace velno::print
