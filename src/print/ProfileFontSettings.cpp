#include "print/ProfileFontSettings.h"

#include "text/Cp1252.h"

namespace velno::print {

namespace {

std::string fileText(const std::string& utf8) {
    // A face name the file cannot hold is not one of its fonts anyway.
    return text::utf8ToCp1252(utf8).bytes;
}

}  // namespace

int ProfileFontSettings::getInt(const std::string& section, const std::string& key, int fallback) {
    return profile_.getInt(fileText(section), fileText(key), fallback);
}

std::string ProfileFontSettings::getString(const std::string& section, const std::string& key,
                                           const std::string& fallback) {
    const auto value = profile_.value(fileText(section), fileText(key));
    return value ? text::cp1252ToUtf8(*value) : fallback;
}

void ProfileFontSettings::setInt(const std::string& section, const std::string& key, int value) {
    profile_.setInt(fileText(section), fileText(key), value);
}

void ProfileFontSettings::setString(const std::string& section, const std::string& key,
                                    const std::string& value) {
    profile_.setString(fileText(section), fileText(key), fileText(value));
}

}  // namespace velno::print
