#pragma once
// Start-up without the window: everything from reading the settings to the
// start-up notice. The shell adds only the single-instance rule before it
// and shows the main window after it.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "store/Calendar.h"

namespace velno {

class CVelnoDoc;
class PreviousFormat;

struct StartOptions {
    std::filesystem::path dataFolder;  // the current directory at start
    CalendarDate today;                // from resolveToday
    std::string languageCode;          // empty: this build's (string 1198)
    // The GUI shows the start-up notice through the prompter; the CLI
    // leaves it in the result.
    bool tellNotice = true;
    // Sets the process's character locale from the language code.
    bool setLocale = true;
    // The older format's converter; null: the previous generation's.
    PreviousFormat* converter = nullptr;
    // Reserves the store's memory; may throw std::bad_alloc. Empty: the
    // document's own tables are allocated afresh.
    std::function<void(CVelnoDoc&)> reserveMemory;
};

enum class StartStatus { Opened, OutOfMemory, PasswordRefused };

struct StartResult {
    StartStatus status = StartStatus::Opened;
    // Bit k (1..6): the snapshot of the month k months back exists. When no
    // bit is set the "View Old Reports" menu entry is left out.
    unsigned oldReportsMask = 0;
    // Some active publisher is a special servant (the category lists).
    bool hasSpecialServants = false;
    // UTF-8; empty when the notice is switched off ("Nag" 1).
    std::string notice;
    // UTF-8; set when a file of the folder exists but could not be read, so
    // that nothing will be saved (told with the notice).
    std::string readOnlyMessage;

    bool opened() const { return status == StartStatus::Opened; }
};

// Opens the data folder into the document: flags cleared, settings read,
// today and the ReportMonth (with the early start of the next month), view
// options, character locale, memory, the load with the password question
// and the conversion of the older format, the month's tally, the old-report
// availability, the category flags and the start-up notice. The document
// follows the program's rules from then on (programRules). Failures are
// told through the document's prompter.
StartResult startInstance(CVelnoDoc& doc, const StartOptions& options);

// The locale a language code asks for; nothing for codes that keep the
// current one.
std::optional<std::string> localeForLanguage(std::string_view languageCode);
// Sets the character classification locale for a language code. False
// when the code keeps the locale or the machine lacks it; neither is an
// error.
bool applyLanguageLocale(std::string_view languageCode);

// The three sentences, two blanks between them (UTF-8).
std::string startupNotice();

}  // namespace velno
