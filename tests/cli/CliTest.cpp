#include "cli/Cli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string_view>
#include <utility>

#include "cli/Command.h"
#include "cli/JsonReader.h"
#include "print/ReportKinds.h"
#include "store/CVelnoDoc.h"
#include "store/FixedText.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/texts/StoreTexts.h"

namespace velno::cli {
namespace {

namespace fs = std::filesystem;
using test::Json;
using test::JsonReader;

constexpr const char* kToday = "2024-06-10";  // ReportMonth May 2024
constexpr CalendarDate kTodayDate{2024, 6, 10};

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result cli(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = run(args, in, out, err);
    return {code, out.str(), err.str()};
}

// Every file of a folder with its bytes.
std::map<std::string, std::vector<std::uint8_t>> snapshot(const fs::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = test::readBytes(entry.path());
    return files;
}

void makeDemo(const fs::path& out, const std::string& seed = "1",
              const std::string& publishers = "120") {
    const Result r = cli({"--today", kToday, "demo", "--out", out.string(), "--seed", seed,
                          "--publishers", publishers});
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(r.err.empty()) << r.err;
}

// The default demo (seed 1, 120 publishers), written once per run (its
// write-through files are synced one by one) and copied for each test.
void copyDemo(const fs::path& to) {
    static test::TempFolder pristine;
    static bool made = false;
    if (!made) {
        makeDemo(pristine.file("demo"));
        made = true;
    }
    fs::copy(pristine.file("demo"), to,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// Changes a demo folder through the store itself.
template <typename Change>
void changeFolder(const fs::path& folder, Change change) {
    CVelnoDoc doc;
    doc.setToday(kTodayDate);
    ASSERT_TRUE(doc.loadStore(folder));
    change(doc);
    ASSERT_EQ(doc.saveAll(), SaveOutcome::Saved);
    doc.closeDocument();
}

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Cli, UsageErrorsExitWithTwoAndSayWhy) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"info", "--bogus"},
        {"info", "extra"},
        {"--today", "2024-02-30", "info"},
        {"--today"},
        {"--data"},
        {"--json=yes", "info"},
        {"dump", "--full=1"},
        {"demo"},
        {"demo", "--out"},
        {"demo", "--out", "x", "--seed", "abc"},
        {"demo", "--out", "x", "--seed", "-1"},
        {"demo", "--out", "x", "--publishers", "0"},
        {"demo", "--out", "x", "--publishers", "1201"},
        {"demo", "--out", "--seed", "3"},
        {"list", "frobnicate"},
        {"household", "frobnicate"},
    };
    for (const auto& args : cases) {
        const Result r = cli(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.code, Usage) << joined;
        EXPECT_TRUE(r.out.empty()) << joined;
        EXPECT_NE(r.err.find("pemakaian: velno-cli"), std::string::npos) << joined;
    }
    EXPECT_NE(cli({"frobnicate"}).err.find("frobnicate"), std::string::npos);
    EXPECT_NE(cli({"list", "frobnicate"}).err.find("frobnicate; "), std::string::npos);
    EXPECT_FALSE(fs::exists("x")) << "no usage error may write anything";
}

