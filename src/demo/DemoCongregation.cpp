#include "demo/DemoCongregation.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/CVelnoDoc.h"
#include "store/Collation.h"
#include "store/ContactEntries.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/StoreTexts.h"

namespace velno {

namespace fs = std::filesystem;

namespace {

constexpr int kMonths = 24;

// ---- fictional names and places (UTF-8 here, Windows-1252 in the records) ----

constexpr std::string_view kMaleNames[] = {
    "Agus",      "Budi",    "Dedi",      "Eko",     "Fajar",  "Hendra",   "Indra",    "Joko",
    "Yohanes",   "Markus",  "Petrus",    "Samuel",  "Daniel", "Yosua",    "Andreas",  "Stefanus",
    "Rudi",      "Slamet",  "Bambang",   "Hendrik", "Ronald", "Yeremia",  "Timotius", "Wahyu",
    "Rizky",     "Arief",   "Teguh",     "Benny",   "Frans",  "Herman",   "Johan",    "Kevin",
    "Melkianus", "Nikolas", "Paulus",    "Robert",  "Simon",  "Tommy",    "Viktor",   "Yakobus",
    "Gilbert",   "Imanuel", "Kornelius", "Lukas",   "Matius", "Natanael", "Obaja",    "Ferdinand",
    "José",      "René",
};

constexpr std::string_view kFemaleNames[] = {
    "Ani",     "Dewi",       "Sri",      "Maria",    "Marta",  "Rut",      "Ester",      "Debora",
    "Lidia",   "Yohana",     "Rina",     "Wulan",    "Fitri",  "Yuliana",  "Novita",     "Grace",
    "Melati",  "Putri",      "Ratna",    "Sinta",    "Tabita", "Veronika", "Yanti",      "Agnes",
    "Klara",   "Dina",       "Elisabet", "Febriani", "Hana",   "Intan",    "Kristin",    "Lusiana",
    "Meilani", "Natalia",    "Priska",   "Rahel",    "Selvi",  "Theresia", "Margaretha", "Susana",
    "Yunita",  "Wilhelmina", "Inés",     "Aurélia",  "Noémi",
};

constexpr std::string_view kFamilyNames[] = {
    "Simanjuntak", "Siregar",      "Nainggolan", "Hutapea",    "Sinaga",    "Panjaitan",
    "Sitompul",    "Manurung",     "Tambunan",   "Situmorang", "Pardede",   "Hutagalung",
    "Sihombing",   "Lumbantobing", "Saragih",    "Ginting",    "Tarigan",   "Sembiring",
    "Purba",       "Gultom",       "Wowor",      "Rumondor",   "Lumempouw", "Mandagi",
    "Sumampouw",   "Tumbelaka",    "Pattinama",  "Latuheru",   "Wattimena", "Manuputty",
    "Tahitu",      "Ndun",         "Tanone",     "Bessie",     "Lay",       "Wijaya",
    "Santoso",     "Kurniawan",    "Halim",      "Gunawan",    "Setiawan",  "Pratama",
    "Susanto",     "Hartono",      "Nugroho",    "Wibowo",     "Kusuma",    "Da Costa",
    "Soares",      "Ximenes",      "Muñoz",      "Nuñez",      "Müller",
};

constexpr std::string_view kMiddleNames[] = {
    "Maria",      "Yosef",     "Fransiskus", "Xaverius",     "Bonaventura", "Kristofer",
    "Theodora",   "Magdalena", "Hasiholan",  "Parlindungan", "Marudut",     "Kristina",
    "Evangelina", "Gabriela",  "Immanuela",  "Benediktus",   "Agustinus",   "Hotmaida",
};

constexpr std::string_view kStreets[] = {
    "Melati",  "Mawar",   "Kenanga",  "Cempaka",  "Anggrek", "Flamboyan", "Dahlia",
    "Kamboja", "Teratai", "Cendana",  "Beringin", "Mangga",  "Rambutan",  "Durian",
    "Nangka",  "Merpati", "Rajawali", "Kutilang", "Cemara",  "Kenari",
};
constexpr std::string_view kStreetSuffixes[] = {"", "", " Raya", " Indah", " II", " III"};
constexpr std::string_view kAreas[] = {
    "Sukamaju",    "Sukamulya",   "Harapan Jaya",  "Mekarsari",     "Bumi Asri",    "Taman Sari",
    "Griya Indah", "Karya Bakti", "Sumber Rejeki", "Tirta Kencana", "Pondok Hijau", "Sinar Baru",
};

constexpr std::string_view kGroupNames[] = {
    "Melati",     "Kenanga", "Cempaka",  "Anggrek", "Mawar",    "Teratai",     "Flamboyan",
    "Dahlia",     "Kamboja", "Asoka",    "Seroja",  "Kemuning", "Bakung",      "Tanjung",
    "Nusa Indah", "Lili",    "Alamanda", "Soka",    "Gardenia", "Sedap Malam",
};
constexpr std::string_view kGroupTimes[] = {"08.30", "09.00", "09.30", "15.30", "16.00", "18.30"};

constexpr std::string_view kAbsenceRemarks[] = {
    "Sakit",
    "Dirawat di rumah sakit",
    "Merawat orang tua yang sakit",
    "Sedang ke luar kota, laporan menyusul",
};
constexpr std::string_view kInfoRemarks[] = {
    "Laporan diterima lewat pengawas KDL",
    "Laporan dikirim lewat pesan singkat",
    "Termasuk kesaksian umum di pasar",
};
constexpr std::string_view kOtherInfo[] = {
    "Bisa bahasa isyarat",       "Punya mobil, bisa menjemput saudara lansia",
    "Bekerja sif malam",         "Bisa bahasa Jawa dan Batak",
    "Sering dinas ke luar kota",
};
constexpr std::string_view kRelations[] = {"kakak", "adik", "ibu",    "ayah",
                                           "paman", "bibi", "sepupu", "anak"};
constexpr std::string_view kContactInfo[] = {
    "Tinggal di Medan",
    "Tinggal di Manado",
    "Bisa dihubungi setelah pukul 17.00",
    "Tetangga dekat, punya kunci rumah",
    "",
};
constexpr std::string_view kNeedTexts[] = {
    "Tidak dapat keluar rumah; kunjungi setiap bulan",
    "Membutuhkan penerjemah bahasa isyarat di perhimpunan",
    "Membutuhkan publikasi dalam huruf Braille",
    "Memakai kursi roda; perlu tempat duduk di dekat pintu",
    "Perlu diantar ke dokter setiap minggu",
    "Diabetes; perlu makan tepat waktu saat dinas",
};
constexpr std::string_view kSharedNeed = "Perlu transportasi ke perhimpunan";
constexpr std::string_view kMailDomains[] = {"example.org", "example.net", "example.com"};
constexpr std::string_view kMobilePrefixes[] = {"0811", "0812", "0813", "0821",
                                                "0852", "0857", "0877", "0878"};

// ---- deterministic random numbers -------------------------------------------

// std::uniform_int_distribution differs between standard libraries; this
// mapping of the (fully specified) mt19937 output does not.
class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}

