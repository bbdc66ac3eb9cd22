#pragma once
// The group file dialog (dialog 144): the month (the report month or the
// next), the group's counts, the addresses, and making the ".t09" file and
// mailing it.

#include <filesystem>
#include <string>

#include "exchange/GroupExchangeFile.h"

namespace velno {

class CVelnoDoc;
class MailComposer;

class CollectionFileModel {
public:
    CollectionFileModel(CVelnoDoc& doc, int group);

    int group() const { return group_; }
    void setGroup(int group);  // "Pilih KDL Lain"
    // ---- texts (UTF-8) ---------------------------------------------------
    std::string title() const;
    std::string currentMonthText() const;  // 1020
    std::string nextMonthText() const;     // 1021
    std::string overseerText() const;      // 1022
    std::string publishersText() const;    // 1023
    std::string missingText() const;       // 1024
    std::string emptyListText() const;     // 1025
    std::string mailButtonText() const;    // 3
    std::string saveButtonText() const;    // 5
    // ---- state -----------------------------------------------------------
    bool nextMonth() const { return next_; }
    void chooseNextMonth(bool next);
    int month0() const;
    int parity() const;
    int publishers() const { return publishers_; }
    int missing() const { return emptyList_ ? publishers_ : missing_; }
    bool isEmptyListVisible() const { return missing_ < publishers_; }
    bool emptyList() const { return emptyList_; }
    void setEmptyList(bool on);
    const std::string& secretaryEmail() const { return email_; }  // 1026, UTF-8
    void setSecretaryEmail(std::string utf8) { email_ = std::move(utf8); }
    bool isAssistantVisible() const { return !assistantEmail_.empty(); }
    bool mailToAssistant() const { return toAssistant_; }
    void setMailToAssistant(bool on);
    // The address the file is mailed to (Windows-1252), empty when none.
    const std::string& address() const { return address_; }
    bool isMailEnabled() const { return !address_.empty(); }
    bool isSaveEnabled() const { return emptyList_ || next_ || missing_ > 0; }

    // Button 5: writes the file and tells where; false when it failed (told).
    bool makeFile(std::filesystem::path& path);
    // Button 3: makes the file and composes the mail with it attached.
    // Returns the reason when the mail could not be composed, else empty.
    std::string makeAndMail(MailComposer& mail, std::filesystem::path& path);

private:
    void refresh();
    bool assistantFlag() const;

    CVelnoDoc& doc_;
    int group_;
    bool next_ = false;
    bool emptyList_ = false;
    bool toAssistant_ = false;
    int publishers_ = 0;
    int missing_ = 0;
    std::string email_;
    std::string overseerEmail_, assistantEmail_, address_;
};

}  // namespace velno