TEST(Cli, HelpListsEveryCommand) {
    for (const auto& args : {std::vector<std::string>{"--help"}, {"help"}}) {
        const Result r = cli(args);
        EXPECT_EQ(r.code, Ok);
        for (const CommandEntry& entry : commandTable())
            EXPECT_NE(r.out.find("  " + std::string(entry.name) + " "), std::string::npos)
                << entry.name;
    }
    // A command's own help: its line; for print the kinds as well.
    for (const auto& args : {std::vector<std::string>{"info", "-h"}, {"help", "info"}}) {
        const Result r = cli(args);
        EXPECT_EQ(r.code, Ok);
        EXPECT_EQ(0u, r.out.find("info: ")) << r.out;
    }
    for (const CommandEntry& entry : commandTable()) {
        const Result r = cli({"help", std::string(entry.name)});
        EXPECT_EQ(r.code, Ok) << entry.name;
        EXPECT_EQ(0u, r.out.find(std::string(entry.name) + ": " + text::tr(entry.summary)))
            << r.out;
    }
    // A command whose options outgrow its summary shows its full usage too,
    // the same text its own "help" prints.
    for (const std::string command : {"household", "contact", "extra", "overseer", "group"}) {
        const Result own = cli({command, "help"});
        EXPECT_EQ(own.code, Ok) << command << own.err;
        ASSERT_FALSE(own.out.empty()) << command;
        EXPECT_NE(cli({"help", command}).out.find(own.out), std::string::npos) << command;
    }
    const Result print = cli({"help", "print"});
    EXPECT_EQ(print.code, Ok);
    const auto summary = print.out.find("   3  summary ");
    ASSERT_NE(summary, std::string::npos) << print.out;
    const std::string line = print.out.substr(summary, print.out.find('\n', summary) - summary);
    EXPECT_NE(line.find(text::tr(text::TxKindTitleSummary)), std::string::npos) << line;
    EXPECT_EQ(cli({"help", "frobnicate"}).code, Usage);

    const Result version = cli({"--version"});
    EXPECT_EQ(version.code, Ok);
    EXPECT_EQ(0u, version.out.find("velno-cli 0."));
}

// The words of an English sentence that no text of the command line may
// hold outside option names and texts it quotes from the program.
bool soundsEnglish(std::string_view text, std::string& word) {
    static const std::set<std::string, std::less<>> kEnglish = {
        "the", "is", "not",   "which", "takes", "with", "of",     "no",
        "and", "to", "usage", "or",    "has",   "for",  "cannot", "give"};
    bool quoted = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '"') quoted = !quoted;
        if (quoted || !std::isalpha(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        const bool option = i >= 2 && text.substr(i - 2, 2) == "--";
        std::size_t end = i;
        while (end < text.size() &&
               (std::isalpha(static_cast<unsigned char>(text[end])) || text[end] == '-'))
            ++end;
        word = std::string(text.substr(i, end - i));
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!option && kEnglish.count(word)) return true;
        i = end;
    }
    return false;
}

TEST(Cli, TextsSpeakTheInterfaceLanguage) {
    std::string word;
    EXPECT_TRUE(soundsEnglish("remind: give either --id or --group", word));
    EXPECT_FALSE(soundsEnglish("remind: berikan --id atau --group (--no-sy, \"Is Not\")", word));
    const std::pair<const char*, const char*> texts[] = {
#define VELNO_TEXT(name, id, str) {#name, str},
#include "text/texts/cli.def"
#undef VELNO_TEXT
    };
    for (const auto& [name, text] : texts)
        EXPECT_FALSE(soundsEnglish(text, word)) << name << ": \"" << word << "\" in " << text;
    // What "check" lists of a load's repairs.
    const std::pair<std::string_view, const char*> storeTexts[] = {
#define VELNO_TEXT(name, id, str) {#name, str},
#include "text/texts/store.def"
#undef VELNO_TEXT
    };
    for (const auto& [name, text] : storeTexts) {
        if (!name.starts_with("TxNote")) continue;
        EXPECT_FALSE(soundsEnglish(text, word)) << name << ": \"" << word << "\" in " << text;
    }
    // print --list titles every kind in the interface language too.
    for (const print::ReportKindInfo& info : print::reportKinds()) {
        const std::string title = print::reportKindTitle(info);
        EXPECT_NE(title, info.title) << info.shortName << " has no title of its own";
        EXPECT_FALSE(soundsEnglish(title, word)) << info.shortName << ": " << title;
    }
}