    // Uniform in [low, high], by rejection so that no value is favoured.
    int between(int low, int high) {
        if (high <= low) return low;
        const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
        const std::uint64_t range = std::uint64_t{std::mt19937::max()} + 1;
        const std::uint64_t limit = range - range % span;
        std::uint64_t x;
        do {
            x = engine_();
        } while (x >= limit);
        return low + static_cast<int>(x % span);
    }
    bool percent(int p) { return between(0, 99) < p; }

    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[between(0, static_cast<int>(N) - 1)];
    }
    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[between(0, i)]);
    }

private:
    std::mt19937 engine_;
};

// ---- calendar helpers ---------------------------------------------------------

int month0Of(int stamp) {
    return month0OfStamp(stamp);
}
int yearOf(int stamp) {
    return yearOfStamp(stamp);
}
std::uint8_t yearByteOf(int stamp) {
    return yearToByte(yearOf(stamp));
}
int slotOf(int stamp) {
    return monthSlot(month0Of(stamp), parityOfYear(yearOf(stamp)));
}

// How many times a weekday occurs in a month (1..12).
int weekdaysInMonth(int year, int month, std::chrono::weekday day) {
    using namespace std::chrono;
    const year_month ym{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)}};
    const weekday firstDay{sys_days{ym / 1}};
    const unsigned lastDay = static_cast<unsigned>((ym / std::chrono::last).day());
    const unsigned offset = (day - firstDay).count();
    return static_cast<int>((lastDay - 1 - offset) / 7 + 1);
}

// Privilege dates are kept zero-padded.
std::string paddedDate(int month, int day, int year) {
    return text::formatPrintf("%02d%02d%04d", month, day, year);
}

std::string cp1252(std::string_view utf8) {
    return text::utf8ToCp1252(utf8).bytes;
}

// The part of an e-mail address made from a name: its letters, unaccented.
std::string mailPart(const std::string& name) {
    std::string out;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        const unsigned char base = baseLetter(c);
        if (base >= 'A' && base <= 'Z') out.push_back(static_cast<char>(base - 'A' + 'a'));
    }
    return out;
}

// ---- the people -----------------------------------------------------------------

enum class Pioneer { None, Regular, Special, ContinuousAuxiliary };

struct Person {
    PublisherRecord rec{};
    bool male = false;
    int age = 0;
    bool baptized = false;
    int baptismYear = 0;
    int unit = -1;  // household or single person, for the groups
    // Months with reports: firstStamp..lastStamp without gapFrom..gapTo.
    int firstStamp = 0;
    int lastStamp = -1;
    int gapFrom = 1;
    int gapTo = 0;
    int missPercent = 1;
    Pioneer pioneer = Pioneer::None;
    int pioneerFrom = 0;
    int pioneerTo = 0;
    bool hasRole = false;                // already given a role of the timeline
    int remarkStamp = -1;                // a month with a remark instead of a report
    int forcedStamp = -1;                // a month that must hold a report
    bool lateNow = false;                // that report came in during the ReportMonth
    bool lateBefore = false;             // it came in during the month after it
    std::string longName, email, other;  // Windows-1252
};

class DemoBuilder {
public:
    DemoBuilder(CVelnoDoc& doc, unsigned seed, int publishers)
        : doc_(doc), dice_(seed), publishers_(publishers) {
        last_ = doc.reportMonth().reportStamp;
        first_ = last_ - (kMonths - 1);
        reportYear_ = yearOf(last_);
        groups_ = std::clamp((publishers + 19) / 20, 1, GroupTable::kCapacity);
        inactiveCount_ = std::max(1, publishers / 15);
        movedCount_ = std::max(1, publishers / 40);
        deletedCount_ = std::max(1, publishers / 60);
        studentTarget_ = std::max(1, publishers / 12);
    }

    std::optional<std::string> build() {
        while (active_ < publishers_) makeUnit();
        appointBrothers();
        assignGroups();
        chooseRoles();
        markAnointed();
        makeSideLists();
        while (students_ < studentTarget_) makeStudent();
        makeCircuitOverseer();
        for (Person& p : people_) fillSlots(p);
        planExtensions();
        if (auto problem = checkTexts()) return problem;
        if (auto problem = writeExtensions()) return problem;
        if (auto problem = writeContacts()) return problem;
        if (auto problem = writeNeeds()) return problem;
        if (auto problem = writeRemarks()) return problem;
        if (auto problem = storeRecords()) return problem;
        addLateReports();
        addPrivilegeDates();
        fillGroupTable();
        fillMeetings();
        fillHeader();
        return std::nullopt;
    }

private:
    // ---- persons ----------------------------------------------------------

    std::string firstName(bool male, const std::string& family) {
        std::string name;
        for (int attempt = 0; attempt < 200; ++attempt) {
            name = cp1252(male ? dice_.pick(kMaleNames) : dice_.pick(kFemaleNames));
            if (usedNames_.insert(name + '|' + family).second) break;
        }
        return name;
    }

    std::string address() {
        std::string street = "Jl. " + std::string(dice_.pick(kStreets)) +
                             std::string(dice_.pick(kStreetSuffixes)) + " No. " +
                             std::to_string(dice_.between(1, 150));
        if (dice_.percent(30))
            street.append(1, '/').append(1, static_cast<char>('A' + dice_.between(0, 3)));
        return street + ", Kel. " + std::string(dice_.pick(kAreas));
    }
    std::string fourDigits() { return text::formatPrintf("%04d", dice_.between(0, 9999)); }
    std::string homePhone() { return "021-555-" + fourDigits(); }
    std::string mobilePhone() {
        return std::string(dice_.pick(kMobilePrefixes)) + "-555-" + fourDigits();
    }
    std::string officePhone() { return text::formatPrintf("021-555-9%03d", dice_.between(0, 999)); }

    std::string birthDate(int age) {
        return makeDateText(dice_.between(1, 12), dice_.between(1, 28), reportYear_ - age);
    }

