#pragma once
// The group report file exchanged with group overseers: written as
// "Kelompok<n>.t09", read back as ".t19". A header block, one 816-byte
// record per publisher of the group (the e-mail address in place of the
// address, twelve late flags in place of the two dates, remark links
// renumbered into the file), then 48-byte remark entries.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/DataFolder.h"
#include "store/PublisherRecord.h"

namespace velno {

class CVelnoDoc;

namespace groupfile {
constexpr std::size_t kEmailOffset = 44;
constexpr std::size_t kEmailWidth = 63;
constexpr std::size_t kMemberCountOffset = 180;
constexpr std::size_t kGroupOffset = 181;
constexpr std::size_t kRemarkCountOffset = 184;
constexpr std::size_t kMonthOffset = 238;
constexpr std::size_t kRemarkSize = 48;
constexpr std::size_t kRemarkText = 43;
constexpr int kMaxMembers = 304;
constexpr int kMaxRemarks = 300;
}  // namespace groupfile

// An "@" that is not the first character and a "." after it.
bool isValidEmail(std::string_view address);
// The publisher's e-mail address (Windows-1252) when valid, else empty.
std::string publisherEmail(CVelnoDoc& doc, int pos);
// The store position of the active publisher whose display name is
// `name`, 0 when there is none.
int publisherNamed(const CVelnoDoc& doc, std::string_view name);
// "Kelompok<n>.t09".
std::string groupFileName(int group);

struct GroupFileRequest {
    int group = 1;   // 1..20
    int month0 = 0;  // the chosen month
    int parity = 0;  // its year parity
    bool emptyList = false;
    std::string secretaryEmail;  // Windows-1252
};

// The file's bytes, members in the store's order.
Bytes buildGroupFile(CVelnoDoc& doc, const GroupFileRequest& request);
// Writes it into the data folder; `path` is the file's full path.
FileResult writeGroupFile(CVelnoDoc& doc, const GroupFileRequest& request,
                          std::filesystem::path& path);

// One file in memory, as every import reader fills it: records in the
// store's layout with plain texts (1-based in the import list), remark texts
// (link k is remarks[k - 1]), the late flags of each record, the month and
// the year parity of the collection.
struct ImportImage {
    std::vector<PublisherRecord> records;
    std::vector<std::array<bool, 12>> late;
    std::vector<std::string> remarks;  // Windows-1252
    int month0 = 0;
    int parity = 0;
    std::string path;  // UTF-8, for the title
    // The file record's remark for a slot; empty when it has none.
    std::string remarkOf(const PublisherRecord& record, int slot) const;
};

// Fills the image from the bytes of a ".t19" file. Refuses (false, with
// the message in UTF-8) a file for another month than `reportMonth0`, one
// that declares more than 304 members or 300 remarks, one shorter than it
// declares and one whose month is not a month.
bool readGroupFile(const Bytes& bytes, const std::string& name, int reportMonth0, int parity,
                   std::string_view languageCode, ImportImage& image, std::string& message);

// Reads a ".t19" file from disk, at most as long as the largest file that
// can be taken, and fills the image as readGroupFile does.
bool loadGroupFile(const std::filesystem::path& path, int reportMonth0, int parity,
                   std::string_view languageCode, ImportImage& image, std::string& message);

}  // namespace velno