TEST(Cli, TodayComesFromTheOptionOrTheVariable) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const std::string data = folder.path().string();
    {
        ScopedVariable today("VELNO_TODAY", "2024-09-03");
        const Json info = JsonReader::parse(cli({"--data", data, "info", "--json"}).out);
        EXPECT_EQ(info["reportMonth"]["month"].number, 8);
        // The option wins over the variable; the demo's May is open.
        const Json may =
            JsonReader::parse(cli({"--data", data, "--today", kToday, "--json", "info"}).out);
        EXPECT_EQ(may["reportMonth"]["month"].number, 5);
        EXPECT_EQ(may["reportMonth"]["state"].number, 1);
        // August was closed.
        EXPECT_EQ(info["reportMonth"]["state"].number, 2);
    }
    {
        ScopedVariable today("VELNO_TODAY", "June 2024");
        const Result r = cli({"--data", data, "info"});
        EXPECT_EQ(r.code, Usage);
        EXPECT_NE(r.err.find("VELNO_TODAY"), std::string::npos);
    }
}

TEST(Cli, MissingOrWrongFoldersFailWithOne) {
    test::TempFolder folder;
    test::writeBytes(folder.file("plain.txt"), {'x'});
    for (const std::string command : {"info", "dump", "check", "resave"}) {
        const Result missing = cli({"--data", folder.file("nowhere").string(), command});
        EXPECT_EQ(missing.code, Failure) << command;
        EXPECT_NE(missing.err.find("tidak ada"), std::string::npos) << missing.err;
        const Result file = cli({"--data", folder.file("plain.txt").string(), command});
        EXPECT_EQ(file.code, Failure) << command;
        EXPECT_NE(file.err.find("bukan folder"), std::string::npos) << file.err;
    }
    EXPECT_FALSE(fs::exists(folder.file("nowhere")));
}

TEST(Cli, DemoIsDeterministicForItsSeed) {
    test::TempFolder folder;
    makeDemo(folder.file("a"), "42", "30");
    makeDemo(folder.file("b"), "42", "30");
    makeDemo(folder.file("c"), "43", "30");
    const auto a = snapshot(folder.file("a"));
    EXPECT_EQ(a, snapshot(folder.file("b")));
    const auto c = snapshot(folder.file("c"));
    EXPECT_NE(a.at("tdat9.bin"), c.at("tdat9.bin"));
    for (const char* name :
         {"tdat9.bin", "xten7.dat", "remark9.dat", "bkstudy.dat", "meetin9.dat", "tappt.dat",
          "emerg.dat", "spneed.dat", "tcard.dat", "vnxcfg.cfg", "tlt15.dat"})
        EXPECT_EQ(a.count(name), 1u) << name;
    EXPECT_EQ(a.count("rmkundo.dat"), 0u);
}

TEST(Cli, DemoRefusesAFolderWithData) {
    test::TempFolder folder;
    test::writeBytes(folder.file("tdat9.bin"), {9, 9, 9});
    const Result r = cli({"--today", kToday, "demo", "--out", folder.path().string()});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.err.find("sudah memuat berkas data"), std::string::npos) << r.err;
    EXPECT_EQ(snapshot(folder.path()).size(), 1u);
    EXPECT_EQ(test::readBytes(folder.file("tdat9.bin")), (std::vector<std::uint8_t>{9, 9, 9}));
}

TEST(Cli, InfoCountsTheDemo) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const Result r = cli({"--data", folder.path().string(), "--today", kToday, "info", "--json"});
    ASSERT_EQ(r.code, Ok) << r.err;
    const Json info = JsonReader::parse(r.out);
    EXPECT_EQ(info.keys(),
              (std::vector<std::string>{"recordCount", "active", "inactive", "bibleStudents",
                                        "moved", "deleted", "circuitOverseer", "reportMonth",
                                        "passwordSet", "groupCount"}));
    EXPECT_EQ(info["recordCount"].number, 145);
    EXPECT_EQ(info["active"].number, 120);
    EXPECT_EQ(info["inactive"].number, 8);
    EXPECT_EQ(info["bibleStudents"].number, 10);
    EXPECT_EQ(info["moved"].number, 3);
    EXPECT_EQ(info["deleted"].number, 2);
    EXPECT_EQ(info["circuitOverseer"].number, 1);
    EXPECT_EQ(info["reportMonth"]["month"].number, 5);
    EXPECT_EQ(info["reportMonth"]["year"].number, 2024);
    EXPECT_EQ(info["reportMonth"]["stamp"].number, 292);
    EXPECT_EQ(info["reportMonth"]["state"].number, 1);
    EXPECT_FALSE(info["passwordSet"].boolean);
    EXPECT_EQ(info["groupCount"].number, 6);

    const Result text = cli({"--data", folder.path().string(), "--today", kToday, "info"});
    EXPECT_NE(text.out.find("Mei 2024"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("terbuka"), std::string::npos);
}

