#pragma once
// The report slip (dialog 107): one publisher's report for the ReportMonth
// or, after "Ganti Bulan", for an earlier month that came late. The slip
// works on a copy of the record; nothing reaches the store before save().

#include <optional>
#include <string>
#include <vector>

#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

// Controls that take part in the key rules.
enum class SlipControl { Shared, Hours, Studies, Ok, Other };
enum class SlipKey { Digit, Backspace, Period, Space, Delete, Enter, Right, Left, Other };
enum class SlipKeyAction {
    Insert,          // the key goes into the field
    Ignore,          // the key is swallowed
    ReplacedByZero,  // the field now reads "0", selected
    FocusNext,
    FocusPrevious,
    FocusShared,   // Right from the Bible-studies field wraps
    FocusStudies,  // Left from "Berdinas" wraps
    Save,          // the caller runs save()
};

struct SlipSaveResult {
    bool changed = false;        // the record in the store was replaced
    bool carriedLate = false;    // a late report was added
    bool remarkRefused = false;  // the remark table was full
};

class ReportSlipModel {
public:
    static constexpr int kRemarkLength = 36;
    static constexpr int kRemarkTableLimit = 3854;

    // Slips are filled while the ReportMonth is open, and only for
    // publishers of the active list (the report list offers no others).
    static bool monthOpen(const CVelnoDoc& doc);
    static bool takesReports(const CVelnoDoc& doc, int storePos);

    // Opens the slip of the publisher at a store position for the ReportMonth.
    ReportSlipModel(CVelnoDoc& doc, int storePos);
    void setLanguageCode(std::string code);

    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const { return name_; }
    std::string nameText() const { return name_; }
    std::string monthText() const;
    std::string lateMonthButtonText() const;
    std::string hoursCaption() const;
    std::string studiesCaption() const;
    std::string sharedCaption() const;
    std::string sharedTooltip() const;
    std::string auxiliaryCaption() const;
    // "Perintis Biasa", "Perintis istimewa", "Utusan injil"; empty when the
    // "Perintis Ekstra" check shows instead.
    std::string pioneerLabel() const;
    std::string privilegeLabel() const;
    std::string groupLabel() const;
    std::string creditText() const;  // "( + 5 Jam )" or empty
    // The information lines, in order.
    const std::vector<std::string>& infoLines() const { return info_; }

    // ---- visibility --------------------------------------------------------
    bool auxiliaryCheckVisible() const;
    bool hoursVisible() const;
    bool studiesVisible() const { return shared_; }
    bool creditVisible() const { return kind_ == ServiceRegular; }
    bool monthListVisible() const { return monthList_; }
    // The month button, the other buttons and labels hide while the month
    // list shows; the month button also while the remark editor is open.
    bool lateMonthButtonVisible() const { return !monthList_ && !remarkEditing_; }
    bool otherControlsVisible() const { return !monthList_; }
    bool remarkEditorVisible() const { return remarkEditing_; }
    std::vector<std::string> monthListEntries() const;

    // ---- values ----------------------------------------------------------
    int month0() const { return month0_; }
    int parity() const { return parity_; }
    bool isLateMonth() const;
    bool shared() const { return shared_; }
    bool auxiliaryChecked() const { return auxiliary_; }
    const std::string& hoursText() const { return hours_; }
    const std::string& studiesText() const { return studies_; }
    int credit() const { return credit_; }
    std::string remarkText() const;  // UTF-8
    // Changes of this slip go into the ReportMonth's branch report.
    bool carried() const { return carried_; }

    // ---- edits -------------------------------------------------------------
    void setShared(bool on);
    void setAuxiliary(bool on) { auxiliary_ = on; }
    void setHoursText(const std::string& text);
    void setStudiesText(const std::string& text);
    void hoursFocusLost();
    SlipKeyAction onKey(SlipControl control, SlipKey key);

    // "&Catatan": opens the one-line editor; finishing it stores the remark
    // and saves the slip.
    void beginRemark();
    SlipSaveResult finishRemark(const std::string& utf8);

    // "Ganti Bulan": the month list; choosing reloads the slip for that
    // month (one after the ReportMonth's index is last year's).
    void showMonthList();
    void chooseMonth(int month0);
    void leaveMonthList() { monthList_ = false; }

    SlipSaveResult save();
    void cancel() { closed_ = true; }
    bool closed() const { return closed_; }

private:
    void load(int month0, int parity);
    void applyCredit();
    int effectiveKind() const;
    // Stores the slip's remark in the table when it differs from the
    // stored one; false when the table is full.
    bool storeRemark(bool& refused);
    std::string storedRemark() const;
    void buildInfo();

    CVelnoDoc& doc_;
    PublisherId id_ = 0;
    std::string language_;
    std::string name_;
    PublisherRecord copy_{};
    int month0_ = 0;
    int parity_ = 0;
    int slot_ = 0;
    int kind_ = 0;
    bool missionary_ = false;
    bool shared_ = false;
    bool auxiliary_ = false;
    std::string hours_;
    std::string studies_;
    int credit_ = 0;
    std::string remark_;  // Windows-1252
    bool remarkChanged_ = false;
    bool carried_ = true;
    bool monthList_ = false;
    bool remarkEditing_ = false;
    bool closed_ = false;
    std::vector<std::string> info_;
};

// Decimal value of the leading digits ("12.5" reads 12), at most `limit`.
int leadingNumber(const std::string& text, int limit);

}  // namespace velno
