// The delimited exports, byte for byte: the month's reports in both forms,
// the three tab-separated lists with their household and contact columns,
// the 24-month attendance and summary files, and a write that fails.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "exchange/DelimitedExports.h"
#include "exchange/MonthlyExportModel.h"
#include "store/CVelnoDoc.h"
#include "store/ContactEntries.h"
#include "store/DateText.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

namespace velno {
namespace {

using test::makeRecord;
using test::makeRemark;

// February 2025 is the ReportMonth (odd year parity).
constexpr int kFeb = 1;
constexpr int kDec = 11;

struct ExportDoc {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;

    ExportDoc() {
        doc.setPrompter(&prompter);
        doc.folder().setPath(dir.path());
        doc.setToday({2025, 3, 10});
    }
    int add(const PublisherRecord& r) {
        EXPECT_TRUE(doc.store().append(r));
        doc.rebuildIndex();
        return doc.store().recordCount() - 1;
    }
    PublisherRecord& at(int pos) { return doc.store().at(pos); }
    void remark(int pos, int month0, int parity, const std::string& text) {
        const int k = doc.remarks().append(makeRemark(at(pos).id, month0 + 1, parity, text));
        at(pos).remarkIndex[monthSlot(month0, parity)] = static_cast<std::uint16_t>(k);
    }
    void extension(int pos, const std::string& longName, const std::string& email,
                   const std::string& other) {
        PublisherExtension& e = doc.extensions().current();
        e = {};
        e.owner = at(pos).id;
        setFieldText(e.longName, longName);
        setFieldText(e.email, email);
        setFieldText(e.other, other);
        at(pos).extSlot = static_cast<std::uint16_t>(doc.writeExtension());
        ASSERT_NE(at(pos).extSlot, 0);
    }
    std::uint16_t contact(const std::string& name, const std::string& home,
                          const std::string& mobile, const std::string& office) {
        EmergencyContact c{};
        setFieldText(c.contact, name);
        setFieldText(c.homePhone, home);
        setFieldText(c.mobilePhone, mobile);
        setFieldText(c.officePhone, office);
        return doc.addEntry(doc.emergency(), entryBytes(c));
    }
    std::uint16_t need(const std::string& text) {
        SpecialNeed n{};
        setFieldText(n.text, text);
        return doc.addEntry(doc.specialNeeds(), entryBytes(n));
    }
};

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int countLines(const std::string& bytes) {
    int n = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2))
        ++n;
    return n;
}

std::string lineOf(const std::string& bytes, int k) {
    std::size_t start = 0;
    for (int i = 0; i < k; ++i) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

TEST(MonthlyReportExport, CommaFileWithHeaderHoldsEveryPublisherWithOrWithoutReport) {
    ExportDoc f;
    const int budi = f.add(makeRecord(100, "Budi", "Santoso"));
    const int ani = f.add(makeRecord(101, "Ani", "Wijaya"));
    f.add(makeRecord(102, "Lama", "Pergi", ListInactive));
    const int slot = monthSlot(kFeb, 1);
    f.at(budi).group = 2;
    f.at(budi).serviceKind[slot] = ServiceAuxiliary;
    f.at(budi).hours[slot] = 12;
    f.at(budi).studiesWord[slot] = 2;
    f.remark(budi, kFeb, 1, "Sakit \"flu\"");
    f.at(ani).group = 1;

    MonthlyExportChoice choice;
    choice.month0 = kFeb;
    choice.header = true;
    const ExportedFile file = monthlyReportExport(f.doc, choice);
    EXPECT_EQ(file.name, "Februari.csv");
    EXPECT_EQ(file.bytes,
              "Nama ,Kelompok ,PB ,Berdinas ,PAR ,PE ,Jam ,Keterangan ,Bulan ,Tahun ,ID ,\r\n"
              "\"Budi Santoso\",2,1,1,2,1,12,\"Sakit \"flu\"\",\"02 (Feb)\",2025,100,\r\n"
              "\"Ani Wijaya\",1,0,0,0,0,0,\"\",\"02 (Feb)\",2025,101,\r\n");
}

TEST(MonthlyReportExport, AMonthAfterTheReportMonthIsLastYearsInTabFileWithoutHeader) {
    ExportDoc f;
    const int budi = f.add(makeRecord(100, "Budi", "Santoso"));
    // December 2024 lies in the even slot; the odd one is December 2025's.
    f.at(budi).hours[monthSlot(kDec, 0)] = 30;
    f.at(budi).serviceKind[monthSlot(kDec, 0)] = ServiceRegular;
    f.at(budi).hours[monthSlot(kDec, 1)] = 99;
    f.at(budi).studiesWord[monthSlot(kDec, 0)] = StudiesWord::SharedOrUnderHour | 3;

    MonthlyExportChoice choice;
    choice.month0 = kDec;
    choice.delimiter = '\t';
    const ExportedFile file = monthlyReportExport(f.doc, choice);
    EXPECT_EQ(file.name, "Desember.rpt");
    EXPECT_EQ(file.bytes,
              "\"Budi Santoso\"\t0\t2\t1\t3\t0\t30\t\"\"\t\"12 (Des)\"\t2024\t100\t\r\n");
}

TEST(MonthlyExportModel, PreselectsTheReportMonthAndWritesTheChosenFile) {
    ExportDoc f;
    f.add(makeRecord(100, "Budi", "Santoso"));
    MonthlyExportModel model(f.doc);
    EXPECT_EQ(model.title(), "Export Data Penyiar");
    EXPECT_EQ(model.monthNames().size(), 12u);
    EXPECT_EQ(model.month0(), kFeb);
    EXPECT_FALSE(model.tabDelimited());
    EXPECT_FALSE(model.header());
    model.selectMonth(kDec);
    model.setTabDelimited(true);
    model.setHeader(true);
    EXPECT_EQ(model.fileName(), "Desember.rpt");
    const auto path = model.accept();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, f.dir.path() / "Exports" / "Desember.rpt");
    const std::string bytes = fileText(*path);
    EXPECT_EQ(lineOf(bytes, 0).substr(0, 11), "Nama \tKelom");
    EXPECT_EQ(countLines(bytes), 2);
}

