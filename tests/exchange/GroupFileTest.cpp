// Group report files: the ".t09" written for a group, a ".t19" read back
// with its refusals, the import list's comparisons and the merge, the
// group file dialog's month and addresses, and composing the mail.

#include <gtest/gtest.h>

#include <cstring>

#include "exchange/CollectionFileModel.h"
#include "exchange/ExchangeFixture.h"
#include "exchange/GroupExchangeFile.h"
#include "exchange/ImportSelectionModel.h"
#include "exchange/XdgMailComposer.h"
#include "reporting/ReportPredicates.h"
#include "store/FixedText.h"
#include "store/Scrambler.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/texts/ExchangeTexts.h"

namespace velno {
namespace {

using namespace groupfile;
using test::Live;
constexpr std::size_t kRecord = sizeof(PublisherRecord);

std::vector<int> membersOf(const CVelnoDoc& doc, int group) {
    std::vector<int> out;
    for (int pos = 1; pos < doc.store().recordCount(); ++pos)
        if (doc.store().at(pos).listKind == ListActive && doc.store().at(pos).group == group)
            out.push_back(pos);
    return out;
}

PublisherRecord memberAt(const Bytes& file, int k) {
    PublisherRecord r{};
    std::memcpy(&r, file.data() + kRecord * static_cast<std::size_t>(k), kRecord);
    return r;
}

void putMember(Bytes& file, int k, PublisherRecord r) {
    std::memcpy(file.data() + kRecord * static_cast<std::size_t>(k), &r, kRecord);
}

// The file as the overseer sends it back: the records' texts unscrambled
// for editing and scrambled again, the late flags kept.
template <typename Edit>
void editMember(Bytes& file, int k, Edit edit) {
    PublisherRecord r = memberAt(file, k);
    std::uint8_t flags[12];
    for (int m = 0; m < 6; ++m) flags[m] = static_cast<std::uint8_t>(r.bapdate[m]);
    for (int m = 0; m < 6; ++m) flags[6 + m] = static_cast<std::uint8_t>(r.birdate[m]);
    std::memset(r.bapdate, 0, 6);
    std::memset(r.birdate, 0, 6);
    unscrambleRecord(r);
    edit(r);
    scrambleRecord(r);
    for (int m = 0; m < 6; ++m) r.bapdate[m] = static_cast<char>(flags[m]);
    for (int m = 0; m < 6; ++m) r.birdate[m] = static_cast<char>(flags[6 + m]);
    putMember(file, k, r);
}

TEST(GroupFile, HoldsTheGroupsPublishersWithAddressesAndRenumberedRemarks) {
    Live live({2025, 5, 5});  // ReportMonth April 2025
    const CVelnoDoc& doc = live.doc;
    GroupFileRequest req;
    req.group = 1;
    req.month0 = doc.reportMonth().reportMonth0;
    req.parity = doc.reportMonth().parity();
    req.secretaryEmail = "sekretaris@sidang.example";
    const Bytes file = buildGroupFile(live.doc, req);
    const auto members = membersOf(doc, 1);
    ASSERT_GT(members.size(), 3u);
    EXPECT_EQ(members.size(), file[kMemberCountOffset]);
    EXPECT_EQ(1, file[kGroupOffset]);
    EXPECT_EQ(3, file[kMonthOffset]);
    EXPECT_EQ("sekretaris@sidang.example",
              fieldText(reinterpret_cast<const char*>(file.data() + kEmailOffset), kEmailWidth));
    const int remarks = file[kRemarkCountOffset] | (file[kRemarkCountOffset + 1] << 8);
    ASSERT_EQ(kRecord * (1 + members.size()) + kRemarkSize * remarks, file.size());
    int links = 0;
    for (std::size_t k = 0; k < members.size(); ++k) {
        PublisherRecord r = memberAt(file, static_cast<int>(k + 1));
        std::memset(r.bapdate, 0, 6);
        std::memset(r.birdate, 0, 6);
        unscrambleRecord(r);
        PublisherRecord stored = doc.store().at(members[k]);
        EXPECT_EQ(fieldText(stored.lname), fieldText(r.lname));
        EXPECT_EQ(publisherEmail(live.doc, members[k]), fieldText(r.addr));
        for (int m = 0; m < 12; ++m) {
            const int slot = monthSlot(m, req.parity);
            EXPECT_EQ(0, r.remarkIndex[monthSlot(m, 1 - req.parity)]);
            if (!r.remarkIndex[slot]) continue;
            ++links;
            ASSERT_LE(r.remarkIndex[slot], remarks);
            const char* text =
                reinterpret_cast<const char*>(file.data() + kRecord * (1 + members.size()) +
                                              kRemarkSize * (r.remarkIndex[slot] - 1));
            EXPECT_EQ(live.doc.remarks().at(stored.remarkIndex[slot]).textString(),
                      fieldText(text, kRemarkText + 1));
        }
    }
    EXPECT_EQ(remarks, links);
    // An address with "@" as its first or second character is not given.
    req.secretaryEmail = "a@b.example";
    EXPECT_EQ(0, buildGroupFile(live.doc, req)[kEmailOffset]);
}

TEST(GroupFile, ANewEmptyListClearsTheChosenMonthOnly) {
    Live live({2025, 5, 5});
    GroupFileRequest req;
    req.group = 1;
    req.month0 = 3;
    req.parity = live.doc.reportMonth().parity();
    req.emptyList = true;
    const Bytes file = buildGroupFile(live.doc, req);
    const auto members = membersOf(live.doc, 1);
    const int slot = monthSlot(3, req.parity), before = monthSlot(2, req.parity);
    bool sawEarlier = false;
    for (std::size_t k = 0; k < members.size(); ++k) {
        const PublisherRecord r = memberAt(file, static_cast<int>(k + 1));
        const PublisherRecord& stored = live.doc.store().at(members[k]);
        EXPECT_EQ(0, r.hours[slot] | r.placements[slot] | r.videos[slot] | r.returnVisits[slot] |
                         r.studiesWord[slot] | r.credit[slot] | r.remarkIndex[slot]);
        EXPECT_EQ(stored.serviceKind[slot] & 3, r.serviceKind[slot]);
        EXPECT_EQ(stored.studiesWord[before], r.studiesWord[before]);
        sawEarlier |= stored.studiesWord[before] != 0;
    }
    EXPECT_TRUE(sawEarlier);
}

struct Returned {
    Live live{{2025, 5, 5}};
    Bytes file;
    std::vector<int> members;
    Returned() {
        GroupFileRequest req;
        req.group = 1;
        req.month0 = 3;
        req.parity = live.doc.reportMonth().parity();
        file = buildGroupFile(live.doc, req);
        members = membersOf(live.doc, 1);
    }
    ImportImage read() {
        ImportImage image;
        std::string message;
        EXPECT_TRUE(readGroupFile(file, "Kelompok1.t19", 3, live.doc.reportMonth().parity(), "",
                                  image, message))
            << message;
        return image;
    }
};

TEST(GroupFileImport, TheUnchangedFileListsNothing) {
    Returned r;
    ImportSelectionModel m(r.live.doc, r.read(), ImportSelectionModel::Mode::GroupFile);
    EXPECT_TRUE(m.lines().empty());
    EXPECT_FALSE(m.isOkVisible());
}

TEST(GroupFileImport, ListsNewReplacedAndRemarkOnlyLinesSkipsRenamedAndMerges) {
    Returned r;
    CVelnoDoc& doc = r.live.doc;
    const int slot = monthSlot(3, doc.reportMonth().parity());
    // 1: new hours where none were stored; 2: other hours; 3: a renamed
    // publisher; 4: a zero where a value is stored, and a remark.
    const int a = r.members[0], b = r.members[1], c = r.members[2], d = r.members[3];
    doc.store().at(a).hours[slot] = 0;
    doc.store().at(b).hours[slot] = 7;
    doc.store().at(d).hours[slot] = 9;
    doc.store().at(d).remarkIndex[slot] = 0;
    editMember(r.file, 1, [&](PublisherRecord& p) { p.hours[slot] = 5; });
    editMember(r.file, 2, [&](PublisherRecord& p) { p.hours[slot] = 8; });
    editMember(r.file, 3, [&](PublisherRecord& p) {
        p.hours[slot] = 12;
        setFieldText(p.fname, "Lain");
    });
    const std::string remarkText = "sakit";
    r.file.insert(r.file.end(), kRemarkSize, 0);
    std::memcpy(r.file.data() + r.file.size() - kRemarkSize, remarkText.data(), remarkText.size());
    const int remarks = (r.file[kRemarkCountOffset] | (r.file[kRemarkCountOffset + 1] << 8)) + 1;
    r.file[kRemarkCountOffset] = static_cast<std::uint8_t>(remarks & 0xff);
    r.file[kRemarkCountOffset + 1] = static_cast<std::uint8_t>(remarks >> 8);
    editMember(r.file, 4, [&](PublisherRecord& p) {
        p.hours[slot] = 0;
        p.remarkIndex[slot] = static_cast<std::uint16_t>(remarks);
    });

    ImportSelectionModel m(doc, r.read(), ImportSelectionModel::Mode::GroupFile);
    ASSERT_EQ(3u, m.lines().size());
    EXPECT_EQ(1, m.items()[0].index);
    EXPECT_FALSE(m.items()[0].replace);
    EXPECT_EQ(2, m.items()[1].index);
    EXPECT_TRUE(m.items()[1].replace);
    EXPECT_EQ(4, m.items()[2].index);
    EXPECT_FALSE(m.items()[2].replace);  // a remark where none was stored is new data
    for (const auto& item : m.items()) EXPECT_NE(3, item.index);  // renamed: not matched
    EXPECT_EQ(0, doc.store().at(c).hours[slot] == 12);
    EXPECT_EQ(3, m.selectedCount());
    EXPECT_EQ(text::tr(text::TxReportsAvailable) + " 3", m.availableText());
    m.selectNone();
    EXPECT_FALSE(m.isOkVisible());
    m.selectAll();
    EXPECT_EQ(3, m.merge());
    EXPECT_EQ(5, doc.store().at(a).hours[slot]);
    EXPECT_EQ(8, doc.store().at(b).hours[slot]);
    EXPECT_EQ(9, doc.store().at(d).hours[slot]);  // a zero never overwrites
    const int k = doc.store().at(d).remarkIndex[slot];
    ASSERT_GT(k, 0);
    EXPECT_EQ("sakit", doc.remarks().at(k).textString());
    EXPECT_TRUE(doc.dirty);

    // A remark text that differs from the stored one is flagged as such.
    editMember(r.file, 4, [&](PublisherRecord& p) {
        p.remarkIndex[slot] = static_cast<std::uint16_t>(remarks);
    });
    std::memcpy(r.file.data() + r.file.size() - kRemarkSize, "demam", 5);
    ImportSelectionModel again(doc, r.read(), ImportSelectionModel::Mode::GroupFile);
    ASSERT_EQ(1u, again.lines().size());
    EXPECT_TRUE(again.items()[0].remark);
    EXPECT_TRUE(again.items()[0].replace);
}

TEST(GroupFileImport, LateFlagsListALineForThatMonthAndMergeIntoTheLateList) {
    Returned r;
    CVelnoDoc& doc = r.live.doc;
    const int parity = doc.reportMonth().parity();
    const int feb = monthSlot(1, parity);
    doc.store().at(r.members[0]).hours[feb] = 0;
    editMember(r.file, 1, [&](PublisherRecord& p) {
        p.hours[feb] = 6;
        p.serviceKind[feb] = 1;
    });
    PublisherRecord raw = memberAt(r.file, 1);
    raw.bapdate[1] = 1;  // February
    putMember(r.file, 1, raw);
    ImportSelectionModel m(doc, r.read(), ImportSelectionModel::Mode::GroupFile);
    ASSERT_EQ(1u, m.lines().size());
    EXPECT_TRUE(m.items()[0].late);
    EXPECT_EQ(1, m.items()[0].month0);
    EXPECT_NE(std::string::npos, m.lines()[0].find(" (Feb)"));
    EXPECT_EQ(text::arg(text::tr(text::TxLateReportOf), text::monthName(1)),
              m.preview(0).lateMonth);
    EXPECT_EQ("6", m.preview(0).newHours);
    const int before = doc.lateReports().count();
    m.merge();
    EXPECT_EQ(6, doc.store().at(r.members[0]).hours[feb]);
    EXPECT_EQ(before + 1, doc.lateReports().count());
}

TEST(GroupFileImport, RefusesOtherMonthsShortFilesAndTooManyEntries) {
    Returned r;
    ImportImage image;
    std::string message;
    const int parity = r.live.doc.reportMonth().parity();
    EXPECT_FALSE(readGroupFile(r.file, "x.t19", 4, parity, "", image, message));
    EXPECT_EQ(text::arg(text::tr(text::TxWrongMonth), text::monthName(3), text::monthName(4)),
              message);
    EXPECT_FALSE(readGroupFile(r.file, "x.t19", 3 + 1, parity, "french", image, message));
    EXPECT_NE(std::string::npos, message.find(" de " + text::monthName(4)));

    Bytes cut(r.file.begin(), r.file.end() - 10);
    EXPECT_FALSE(readGroupFile(cut, "x.t19", 3, parity, "", image, message));
    EXPECT_EQ(text::arg(text::tr(text::TxGroupFileTruncated), "x.t19"), message);
    EXPECT_FALSE(readGroupFile(Bytes(100, 0), "x.t19", 3, parity, "", image, message));

    Bytes many = r.file;
    many[kRemarkCountOffset] = 301 & 0xff;
    many[kRemarkCountOffset + 1] = 301 >> 8;
    many.resize(many.size() + 301 * kRemarkSize);
    EXPECT_FALSE(readGroupFile(many, "x.t19", 3, parity, "", image, message));
    EXPECT_NE(std::string::npos, message.find("301"));
    Bytes bad = r.file;
    bad[kMonthOffset] = 12;
    EXPECT_FALSE(readGroupFile(bad, "x.t19", 3, parity, "", image, message));
    EXPECT_TRUE(image.records.empty());
}

TEST(CollectionFileDialog, NextMonthAfterDecemberIsJanuaryOfTheOtherParity) {
    Live live({2025, 1, 5});  // ReportMonth December 2024
    CollectionFileModel m(live.doc, 1);
    ASSERT_EQ(11, m.month0());
    const int parity = m.parity();
    EXPECT_EQ(m.publishers(), static_cast<int>(membersOf(live.doc, 1).size()));
    m.chooseNextMonth(true);
    EXPECT_EQ(0, m.month0());
    EXPECT_EQ(1 - parity, m.parity());
    EXPECT_NE(std::string::npos, m.title().find(text::monthName(0)));
    EXPECT_TRUE(m.isSaveEnabled());
    EXPECT_EQ(text::tr(text::TxMakeAndSave), m.saveButtonText());
}

TEST(CollectionFileDialog, CountsTheMissingReportsAndWritesTheFile) {
    Live live({2025, 5, 5});
    CollectionFileModel m(live.doc, 1);
    int missing = 0;
    for (int pos : membersOf(live.doc, 1))
        missing += !IsReported(live.doc.store().at(pos), 3, live.doc.reportMonth().parity());
    EXPECT_EQ(missing, m.missing());
    if (m.isEmptyListVisible()) {
        m.setEmptyList(true);
        EXPECT_EQ(m.publishers(), m.missing());
    }
    m.setSecretaryEmail("sekretaris@sidang.example");
    std::filesystem::path path;
    ASSERT_TRUE(m.makeFile(path));
    EXPECT_EQ(live.dir.path() / "Kelompok1.t09", path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ("sekretaris@sidang.example", live.doc.settings().secretaryEmail);
    ASSERT_FALSE(live.prompter.told.empty());
    EXPECT_EQ(text::arg(text::tr(text::TxGroupFileSaved), path.string()),
              live.prompter.told.back());
    // A text with its "@" first is no address and is not kept.
    m.setSecretaryEmail("@sidang.example");
    ASSERT_TRUE(m.makeFile(path));
    EXPECT_EQ("", live.doc.settings().secretaryEmail);
}

class RecordingMail : public MailComposer {
public:
    std::vector<MailMessage> sent;
    std::string compose(const MailMessage& message) override {
        sent.push_back(message);
        return {};
    }
};

TEST(CollectionFileDialog, MailsTheFileToTheOverseerOrTheAssistant) {
    Live live({2025, 5, 5});
    // The first group whose overseer or assistant has an address.
    for (int g = 1; g <= live.doc.groups().count(); ++g) {
        CollectionFileModel m(live.doc, g);
        if (!m.isMailEnabled() && !m.isAssistantVisible()) {
            EXPECT_EQ(0u, m.mailButtonText().find("Tidak ada Alamat E-mail untuk"));
            continue;
        }
        if (m.isAssistantVisible()) {
            m.setMailToAssistant(true);
            EXPECT_TRUE(m.mailToAssistant());
            EXPECT_TRUE(live.doc.dirty);
            CollectionFileModel reopened(live.doc, g);
            EXPECT_TRUE(reopened.mailToAssistant());
        }
        RecordingMail mail;
        std::filesystem::path path;
        EXPECT_EQ("", m.makeAndMail(mail, path));
        ASSERT_EQ(1u, mail.sent.size());
        EXPECT_EQ(m.address(), mail.sent[0].to.at(0));
        EXPECT_EQ(std::vector<std::string>{path.string()}, mail.sent[0].attachments);
        EXPECT_EQ(text::tr(text::TxMailBody), mail.sent[0].body);
        return;
    }
    GTEST_SKIP() << "no group with an address in the demo";
}

TEST(XdgMail, EveryTextIsOneArgumentAndAFailingProgramIsTold) {
    MailMessage m;
    m.to = {"pengawas@sidang.example", "--evil"};
    m.subject = "File; rm -rf ~";
    m.body = "isi";
    m.attachments = {"/tmp/Kelompok1.t09"};
    EXPECT_EQ((std::vector<std::string>{"--subject", "File; rm -rf ~", "--body", "isi", "--attach",
                                        "/tmp/Kelompok1.t09", "pengawas@sidang.example"}),
              XdgMailComposer::arguments(m));
    EXPECT_EQ("", XdgMailComposer("true").compose(m));
    EXPECT_EQ(text::tr(text::TxMailFailed), XdgMailComposer("false").compose(m));
    EXPECT_NE("", XdgMailComposer("velno-no-such-mail-program").compose(m));
}

}  // namespace
}  // namespace velno