    void baptize(Person& p) {
        const int earliest = reportYear_ - p.age + 10;
        if (earliest > reportYear_ - 1) return;
        p.baptized = true;
        p.baptismYear = dice_.between(earliest, reportYear_ - 1);
        const std::string date =
            makeDateText(dice_.between(1, 12), dice_.between(1, 28), p.baptismYear);
        setFieldText(p.rec.bapdate, date);
        if (p.male) p.rec.flags = static_cast<std::uint8_t>(p.rec.flags | PrivilegeBaptizedBrother);
    }

    void unbaptize(Person& p) {
        p.baptized = false;
        p.baptismYear = 0;
        setFieldText(p.rec.bapdate, std::string(kDateTextLength, ' '));
        p.rec.flags = static_cast<std::uint8_t>(p.rec.flags & ~RecordFlag::PrivilegeMask);
    }

    int addPerson(ListKind kind, bool male, const std::string& family, int age) {
        Person p;
        p.male = male;
        p.age = age;
        PublisherRecord& r = p.rec;
        setFieldText(r.fname, firstName(male, family));
        setFieldText(r.lname, family);
        setFieldText(r.birdate, birthDate(age));
        setFieldText(r.bapdate, std::string(kDateTextLength, ' '));
        r.hope = 'O';
        r.listKind = kind;
        r.moreBits = MoreBit::Loaded;
        r.flags = male ? RecordFlag::Brother : RecordFlag::Sister;
        r.id = kind == ListBibleStudent ? nextStudentId_++ : nextId_++;
        if (age >= 15 && dice_.percent(80)) setFieldText(r.phone2, mobilePhone());
        if (age >= 25 && dice_.percent(15)) setFieldText(r.phone3, officePhone());
        p.firstStamp = first_;
        p.lastStamp = last_;
        if (kind == ListActive) ++active_;
        if (kind == ListBibleStudent) ++students_;
        people_.push_back(std::move(p));
        return static_cast<int>(people_.size()) - 1;
    }

    void setHome(Person& p, const std::string& addr, const std::string& phone) {
        setFieldText(p.rec.addr, addr);
        setFieldText(p.rec.phone, phone);
    }

    int addActive(bool male, const std::string& family, int age, bool baptized) {
        const int i = addPerson(ListActive, male, family, age);
        if (baptized) baptize(people_[i]);
        if (people_[i].baptized && people_[i].age >= 18 && dice_.percent(30)) {
            people_[i].rec.dpaSet = 1;
            setFieldText(people_[i].rec.dpa,
                         makeDateText(dice_.between(1, 12), dice_.between(1, 28),
                                      dice_.between(reportYear_ - 3, reportYear_)));
        }
        return i;
    }

    // A household (a couple or a single mother with children) or a single
    // person; children become publishers or Bible students.
    void makeUnit() {
        const int room = publishers_ - active_;
        const int roll = dice_.between(0, 99);
        const int unit = units_++;
        const std::string family = cp1252(dice_.pick(kFamilyNames));
        const std::string addr = address();
        const std::string phone = dice_.percent(60) ? homePhone() : std::string();
        if (room < 2 || roll >= 55) {
            const bool male = dice_.percent(35);
            const int i = addActive(male, family, dice_.between(18, 88), dice_.percent(95));
            setHome(people_[i], addr, phone);
            people_[i].unit = unit;
            return;
        }
        int head;
        int parentAge;
        if (roll < 45) {
            parentAge = dice_.between(26, 80);
            head = addActive(true, family, parentAge, true);
            const int wife =
                addActive(false, family, std::clamp(parentAge - dice_.between(0, 6), 22, 88), true);
            people_[wife].rec.household = people_[head].rec.id;
            setHome(people_[wife], addr, phone);
            people_[wife].unit = unit;
        } else {
            parentAge = dice_.between(30, 62);
            head = addActive(false, family, parentAge, true);
        }
        people_[head].rec.flags |= RecordFlag::HouseholdHead;
        setHome(people_[head], addr, phone);
        people_[head].unit = unit;
        const PublisherId headId = people_[head].rec.id;
        const int children = dice_.between(0, 3);
        for (int c = 0; c < children; ++c) {
            const int age = dice_.between(6, std::min(22, parentAge - 18));
            const bool male = dice_.percent(50);
            int child;
            if (age >= 10 && active_ < publishers_ && dice_.percent(65)) {
                child = addActive(male, family, age, age >= 13 && dice_.percent(60));
            } else if (age >= 7 && students_ < studentTarget_) {
                child = addPerson(ListBibleStudent, male, family, age);
            } else {
                continue;
            }
            people_[child].rec.household = headId;
            setHome(people_[child], addr, phone);
            people_[child].unit = unit;
        }
    }

    void appointBrothers() {
        std::vector<int> brothers;
        for (int i = 0; i < static_cast<int>(people_.size()); ++i) {
            const Person& p = people_[i];
            if (p.rec.listKind == ListActive && p.male && p.baptized && p.age >= 25)
                brothers.push_back(i);
        }
        dice_.shuffle(brothers);
        // Older brothers first, in shuffled order within each band.
        std::stable_sort(brothers.begin(), brothers.end(),
                         [&](int a, int b) { return people_[a].age / 15 > people_[b].age / 15; });
        const int elders = std::min<int>(brothers.size(), std::max(groups_, publishers_ / 15));
        const int servants = std::min<int>(brothers.size() - elders, std::max(1, publishers_ / 12));
        for (int k = 0; k < elders + servants; ++k) {
            PublisherRecord& r = people_[brothers[k]].rec;
            r.flags = static_cast<std::uint8_t>((r.flags & ~RecordFlag::PrivilegeMask) |
                                                (k < elders ? PrivilegeElder : PrivilegeServant));
            people_[brothers[k]].hasRole = true;  // keeps elders and servants out of odd timelines
        }
    }

    bool isElder(const Person& p) const {
        return p.rec.listKind == ListActive && p.rec.privilege() == PrivilegeElder;
    }

    // Every group gets a household with an elder first; then each household
    // goes to the smallest group.
    void assignGroups() {
        std::vector<int> unitSize(units_, 0);
        std::vector<bool> unitHasElder(units_, false);
        for (const Person& p : people_) {
            if (p.unit < 0) continue;
            ++unitSize[p.unit];
            if (isElder(p)) unitHasElder[p.unit] = true;
        }
        std::vector<int> unitGroup(units_, 0);
        std::vector<int> groupSize(groups_ + 1, 0);
        int next = 1;
        for (int u = 0; u < units_ && next <= groups_; ++u) {
            if (!unitHasElder[u]) continue;
            unitGroup[u] = next;
            groupSize[next] += unitSize[u];
            ++next;
        }
        for (int u = 0; u < units_; ++u) {
            if (unitGroup[u]) continue;
            int smallest = 1;
            for (int g = 2; g <= groups_; ++g)
                if (groupSize[g] < groupSize[smallest]) smallest = g;
            unitGroup[u] = smallest;
            groupSize[smallest] += unitSize[u];
        }
        for (Person& p : people_)
            if (p.unit >= 0) p.rec.group = static_cast<std::uint8_t>(unitGroup[p.unit]);
    }