TEST(ContactListExport, LongNameAndExtrasFromTheExtensionOtherwiseEmptyFields) {
    ExportDoc f;
    const int budi = f.add(makeRecord(100, "Budi", "Santoso"));
    const int ani = f.add(makeRecord(101, "Ani", "Wijaya"));
    f.add(makeRecord(102, "Siswa", "Baru", ListBibleStudent));
    setFieldText(f.at(budi).addr, "Jl. Mawar 1");
    setFieldText(f.at(budi).phone, "021-555");
    setFieldText(f.at(budi).phone3, "0812");
    f.at(budi).group = 3;
    f.extension(budi, "Budi Hartono Santoso", "budi@contoh.id", "Kunci di pos");
    setFieldText(f.at(ani).phone2, "0813");

    const ExportedFile file = contactListExport(f.doc);
    EXPECT_EQ(file.name, "contact.tsv");
    EXPECT_EQ(file.bytes,
              "Nama \tAlamat \tTelepon \tPonsel \tTelepon 3 \tE-Mail \tInformasi Lain \t"
              "Kelompok \t\r\n"
              "Budi Hartono Santoso\tJl. Mawar 1\t021-555\t\t0812\tbudi@contoh.id\tKunci di "
              "pos\t3\t\r\n"
              "Ani Wijaya\t\t\t0813\t\t\t\t0\t\r\n");
}

TEST(EmergencyContactExport, HeadsAndActivePublishersWithHouseholdContactAndNeed) {
    ExportDoc f;
    const int head = f.add(makeRecord(100, "Budi", "Santoso"));
    const int wife = f.add(makeRecord(101, "Sari", "Santoso"));
    const int loner = f.add(makeRecord(102, "Tono", "Sendiri"));
    const int son = f.add(makeRecord(103, "Adi", "Santoso", ListInactive));
    const int student = f.add(makeRecord(104, "Rina", "Santoso", ListBibleStudent));
    const int oldHead = f.add(makeRecord(105, "Yusuf", "Tua", ListInactive));
    f.add(makeRecord(106, "Pindah", "Jauh", ListMoved));
    f.at(head).flags |= RecordFlag::HouseholdHead;
    f.at(oldHead).flags |= RecordFlag::HouseholdHead;
    for (const int member : {wife, son, student}) f.at(member).household = 100;
    // A link to a record that heads no household names nobody.
    f.at(loner).household = 101;
    f.at(head).group = 1;
    f.at(head).emergId = f.contact("Paman Joko", "021-1", "0811", "021-2");
    f.at(head).specneed = f.need("Kursi roda");
    f.at(wife).emergId = f.at(head).emergId;
    f.at(wife).specneed = f.need("abc");  // too short to count as a need
    f.extension(head, "Budi H. Santoso", "budi@contoh.id", "");

    const ExportedFile file = emergencyContactExport(f.doc);
    EXPECT_EQ(file.name, "3rdparty.tsv");
    EXPECT_EQ(lineOf(file.bytes, 0),
              "Nama \tAlamat \tTelepon \tPonsel \tTelepon 3 \tE-Mail \tAnggota Keluarga \t"
              "Kontak Pihak ke 3 \t3Telepon \t3Ponsel \t3Telepon 3 \tKebutuhan Khusus \t"
              "Kelompok \t");
    EXPECT_EQ(countLines(file.bytes), 4);
    EXPECT_EQ(lineOf(file.bytes, 1),
              "Budi H. Santoso\t\t\t\t\tbudi@contoh.id\tSari Santoso, Adi Santoso, Rina "
              "Santoso\tPaman Joko\t021-1\t0811\t021-2\tKursi roda\t1\t");
    EXPECT_EQ(lineOf(file.bytes, 2),
              "Sari Santoso\t\t\t\t\t\tBudi Santoso, Adi Santoso, Rina Santoso\tPaman "
              "Joko\t021-1\t0811\t021-2\t\t0\t");
    EXPECT_EQ(lineOf(file.bytes, 3), "Yusuf Tua ( i )\t\t\t\t\t\t\t\t\t\t\t\t0\t");

    // The same member with a contact of its own is listed.
    f.at(loner).emergId = f.contact("Kakak", "", "", "");
    const std::string again = emergencyContactExport(f.doc).bytes;
    EXPECT_EQ(countLines(again), 5);
    EXPECT_EQ(lineOf(again, 3), "Tono Sendiri\t\t\t\t\t\t\tKakak\t\t\t\t\t0\t");
}

