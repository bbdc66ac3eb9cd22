#include "exchange/GroupExchangeFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno {

namespace fs = std::filesystem;
using namespace groupfile;

namespace {

constexpr std::size_t kRecord = sizeof(PublisherRecord);

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xff);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::uint16_t get16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// The late flag of month m: the first six bytes of each date field.
std::uint8_t* lateFlag(PublisherRecord& r, int m) {
    return reinterpret_cast<std::uint8_t*>(m < 6 ? &r.bapdate[m] : &r.birdate[m - 6]);
}

}  // namespace

bool isValidEmail(std::string_view address) {
    const auto at = address.find('@');
    if (at == std::string_view::npos || at == 0) return false;
    return address.find('.', at + 1) != std::string_view::npos;
}

std::string publisherEmail(CVelnoDoc& doc, int pos) {
    if (!(doc.extensionOf(pos) & ExtensionBit::Email)) return {};
    std::string email = fieldText(doc.extensions().current().email);
    return isValidEmail(email) ? email : std::string();
}

int publisherNamed(const CVelnoDoc& doc, std::string_view name) {
    if (name.empty()) return 0;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        if (doc.store().at(pos).listKind == ListActive && doc.displayName(pos) == name) return pos;
    return 0;
}

std::string groupFileName(int group) {
    return text::tr(text::TxGroupWord) + std::to_string(group) + ".t09";
}

Bytes buildGroupFile(CVelnoDoc& doc, const GroupFileRequest& request) {
    Bytes out(kRecord, 0);
    // The secretary's address only when its first "@" is the third
    // character or later.
    const std::string& email = request.secretaryEmail;
    const auto at = email.find('@');
    if (at != std::string::npos && at >= 2)
        std::memcpy(out.data() + kEmailOffset, email.data(),
                    std::min(email.size(), kEmailWidth - 1));
    out[kGroupOffset] = static_cast<std::uint8_t>(request.group);
    out[kMonthOffset] = static_cast<std::uint8_t>(request.month0);

    std::vector<std::string> remarks;
    int members = 0;
    const int chosenSlot = monthSlot(request.month0, request.parity);
    for (int pos = 1; pos < doc.store().recordCount(); ++pos) {
        const PublisherRecord& stored = doc.store().at(pos);
        if (stored.listKind != ListActive || stored.group != request.group) continue;
        if (members == kMaxMembers) break;
        PublisherRecord r = stored;
        std::memset(r.addr, 0, sizeof r.addr);
        setFieldText(r.addr, publisherEmail(doc, pos));
        std::memset(r.bapdate, 0, sizeof r.bapdate);
        std::memset(r.birdate, 0, sizeof r.birdate);
        if (request.emptyList) {
            const int s = chosenSlot;
            r.placements[s] = r.videos[s] = r.hours[s] = r.returnVisits[s] = 0;
            r.studiesWord[s] = 0;
            r.credit[s] = 0;
            r.remarkIndex[s] = 0;
            r.serviceKind[s] &= 0x03;
        }
        for (int m = 0; m < 12; ++m) {
            const int own = monthSlot(m, request.parity);
            const int other = monthSlot(m, 1 - request.parity);
            // Only the chosen year's links mean anything in the file.
            r.remarkIndex[other] = 0;
            const int k = r.remarkIndex[own];
            if (k > 0 && doc.remarks().hasText(k) && remarks.size() < kMaxRemarks) {
                remarks.push_back(doc.remarks().at(k).textString());
                r.remarkIndex[own] = static_cast<std::uint16_t>(remarks.size());
            } else {
                r.remarkIndex[own] = 0;
            }
        }
        scrambleRecord(r);
        // The flags are set after scrambling so that they read as 0 and 1.
        for (const auto& e : doc.lateReports().entries()) {
            if (e.id != stored.id) continue;
            const int parity = parityOfYear(doc.reportMonth().recentYear(e.month0));
            if (IsReported(stored, e.month0, parity)) *lateFlag(r, e.month0) = 1;
        }
        const auto* p = reinterpret_cast<const std::uint8_t*>(&r);
        out.insert(out.end(), p, p + kRecord);
        ++members;
    }
    out[kMemberCountOffset] = static_cast<std::uint8_t>(std::min(members, 255));
    put16(out, kRemarkCountOffset, static_cast<std::uint16_t>(remarks.size()));
    for (const auto& text : remarks) {
        std::uint8_t entry[kRemarkSize] = {};
        std::memcpy(entry, text.data(), std::min(text.size(), kRemarkText));
        out.insert(out.end(), entry, entry + kRemarkSize);
    }
    return out;
}