    // Pioneers, new and reactivated publishers, irregular ones, remarks and
    // late reports: each given to a different publisher.
    void chooseRoles() {
        std::vector<int> pool;
        for (int i = 0; i < static_cast<int>(people_.size()); ++i)
            if (people_[i].rec.listKind == ListActive) pool.push_back(i);
        dice_.shuffle(pool);
        auto take = [&](auto&& fits) -> Person* {
            for (int i : pool) {
                Person& p = people_[i];
                if (!p.hasRole && fits(p)) {
                    p.hasRole = true;
                    return &p;
                }
            }
            return nullptr;
        };
        // Pioneers were baptized before the period begins.
        const int periodYear = yearOf(first_);
        auto adultBaptized = [periodYear](const Person& p) {
            return p.baptized && p.baptismYear < periodYear && p.age >= 18 && p.age <= 70;
        };

        const int regulars = std::max(1, publishers_ * 8 / 100);
        for (int k = 0; k < regulars; ++k) {
            Person* p = take(adultBaptized);
            if (!p) break;
            p->pioneer = Pioneer::Regular;
            p->pioneerFrom = first_;
            p->pioneerTo = last_;
            if (k == 1) p->pioneerFrom = first_ + dice_.between(3, 18);  // started in the period
            if (k == 2) p->pioneerTo = last_ - dice_.between(6, 10);     // stopped in the period
        }
        const int specials = publishers_ >= 40 ? 2 : publishers_ >= 20 ? 1 : 0;
        for (int k = 0; k < specials; ++k) {
            Person* p = take([periodYear](const Person& q) {
                return q.baptized && q.baptismYear < periodYear && q.age >= 22 && q.age <= 55;
            });
            if (!p) break;
            p->pioneer = Pioneer::Special;
            p->pioneerFrom = first_;
            p->pioneerTo = last_;
        }
        if (publishers_ >= 10) {
            if (Person* p = take(adultBaptized)) {
                p->pioneer = Pioneer::ContinuousAuxiliary;
                p->pioneerFrom = first_;
                p->pioneerTo = last_;
                p->rec.flags |= RecordFlag::ContinuousAuxiliary;
            }
        }
        // New publishers: reports only from the month they started.
        for (int k = 0; k < 2; ++k) {
            Person* p = take([](const Person& q) { return !q.baptized && q.age >= 10; });
            if (!p) p = take([](const Person& q) { return q.age >= 10; });
            if (!p) break;
            unbaptize(*p);
            const int start = last_ - dice_.between(1, 4);
            p->firstStamp = start;
            p->rec.statusMark = static_cast<std::uint8_t>(((month0Of(start) + 1) << 4) | 1);
            p->rec.listYear = p->rec.statusMark;
            p->rec.markStamp = static_cast<std::uint16_t>(start);
        }
        // Reactivated publishers: a gap of months without reports. The mark
        // lasts six months, its copy twelve.
        for (int k = 0; k < 2 && publishers_ >= 10; ++k) {
            Person* p = take([](const Person& q) { return q.baptized; });
            if (!p) break;
            const int back = k == 0 ? dice_.between(2, 4) : dice_.between(7, 10);
            const int start = last_ - back;
            p->gapFrom = std::max(first_, start - 9);
            p->gapTo = start - 1;
            const auto mark = static_cast<std::uint8_t>(((month0Of(start) + 1) << 4) | 2);
            p->rec.statusMark = back <= 5 ? mark : 0;
            p->rec.listYear = mark;
            p->rec.markStamp = static_cast<std::uint16_t>(start);
        }
        if (publishers_ >= 20) {
            if (Person* p = take([](const Person& q) { return q.baptized; })) {
                const int start = last_ - 2;  // moved in from another congregation
                p->firstStamp = start;
                p->rec.statusMark = static_cast<std::uint8_t>(((month0Of(start) + 1) << 4) | 4);
                p->rec.listYear = p->rec.statusMark;
            }
        }
        const int irregular = publishers_ >= 10 ? std::max(1, publishers_ * 6 / 100) : 0;
        for (int k = 0; k < irregular; ++k) {
            if (Person* p = take([](const Person&) { return true; })) p->missPercent = 30;
        }
        for (int k = 0; k < 3 && publishers_ >= 10; ++k) {
            if (Person* p = take([](const Person&) { return true; }))
                p->remarkStamp = last_ - dice_.between(1, 6);
        }
        for (int k = 0; k < 3 && publishers_ >= 10; ++k) {
            if (Person* p = take([](const Person&) { return true; })) {
                p->forcedStamp = last_ - 1 - k % 2;
                p->lateNow = true;
            }
        }
        for (int k = 0; k < 2 && publishers_ >= 10; ++k) {
            if (Person* p = take([](const Person&) { return true; })) {
                p->forcedStamp = last_ - dice_.between(3, 8);
                p->lateBefore = true;
            }
        }
    }

    // One elderly publisher of the anointed.
    void markAnointed() {
        Person* oldest = nullptr;
        for (Person& p : people_)
            if (p.rec.listKind == ListActive && p.baptized && (!oldest || p.age > oldest->age))
                oldest = &p;
        if (oldest && oldest->age >= 60 && publishers_ >= 20) oldest->rec.hope = 'A';
    }

    int addSingle(ListKind kind) {
        const std::string family = cp1252(dice_.pick(kFamilyNames));
        const int i = addPerson(kind, dice_.percent(40), family, dice_.between(20, 80));
        setHome(people_[i], address(), dice_.percent(50) ? homePhone() : std::string());
        return i;
    }

    void markJoined(Person& p, int stamp) {
        p.rec.statusMark = static_cast<std::uint8_t>((month0Of(stamp) + 1) << 4);
        p.rec.listYear = yearByteOf(stamp);
    }