TEST(EmergencyContactExport, BibleStudentHeadIsMarked) {
    ExportDoc f;
    const int student = f.add(makeRecord(100, "Rina", "Siswa", ListBibleStudent));
    f.at(student).flags |= RecordFlag::HouseholdHead;
    EXPECT_EQ(lineOf(emergencyContactExport(f.doc).bytes, 1),
              "Rina Siswa ( s )\t\t\t\t\t\t\t\t\t\t\t\t0\t");
}

TEST(CardHeaderExport, DatesAsOnTheCardAndTheFiveMarks) {
    ExportDoc f;
    const int budi = f.add(makeRecord(100, "Budi", "Santoso"));
    const int sari = f.add(makeRecord(101, "Sari", "Wati"));
    auto& b = f.at(budi);
    std::memcpy(b.birdate, makeDateText(12, 7, 1980).c_str(), kDateTextLength);
    std::memcpy(b.bapdate, makeDateText(3, 15, 1999).c_str(), kDateTextLength);
    b.hope = 'A';
    b.flags |= RecordFlag::Brother | PrivilegeElder;
    b.serviceKind[f.doc.reportMonth().slot()] = ServiceRegular;
    f.at(sari).flags |= RecordFlag::Sister | PrivilegeServant;
    // A regular pioneer of another month is no mark.
    f.at(sari).serviceKind[monthSlot(kFeb, 0)] = ServiceRegular;

    const ExportedFile file = cardHeaderExport(f.doc);
    EXPECT_EQ(file.name, "cardhdr.tsv");
    EXPECT_EQ(file.bytes,
              "Nama \tAlamat \tTelepon \tPonsel \tTanggal lahir \tTanggal baptis \tTerurap \t"
              "Penatua \tHamba pelayanan \tPerintis biasa \tPria \t\r\n"
              "Budi Santoso\t\t\t\t7 Desember 1980\t15 Maret 1999\tY\tY\t\tY\tY\t\r\n"
              "Sari Wati\t\t\t\t\t\t\t\tY\t\t\t\r\n");
}

TEST(MeetingAttendanceExport, TwoKindsOf24MonthsEndingWithTheReportMonth) {
    ExportDoc f;
    MeetingBlock& midweek = f.doc.meetings().blocks[0];
    const int febSlot = monthSlot(kFeb, 1);
    midweek.meetings[febSlot] = 3;
    midweek.total[febSlot] = 100;
    f.doc.totals().values[kFeb][TallyCategory::Publishers][TallyValue::ActivePublishers][1] = 42;
    // March 2023, 24 months back, is the first row.
    f.doc.meetings().blocks[1].meetings[monthSlot(2, 1)] = 4;
    f.doc.meetings().blocks[1].total[monthSlot(2, 1)] = 80;

    const ExportedFile file = meetingAttendanceExport(f.doc);
    EXPECT_EQ(file.name, "Hadirin Perhimpunan.csv");
    EXPECT_EQ(countLines(file.bytes), 49);
    EXPECT_EQ(lineOf(file.bytes, 0), "J,Bulan,Jumlah,Total,Rata2,Penyiar Aktif");
    EXPECT_EQ(lineOf(file.bytes, 1), "\"M\",\"2023-03\",\"0\",\"0\",\"0.00\",\"\"");
    EXPECT_EQ(lineOf(file.bytes, 24), "\"M\",\"2025-02\",\"3\",\"100\",\"33.33\",\"42\"");
    EXPECT_EQ(lineOf(file.bytes, 25), "\"KK\",\"2023-03\",\"4\",\"80\",\"20.00\",\"\"");
    EXPECT_EQ(lineOf(file.bytes, 48), "\"KK\",\"2025-02\",\"0\",\"0\",\"0.00\",\"42\"");
}