FileResult writeGroupFile(CVelnoDoc& doc, const GroupFileRequest& request, fs::path& path) {
    const std::string name = groupFileName(request.group);
    path = doc.folder().path() / name;
    // Not one of the data files: it goes to the disk at once, also while
    // the data's own writes wait for the save (it is mailed next).
    const DataFolder direct(doc.folder().path());
    return direct.write(name, buildGroupFile(doc, request));
}

std::string ImportImage::remarkOf(const PublisherRecord& record, int slot) const {
    const int k = record.remarkIndex[slot];
    if (k <= 0 || k > static_cast<int>(remarks.size())) return {};
    return remarks[static_cast<std::size_t>(k - 1)];
}

bool readGroupFile(const Bytes& bytes, const std::string& name, int reportMonth0, int parity,
                   std::string_view languageCode, ImportImage& image, std::string& message) {
    image = {};
    image.path = name;
    if (bytes.size() < kRecord) {
        message = text::arg(text::tr(text::TxGroupFileTruncated), name);
        return false;
    }
    const int month0 = bytes[kMonthOffset];
    if (month0 > 11) {
        message = text::arg(text::tr(text::TxGroupFileBadMonth), name, std::to_string(month0 + 1));
        return false;
    }
    if (month0 != reportMonth0) {
        std::string current = text::monthName(reportMonth0);
        if (languageCode == "french") {
            const char first =
                current.empty()
                    ? 0
                    : static_cast<char>(std::tolower(static_cast<unsigned char>(current[0])));
            current = (first == 'a' || first == 'o' ? "d'" : "de ") + current;
        }
        message = text::arg(text::tr(text::TxWrongMonth), text::monthName(month0), current);
        return false;
    }
    const int members = bytes[kMemberCountOffset];
    const int remarks = get16(bytes, kRemarkCountOffset);
    if (members > kMaxMembers || remarks > kMaxRemarks) {
        message = text::arg(text::tr(text::TxGroupFileTooMany), name, std::to_string(members),
                            std::to_string(remarks));
        return false;
    }
    const std::size_t need = kRecord * (1 + static_cast<std::size_t>(members)) +
                             kRemarkSize * static_cast<std::size_t>(remarks);
    if (bytes.size() < need) {
        message = text::arg(text::tr(text::TxGroupFileTruncated), name);
        return false;
    }
    image.month0 = month0;
    image.parity = parity;
    for (int k = 0; k < members; ++k) {
        PublisherRecord r{};
        std::memcpy(&r, bytes.data() + kRecord * static_cast<std::size_t>(k + 1), kRecord);
        std::array<bool, 12> late{};
        for (int m = 0; m < 12; ++m) {
            late[static_cast<std::size_t>(m)] = *lateFlag(r, m) == 1;
            *lateFlag(r, m) = 0;
        }
        unscrambleRecord(r);
        image.records.push_back(r);
        image.late.push_back(late);
    }
    const std::size_t base = kRecord * (1 + static_cast<std::size_t>(members));
    for (int k = 0; k < remarks; ++k) {
        const char* p = reinterpret_cast<const char*>(bytes.data() + base + kRemarkSize * k);
        image.remarks.push_back(fieldText(p, kRemarkText + 1));
    }
    return true;
}

bool loadGroupFile(const fs::path& path, int reportMonth0, int parity,
                   std::string_view languageCode, ImportImage& image, std::string& message) {
    constexpr std::size_t kLargest = kRecord * (1 + kMaxMembers) + kRemarkSize * kMaxRemarks;
    const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const auto read = DataFolder(dir).read(path.filename().string(), kLargest + 1);
    if (!read.found || read.error) {
        message = text::arg(text::tr(text::TxGroupFileUnreadable), path.string(),
                            read.found ? read.reason : std::system_category().message(ENOENT));
        return false;
    }
    // Longer than any file we could have written: not one of ours.
    if (read.truncated) {
        message = text::arg(text::tr(text::TxGroupFileTruncated), path.string());
        return false;
    }
    return readGroupFile(read.bytes, path.string(), reportMonth0, parity, languageCode, image,
                         message);
}

}  // namespace velno
