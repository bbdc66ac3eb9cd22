#include "exchange/DelimitedExports.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reporting/RecordCard.h"
#include "reporting/ReportPredicates.h"
#include "store/CVelnoDoc.h"
#include "store/ContactEntries.h"
#include "store/ExportsFolder.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/ExchangeTexts.h"
#include "text/texts/PrintTexts.h"

namespace velno {

namespace {

using namespace text;

constexpr char kTab = '\t';
constexpr int kMonthsExported = 24;
using HouseholdMap = std::unordered_map<PublisherId, std::vector<int>>;

// Texts of the table go into the files in the records' code page.
std::string label(int id) {
    Cp1252Result converted = utf8ToCp1252(tr(id));
    return converted.ok ? std::move(converted.bytes) : tr(id);
}

// The lines of one file. Every data field and every header cell ends with
// the delimiter, the last one included; quotes inside a field are kept as
// they are, as the programs reading these files expect.
class DelimitedLines {
public:
    explicit DelimitedLines(char delimiter) : d_(delimiter) {}

    void header(std::initializer_list<int> labels, std::string_view prefix = {}) {
        for (const int id : labels) {
            out_ += prefix;
            out_ += label(id);
            out_ += ' ';
            out_ += d_;
        }
    }
    void headerEnd(std::initializer_list<int> labels) {
        header(labels);
        end();
    }
    DelimitedLines& field(std::string_view text) {
        out_ += text;
        out_ += d_;
        return *this;
    }
    DelimitedLines& quoted(std::string_view text) {
        out_ += '"';
        out_ += text;
        out_ += '"';
        out_ += d_;
        return *this;
    }
    DelimitedLines& number(int value) { return field(std::to_string(value)); }
    // The columns every list starts with: name, address and two telephones.
    DelimitedLines& person(std::string_view name, const PublisherRecord& r) {
        return field(name)
            .field(fieldText(r.addr))
            .field(fieldText(r.phone))
            .field(fieldText(r.phone2));
    }
    void end() { out_ += "\r\n"; }
    std::string take() { return std::move(out_); }

private:
    char d_;
    std::string out_;
};

// The 24-month files: every cell quoted, separated by commas, none after
// the last; the header's labels bare.
class MonthTable {
public:
    void header(std::initializer_list<int> labels) {
        bool first = true;
        for (const int id : labels) {
            if (!first) out_ += ',';
            out_ += label(id);
            first = false;
        }
        out_ += "\r\n";
    }
    void row(std::initializer_list<std::string_view> cells) {
        bool first = true;
        for (const std::string_view cell : cells) {
            if (!first) out_ += ',';
            out_ += '"';
            out_ += cell;
            out_ += '"';
            first = false;
        }
        out_ += "\r\n";
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

std::string longNameOr(CVelnoDoc& doc, int pos, const PublisherExtension** extension) {
    const int bits = doc.extensionOf(pos);
    *extension = bits != 0 ? &doc.extensions().current() : nullptr;
    if (bits & ExtensionBit::LongName)
        return std::string(trimmed(fieldText(doc.extensions().current().longName)));
    return doc.displayName(pos);
}

std::string emailOf(const PublisherExtension* extension) {
    return extension ? std::string(trimmed(fieldText(extension->email))) : std::string();
}

std::string otherInfoOf(const PublisherExtension* extension) {
    return extension ? std::string(trimmed(fieldText(extension->other))) : std::string();
}

// The other people of the record's household: the head first (for a
// member), then the members in the household's order.
std::string householdText(const CVelnoDoc& doc, int pos, const HouseholdMap& households) {
    const RecordStore& store = doc.store();
    const int head = householdHeadOf(store, store.at(pos));
    if (head < 0) return {};
    std::string names;
    const auto add = [&](int p) {
        if (p == pos) return;
        if (!names.empty()) names += ", ";
        names += doc.displayName(p);
    };
    add(head);
    if (const auto it = households.find(store.at(head).id); it != households.end())
        for (const int member : it->second) add(member);
    return names;
}

// A need text shorter than four characters counts as no need.
std::string specialNeedOf(CVelnoDoc& doc, const PublisherRecord& r) {
    if (r.specneed == 0) return {};
    const auto bytes = doc.readEntryByKey(doc.specialNeeds(), r.specneed);
    if (!bytes) return {};
    const auto need = entryFromBytes<SpecialNeed>(*bytes);
    std::string text(trimmed(fieldText(need.text)));
    return text.size() < 4 ? std::string() : text;
}

// The oldest of the 24 months ending with the ReportMonth first.
template <typename Row>
void forLast24Months(const CVelnoDoc& doc, Row row) {
    const int last = doc.reportMonth().reportStamp;
    for (int stamp = last - kMonthsExported + 1; stamp <= last; ++stamp) {
        const int year = yearOfStamp(stamp);
        row(formatStamp(stamp), month0OfStamp(stamp), parityOfYear(year));
    }
}

std::string activePublishers(const CVelnoDoc& doc, int month0, int parity) {
    const int n =
        doc.totals()
            .values[month0][TallyCategory::Publishers][TallyValue::ActivePublishers][parity];
    return n == 0 ? std::string() : std::to_string(n);
}

}  // namespace

std::string monthlyExportFileName(int month0, char delimiter) {
    return tr(MonthJanuary + month0) + (delimiter == kTab ? ".rpt" : ".csv");
}

ExportedFile monthlyReportExport(const CVelnoDoc& doc, const MonthlyExportChoice& choice) {
    const int month0 = choice.month0;
    // A month after the ReportMonth is last year's.
    const int year = doc.reportMonth().recentYear(month0);
    const int parity = parityOfYear(year);
    const int slot = monthSlot(month0, parity);
    char monthText[32];
    std::snprintf(monthText, sizeof monthText, "%02d (%s)", month0 + 1,
                  label(MonthAbbrevJanuary + month0).c_str());

    DelimitedLines lines(choice.delimiter);
    if (choice.header)
        lines.headerEnd({TxColName, TxColGroup, TxColServiceKind, TxColShared, TxColStudies,
                         TxColAuxiliary, TxColHours, TxColRemark, TxColMonth, TxColYear, TxColId});
    const RecordStore& store = doc.store();
    for (const std::uint16_t pos : store.subList(ListActive)) {
        const PublisherRecord& r = store.at(pos);
        const int kind = r.kindAt(slot);
        const int remark = r.remarkIndex[slot];
        lines.quoted(doc.displayName(pos))
            .number(r.group)
            .number(kind)
            .number(IsReported(r, month0, parity) ? 1 : 0)
            .number(r.studiesWord[slot] & StudiesWord::StudiesMask)
            .number(kind == ServiceAuxiliary ? 1 : 0)
            .number(r.hours[slot])
            .quoted(doc.remarks().hasText(remark) ? doc.remarks().at(remark).textString() : "")
            .quoted(monthText)
            .number(year)
            .number(r.id)
            .end();
    }
    return {monthlyExportFileName(month0, choice.delimiter), lines.take()};
}

ExportedFile contactListExport(CVelnoDoc& doc) {
    DelimitedLines lines(kTab);
    lines.headerEnd({TxColName, TxColAddress, TxColPhone, TxColMobile, TxColPhone3, TxColEmail,
                     TxColOtherInfo, TxColGroup});
    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        const PublisherExtension* extension = nullptr;
        const std::string name = longNameOr(doc, pos, &extension);
        const PublisherRecord& r = doc.store().at(pos);
        lines.person(name, r)
            .field(fieldText(r.phone3))
            .field(emailOf(extension))
            .field(otherInfoOf(extension))
            .number(r.group)
            .end();
    }
    return {tr(TxContactExportFile), lines.take()};
}

ExportedFile emergencyContactExport(CVelnoDoc& doc) {
    DelimitedLines lines(kTab);
    lines.header({TxColName, TxColAddress, TxColPhone, TxColMobile, TxColPhone3, TxColEmail,
                  TxColHousehold, TxColThirdParty});
    // The contact person's telephones.
    lines.header({TxColPhone, TxColMobile, TxColPhone3}, "3");
    lines.headerEnd({TxColSpecialNeeds, TxColGroup});
    const RecordStore& store = doc.store();
    const HouseholdMap households = allHouseholdMembers(store);
    for (int pos = 1; pos < store.recordCount(); ++pos) {
        const PublisherRecord& r = store.at(pos);
        if (r.listKind >= ListMoved) continue;
        if (r.listKind != ListActive && !isHouseholdHead(r)) continue;
        const std::string household = householdText(doc, pos, households);
        // A member without a household to name and without a contact of its
        // own has nothing for this list.
        if (r.household >= 10 && !isHouseholdHead(r) && r.emergId == 0 && household.empty())
            continue;

        const PublisherExtension* extension = nullptr;
        std::string name = longNameOr(doc, pos, &extension);
        if (r.listKind == ListInactive)
            name = doc.displayName(pos) + " ( " + label(TxInactiveMark) + " )";
        else if (r.listKind == ListBibleStudent)
            name = doc.displayName(pos) + " ( " + label(TxStudentMark) + " )";

        EmergencyContact contact{};
        if (r.emergId != 0)
            if (const auto bytes = doc.readEntryByKey(doc.emergency(), r.emergId))
                contact = entryFromBytes<EmergencyContact>(*bytes);

        lines.person(name, r)
            .field(fieldText(r.phone3))
            .field(emailOf(extension))
            .field(household)
            .field(trimmed(fieldText(contact.contact)))
            .field(fieldText(contact.homePhone))
            .field(fieldText(contact.mobilePhone))
            .field(fieldText(contact.officePhone))
            .field(specialNeedOf(doc, r))
            .number(r.group)
            .end();
    }
    return {tr(TxEmergencyExportFile), lines.take()};
}

ExportedFile cardHeaderExport(CVelnoDoc& doc) {
    DelimitedLines lines(kTab);
    lines.headerEnd({TxColName, TxColAddress, TxColPhone, TxColMobile, TxColBirth, TxColBaptism,
                     TxColAnointed, TxColElder, TxColServant, TxColRegular, TxColMale});
    const int slot = doc.reportMonth().slot();
    const auto mark = [](bool set) { return set ? "Y" : ""; };
    const auto date = [](const char* field) {
        Cp1252Result converted = utf8ToCp1252(cardDate(field, false));
        return converted.ok ? converted.bytes : std::string();
    };
    for (const std::uint16_t pos : doc.store().subList(ListActive)) {
        const PublisherExtension* extension = nullptr;
        const std::string name = longNameOr(doc, pos, &extension);
        const PublisherRecord& r = doc.store().at(pos);
        lines.person(name, r)
            .field(date(r.birdate))
            .field(date(r.bapdate))
            .field(mark(r.hope == 'A'))
            .field(mark(r.privilege() == PrivilegeElder))
            .field(mark(r.privilege() == PrivilegeServant))
            .field(mark(r.kindAt(slot) == ServiceRegular))
            .field(mark((r.flags & RecordFlag::Brother) != 0))
            .end();
    }
    return {tr(TxCardHeaderExportFile), lines.take()};
}

ExportedFile meetingAttendanceExport(const CVelnoDoc& doc) {
    MonthTable table;
    table.header({TxColKind, TxColMonth, TxColCount, TxColTotal, TxColAverage, TxColActive});
    const int kinds[] = {TxMidweekShort, TxWeekendShort};
    for (int block = 0; block < 2; ++block) {
        const MeetingBlock& meetings = doc.meetings().blocks[block];
        const std::string kind = label(kinds[block]);
        forLast24Months(doc, [&](const std::string& month, int month0, int parity) {
            const int slot = monthSlot(month0, parity);
            const int count = meetings.meetings[slot];
            const int total = meetings.total[slot];
            char average[32];
            std::snprintf(average, sizeof average, "%4.2f",
                          count ? static_cast<double>(total) / count : 0.0);
            table.row({kind, month, std::to_string(count), std::to_string(total), average,
                       activePublishers(doc, month0, parity)});
        });
    }
    return {tr(TxMeetingAttendanceName) + ".csv", table.take()};
}

ExportedFile summaryExport(const CVelnoDoc& doc) {
    MonthTable table;
    table.header({TxColPrivilege, TxColMonth, TxColReports, TxColPlacements, TxColVideos,
                  TxColHours, TxColReturnVisits, TxColBibleStudies, TxColTotalActive});
    struct Category {
        int label;
        int first;
        int last;  // the pioneers add the special pioneers
    };
    const Category categories[] = {
        {TxPublisherWord, TallyCategory::Publishers, TallyCategory::Publishers},
        {TxListAuxiliary, TallyCategory::Auxiliary, TallyCategory::Auxiliary},
        {TxPioneersRegularSpecial, TallyCategory::Regular, TallyCategory::Special},
    };
    const int values[] = {TallyValue::Count, TallyValue::Placements,   TallyValue::Videos,
                          TallyValue::Hours, TallyValue::ReturnVisits, TallyValue::Studies};
    for (const Category& category : categories) {
        const std::string name = label(category.label);
        forLast24Months(doc, [&](const std::string& month, int month0, int parity) {
            std::string cells[6];
            for (int v = 0; v < 6; ++v) {
                long sum = 0;
                for (int c = category.first; c <= category.last; ++c)
                    sum += doc.totals().values[month0][c][values[v]][parity];
                cells[v] = std::to_string(sum);
            }
            table.row({name, month, cells[0], cells[1], cells[2], cells[3], cells[4], cells[5],
                       activePublishers(doc, month0, parity)});
        });
    }
    return {tr(TxSummaryName) + ".csv", table.take()};
}

ExportedFile buildExport(CVelnoDoc& doc, DelimitedExport kind, const MonthlyExportChoice& choice) {
    switch (kind) {
        case DelimitedExport::Monthly:
            return monthlyReportExport(doc, choice);
        case DelimitedExport::Contacts:
            return contactListExport(doc);
        case DelimitedExport::Emergency:
            return emergencyContactExport(doc);
        case DelimitedExport::CardHeader:
            return cardHeaderExport(doc);
        case DelimitedExport::Attendance:
            return meetingAttendanceExport(doc);
        case DelimitedExport::Summary:
            break;
    }
    return summaryExport(doc);
}

std::optional<std::filesystem::path> writeExport(CVelnoDoc& doc, const ExportedFile& file) {
    const FileResult written = writeExportFile(doc, file.name, file.bytes);
    if (!written) {
        doc.reportWriteFailure(written);
        return std::nullopt;
    }
    return exportsFolder(doc) / file.name;
}

}  // namespace velno
