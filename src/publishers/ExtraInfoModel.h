#pragma once
// The extra-information dialog (`ExtraInfoDialog`, dialog 102): the long
// name and other information of the publisher's extension, and the special
// need, which may be shared with other publishers like a contact. The
// extension texts and the need link go into the record editor's copy; the
// need itself is written to "spneed.dat" at once.

#include <cstdint>
#include <string>

#include "publishers/SharedEntryChooserModel.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

enum class ExtraField { LongName, Other, Need };
// Where the focus starts: "&Nama Lengkap - Informasi Lain " or "Kebutuhan khusus".
enum class ExtraFocus { LongName, Need };

class ExtraInfoModel {
public:
    static constexpr std::size_t kLongNameLimit = 60;
    static constexpr std::size_t kOtherLimit = 60;
    static constexpr std::size_t kNeedLimit = 90;

    // `longName` and `other` are the editor's extension texts
    // (Windows-1252); `record` its copy, whose specneed OK sets.
    ExtraInfoModel(CVelnoDoc& doc, PublisherRecord& record, std::string& longName,
                   std::string& other, ExtraFocus focus);

    std::string title() const;  // first name, a blank, the last name
    std::string caption(ExtraField field) const;
    std::string needGroupCaption() const;
    std::string optionalNote() const;
    static int limit(ExtraField field);
    ExtraFocus focus() const { return focus_; }
    // An empty long name box has its text selected at opening.
    bool selectLongName() const { return texts_[0].empty(); }

    std::string text(ExtraField field) const;  // UTF-8
    bool setText(ExtraField field, const std::string& utf8);

    // "Gunakan kebutuhan khusus umum": shown when more than one need exists.
    bool useExistingVisible() const;
    std::string useExistingText() const;
    SharedEntryChooserModel chooser() const;
    void useExisting(std::uint16_t key);

    bool sharedNoteVisible() const;
    std::string sharedNote() const;
    std::string stopSharingText() const;
    // Clears the need and stops using the shared entry (no question).
    void stopSharing();
    std::uint16_t usedKey() const { return used_; }

    // OK: the texts into the editor, the need stored and linked. False
    // when "spneed.dat" could not be written (told); the need link is then
    // left as it was.
    bool ok();

private:
    CVelnoDoc& doc_;
    PublisherRecord& record_;
    std::string& longName_;
    std::string& other_;
    ExtraFocus focus_;
    std::string texts_[3];  // Windows-1252
    std::uint16_t used_ = 0;
    std::string openedNeed_;
};

}  // namespace velno