TEST(SummaryExport, ThreeCategoriesOf24MonthsWithSpecialPioneersAddedToPioneers) {
    ExportDoc f;
    auto& t = f.doc.totals().values;
    t[kFeb][TallyCategory::Publishers][TallyValue::Count][1] = 40;
    t[kFeb][TallyCategory::Publishers][TallyValue::Studies][1] = 12;
    t[kFeb][TallyCategory::Publishers][TallyValue::ActivePublishers][1] = 45;
    t[kFeb][TallyCategory::Auxiliary][TallyValue::Hours][1] = 150;
    t[kFeb][TallyCategory::Regular][TallyValue::Count][1] = 3;
    t[kFeb][TallyCategory::Regular][TallyValue::Hours][1] = 150;
    t[kFeb][TallyCategory::Special][TallyValue::Count][1] = 1;
    t[kFeb][TallyCategory::Special][TallyValue::Hours][1] = 65535;
    t[kDec][TallyCategory::Regular][TallyValue::Placements][0] = 7;

    const ExportedFile file = summaryExport(f.doc);
    EXPECT_EQ(file.name, "Summary.csv");
    EXPECT_EQ(countLines(file.bytes), 73);
    EXPECT_EQ(lineOf(file.bytes, 0),
              "Privilege,Bulan,Laporan,Penempatan,Pemutaran Video,Jam,Kunjungan Kembali,"
              "Pelajaran Alkitab,Total Active Publishers");
    EXPECT_EQ(lineOf(file.bytes, 24),
              "\"Penyiar\",\"2025-02\",\"40\",\"0\",\"0\",\"0\",\"0\",\"12\",\"45\"");
    EXPECT_EQ(lineOf(file.bytes, 48),
              "\"Perintis ekstra\",\"2025-02\",\"0\",\"0\",\"0\",\"150\",\"0\",\"0\",\"45\"");
    // No 16-bit wrap when the two pioneer totals are added.
    EXPECT_EQ(lineOf(file.bytes, 72),
              "\"Pioneers (Reg & Spc)\",\"2025-02\",\"4\",\"0\",\"0\","
              "\"65685\",\"0\",\"0\",\"45\"");
    EXPECT_EQ(lineOf(file.bytes, 70),
              "\"Pioneers (Reg & Spc)\",\"2024-12\",\"0\",\"7\",\"0\","
              "\"0\",\"0\",\"0\",\"\"");
}

TEST(WriteExport, MakesTheExportsFolderAndReplacesAnOlderFile) {
    ExportDoc f;
    f.add(makeRecord(100, "Budi", "Santoso"));
    const auto first = writeExport(f.doc, buildExport(f.doc, DelimitedExport::Contacts));
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, f.dir.path() / "Exports" / "contact.tsv");
    f.add(makeRecord(101, "Ani", "Wijaya"));
    const auto second = writeExport(f.doc, buildExport(f.doc, DelimitedExport::Contacts));
    ASSERT_TRUE(second);
    EXPECT_EQ(countLines(fileText(*second)), 3);
    EXPECT_TRUE(f.prompter.told.empty());
}

TEST(WriteExport, AFailedWriteToldWithTheFullPathAndNothingWritten) {
    ExportDoc f;
    f.add(makeRecord(100, "Budi", "Santoso"));
    // A plain file where the folder should be.
    test::writeBytes(f.dir.path() / "Exports", {0x78});
    const bool dirty = f.doc.dirty;
    EXPECT_FALSE(writeExport(f.doc, buildExport(f.doc, DelimitedExport::Summary)));
    ASSERT_EQ(f.prompter.told.size(), 1u);
    EXPECT_NE(f.prompter.told[0].find((f.dir.path() / "Exports" / "Summary.csv").string()),
              std::string::npos)
        << f.prompter.told[0];
    EXPECT_EQ(f.doc.dirty, dirty);
    EXPECT_TRUE(std::filesystem::is_regular_file(f.dir.path() / "Exports"));
}

}  // namespace
}  // namespace velno