TEST(Cli, LookingAtAFolderNeverChangesIt) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const auto before = snapshot(folder.path());
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"info"}, {"dump", "--full"}, {"dump", "--json"}, {"check"}, {"check", "--json"}}) {
        std::vector<std::string> full = {"--data", folder.path().string(), "--today", kToday};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(cli(full).code, Ok) << args[0];
        // Not even the undo copy of the remarks that every load makes.
        EXPECT_EQ(snapshot(folder.path()), before) << args[0];
    }
}

TEST(Cli, DumpFullHoldsEveryFieldInUtf8) {
    test::TempFolder folder;
    copyDemo(folder.path());
    // A record with letters and characters JSON has to escape.
    PublisherId marked = 0;
    changeFolder(folder.path(), [&](CVelnoDoc& doc) {
        PublisherRecord& r = doc.store().at(doc.store().subList(ListActive).front());
        setFieldText(r.addr, "Jl. \"Cempaka\" 5\\B, Kel. Sukamaju\x96Utara");
        setFieldText(r.phone3, "\xE9\xF1\xFC");
        marked = r.id;
    });

    const Result r =
        cli({"--data", folder.path().string(), "--today", kToday, "dump", "--json", "--full"});
    ASSERT_EQ(r.code, Ok) << r.err;
    const Json dump = JsonReader::parse(r.out);
    const auto& records = dump["records"].items;
    ASSERT_EQ(records.size(), 144u);

    CVelnoDoc doc;
    doc.setToday(kTodayDate);
    ASSERT_TRUE(doc.loadStore(folder.path()));
    const std::vector<std::string> keys = {
        "pos",        "id",       "listKind",  "fname",        "lname",    "displayName",
        "group",      "addr",     "phone",     "phone2",       "phone3",   "bapdate",
        "birdate",    "dpa",      "dpaSet",    "hope",         "extSlot",  "emergId",
        "household",  "specneed", "markStamp", "categoryBits", "moreBits", "aux198",
        "statusMark", "listYear", "flags",     "slots"};
    int remarks = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Json& rec = records[i];
        const PublisherRecord& stored = doc.store().at(static_cast<int>(i) + 1);
        ASSERT_EQ(rec.keys(), keys);
        EXPECT_EQ(rec["pos"].number, static_cast<long long>(i) + 1);
        EXPECT_EQ(rec["id"].number, stored.id);
        EXPECT_EQ(rec["lname"].string, text::cp1252ToUtf8(fieldText(stored.lname)));
        EXPECT_EQ(rec["displayName"].string,
                  text::cp1252ToUtf8(doc.displayName(static_cast<int>(i) + 1)));
        EXPECT_EQ(rec["moreBits"].number, stored.moreBits);
        ASSERT_EQ(rec["slots"].items.size(), 36u);
        for (int slot = 0; slot < 36; ++slot) {
            const Json& s = rec["slots"][slot];
            EXPECT_EQ(s["studiesWord"].number, stored.studiesWord[slot]);
            EXPECT_EQ(s["slotYear"].number, stored.slotYear[slot]);
            if (s["remarkIndex"].number == 0) {
                EXPECT_EQ(s["remark"].type, Json::Type::Null);
            } else {
                EXPECT_EQ(s["remark"].type, Json::Type::String);
                EXPECT_EQ(
                    s["remark"].string,
                    text::cp1252ToUtf8(doc.remarks().at(stored.remarkIndex[slot]).textString()));
                ++remarks;
            }
        }
        if (rec["id"].number == marked) {
            EXPECT_EQ(rec["addr"].string, "Jl. \"Cempaka\" 5\\B, Kel. Sukamaju\xE2\x80\x93Utara");
            EXPECT_EQ(rec["phone3"].string, "\xC3\xA9\xC3\xB1\xC3\xBC");
        }
    }
    EXPECT_GT(remarks, 10);
    EXPECT_EQ(records.back()["listKind"].number, ListCircuitOverseer);
    EXPECT_EQ(records.back()["id"].number, 30003);

    // Without --full only the identifying fields.
    const Json brief =
        JsonReader::parse(cli({"--data", folder.path().string(), "dump", "--json"}).out);
    EXPECT_EQ(brief["records"][0].keys(),
              std::vector<std::string>(keys.begin(), keys.begin() + 13));
}

