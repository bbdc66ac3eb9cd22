#pragma once
// The start dialog "Kirim Slip Laporan": shown by "&Isi Laporan" while the
// ReportMonth is not open. It reopens a month, (re)initialises the
// ReportMonth, or starts the next month early from the 25th on.

#include <optional>
#include <string>

#include "reporting/InitialiseMonth.h"

namespace velno {

class CVelnoDoc;

enum class StartButton { Reopen, Initialise, EarlyStart };

// What the dialog decided when it closed with OK.
struct StartChoice {
    int stamp = 0;            // the month to work on
    bool initialise = false;  // InitialiseMonth is wanted for it
};

class StartCollectionModel {
public:
    // Remembers the ReportMonth as it is before the dialog opens.
    explicit StartCollectionModel(CVelnoDoc& doc);
    // The interface language decides the wording of the warning.
    void setLanguageCode(std::string code) { language_ = std::move(code); }

    // ---- what the dialog shows (UTF-8) ----------------------------------
    std::string title() const;
    bool adviceVisible() const;  // "Saran !" after the 20th
    std::string adviceButtonText() const;
    void showAdvice();  // tells the advice
    // The ReportMonth is not initialised, the month before it is still
    // open and it is early in the month: continuing that month is offered.
    bool proposesPreviousMonth() const;
    bool reopenVisible() const;
    std::string reopenText() const;
    std::string initialiseText() const;
    // From the 25th, while no early start is set, the next month may be
    // started early; the button shows when the ReportMonth is not open too.
    bool earlyStartTime() const;
    bool earlyStartVisible() const;
    std::string earlyStartText() const;
    StartButton defaultButton() const;

    // ---- actions: true when the dialog closes with OK -------------------
    bool pressReopen();
    // Asks first where the day makes it unusual; false when refused.
    bool pressInitialise();
    bool pressEarlyStart();
    void cancel() { choice_.reset(); }

    const std::optional<StartChoice>& choice() const { return choice_; }
    // The month index and year before the dialog opened.
    int savedStamp() const { return savedStamp_; }

private:
    int state(int stamp) const;
    // The state at load is 1 or 2, never 0: a month counts as initialised
    // only when its slot was initialised for the month's own year.
    bool initialised(int stamp) const;
    void setState(int stamp, int state);
    bool confirmUnusualStart(int stamp, bool early);
    void acceptInitialise(int stamp);

    CVelnoDoc& doc_;
    std::string language_;
    int savedStamp_ = 0;
    int day_ = 1;
    std::optional<StartChoice> choice_;
};

struct StartOutcome {
    bool accepted = false;
    bool monthChanged = false;
    bool initialised = false;
    InitialiseResult initialisation;
    bool openReportList = false;  // the ReportMonth's state is not 0
    std::string statusText;
};

// What happens when the dialog has closed (with OK or not): the ReportMonth
// takes the dialog's month, a changed month re-derives what depends on it,
// a wanted initialisation runs, the status text is refreshed.
StartOutcome finishStartDialog(CVelnoDoc& doc, const StartCollectionModel& model);

// The start dialog is skipped while the ReportMonth is open.
bool startDialogNeeded(const CVelnoDoc& doc);

// Moves the ReportMonth to another month without losing unsaved changes:
// the late-report list is carried through the records' late marks and
// rebuilt for the new month, the last publisher entered is taken from the
// header as a load would, lists and index are rebuilt, and the tally rerun.
void switchReportMonth(CVelnoDoc& doc, int stamp);

// "  Bulan yang Dikerjakan: Maret" for the status bar.
std::string StatusText(const CVelnoDoc& doc);

}  // namespace velno