    void makeSideLists() {
        for (int k = 0; k < inactiveCount_; ++k) {
            Person& p = people_[addSingle(ListInactive)];
            baptize(p);
            const int since = last_ - dice_.between(1, 18);
            markJoined(p, since);
            p.lastStamp = since - 6 - dice_.between(0, 3);
            p.missPercent = 20;
            p.rec.group = static_cast<std::uint8_t>(dice_.between(1, groups_));
            if (k == 0 && inactiveCount_ >= 2) p.rec.flags |= RecordFlag::NoGroupOnSideList;
        }
        for (int k = 0; k < movedCount_; ++k) {
            Person& p = people_[addSingle(ListMoved)];
            baptize(p);
            const int since = last_ - dice_.between(0, 10);
            markJoined(p, since);
            p.lastStamp = since - 1;
            p.rec.group = static_cast<std::uint8_t>(dice_.between(1, groups_));
        }
        for (int k = 0; k < deletedCount_; ++k) {
            Person& p = people_[addSingle(ListDeleted)];
            baptize(p);
            const int since = last_ - dice_.between(1, 11);
            markJoined(p, since);
            p.rec.markStamp =
                static_cast<std::uint16_t>(month0Of(since) + 1 + 256 * (yearOf(since) - 1950));
            p.lastStamp = since - 1;
        }
    }

    void makeStudent() {
        const int i = addSingle(ListBibleStudent);
        if (dice_.percent(50))
            people_[i].rec.group = static_cast<std::uint8_t>(dice_.between(1, groups_));
    }

    void makeCircuitOverseer() {
        const std::string family = cp1252(dice_.pick(kFamilyNames));
        Person p;
        p.male = true;
        p.age = dice_.between(35, 55);
        PublisherRecord& r = p.rec;
        setFieldText(r.fname, firstName(true, family));
        setFieldText(r.lname, family);
        setFieldText(r.addr, address());
        setFieldText(r.phone2, mobilePhone());
        r.hope = 'O';
        r.listKind = ListCircuitOverseer;
        r.id = 30003;
        r.flags = RecordFlag::Brother;
        r.moreBits = MoreBit::Loaded;
        p.lastStamp = first_ - 1;  // no reports
        people_.push_back(std::move(p));
    }

    // ---- reports ------------------------------------------------------------

    int serviceKindFor(Person& p, int stamp) {
        const bool pioneering = stamp >= p.pioneerFrom && stamp <= p.pioneerTo;
        switch (p.pioneer) {
            case Pioneer::Regular:
                if (pioneering) return ServiceRegular;
                break;
            case Pioneer::Special:
                return ServiceSpecial;
            case Pioneer::ContinuousAuxiliary:
                return ServiceAuxiliary;
            case Pioneer::None:
                break;
        }
        if (!p.baptized) return ServicePublisher;
        const int m = month0Of(stamp);
        const int chance = (m == 2 || m == 3) ? 12 : 3;  // March and April are busy months
        return dice_.percent(chance) ? ServiceAuxiliary : ServicePublisher;
    }

    int studies(int kind) {
        const int roll = dice_.between(0, 99);
        switch (kind) {
            case ServicePublisher:
                return roll < 70 ? 0 : roll < 95 ? 1 : 2;
            case ServiceAuxiliary:
                return roll < 40 ? 0 : dice_.between(1, 3);
            case ServiceRegular:
                return dice_.between(1, 6);
            default:
                return dice_.between(3, 9);
        }
    }

    void addRemark(Person& p, int stamp, std::string_view utf8) {
        RemarkEntry e{};
        setFieldText(e.text, cp1252(utf8));
        e.month = static_cast<std::uint8_t>(month0Of(stamp) + 1);
        e.parity = static_cast<std::uint8_t>(parityOfYear(yearOf(stamp)));
        e.id = p.rec.id;
        const int k = doc_.remarks().append(e);
        if (k == 0) return;  // the table is full: the report stays without remark
        p.rec.remarkIndex[slotOf(stamp)] = static_cast<std::uint16_t>(k);
    }

    void writeOldForm(Person& p, int slot, int kind) {
        PublisherRecord& r = p.rec;
        if (kind == ServicePublisher && underHourLeft_ > 0 && dice_.percent(2)) {
            // Reported less than one hour: no hours, the mark in bit 11.
            --underHourLeft_;
            r.placements[slot] = static_cast<std::uint16_t>(dice_.between(0, 2));
            r.studiesWord[slot] = StudiesWord::SharedOrUnderHour;
            return;
        }
        int hours;
        int scale;
        switch (kind) {
            case ServicePublisher:
                hours = dice_.between(1, 16), scale = 1;
                break;
            case ServiceAuxiliary:
                hours = dice_.between(30, 60), scale = 2;
                break;
            case ServiceRegular:
                hours = dice_.between(65, 95), scale = 3;
                break;
            default:
                hours = dice_.between(120, 140), scale = 4;
                break;
        }
        r.hours[slot] = static_cast<std::uint16_t>(hours);
        r.placements[slot] = static_cast<std::uint16_t>(dice_.between(0, 10 * scale));
        r.videos[slot] = static_cast<std::uint16_t>(dice_.between(0, 5 * scale));
        r.returnVisits[slot] = static_cast<std::uint16_t>(dice_.between(0, 8 * scale));
        r.studiesWord[slot] = static_cast<std::uint16_t>(studies(kind));
    }

    void writeNewForm(Person& p, int stamp, int slot, int kind) {
        PublisherRecord& r = p.rec;
        std::uint16_t word =
            StudiesWord::SharedOrUnderHour | static_cast<std::uint16_t>(studies(kind));
        int hours = 0;
        switch (kind) {
            case ServiceAuxiliary:
                hours = dice_.between(15, 50);
                break;
            case ServiceRegular:
                hours = dice_.between(45, 80);
                if (dice_.percent(15)) {
                    // Credit hours for theocratic work; hours and credit stay within 55.
                    hours = dice_.between(30, 47);
                    const int credit = dice_.between(3, std::min(15, 55 - hours));
                    r.credit[slot] = static_cast<std::uint16_t>(credit);
                    addRemark(p, stamp, std::to_string(credit) + " + Jam");
                }
                break;
            case ServiceSpecial:
                hours = dice_.between(100, 130);
                break;
            default:
                break;
        }
        if (kind != ServicePublisher && dice_.percent(8))
            word = static_cast<std::uint16_t>(word |
                                              (dice_.between(1, 3) << StudiesWord::QuarterShift));
        r.hours[slot] = static_cast<std::uint16_t>(hours);
        r.studiesWord[slot] = word;
    }

