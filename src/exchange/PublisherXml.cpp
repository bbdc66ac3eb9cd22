#include "exchange/PublisherXml.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "store/CVelnoDoc.h"
#include "store/ContactEntries.h"
#include "store/DateText.h"
#include "store/ExportsFolder.h"
#include "store/FixedText.h"
#include "store/Households.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/AnalysisTexts.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {

namespace {

using xml::XmlDocument;
using namespace StudiesWord;

constexpr std::array<const char*, 12> kMonthElements = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kValueElements[kReportItems] = {"Plcmts", "Videos", "Hours", "R.V.s",
                                                      "BiSt."};
constexpr int kMaxCount = 299;
constexpr std::size_t kRemarkLimit = 49;
constexpr char kBlankDate[] = "        ";

std::string cp1252(const std::string& utf8) {
    return text::utf8ToCp1252(utf8).bytes;
}

// The quarter-hour texts in the document's character set, 1..3.
std::string quarterText(int quarters) {
    static const std::array<std::string, 3> texts = {cp1252(text::tr(text::TxQuarterOne)),
                                                     cp1252(text::tr(text::TxQuarterTwo)),
                                                     cp1252(text::tr(text::TxQuarterThree))};
    return quarters >= 1 && quarters <= 3 ? texts[static_cast<std::size_t>(quarters - 1)]
                                          : std::string();
}

// The year a slot stands for in the 24 months ending with the ReportMonth.
int windowYear(const CVelnoDoc& doc, int month0, int parity) {
    const int y = doc.reportMonth().reportYear();
    if (parity == parityOfYear(y)) return month0 <= doc.reportMonth().reportMonth0 ? y : y - 2;
    return y - 1;
}

bool isNewFormat(int year, int month0) {
    return stampOf(year, month0) > kNewFormatFromStamp;
}

std::optional<int> integerOf(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// Trimmed, then cut to `width` characters.
std::string fitted(std::string_view text, std::size_t width) {
    return std::string(trimmed(text).substr(0, width));
}

// The child's text with the main element (a "Pub") searched from its start.
std::string field(XmlDocument& x, const char* name) {
    x.resetChildPos();
    return x.findChildElem(name) ? x.childData() : std::string();
}

bool hasField(XmlDocument& x, const char* name) {
    x.resetChildPos();
    return x.findChildElem(name);
}

// "YYYY-MM-DD" (or with blanks where the stored text had them) back into
// the record's "MMDDYYYY".
std::string dateFromExchange(std::string_view text) {
    text = trimmed(text);
    const std::size_t a = text.find('-');
    const std::size_t b = a == std::string_view::npos ? a : text.find('-', a + 1);
    if (b == std::string_view::npos) return kBlankDate;
    const auto year = integerOf(text.substr(0, a));
    const auto month = integerOf(text.substr(a + 1, b - a - 1));
    const auto day = integerOf(text.substr(b + 1));
    if (!year || !month || !day || *year < 1800 || *year > 2200 || *month < 1 || *month > 12 ||
        *day < 1 || *day > 31)
        return kBlankDate;
    return makeDateText(*month, *day, *year);
}

std::string dateToExchange(const char* stored, std::size_t width) {
    const std::string raw = fieldText(stored, width);
    if (trimmed(raw).size() <= 4) return {};
    return dateTextToExchange(raw);
}

std::string storedRemark(const CVelnoDoc& doc, const PublisherRecord& r, int slot) {
    const int k = r.remarkIndex[slot];
    if (!doc.remarks().hasText(k) || doc.remarks().at(k).id != r.id) return {};
    return doc.remarks().at(k).textString();
}

// ---- export ----------------------------------------------------------------

void writeMonth(CVelnoDoc& doc, XmlDocument& x, const PublisherRecord& r, int month0, int parity,
                int year, bool withData) {
    x.addChildElem(kMonthElements[static_cast<std::size_t>(month0)]);
    x.intoElem();
    x.setAttrib("Year", year);
    if (withData) {
        const int slot = monthSlot(month0, parity);
        const bool newFormat = isNewFormat(year, month0);
        const int kind = r.kindAt(slot);
        const std::uint16_t sw = r.studiesWord[slot];
        const int code = sw >> QuarterShift;
        std::string hours;
        if (newFormat && kind == ServicePublisher) {
            hours.assign(1, (sw & SharedOrUnderHour) ? '1' : '0');
        } else {
            // Four quarters or more are whole hours: only three have a text.
            hours = std::to_string(r.hours[slot] + code / 4);
            hours += quarterText(code % 4);
        }
        x.addChildElem(kValueElements[0], newFormat ? 0 : r.placements[slot]);
        x.addChildElem(kValueElements[1], newFormat ? 0 : r.videos[slot]);
        x.addChildElem(kValueElements[2], hours);
        x.addChildElem(kValueElements[3], newFormat ? 0 : r.returnVisits[slot]);
        x.addChildElem(kValueElements[4], sw & StudiesMask);
        std::string remark = storedRemark(doc, r, slot);
        if (r.hours[slot] == 0 && (sw & SharedOrUnderHour) && code == 0 && !newFormat) {
            std::string under = cp1252(text::tr(text::TxXmlUnderHour));
            if (!remark.empty()) under += " " + remark;
            remark = under.substr(0, kRemarkLimit);
        }
        x.addChildElem("Remark", remark);
        static constexpr const char* kPio[4] = {"", "Aux", "Reg", "Spec"};
        x.addChildElem("Pio", kPio[kind]);
        if (kind == ServiceRegular && r.credit[slot] != 0)
            x.addChildElem("PioCredit", r.credit[slot]);
    }
    x.outOfElem();
}

void writePub(CVelnoDoc& doc, XmlDocument& x, XmlList list, int pos) {
    const PublisherRecord r = doc.store().at(pos);
    x.addChildElem("id", r.id);
    x.addChildElem("fname", fieldText(r.fname));
    x.addChildElem("lname", fieldText(r.lname));
    x.addChildElem("addr", fieldText(r.addr));
    x.addChildElem("phone", fieldText(r.phone));
    x.addChildElem("phone2", fieldText(r.phone2));
    x.addChildElem("phone3", fieldText(r.phone3));
    const int ext = doc.extensionOf(pos);
    const PublisherExtension& e = doc.extensions().current();
    auto optional = [&](const char* name, const std::string& value) {
        if (!trimmed(value).empty()) x.addChildElem(name, value);
    };
    if (ext & ExtensionBit::LongName) optional("longname", fieldText(e.longName));
    if (ext & ExtensionBit::Email) optional("email", fieldText(e.email));
    if (ext & ExtensionBit::Other) optional("extra", fieldText(e.other));
    if (r.flags & RecordFlag::Brother)
        x.addChildElem("gender", "Male");
    else if (r.flags & RecordFlag::Sister)
        x.addChildElem("gender", "Female");
    if (list != XmlList::NonPublishers) {
        x.addChildElem("birdate", dateToExchange(r.birdate, sizeof r.birdate));
        x.addChildElem("bapdate", dateToExchange(r.bapdate, sizeof r.bapdate));
        if (r.dpaSet) x.addChildElem("dpa", dateToExchange(r.dpa, sizeof r.dpa));
    }
    if (r.specneed) {
        if (const auto bytes = doc.readEntryByKey(doc.specialNeeds(), r.specneed);
            bytes && bytes->size() >= sizeof(SpecialNeed)) {
            SpecialNeed need;
            std::memcpy(&need, bytes->data(), sizeof need);
            optional("specneed", fieldText(need.text));
        }
    }
    if (const int head = householdHeadOf(doc.store(), r); head > 0)
        optional("household", doc.displayName(head));
    x.addChildElem("group", r.group);
    bool months = list == XmlList::Active;
    int lastMonth = -1;
    int lastYear = 0;
    if (list == XmlList::Inactive) {
        lastYear = yearFromByte(r.listYear);
        if (r.statusMonth() >= 1 && r.statusMonth() <= 12) {
            x.addChildElem("inamonth", r.statusMonth());
            lastMonth = r.statusMonth() - 1;
            months = true;
        }
        x.addChildElem("inayear", lastYear);
    }
    if (list == XmlList::Active) {
        static constexpr const char* kSvt[4] = {"", "MinSvt", "Elder", "BapBro"};
        optional("svt", kSvt[r.privilege()]);
    }
    if (!months) return;
    for (int p = 0; p < 2; ++p) {
        for (int m = 0; m < 12; ++m) {
            const int year = windowYear(doc, m, p);
            bool withData = true;
            if (lastMonth >= 0) {
                // The twelve months ending with the month of becoming inactive.
                const int age = stampOf(lastYear, lastMonth) - stampOf(year, m);
                withData = age >= 0 && age < 12;
            }
            writeMonth(doc, x, r, m, p, year, withData);
        }
    }
}

// ---- import ----------------------------------------------------------------

struct MonthValues {
    std::uint16_t items[kReportItems] = {};
    int quarters = 0;
    std::string remark;
    std::string pio;
    int credit = 0;
    bool hasYear = false;
    int year = 0;
};

// Reads the month element at the child position (the cursor stays on the
// "Pub").
MonthValues readMonth(XmlDocument& x) {
    MonthValues v;
    const std::string year = x.childAttrib("Year");
    if (year.size() == 4)
        if (const auto y = integerOf(year)) {
            v.hasYear = true;
            v.year = *y;
        }
    x.intoElem();
    for (int item = 0; item < kReportItems && x.findChildElem(); ++item) {
        const std::string value(trimmed(x.childData()));
        std::size_t digits = 0;
        while (digits < value.size() && value[digits] >= '0' && value[digits] <= '9') ++digits;
        const auto n = integerOf(value.substr(0, digits));
        v.items[item] = static_cast<std::uint16_t>(n ? std::clamp(*n, 0, 65535) : 0);
        if (item == 2)
            for (int q = 1; q <= 3; ++q)
                if (value.substr(digits) == quarterText(q)) v.quarters = q;
    }
    x.resetChildPos();
    if (x.findChildElem("Remark")) v.remark = x.childData();
    x.resetChildPos();
    if (x.findChildElem("Pio")) v.pio = x.childData();
    x.resetChildPos();
    if (x.findChildElem("PioCredit"))
        if (const auto c = integerOf(x.childData())) v.credit = std::clamp(*c, 0, 65535);
    x.outOfElem();
    return v;
}

// The five values into a slot, with the participation mark of the new
// form.
void putValues(PublisherRecord& r, int slot, const MonthValues& v, bool newFormat) {
    r.placements[slot] = newFormat ? 0 : v.items[0];
    r.videos[slot] = newFormat ? 0 : v.items[1];
    r.hours[slot] = v.items[2];
    r.returnVisits[slot] = newFormat ? 0 : v.items[3];
    std::uint16_t sw = static_cast<std::uint16_t>(std::min<int>(v.items[4], StudiesMask));
    sw |= static_cast<std::uint16_t>(v.quarters << QuarterShift);
    if (newFormat && v.items[2] != 0) sw |= SharedOrUnderHour;
    r.studiesWord[slot] = sw;
}

bool inList(XmlDocument& x, const XmlPublisherList& list) {
    x.resetPos();
    // Into the list element: its "Pub" children are then found in turn.
    return x.findElem("PUBLIST") && x.findChildElem(xmlListElement(list.list)) && x.intoElem() &&
           x.intoElem();
}

struct PendingRemarks {
    std::vector<RemarkEntry> entries;
};

void putRemark(CVelnoDoc& doc, PublisherRecord& r, int month0, int parity,
               const std::string& remark, PendingRemarks& pending) {
    const int slot = monthSlot(month0, parity);
    RemarkTable& remarks = doc.remarks();
    const int current = r.remarkIndex[slot];
    const bool own = current > 0 && current < remarks.count() && remarks.at(current).id == r.id;
    if (remark.empty()) {
        if (own) {
            std::memset(remarks.at(current).text, 0, sizeof remarks.at(current).text);
            pending.entries.push_back(remarks.at(current));
        }
        r.remarkIndex[slot] = 0;
        return;
    }
    RemarkEntry entry{};
    setFieldText(entry.text, remark);
    entry.month = static_cast<std::uint8_t>(month0 + 1);
    entry.parity = static_cast<std::uint8_t>(parity);
    entry.id = r.id;
    int k = 0;
    if (own) {
        remarks.at(current) = entry;
        k = current;
    } else if (remarks.count() < RemarkTable::kCapacity) {
        k = remarks.append(entry);
    }
    if (k > 0) {
        r.remarkIndex[slot] = static_cast<std::uint16_t>(k);
        pending.entries.push_back(entry);
    }
}

void readPubInto(CVelnoDoc& doc, XmlDocument& x, XmlList list, PublisherRecord& r,
                 PendingRemarks& pending) {
    auto text = [&](const char* name, char* to, std::size_t width, std::size_t cut) {
        if (hasField(x, name)) setFieldText(to, width, fitted(x.childData(), cut));
    };
    text("fname", r.fname, sizeof r.fname, 15);
    text("lname", r.lname, sizeof r.lname, 15);
    text("addr", r.addr, sizeof r.addr, 60);
    text("phone", r.phone, sizeof r.phone, 14);
    text("phone2", r.phone2, sizeof r.phone2, 14);
    text("phone3", r.phone3, sizeof r.phone3, 14);
    if (hasField(x, "gender")) {
        const std::string g = x.childData();
        if (g.find("Ma") != std::string::npos) {
            r.flags =
                static_cast<std::uint8_t>((r.flags & ~RecordFlag::Sister) | RecordFlag::Brother);
        } else if (g.find("Fe") != std::string::npos) {
            r.flags =
                static_cast<std::uint8_t>((r.flags & ~RecordFlag::Brother) | RecordFlag::Sister);
        }
    }
    if (hasField(x, "birdate")) setFieldText(r.birdate, dateFromExchange(x.childData()));
    if (hasField(x, "bapdate")) setFieldText(r.bapdate, dateFromExchange(x.childData()));
    if (hasField(x, "dpa")) {
        setFieldText(r.dpa, dateFromExchange(x.childData()));
        r.dpaSet = 1;
    }
    if (hasField(x, "group"))
        if (const auto g = integerOf(x.childData()); g && *g >= 0 && *g <= GroupTable::kCapacity)
            r.group = static_cast<std::uint8_t>(*g);
    if (list == XmlList::Inactive) {
        const auto month = integerOf(field(x, "inamonth"));
        const auto year = integerOf(field(x, "inayear"));
        if (month && *month >= 1 && *month <= 12)
            r.statusMark = static_cast<std::uint8_t>(16 * *month);
        if (year && *year >= 1945 && *year <= 2200) r.listYear = yearToByte(*year);
    }
    if (hasField(x, "svt")) {
        const std::string s = x.childData();
        const std::uint8_t p = s.find("Elder") != std::string::npos    ? PrivilegeElder
                               : s.find("MinSvt") != std::string::npos ? PrivilegeServant
                               : s.find("BapBro") != std::string::npos ? PrivilegeBaptizedBrother
                                                                       : PrivilegeNone;
        r.flags = static_cast<std::uint8_t>((r.flags & ~RecordFlag::PrivilegeMask) | p);
    }
    // The months: each into the slot of its year, when that year is the
    // one the slot stands for here.
    const std::string under = cp1252(text::tr(text::TxXmlUnderHour));
    x.resetChildPos();
    while (x.findChildElem()) {
        const std::string name = x.childTagName();
        const auto it = std::find(kMonthElements.begin(), kMonthElements.end(), name);
        if (it == kMonthElements.end()) continue;
        const int m = static_cast<int>(it - kMonthElements.begin());
        const MonthValues v = readMonth(x);
        int parity = doc.reportMonth().recentSlot(m) % kMonthsPerSlotGroup;
        if (v.hasYear) parity = parityOfYear(v.year);
        const int year = windowYear(doc, m, parity);
        if (v.hasYear && v.year != year) continue;
        const int slot = monthSlot(m, parity);
        const bool newFormat = isNewFormat(year, m);
        putValues(r, slot, v, newFormat);
        int kind = ServicePublisher;
        if (v.pio.find("ux") != std::string::npos)
            kind = ServiceAuxiliary;
        else if (v.pio.find("eg") != std::string::npos)
            kind = ServiceRegular;
        else if (v.pio.find("pec") != std::string::npos)
            kind = ServiceSpecial;
        r.serviceKind[slot] = static_cast<std::uint8_t>((r.serviceKind[slot] & ~0x03) | kind);
        if (newFormat && kind == ServicePublisher) r.hours[slot] = 0;
        r.credit[slot] = kind == ServiceRegular ? static_cast<std::uint16_t>(v.credit) : 0;
        std::string remark(trimmed(v.remark));
        // The under-an-hour mark travels as the start of the remark.
        if (!newFormat && r.hours[slot] == 0 && v.quarters == 0 &&
            remark.compare(0, under.size(), under) == 0) {
            r.studiesWord[slot] |= SharedOrUnderHour;
            remark = std::string(trimmed(std::string_view(remark).substr(under.size())));
        }
        putRemark(doc, r, m, parity, remark.size() >= 2 ? remark : std::string(), pending);
    }
}

void writeExtensionOf(CVelnoDoc& doc, XmlDocument& x, int pos) {
    PublisherRecord& r = doc.store().at(pos);
    if (r.extSlot &&
        (r.extSlot >= doc.extensions().count() || doc.extensions().ownerOf(r.extSlot) != r.id))
        r.extSlot = 0;
    const bool any = hasField(x, "longname") || hasField(x, "email") || hasField(x, "extra");
    if (!any) return;
    PublisherExtension e{};
    if (r.extSlot) {
        doc.extensionOf(pos);
        if (doc.store().at(pos).extSlot) e = doc.extensions().current();
    }
    auto text = [&](const char* name, char* to, std::size_t width, std::size_t cut) {
        if (hasField(x, name)) setFieldText(to, width, fitted(x.childData(), cut));
    };
    text("longname", e.longName, sizeof e.longName, 64);
    text("email", e.email, sizeof e.email, 50);
    text("extra", e.other, sizeof e.other, 71);
    e.owner = r.id;
    doc.extensions().current() = e;
    if (const int entry = doc.writeExtension(); entry > 0)
        doc.store().at(pos).extSlot = static_cast<std::uint16_t>(entry);
}

void writeSpecialNeed(CVelnoDoc& doc, XmlDocument& x, int pos) {
    if (!hasField(x, "specneed")) return;
    const std::string need = fitted(x.childData(), 93);
    PublisherRecord& r = doc.store().at(pos);
    SpecialNeed entry{};
    setFieldText(entry.text, need);
    if (r.specneed) {
        entry.key = r.specneed;
        if (doc.writeEntryByKey(doc.specialNeeds(), r.specneed, entryBytes(entry))) return;
    }
    if (need.empty()) return;
    if (const std::uint16_t key = doc.addEntry(doc.specialNeeds(), entryBytes(entry)))
        doc.store().at(pos).specneed = key;
}

}  // namespace

const char* xmlListElement(XmlList list) {
    switch (list) {
        case XmlList::Inactive:
            return "Inactive";
        case XmlList::NonPublishers:
            return "Non-Publishers";
        case XmlList::Active:
            break;
    }
    return "Active";
}

std::string xmlListFileName(XmlList list) {
    return std::string(xmlListElement(list)) + ".xml";
}

ListKind xmlListKind(XmlList list) {
    switch (list) {
        case XmlList::Inactive:
            return ListInactive;
        case XmlList::NonPublishers:
            return ListBibleStudent;
        case XmlList::Active:
            break;
    }
    return ListActive;
}

XmlDocument buildPublisherXml(CVelnoDoc& doc, XmlList list, const std::vector<int>& positions) {
    XmlDocument x;
    x.setDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    x.setEncoding("UTF-8");
    x.addElem("PUBLIST");
    x.addChildElem("Agent", "Velno");
    x.intoElem();
    x.setAttrib("Ver", 9000);
    x.outOfElem();
    const ReportMonth& rm = doc.reportMonth();
    std::string date = text::formatPrintf("%d-%2d-%2d", rm.todayYear, rm.todayMonth, rm.todayDay);
    std::replace(date.begin(), date.end(), ' ', '0');
    x.addChildElem("Date", date);
    std::vector<int> valid;
    for (int pos : positions)
        if (pos > 0 && pos < doc.store().recordCount()) valid.push_back(pos);
    x.addChildElem("Count", static_cast<int>(valid.size()));
    x.addChildElem(xmlListElement(list));
    x.intoElem();
    for (int pos : valid) {
        x.addChildElem("Pub");
        x.intoElem();
        writePub(doc, x, list, pos);
        x.outOfElem();
    }
    x.outOfElem();
    return x;
}

FileResult exportPublisherXml(CVelnoDoc& doc, XmlList list, const std::vector<int>& positions,
                              std::filesystem::path& path) {
    XmlDocument x = buildPublisherXml(doc, list, positions);
    const std::string name = xmlListFileName(list);
    path = exportsFolder(doc) / name;
    return writeExportFile(doc, name, x.saveBytes());
}

std::optional<XmlPublisherList> checkPublisherXml(XmlDocument& x) {
    XmlPublisherList out;
    x.resetPos();
    if (!x.findElem("PUBLIST") || !x.findChildElem("Count")) return std::nullopt;
    const auto count = integerOf(x.childData());
    if (!count || *count < 1 || *count > kMaxCount) return std::nullopt;
    out.count = *count;
    bool found = false;
    for (XmlList list : {XmlList::Active, XmlList::Inactive, XmlList::NonPublishers}) {
        x.resetChildPos();
        if (x.findChildElem(xmlListElement(list))) {
            out.list = list;
            found = true;
            break;
        }
    }
    if (!found) return std::nullopt;
    if (!inList(x, out)) return std::nullopt;
    while (static_cast<int>(out.pubs.size()) < out.count && x.findElem("Pub")) {
        XmlPublisherList::Entry e;
        const auto id = integerOf(field(x, "id"));
        e.fname = std::string(trimmed(field(x, "fname")));
        e.lname = std::string(trimmed(field(x, "lname")));
        if (!id || *id < 0 || e.fname.empty() || e.lname.empty()) return std::nullopt;
        e.id = *id;
        out.pubs.push_back(std::move(e));
    }
    return out;
}

bool loadPublisherXml(const std::filesystem::path& path, XmlDocument& x, XmlPublisherList& list,
                      std::string& message) {
    if (!x.load(path) && (x.resultHas("file_error") || x.doc().empty())) {
        message = text::arg(text::tr(text::TxXmlUnreadable), path.string(),
                            text::cp1252ToUtf8(x.result()));
        return false;
    }
    const auto checked = checkPublisherXml(x);
    if (!checked) {
        message = text::tr(text::TxXmlUnusable);
        return false;
    }
    list = *checked;
    return true;
}

bool readXmlReports(const CVelnoDoc& doc, XmlDocument& x, ImportImage& image,
                    std::string& message) {
    const auto list = checkPublisherXml(x);
    if (!list) {
        message = text::tr(text::TxXmlUnusable);
        return false;
    }
    const ReportMonth& rm = doc.reportMonth();
    image.month0 = rm.reportMonth0;
    image.parity = rm.parity();
    const bool newFormat = rm.reportStamp > kNewFormatFromStamp;
    const char* monthName = kMonthElements[static_cast<std::size_t>(rm.reportMonth0)];
    bool parityFixed = false;
    inList(x, *list);
    for (std::size_t k = 0; k < list->pubs.size() && x.findElem("Pub"); ++k) {
        const auto& entry = list->pubs[k];
        int pos = 0;
        for (int p = 1; p < doc.store().recordCount() && !pos; ++p) {
            const PublisherRecord& r = doc.store().at(p);
            if (r.listKind == ListActive && fieldText(r.lname) == entry.lname &&
                fieldText(r.fname) == entry.fname && (entry.id <= 0 || r.id == entry.id))
                pos = p;
        }
        x.resetChildPos();
        if (!pos || !x.findChildElem(monthName)) continue;
        const MonthValues v = readMonth(x);
        if (v.hasYear) {
            // The first dated month decides the year; a month of the other
            // parity is another year's and is left out.
            if (!parityFixed) image.parity = parityOfYear(v.year);
            parityFixed = true;
            if (parityOfYear(v.year) != image.parity) continue;
        }
        PublisherRecord r = doc.store().at(pos);
        std::fill(std::begin(r.remarkIndex), std::end(r.remarkIndex), 0);
        const int slot = monthSlot(image.month0, image.parity);
        putValues(r, slot, v, newFormat);
        if (newFormat && trimmed(v.pio).empty()) r.hours[slot] = 0;
        if (v.pio.find("ux") != std::string::npos && r.hours[slot] != 0 && r.kindAt(slot) == 0)
            r.serviceKind[slot] = static_cast<std::uint8_t>(r.serviceKind[slot] | ServiceAuxiliary);
        const std::string remark(trimmed(v.remark));
        if (remark.size() >= 2) {
            image.remarks.push_back(remark.substr(0, sizeof(RemarkEntry::text) - 1));
            r.remarkIndex[slot] = static_cast<std::uint16_t>(image.remarks.size());
        }
        image.records.push_back(r);
    }
    return true;
}

bool loadXmlReports(const CVelnoDoc& doc, const std::filesystem::path& path, ImportImage& image,
                    std::string& message) {
    XmlDocument x;
    XmlPublisherList list;
    if (!loadPublisherXml(path, x, list, message)) return false;
    image.path = path.string();
    return readXmlReports(doc, x, image, message);
}

std::vector<int> linkedPublishers(const CVelnoDoc& doc, const XmlPublisherList& list) {
    std::vector<int> linked;
    const ListKind kind = xmlListKind(list.list);
    for (const auto& e : list.pubs) {
        PublisherRecord probe{};
        setFieldText(probe.fname, e.fname);
        setFieldText(probe.lname, e.lname);
        const std::string name = displayNameOf(probe, false);
        int found = 0;
        for (int p = 1; p < doc.store().recordCount() && !found; ++p)
            if (doc.store().at(p).listKind == kind && doc.displayName(p) == name) found = p;
        linked.push_back(found);
    }
    return linked;
}

XmlImportOutcome importPublishers(CVelnoDoc& doc, XmlDocument& x, const XmlPublisherList& list,
                                  const std::vector<int>& chosen, const std::vector<int>& linked,
                                  bool replace) {
    XmlImportOutcome out;
    PendingRemarks pending;
    std::vector<bool> wanted(list.pubs.size(), false);
    for (int k : chosen)
        if (k >= 0 && k < static_cast<int>(wanted.size()))
            wanted[static_cast<std::size_t>(k)] = true;
    // Ids of the records touched, found again after each change of order.
    inList(x, list);
    for (int k = 0; k < static_cast<int>(list.pubs.size()) && x.findElem("Pub"); ++k) {
        if (!wanted[static_cast<std::size_t>(k)]) continue;
        const auto& entry = list.pubs[static_cast<std::size_t>(k)];
        const std::string fname = fitted(field(x, "fname"), 15);
        const std::string lname = fitted(field(x, "lname"), 15);
        if (fname.find('?') != std::string::npos || lname.find('?') != std::string::npos) {
            // A lost character: the name would be stored wrong.
            out.messages.push_back(text::arg(text::tr(text::TxXmlNameRefused),
                                             text::cp1252ToUtf8(fname + " " + lname),
                                             std::to_string(k + 1), "Windows-1252"));
            continue;
        }
        const int link =
            k < static_cast<int>(linked.size()) ? linked[static_cast<std::size_t>(k)] : 0;
        int pos = 0;
        if (replace && link > 0 && link < doc.store().recordCount()) {
            pos = link;
            ++out.updated;
        } else {
            const PublisherId id = doc.store().freeId(RecordStore::kFirstFreeId);
            if (id == 0 || doc.store().isFull()) {
                out.messages.push_back(
                    text::arg(text::tr(text::TxXmlStoreFull),
                              text::cp1252ToUtf8(entry.fname + " " + entry.lname)));
                continue;
            }
            PublisherRecord r{};
            r.id = id;
            r.listKind = xmlListKind(list.list);
            setFieldText(r.bapdate, kBlankDate);
            setFieldText(r.birdate, kBlankDate);
            setFieldText(r.dpa, kBlankDate);
            doc.store().append(r);
            doc.rebuildIndex();
            pos = doc.store().recordCount() - 1;
            ++out.added;
        }
        PublisherRecord r = doc.store().at(pos);
        readPubInto(doc, x, list.list, r, pending);
        doc.store().at(pos) = r;
        writeExtensionOf(doc, x, pos);
        writeSpecialNeed(doc, x, pos);
    }
    if (!pending.entries.empty())
        doc.reportWriteFailure(RemarkTable::writeRemarks(doc.folder(), pending.entries));
    doc.sortAndIndex();
    doc.dirty = true;
    return out;
}

}  // namespace velno