TEST(Cli, ResaveReproducesEveryFile) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const auto before = snapshot(folder.path());
    const Result r = cli({"--data", folder.path().string(), "--today", kToday, "resave"});
    ASSERT_EQ(r.code, Ok) << r.err;
    // Every save writes the settings too: the first one creates their file.
    auto after = snapshot(folder.path());
    EXPECT_EQ(after.erase("velnoin.ini"), 1u);
    EXPECT_EQ(after, before);  // the undo copy goes with the run

    // A change made in between is what the save writes.
    changeFolder(folder.path(),
                 [](CVelnoDoc& doc) { setFieldText(doc.store().at(1).addr, "Jl. Baru No. 1"); });
    const auto changed = snapshot(folder.path());
    EXPECT_NE(changed.at("tdat9.bin"), before.at("tdat9.bin"));
    ASSERT_EQ(cli({"--data", folder.path().string(), "--today", kToday, "resave"}).code, Ok);
    EXPECT_EQ(snapshot(folder.path()), changed);
}

class CliPassword : public ::testing::Test {
protected:
    void SetUp() override {
        copyDemo(folder_.path());
        changeFolder(folder_.path(), [](CVelnoDoc& doc) {
            setFieldText(doc.store().header().fname, "kunci-\xE9");
        });
    }
    Result info(const std::string& input, bool fromStdin = true) {
        std::vector<std::string> args = {"--data", folder_.path().string(), "info", "--json"};
        if (fromStdin) args.push_back("--password-stdin");
        return cli(args, input);
    }
    test::TempFolder folder_;
};

TEST_F(CliPassword, RightPasswordOpensTheFolder) {
    const Result r = info("kunci-\xC3\xA9\n");  // typed as UTF-8
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_TRUE(JsonReader::parse(r.out)["passwordSet"].boolean);
    EXPECT_EQ(info("kunci-\xC3\xA9\r\nmore lines\n").code, Ok);
    EXPECT_EQ(info("kunci-\xC3\xA9").code, Ok);  // no final newline
    // Typed key by key, as into the dialog, the password is taken at the key
    // that completes it: the rest of the line no longer counts.
    EXPECT_EQ(info("kunci-\xC3\xA9 and more\n").code, Ok);
}

TEST_F(CliPassword, MissingOrWrongPasswordFails) {
    const Result none = info("", false);
    EXPECT_EQ(none.code, Failure);
    EXPECT_NE(none.err.find("--password-stdin"), std::string::npos) << none.err;
    EXPECT_TRUE(none.out.empty());

    const Result empty = info("");
    EXPECT_EQ(empty.code, Failure);
    EXPECT_NE(empty.err.find("tidak memuat baris"), std::string::npos) << empty.err;

    for (const std::string typed :
         {"kunci-e\n", "KUNCI-\xC3\xA9\n", "kunci-\n", "\n", "kunci-\xE9\n", "xkunci-\xC3\xA9\n"}) {
        const Result wrong = info(typed);
        EXPECT_EQ(wrong.code, Failure) << typed;
        EXPECT_NE(wrong.err.find("kata sandi salah"), std::string::npos) << wrong.err;
    }
    // Saving needs the password too, and a refused load writes nothing.
    const auto before = snapshot(folder_.path());
    EXPECT_EQ(cli({"--data", folder_.path().string(), "resave"}).code, Failure);
    EXPECT_EQ(snapshot(folder_.path()), before);
}