    void fillSlots(Person& p) {
        PublisherRecord& r = p.rec;
        if (r.listKind == ListCircuitOverseer) return;
        for (int stamp = first_; stamp <= last_; ++stamp) {
            const int slot = slotOf(stamp);
            r.slotYear[slot] = yearByteOf(stamp);
            if (r.listKind == ListBibleStudent) continue;
            if (stamp < p.firstStamp || stamp > p.lastStamp) continue;
            if (stamp >= p.gapFrom && stamp <= p.gapTo) continue;
            const int kind = serviceKindFor(p, stamp);
            r.serviceKind[slot] = static_cast<std::uint8_t>(kind);
            if (stamp == p.remarkStamp) {
                addRemark(p, stamp, dice_.pick(kAbsenceRemarks));
                continue;
            }
            if (stamp != p.forcedStamp) {
                // The ReportMonth is still being collected.
                if (stamp == last_ && !dice_.percent(85)) continue;
                if (kind != ServiceSpecial && dice_.percent(p.missPercent)) continue;
            }
            if (stamp <= kNewFormatFromStamp)
                writeOldForm(p, slot, kind);
            else
                writeNewForm(p, stamp, slot, kind);
            if (p.lateBefore && stamp == p.forcedStamp)
                r.lateMark[slot] = static_cast<std::uint8_t>(month0Of(stamp + 1) + 1);
            if (r.remarkIndex[slot] == 0 && dice_.percent(kind == ServiceSpecial ? 8 : 1))
                addRemark(p, stamp, dice_.pick(kInfoRemarks));
        }
    }

    // ---- extended information, contacts, needs, remarks ------------------------

    void planExtensions() {
        int nearFull = 3;  // long names that fill the 64 characters
        for (Person& p : people_) {
            const int kind = p.rec.listKind;
            if (kind == ListMoved || kind == ListDeleted || kind == ListBibleStudent) continue;
            const std::string first = fieldText(p.rec.fname);
            const std::string family = fieldText(p.rec.lname);
            const bool overseer = kind == ListCircuitOverseer;
            if (overseer || dice_.percent(kind == ListActive ? 45 : 20)) {
                std::string mail = mailPart(first) + "." + mailPart(family);
                if (dice_.percent(30)) mail += std::to_string(dice_.between(1, 99));
                p.email = mail + "@" + std::string(dice_.pick(kMailDomains));
            }
            if (kind == ListActive && p.age >= 14 && dice_.percent(25)) {
                // A few long names fill the field as far as the names allow.
                constexpr std::size_t kMax = sizeof(PublisherExtension::longName) - 1;
                const bool full = nearFull > 0;
                const int tries =
                    full ? static_cast<int>(std::size(kMiddleNames)) : dice_.between(1, 2);
                const int offset = dice_.between(0, static_cast<int>(std::size(kMiddleNames)) - 1);
                std::string name = first;
                for (int k = 0; k < tries; ++k) {
                    const std::string middle =
                        cp1252(full ? kMiddleNames[(offset + k) % std::size(kMiddleNames)]
                                    : dice_.pick(kMiddleNames));
                    if (name.size() + 1 + middle.size() + 1 + family.size() > kMax) continue;
                    if (name.find(middle) != std::string::npos) continue;
                    name += " " + middle;
                }
                p.longName = name + " " + family;
                if (full) --nearFull;
            }
            if (kind == ListActive && dice_.percent(8)) p.other = cp1252(dice_.pick(kOtherInfo));
            if (overseer) p.other = cp1252("Pengawas wilayah");
        }
    }

    // Every text must survive the scrambling of the data files.
    std::optional<std::string> checkTexts() const {
        auto check = [](const std::string& text) -> std::optional<std::string> {
            if (auto why = unscramblableCharacter(text))
                return text::arg(text::tr(text::TxDemoTextNotStorable), text::cp1252ToUtf8(text),
                                 *why);
            return std::nullopt;
        };
        for (const Person& p : people_) {
            const PublisherRecord& r = p.rec;
            for (const std::string& t :
                 {fieldText(r.fname), fieldText(r.lname), fieldText(r.addr), fieldText(r.phone),
                  fieldText(r.phone2), fieldText(r.phone3), fieldText(r.bapdate),
                  fieldText(r.birdate), p.longName, p.email, p.other})
                if (auto problem = check(t)) return problem;
        }
        return std::nullopt;
    }

    std::optional<std::string> writeFailed() const {
        return text::arg(text::tr(text::TxDemoWriteFailed), doc_.folder().path().string());
    }

    std::optional<std::string> writeExtensions() {
        int entries = 0;
        for (Person& p : people_) {
            if (p.longName.empty() && p.email.empty() && p.other.empty()) continue;
            if (++entries >= ExtensionTable::kCapacity) break;
            PublisherExtension& e = doc_.extensions().current();
            e = {};
            e.owner = p.rec.id;
            setFieldText(e.longName, p.longName);
            setFieldText(e.email, p.email);
            setFieldText(e.other, p.other);
            const int entry = doc_.writeExtension();
            if (entry == 0) return writeFailed();
            p.rec.extSlot = static_cast<std::uint16_t>(entry);
        }
        return std::nullopt;
    }

    std::optional<std::uint16_t> addContact(const std::string& surname) {
        EmergencyContact c{};
        const bool male = dice_.percent(50);
        const std::string name = cp1252(male ? dice_.pick(kMaleNames) : dice_.pick(kFemaleNames));
        const std::string contact = std::string(male ? "Bpk. " : "Ibu ") + name + " " + surname +
                                    " (" + std::string(dice_.pick(kRelations)) + ")";
        setFieldText(c.contact, contact);
        setFieldText(c.info, cp1252(dice_.pick(kContactInfo)));
        if (dice_.percent(50)) setFieldText(c.homePhone, homePhone());
        setFieldText(c.mobilePhone, mobilePhone());
        if (dice_.percent(20)) setFieldText(c.officePhone, officePhone());
        c.sy = static_cast<std::uint8_t>(dice_.percent(50) ? 1 : 0);
        const std::uint16_t key = doc_.addEntry(doc_.emergency(), entryBytes(c));
        if (key == 0) return std::nullopt;
        return key;
    }

    // Households share their head's contact; two singles share one too.
    std::optional<std::string> writeContacts() {
        std::vector<int> singlesWithout;
        for (Person& head : people_) {
            const PublisherRecord& r = head.rec;
            if (r.listKind != ListActive || r.household != 0) continue;
            const bool isHead = r.flags & RecordFlag::HouseholdHead;
            if (!dice_.percent(isHead ? 60 : 35)) {
                if (!isHead) singlesWithout.push_back(static_cast<int>(&head - people_.data()));
                continue;
            }
            const auto key = addContact(fieldText(r.lname));
            if (!key) return writeFailed();
            head.rec.emergId = *key;
            if (!isHead) continue;
            for (Person& member : people_)
                if (member.rec.household == r.id) member.rec.emergId = *key;
        }
        if (singlesWithout.size() >= 2) {
            const auto key = addContact(cp1252(dice_.pick(kFamilyNames)));
            if (!key) return writeFailed();
            people_[singlesWithout[0]].rec.emergId = *key;
            people_[singlesWithout[1]].rec.emergId = *key;
        }
        return std::nullopt;
    }

