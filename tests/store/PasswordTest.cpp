// The data-folder password: the asking rules, the change flow, and the
// question during the load.

#include <gtest/gtest.h>

#include <string>

#include "session/StartInstance.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "text/texts/StoreTexts.h"

namespace velno {
namespace {

using State = PasswordPrompt::State;

TEST(PasswordPrompt, NoPasswordAcceptsWithoutADialog) {
    EXPECT_TRUE(PasswordPrompt(" ", false).accepted());
    // An empty name could never be typed; it does not lock the folder.
    EXPECT_TRUE(PasswordPrompt("", false).accepted());
    EXPECT_TRUE(PasswordPrompt("a", false).isOpen());
}

TEST(PasswordPrompt, AcceptedAtTheKeystrokeThatCompletesIt) {
    PasswordPrompt p("rahasia", false);
    EXPECT_EQ(text::tr(text::TxPasswordEnter), p.prompt());
    const std::string typed = "rahasia";
    for (std::size_t n = 1; n < typed.size(); ++n)
        EXPECT_EQ(State::Open, p.textChanged(typed.substr(0, n))) << n;
    EXPECT_EQ(State::Accepted, p.textChanged(typed));
    // Case counts.
    PasswordPrompt q("rahasia", false);
    EXPECT_EQ(State::Open, q.textChanged("Rahasia"));
}

TEST(PasswordPrompt, FirstWrongOkWarnsAndTheSecondRefuses) {
    PasswordPrompt p("rahasia", true);
    EXPECT_EQ(text::tr(text::TxPasswordEnterOld), p.prompt());
    p.textChanged("salah");
    EXPECT_EQ(State::Open, p.pressOk());
    EXPECT_EQ(text::tr(text::TxPasswordWrong), p.prompt());
    EXPECT_EQ(State::Refused, p.pressOk());

    // After the warning any change of the field refuses, even the password.
    PasswordPrompt q("rahasia", false);
    q.pressOk();
    EXPECT_EQ(State::Refused, q.textChanged("rahasia"));
}

TEST(PasswordPrompt, MoreThan13CharactersCountsAsOk) {
    PasswordPrompt p("rahasia", false);
    EXPECT_EQ(State::Open, p.textChanged("abcdefghijklm"));
    EXPECT_EQ(State::Open, p.textChanged("abcdefghijklmn"));
    EXPECT_EQ(text::tr(text::TxPasswordWrong), p.prompt());
    EXPECT_EQ(State::Refused, p.textChanged("abcdefghijklmno"));
}

TEST(PasswordPrompt, ClosingOtherwiseRefuses) {
    PasswordPrompt p("rahasia", false);
    p.textChanged("rah");
    EXPECT_EQ(State::Refused, p.close());
    PasswordPrompt q("rahasia", false);
    q.textChanged("rahasia");
    EXPECT_EQ(State::Accepted, q.close());
}

TEST(PasswordPrompt, ScriptedTypingGetsOneAttempt) {
    PasswordPrompt right("kunci", false);
    typePassword(right, "kunci");
    EXPECT_TRUE(right.accepted());
    PasswordPrompt longer("kunci", false);
    typePassword(longer, "kunci123");  // accepted at the fifth key
    EXPECT_TRUE(longer.accepted());
    PasswordPrompt wrong("kunci", false);
    typePassword(wrong, "kunce");
    EXPECT_TRUE(wrong.isOpen());
    EXPECT_EQ(text::tr(text::TxPasswordWrong), wrong.prompt());
}

// ---- changing it ------------------------------------------------------------

struct Doc {
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    explicit Doc(const std::string& password = " ") {
        doc.setPrompter(&prompter);
        setFieldText(doc.store().header().fname, password);
    }
    std::string password() { return fieldText(doc.store().header().fname); }
};

TEST(PasswordChange, NewPasswordTypedTwiceIsStored) {
    Doc d;
    d.prompter.newPasswords = {{"baru", "baru"}};
    EXPECT_EQ(PasswordChange::Changed, changePassword(d.doc));
    EXPECT_EQ(0, d.prompter.passwordDialogs);  // none was set: no question
    EXPECT_EQ("baru", d.password());
    EXPECT_TRUE(d.doc.dirty);
    EXPECT_EQ(std::vector<std::string>{text::tr(text::TxPasswordChanged)}, d.prompter.told);
}

TEST(PasswordChange, MismatchOrBatalLeavesItUnchanged) {
    Doc d("lama");
    d.prompter.passwords = {"lama", "lama"};
    d.prompter.newPasswords = {{"baru", "bari"}};
    EXPECT_EQ(PasswordChange::NotChanged, changePassword(d.doc));
    EXPECT_EQ(PasswordChange::NotChanged, changePassword(d.doc));  // no entries: "Batal"
    EXPECT_EQ("lama", d.password());
    EXPECT_FALSE(d.doc.dirty);
    EXPECT_EQ(2u, d.prompter.told.size());
    EXPECT_EQ(text::tr(text::TxPasswordNotChanged), d.prompter.told.back());
}

TEST(PasswordChange, BlankOrLeadingBlankRemovesIt) {
    for (const std::string typed : {"", " rahasia"}) {
        Doc d("lama");
        d.prompter.passwords = {"lama"};
        d.prompter.newPasswords = {{typed, typed}};
        EXPECT_EQ(PasswordChange::Removed, changePassword(d.doc)) << typed;
        EXPECT_EQ(" ", d.password());
        EXPECT_EQ(text::tr(text::TxPasswordRemoved), d.prompter.told.back());
    }
}

TEST(PasswordChange, WrongOldPasswordStopsBeforeTheDialog) {
    Doc d("lama");
    d.prompter.passwords = {"lamb"};
    d.prompter.newPasswords = {{"baru", "baru"}};
    EXPECT_EQ(PasswordChange::OldPasswordRefused, changePassword(d.doc));
    EXPECT_EQ(1u, d.prompter.newPasswords.size());  // never shown
    EXPECT_EQ("lama", d.password());
}

TEST(PasswordChange, FourteenCharactersAreCutTo13AndPressOk) {
    PasswordChangeModel m;
    m.textChanged("abcdefghijklmn");
    EXPECT_EQ("", m.fieldText());  // taken as the first entry, field emptied
    EXPECT_EQ(text::tr(text::TxPasswordNew) + " " + text::tr(text::TxPasswordAgain), m.prompt());
    m.textChanged("abcdefghijklmnop");
    EXPECT_TRUE(m.confirmed());
    EXPECT_EQ("abcdefghijklm", m.newPassword());
}

TEST(PasswordChange, CharacterTheHeaderCannotHoldIsRefused) {
    // Byte 195 at the first position would scramble to the terminator.
    Doc d;
    d.prompter.newPasswords = {{"\xC3\x83x", "\xC3\x83x"}};  // "Ãx"
    EXPECT_EQ(PasswordChange::NotChanged, changePassword(d.doc));
    EXPECT_EQ(" ", d.password());
    EXPECT_EQ(text::tr(text::TxPasswordNotChanged), d.prompter.told.back());
}

// ---- at start --------------------------------------------------------------

struct Start {
    test::TempFolder dir;
    test::ScriptedPrompter prompter;
    CVelnoDoc doc;
    Start() { doc.setPrompter(&prompter); }
    StartResult start() {
        StartOptions o;
        o.dataFolder = dir.path();
        o.today = {2025, 3, 10};
        o.setLocale = false;
        o.tellNotice = false;
        return startInstance(doc, o);
    }
};

TEST(PasswordAtStart, TravelsWithTheDataAndIsAskedAtLoad) {
    Start first;
    ASSERT_TRUE(first.start().opened());
    EXPECT_EQ(0, first.prompter.passwordDialogs);  // a new folder has none
    first.doc.store().append(test::makeRecord(101, "Budi", "Santoso"));
    first.prompter.newPasswords = {{"kunci", "kunci"}};
    ASSERT_EQ(PasswordChange::Changed, changePassword(first.doc));
    ASSERT_EQ(SaveOutcome::Saved, first.doc.saveAll());

    Start wrong;
    wrong.prompter.passwords = {"kunce"};
    std::filesystem::copy(first.dir.path(), wrong.dir.path(),
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ(StartStatus::PasswordRefused, wrong.start().status);
    EXPECT_EQ(1, wrong.doc.store().recordCount());  // nothing of the data is kept

    Start right;
    right.prompter.passwords = {"kunci"};
    std::filesystem::copy(first.dir.path(), right.dir.path(),
                          std::filesystem::copy_options::recursive);
    ASSERT_TRUE(right.start().opened());
    EXPECT_EQ(2, right.doc.store().recordCount());
}

}  // namespace
}  // namespace velno