TEST(Cli, PasswordInputIsIgnoredWithoutAPassword) {
    test::TempFolder folder;
    copyDemo(folder.path());
    EXPECT_EQ(cli({"--data", folder.path().string(), "--password-stdin", "info"}, "").code, Ok);
    EXPECT_EQ(
        cli({"--data", folder.path().string(), "--password-stdin", "info"}, "anything\n").code, Ok);
}

TEST(Cli, CheckReportsWhatTheLoadRepaired) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const std::string data = folder.path().string();
    const Json clean =
        JsonReader::parse(cli({"--data", data, "--today", kToday, "check", "--json"}).out);
    EXPECT_TRUE(clean["mainFileFound"].boolean);
    EXPECT_EQ(clean["duplicateIdsRepaired"].number, 0);
    EXPECT_EQ(clean["badExtensionLinks"].number, 0);
    EXPECT_EQ(clean["remarksOfUnknownPublishers"].number, 0);

    // Two records share an id; one extension link points past the file, one
    // at another publisher's entry.
    changeFolder(folder.path(), [](CVelnoDoc& doc) {
        RecordStore& store = doc.store();
        const auto& active = store.subList(ListActive);
        // The copy of the id goes to a record without extended information,
        // so that only the two broken links below count.
        std::vector<int> linked, unlinked;
        for (std::size_t k = 1; k < active.size(); ++k)
            (store.at(active[k]).extSlot ? linked : unlinked).push_back(active[k]);
        ASSERT_GE(linked.size(), 3u);
        ASSERT_FALSE(unlinked.empty());
        store.at(unlinked.front()).id = store.at(active[0]).id;
        store.at(linked[1]).extSlot = 9000;
        store.at(linked[2]).extSlot = store.at(linked.back()).extSlot;
    });
    const Result r = cli({"--data", data, "--today", kToday, "check", "--json"});
    ASSERT_EQ(r.code, Ok) << r.err;
    const Json damaged = JsonReader::parse(r.out);
    EXPECT_EQ(damaged["duplicateIdsRepaired"].number, 1);
    EXPECT_EQ(damaged["badExtensionLinks"].number, 2);
    EXPECT_GE(damaged["notes"].items.size(), 2u);

    const Result text = cli({"--data", data, "--today", kToday, "check"});
    EXPECT_NE(text.out.find("  - " + text::arg(text::tr(text::TxNoteDuplicateIds), "1") + "\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("informasi tambahan"), std::string::npos) << text.out;
}

TEST(Cli, CheckOfAnEmptyFolderFindsNoMainFile) {
    test::TempFolder folder;
    const Result r = cli({"--data", folder.path().string(), "check", "--json"});
    ASSERT_EQ(r.code, Ok) << r.err;
    EXPECT_FALSE(JsonReader::parse(r.out)["mainFileFound"].boolean);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(Cli, TheExecutableReportsExitCodes) {
#ifdef VELNO_CLI_PATH
    const char* exe = VELNO_CLI_PATH;
#else
    const char* exe = std::getenv("VELNO_CLI");
    if (!exe) GTEST_SKIP() << "the path of velno-cli is not known";
#endif
    auto status = [&](const std::string& args) {
        const int raw =
            std::system(("\"" + std::string(exe) + "\" " + args + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status("--help"), Ok);
    EXPECT_EQ(status("frobnicate"), Usage);
    EXPECT_EQ(status("--data /nonexistent/velno info"), Failure);
}

// Every regular file of a folder with its bytes (a folder in a file's place
// is left out).
std::map<std::string, std::vector<std::uint8_t>> regularFiles(const fs::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = test::readBytes(entry.path());
    return files;
}

TEST(CliSafety, AFileThatCannotBeReadIsNeverSavedOver) {
    test::TempFolder folder;
    copyDemo(folder.path());
    const std::string data = folder.path().string();
    fs::remove(folder.file("remark9.dat"));
    fs::create_directory(folder.file("remark9.dat"));  // there, but not readable as a file
    const auto before = regularFiles(folder.path());
    const Result r = cli({"--data", data, "--today", kToday, "resave"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.err.find("remark9.dat"), std::string::npos) << r.err;
    EXPECT_EQ(regularFiles(folder.path()), before);

    const Result check = cli({"--data", data, "--today", kToday, "check", "--json"});
    ASSERT_EQ(check.code, Ok) << check.err;
    const Json json = JsonReader::parse(check.out);
    ASSERT_EQ(json["unreadableFiles"].items.size(), 1u);
    EXPECT_EQ(json["unreadableFiles"].items[0].string, "remark9.dat");
}

TEST(CliSafety, ResaveOfADamagedFileKeepsTheOriginalAndSaysWhere) {
    test::TempFolder folder;
    copyDemo(folder.path());
    auto main = test::readBytes(folder.file("tdat9.bin"));
    main.resize(main.size() - 300);
    test::writeBytes(folder.file("tdat9.bin"), main);
    const Result check = cli({"--data", folder.path().string(), "--today", kToday, "check"});
    EXPECT_NE(check.out.find("tdat9.bin: "), std::string::npos) << check.out;

    const Result r = cli({"--data", folder.path().string(), "--today", kToday, "resave"});
    ASSERT_EQ(r.code, Ok) << r.err;
    fs::path kept;
    for (const auto& e : fs::directory_iterator(folder.path()))
        if (e.path().filename().string().rfind("tdat9.bin.rusak-20240610-", 0) == 0)
            kept = e.path();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(test::readBytes(kept), main);
    EXPECT_NE(r.err.find(kept.string()), std::string::npos) << r.err;
}

TEST(CliSafety, ReadingCommandsWriteNothingAnywhere) {
    test::TempFolder folder, temp;
    copyDemo(folder.path());
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", temp.path().c_str(), 1);
    for (const auto& command : {"info", "dump", "check"})
        EXPECT_EQ(cli({"--data", folder.path().string(), "--today", kToday, command}).code, Ok);
    if (old)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    EXPECT_TRUE(fs::is_empty(temp.path()));
}

TEST_F(CliPassword, AWrongPasswordWritesNothingNotEvenTheLoadsCompaction) {
    // An emergency entry nobody refers to: the load compacts it away, but
    // only once the password has been given.
    auto emergency = test::readBytes(folder_.file("emerg.dat"));
    std::vector<std::uint8_t> orphan(256, 0);
    orphan[0] = 0xE7;
    orphan[1] = 0x03;
    emergency.insert(emergency.end(), orphan.begin(), orphan.end());
    test::writeBytes(folder_.file("emerg.dat"), emergency);
    const auto before = snapshot(folder_.path());
    EXPECT_EQ(info("salah\n").code, Failure);
    EXPECT_EQ(
        cli({"--data", folder_.path().string(), "--password-stdin", "resave"}, "salah\n").code,
        Failure);
    EXPECT_EQ(snapshot(folder_.path()), before);
    EXPECT_EQ(
        cli({"--data", folder_.path().string(), "--password-stdin", "resave"}, "kunci-\xC3\xA9\n")
            .code,
        Ok);
    EXPECT_EQ(test::readBytes(folder_.file("emerg.dat")).size(), emergency.size() - 256);
}

TEST(CliSafety, AGarbageMainFileIsReportedDamagedNotProtected) {
    test::TempFolder folder;
    test::writeBytes(folder.file("tdat9.bin"), std::vector<std::uint8_t>(816 * 3, 0xFF));
    const Result r = cli({"--data", folder.path().string(), "check"});
    EXPECT_EQ(r.code, Failure);
    EXPECT_NE(r.err.find("tdat9.bin"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("rusak"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("password"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace velno::cli
