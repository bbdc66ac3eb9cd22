#include "support/StoreFixtures.h"

#include <cstring>
#include <fstream>

#include "store/FixedText.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "store/Scrambler.h"

namespace velno::test {

PublisherRecord makeRecord(PublisherId id, const std::string& fname, const std::string& lname,
                           ListKind kind) {
    PublisherRecord r{};
    r.id = id;
    setFieldText(r.fname, fname);
    setFieldText(r.lname, lname);
    r.listKind = kind;
    r.moreBits = MoreBit::Loaded;
    return r;
}

void writeMainFile(const std::filesystem::path& folder, std::vector<PublisherRecord> records) {
    if (records.empty() || records[0].lname[0] != 'A' || records[0].lname[1] != 0) {
        PublisherRecord header;
        initHeaderRecord(header);
        records.insert(records.begin(), header);
    }
    std::vector<std::uint8_t> bytes;
    for (auto r : records) {
        scrambleRecord(r);
        const auto* p = reinterpret_cast<const std::uint8_t*>(&r);
        bytes.insert(bytes.end(), p, p + sizeof r);
    }
    writeBytes(folder / "tdat9.bin", bytes);
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

RemarkEntry makeRemark(PublisherId id, int month, int parity, const std::string& text) {
    RemarkEntry e{};
    setFieldText(e.text, text);
    e.month = static_cast<std::uint8_t>(month);
    e.parity = static_cast<std::uint8_t>(parity);
    e.id = id;
    return e;
}

std::vector<std::uint8_t> remarkFile(const std::vector<RemarkEntry>& entries) {
    std::vector<std::uint8_t> bytes(sizeof(RemarkEntry), 0);
    for (const auto& e : entries) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&e);
        bytes.insert(bytes.end(), p, p + sizeof e);
    }
    return bytes;
}

Answer ScriptedPrompter::ask(const std::string& text, Buttons, Answer defaultAnswer, Icon) {
    asked.push_back(text);
    if (answers.empty()) return defaultAnswer;
    const Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
}

void ScriptedPrompter::askPassword(PasswordPrompt& dialog) {
    ++passwordDialogs;
    if (passwords.empty()) return;
    typePassword(dialog, passwords.front());
    passwords.erase(passwords.begin());
}

void ScriptedPrompter::askNewPassword(PasswordChangeModel& dialog) {
    if (newPasswords.empty()) return;
    typeNewPassword(dialog, newPasswords.front().first);
    typeNewPassword(dialog, newPasswords.front().second);
    newPasswords.erase(newPasswords.begin());
}

}  // namespace velno::test