    std::optional<std::string> writeNeeds() {
        std::vector<int> elderly;
        for (int i = 0; i < static_cast<int>(people_.size()); ++i)
            if (people_[i].rec.listKind == ListActive) elderly.push_back(i);
        std::stable_sort(elderly.begin(), elderly.end(),
                         [&](int a, int b) { return people_[a].age > people_[b].age; });
        auto addNeed = [&](std::string_view utf8) -> std::optional<std::uint16_t> {
            SpecialNeed n{};
            setFieldText(n.text, cp1252(utf8));
            const std::uint16_t key = doc_.addEntry(doc_.specialNeeds(), entryBytes(n));
            if (key == 0) return std::nullopt;
            return key;
        };
        // The oldest couple shares one need.
        for (int i : elderly) {
            Person& p = people_[i];
            if (!(p.rec.flags & RecordFlag::HouseholdHead) || !p.male) continue;
            Person* wife = nullptr;
            for (Person& q : people_)
                if (q.rec.household == p.rec.id && !q.male && q.age >= 22 &&
                    q.rec.listKind == ListActive)
                    wife = &q;
            if (!wife) continue;
            const auto key = addNeed(kSharedNeed);
            if (!key) return writeFailed();
            p.rec.specneed = *key;
            wife->rec.specneed = *key;
            break;
        }
        const int needs = std::max(2, publishers_ / 30);
        int given = 0;
        for (int i : elderly) {
            if (given >= needs) break;
            Person& p = people_[i];
            if (p.rec.specneed) continue;
            const auto key = addNeed(kNeedTexts[given % std::size(kNeedTexts)]);
            if (!key) return writeFailed();
            p.rec.specneed = *key;
            // The first three texts name the three categories.
            if (given == 0) p.rec.moreBits |= MoreBit::Isolated;
            if (given == 1) p.rec.moreBits |= MoreBit::Deaf;
            if (given == 2) p.rec.moreBits |= MoreBit::Blind;
            ++given;
        }
        // One more homebound publisher without a note.
        for (int i : elderly) {
            if (people_[i].rec.specneed == 0) {
                people_[i].rec.moreBits |= MoreBit::Isolated;
                break;
            }
        }
        return std::nullopt;
    }

    // Remarks are written through as the slips would; the save then writes
    // the table over them in place.
    std::optional<std::string> writeRemarks() {
        const RemarkTable& table = doc_.remarks();
        if (table.count() <= 1) return std::nullopt;
        std::vector<RemarkEntry> entries;
        for (int k = 1; k < table.count(); ++k) entries.push_back(table.at(k));
        if (!RemarkTable::writeRemarks(doc_.folder(), entries)) return writeFailed();
        return std::nullopt;
    }

    std::optional<std::string> storeRecords() {
        for (const Person& p : people_)
            if (!doc_.store().append(p.rec)) return writeFailed();
        doc_.sortAndIndex();
        return std::nullopt;
    }

    void addLateReports() {
        for (const Person& p : people_)
            if (p.lateNow)
                doc_.lateReports().add(p.rec.id, month0Of(p.forcedStamp), month0Of(last_));
    }

    // ---- side tables ------------------------------------------------------------

    void addPrivilegeDate(PublisherId id, std::uint16_t kind, const std::string& start,
                          const std::string& end) {
        PrivilegeDateEntry e{};
        e.id = id;
        e.kind = kind;
        setFieldText(e.start, start);
        setFieldText(e.end, end);
        doc_.privilegeDates().entries.push_back(e);
    }

    std::string dateOfStamp(int stamp, int day) {
        return paddedDate(month0Of(stamp) + 1, day, yearOf(stamp));
    }

    void addPrivilegeDates() {
        const std::string noEnd(kDateTextLength, ' ');
        bool consent = false;
        for (Person& p : people_) {
            if (p.rec.listKind != ListActive) continue;
            const PublisherId id = p.rec.id;
            const int privilege = p.rec.privilege();
            if (privilege == PrivilegeElder || privilege == PrivilegeServant) {
                const int from = std::max(p.baptismYear + 2, reportYear_ - 30);
                const int year = dice_.between(std::min(from, reportYear_ - 1), reportYear_ - 1);
                addPrivilegeDate(
                    id, privilege == PrivilegeElder ? PrivilegeKind::Elder : PrivilegeKind::Servant,
                    paddedDate(dice_.between(1, 12), 1, year), noEnd);
            }
            switch (p.pioneer) {
                case Pioneer::Regular: {
                    const std::string start =
                        p.pioneerFrom > first_
                            ? dateOfStamp(p.pioneerFrom, 1)
                            : paddedDate(9, 1,
                                         dice_.between(std::max(p.baptismYear, yearOf(first_) - 12),
                                                       yearOf(first_) - 1));
                    const std::string end =
                        p.pioneerTo < last_ ? dateOfStamp(p.pioneerTo, 28) : noEnd;
                    addPrivilegeDate(id, PrivilegeKind::RegularPioneer, start, end);
                    break;
                }
                case Pioneer::Special:
                    addPrivilegeDate(id, PrivilegeKind::SpecialPioneer,
                                     paddedDate(9, 1, yearOf(first_) - dice_.between(1, 5)), noEnd);
                    break;
                case Pioneer::ContinuousAuxiliary:
                    addPrivilegeDate(id, PrivilegeKind::ContinuousAuxiliary, dateOfStamp(first_, 1),
                                     noEnd);
                    break;
                case Pioneer::None:
                    break;
            }
            if (!consent && p.baptized) {
                addPrivilegeDate(id, PrivilegeKind::Consent,
                                 dateOfStamp(last_ - dice_.between(0, 11), 15), noEnd);
                consent = true;
            }
        }
    }

    const Person* overseerOf(int group, int privilege, const Person* skip) const {
        for (const Person& p : people_) {
            if (&p == skip || p.rec.listKind != ListActive || p.rec.group != group) continue;
            if (p.rec.privilege() != privilege) continue;
            if (displayNameOf(p.rec, false).size() > 23) continue;  // must fit the group file
            return &p;
        }
        return nullptr;
    }

    void fillGroupTable() {
        GroupFile& g = doc_.groups().data();
        g.count = static_cast<std::uint8_t>(groups_);
        for (int n = 1; n <= groups_; ++n) {
            const int i = n - 1;
            const Person* overseer = overseerOf(n, PrivilegeElder, nullptr);
            if (!overseer) overseer = overseerOf(n, PrivilegeBaptizedBrother, nullptr);
            if (!overseer) {
                for (const Person& p : people_)
                    if (p.rec.listKind == ListActive && p.rec.group == n) overseer = &p;
            }
            const Person* assistant = overseerOf(n, PrivilegeServant, overseer);
            if (!assistant) assistant = overseerOf(n, PrivilegeElder, overseer);
            if (overseer) setFieldText(g.overseer[i], displayNameOf(overseer->rec, false));
            if (assistant) setFieldText(g.assistant[i], displayNameOf(assistant->rec, false));
            const std::string place = n == 1 || !overseer
                                          ? std::string("Balai Kerajaan")
                                          : "Rumah Kel. " + fieldText(overseer->rec.lname);
            setFieldText(g.location[i], place);
            setFieldText(g.name[i], cp1252(kGroupNames[i]));
            setFieldText(g.time[i], std::string(dice_.pick(kGroupTimes)));
            g.day[i] = static_cast<std::uint8_t>(dice_.percent(70) ? dice_.between(5, 6)
                                                                   : dice_.between(0, 4));
            // One group is shown by its number only.
            g.showName[i] = (groups_ >= 3 && n == groups_) ? 0 : 1;
        }
    }

    void fillMeetings() {
        MeetingAttendance& meetings = doc_.meetings();
        const std::chrono::weekday days[2] = {std::chrono::Thursday, std::chrono::Sunday};
        const int base[2] = {publishers_ * 82 / 100 + students_ / 3,
                             publishers_ * 95 / 100 + students_ / 2 + 2};
        for (int stamp = first_; stamp <= last_; ++stamp) {
            const int slot = slotOf(stamp);
            for (int b = 0; b < 2; ++b) {
                MeetingBlock& block = meetings.blocks[b];
                const int weeks = weekdaysInMonth(yearOf(stamp), month0Of(stamp) + 1, days[b]);
                int held = 0;
                int total = 0;
                for (int w = 0; w < weeks; ++w) {
                    int value = std::max(1, base[b] * dice_.between(88, 110) / 100);
                    if (dice_.percent(5)) value = 0;  // assembly week: no meeting
                    value = std::min(value, 999);     // three digits at most
                    block.week[w][slot] = static_cast<std::uint16_t>(value);
                    if (value > 0) ++held;
                    total += value;
                }
                int average = 0;
                if (held > 0) {
                    average = total / held;
                    if ((total % held) * 10 >= held * 10 / 2) ++average;  // half up
                }
                block.meetings[slot] = static_cast<std::uint16_t>(held);
                block.total[slot] = static_cast<std::uint16_t>(total);
                block.average[slot] = static_cast<std::uint16_t>(average);
            }
        }
    }

    // Every month of the period was initialised in its year; the ReportMonth
    // is open, the months before it are closed.
    void fillHeader() {
        doc_.store().header().moreBits |= MoreBit::Loaded;
        HeaderRecord header = doc_.header();
        for (int stamp = first_; stamp <= last_; ++stamp)
            header.setInitYear(slotOf(stamp), yearByteOf(stamp));
        for (int m = 0; m < 12; ++m) header.setCollectionState(m, m == month0Of(last_) ? 1 : 2);
    }

    CVelnoDoc& doc_;
    Dice dice_;
    int publishers_;
    int first_ = 0;
    int last_ = 0;
    int reportYear_ = 0;
    int groups_ = 1;
    int inactiveCount_ = 0;
    int movedCount_ = 0;
    int deletedCount_ = 0;
    int studentTarget_ = 0;
    int active_ = 0;
    int students_ = 0;
    int units_ = 0;
    int underHourLeft_ = 3;
    PublisherId nextId_ = RecordStore::kFirstFreeId;
    PublisherId nextStudentId_ = 2000;
    std::vector<Person> people_;
    std::set<std::string> usedNames_;
};

// A data folder is recognised by its data files or its snapshot folder.
std::optional<std::string> refuseFolder(const fs::path& out) {
    std::error_code ec;
    if (!fs::exists(out, ec)) return std::nullopt;
    if (!fs::is_directory(out, ec))
        return text::arg(text::tr(text::TxDemoNotAFolder), out.string());
    fs::directory_iterator it(out, ec);
    if (ec) return text::arg(text::tr(text::TxDemoCannotReadFolder), out.string(), ec.message());
    auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    for (const auto& entry : it) {
        const std::string name = lower(entry.path().filename().string());
        const std::string ext = lower(entry.path().extension().string());
        const bool dataFile = ext == ".dat" || ext == ".bin" || ext == ".cfg";
        if (dataFile || (name == "roll" && entry.is_directory(ec)))
            return text::arg(text::tr(text::TxDemoFolderHasData), out.string());
    }
    return std::nullopt;
}

}  // namespace

bool writeDemoCongregation(const fs::path& out, const CalendarDate& today, unsigned seed,
                           int publishers, std::string* error, const DocumentRules* rules) {
    auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    if (publishers < 1 || publishers > kDemoMaxPublishers)
        return fail(
            text::arg(text::tr(text::TxDemoPublisherCount), std::to_string(kDemoMaxPublishers)));
    auto doc = std::make_unique<CVelnoDoc>();
    doc->setRules(rules);
    doc->setToday(today);
    if (doc->reportMonth().reportStamp < kMonths - 1 || today.year < 2002)
        return fail(text::tr(text::TxDemoDateTooEarly));
    if (auto refusal = refuseFolder(out)) return fail(*refusal);
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec || !fs::is_directory(out))
        return fail(
            text::arg(text::tr(text::TxDemoCannotCreateFolder), out.string(), ec.message()));

    // Opening the empty folder gives the fresh header and the meeting names
    // exactly as a new data folder has them.
    if (!doc->loadStore(out))
        return fail(text::arg(text::tr(text::TxDemoWriteFailed), out.string()));
    // Every entry written through while building joins the one save.
    doc->folder().holdWrites();
    DemoBuilder builder(*doc, seed, publishers);
    if (auto problem = builder.build()) {
        doc->folder().discardHeld();
        return fail(*problem);
    }
    if (doc->saveAll() != SaveOutcome::Saved)
        return fail(text::arg(text::tr(text::TxDemoWriteFailed), out.string()));
    return true;
}

}  // namespace velno
