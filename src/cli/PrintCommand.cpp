// velno-cli print: a report of the kinds table (or the attendance record)
// as text or as PDF.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "cli/Json.h"
#include "print/AttendanceRecordPage.h"
#include "print/CardLabels.h"
#include "print/PaperSize.h"
#include "print/ProfileFontSettings.h"
#include "print/RecordCardPrinting.h"
#include "print/ReportViewState.h"
#include "print/TextPrintTarget.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/CommonTexts.h"
#include "text/texts/PrintTexts.h"

#ifdef VELNO_HAVE_QT_GUI
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include "print/ui/CardsPdf.h"
#include "print/ui/PdfPrintTarget.h"
#endif

namespace velno::cli {

namespace {

constexpr std::string_view kAttendanceRecord = "attendance-record";

struct PrintJob {
    int kind = 0;                        // 0 with the attendance record
    print::DrawReport record = nullptr;  // the attendance record's routine
    int group = 0;
    bool allGroups = false;
    bool pdf = false;
    bool a4 = false;
    std::string out;
    // The record cards: one card through the view, or every card of a
    // list written card after card.
    print::CardJob cards;
    bool streamCards = false;
    // The need filter of the special-needs list; the heads of the contact forms.
    int need = 0;
    std::vector<int> heads;
};

// Counts the pages that go to a target.
class PageCounter : public print::PrintTarget {
public:
    explicit PageCounter(print::PrintTarget& target) : target_(target) {}
    int pages = 1;

    print::Canvas& canvas() override { return target_.canvas(); }
    void newPage() override {
        ++pages;
        target_.newPage();
    }
    bool paperIsA4() const override { return target_.paperIsA4(); }
    bool makesCopies() const override { return target_.makesCopies(); }
    int copies() const override { return target_.copies(); }
    std::string printerName() const override { return target_.printerName(); }

private:
    print::PrintTarget& target_;
};

// Prints the job on a target: one report, or the per-group report for
// every group with members. Returns the number of pages.
int printOn(const PrintJob& job, const CVelnoDoc& doc, const print::ReportFonts& fonts,
            print::PrintTarget& target, const CalendarDate& today) {
    PageCounter counter(target);
    print::ReportViewState view;
    view.cards = &job.cards;
    view.specialNeed = job.need;
    view.formHeads = &job.heads;
    if (job.record)
        view.showDrawing(job.record);
    else if (!job.allGroups)
        view.show(doc, job.kind, job.group);
    if (!job.allGroups) {
        view.print(doc, fonts, counter, today);
        return counter.pages;
    }
    // Every group in turn, each from a new page; groups without members
    // are left out.
    bool first = true;
    for (int group = 1; group <= doc.groups().count(); ++group) {
        if (!view.show(doc, job.kind, group)) continue;
        if (!first) counter.newPage();
        view.print(doc, fonts, counter, today);
        first = false;
    }
    return counter.pages;
}

// The report fonts of the settings, with the defaults a printer of this
// resolution asks for when none are stored.
print::ReportFonts fontsOf(CVelnoDoc& doc, int printerDpi) {
    print::ReportFonts fonts;
    print::ProfileFontSettings settings(doc.profile());
    fonts.load(settings, print::ReportFonts::defaultSetFor(printerDpi),
               text::tr(text::LanguageCode));
    return fonts;
}

int printText(Context& context, const PrintJob& job, CVelnoDoc& doc) {
    // Without a printer the defaults are those of a 300-dpi device.
    const print::ReportFonts fonts = fontsOf(doc, 300);
    print::TextPrintTarget target(job.a4);
    printOn(job, doc, fonts, target, context.today);
    const std::string text = target.text();
    if (job.out.empty()) {
        context.out << text;
        return Ok;
    }
    std::ofstream file(job.out, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) return context.fail(text::arg(text::tr(text::TxPrintCannotWrite), job.out));
    return Ok;
}

#ifdef VELNO_HAVE_QT_GUI
// Qt's complaint about a missing runtime folder says nothing about the PDF;
// everything else goes to the error stream as usual.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    fprintf(stderr, "%s\n", qPrintable(message));
}
#endif

int printPdf(Context& context, const PrintJob& job, CVelnoDoc& doc) {
#ifdef VELNO_HAVE_QT_GUI
    // No display is needed: Qt draws offscreen, whatever the environment says.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "velno-cli";
    static char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    int pages = 0;
    if (job.streamCards) {
        // Card after card into a file that replaces the target only when
        // complete; progress goes to the error stream.
        const print::ReportFonts fonts = fontsOf(doc, 600);
        const auto result = print::writeCardsPdf(
            doc, fonts, job.out, job.cards, context.today, job.a4, [&context](int done, int total) {
                if (done % 100 == 0 || done == total) context.err << done << '/' << total << '\n';
                return true;
            });
        if (!result.ok) return context.fail(result.message);
        pages = result.pages;
    } else {
        print::PdfPrintTarget target(job.out, job.a4);
        if (!target.ok())
            return context.fail(text::arg(text::tr(text::TxPrintCannotWrite), job.out));
        const print::ReportFonts fonts = fontsOf(doc, target.canvas().dpiX());
        pages = printOn(job, doc, fonts, target, context.today);
        if (!target.finish()) {
            std::remove(job.out.c_str());
            return context.fail(text::arg(text::tr(text::TxPrintCannotWrite), job.out));
        }
    }
    context.out << text::arg(text::tr(text::TxPrintPdfWritten), std::to_string(pages), job.out)
                << '\n';
    return Ok;
#else
    (void)job;
    (void)doc;
    return context.fail(text::tr(text::TxPrintNoPdf));
#endif
}

// Whether the job would print anything, so that nothing (not even Qt) is
// started for a report that stays empty.
bool printsSomething(const PrintJob& job, const CVelnoDoc& doc) {
    if (job.record) return true;
    if (!job.allGroups)
        return !print::findReportKind(job.kind)->perGroup || print::groupHasMembers(doc, job.group);
    for (int g = 1; g <= doc.groups().count(); ++g)
        if (print::groupHasMembers(doc, g)) return true;
    return false;
}

// --a4 or --letter; without a choice, the paper of the interface language's
// country.
int choosePaper(const Context& context, const Arguments& args, bool& a4) {
    if (args.has("--a4") && args.has("--letter"))
        return context.usage(text::tr(text::TxCliPaperTwice));
    a4 = args.has("--a4") ||
         (!args.has("--letter") &&
          print::defaultPaperFor(text::tr(text::LanguageCode)) == print::Paper::A4);
    return Ok;
}

// --previous and --span of the card commands.
int parseCardOptions(const Context& context, const Arguments& args, print::CardJob& cards) {
    cards.previous = args.has("--previous");
    const std::string span = args.value("--span").value_or("sy");
    if (span == "sy")
        cards.span = CardSpan::ServiceYear;
    else if (span == "6m")
        cards.span = CardSpan::SixMonths;
    else if (span == "12m")
        cards.span = CardSpan::TwelveMonths;
    else if (span == "24m")
        cards.span = CardSpan::TwentyFourMonths;
    else
        return context.usage(text::arg(text::tr(text::TxPrintBadSpan), span));
    return Ok;
}

void writeCardJson(JsonWriter& json, const RecordCard& card, int id) {
    using L = JsonWriter::Layout;
    const CardHeader& h = card.header;
    auto orNull = [&json](std::string_view key, const std::string& v) {
        json.key(key);
        if (v.empty())
            json.null();
        else
            json.value(v);
    };
    json.beginObject().field("id", id).field("name", h.name);
    orNull("birth", h.birth);
    orNull("baptism", h.baptism);
    orNull("group", h.group);
    static constexpr const char* kBoxes[kCardBoxes] = {
        "male",    "female",         "otherSheep",     "anointed",  "elder",
        "servant", "regularPioneer", "specialPioneer", "missionary"};
    json.key("boxes").beginObject(L::Inline);
    for (int b = 0; b < kCardBoxes; ++b) json.field(kBoxes[b], h.boxes[b]);
    json.endObject();
    json.key("tables").beginArray();
    for (const CardTable& t : card.tables) {
        const bool old = t.form == CardForm::Old;
        json.beginObject().field("serviceYear", t.serviceYear).field("form", old ? "old" : "new");
        json.key("rows").beginArray();
        for (const CardRow& r : t.rows) {
            json.beginObject(L::Inline).field("month", text::monthShortName(r.month0));
            if (old) {
                static constexpr const char* kItems[5] = {"placements", "videos", "hours",
                                                          "returnVisits", "studies"};
                for (int k = 0; k < 5; ++k) {
                    json.key(kItems[k]);
                    if (r.blank || r.items[k].empty())
                        json.null();
                    else if (k == 2)
                        json.value(r.items[k]);
                    else
                        json.value(std::stoi(r.items[k]));
                }
            } else {
                json.field("shared", !r.blank && r.shared);
                json.key("studies");
                if (r.blank || !r.studies)
                    json.null();
                else
                    json.value(*r.studies);
                json.field("aux", !r.blank && r.aux);
                json.key("hours");
                if (r.blank || !r.hours)
                    json.null();
                else
                    json.value(*r.hours);
            }
            orNull("remark", r.blank ? std::string() : r.remark);
            json.endObject();
        }
        json.endArray();
        if (old) {
            for (const char* which : {"total", "average"}) {
                const auto& cells = which[0] == 't' ? t.totals : t.averages;
                json.key(which).beginArray(L::Inline);
                for (const std::string& c : cells)
                    if (c.empty())
                        json.null();
                    else
                        json.value(c);
                json.endArray();
            }
        } else {
            orNull("total", t.newTotals[3]);
            json.key("average").null();
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

int runCard(Context& context) {
    std::string error;
    const auto args = Arguments::parse(context.command, context.args,
                                       {{"--id", true},
                                        {"--previous", false},
                                        {"--span", true},
                                        {"--format", true},
                                        {"--out", true},
                                        {"--a4", false},
                                        {"--json", false}},
                                       false, error);
    if (!args) return context.usage(error);
    if (!args->has("--json") && !context.options.json) {
        // Printed through the print command's path: the same pages.
        std::vector<std::string> forwarded{"card"};
        forwarded.insert(forwarded.end(), context.args.begin(), context.args.end());
        context.args = forwarded;
        return runPrint(context);
    }
    print::CardJob cards;
    if (const int code = parseCardOptions(context, *args, cards); code != Ok) return code;
    IdOption id;
    if (const int code = id.parse(context, *args); code != Ok) return code;
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    JsonWriter json(context.out);
    writeCardJson(json, buildRecordCard(doc, pos, print::cardRequest(doc, cards)), id.id());
    json.finish();
    return Ok;
}

int runCards(Context& context) {
    std::string error;
    const auto args = Arguments::parse(context.command, context.args,
                                       {{"--list", true},
                                        {"--total", false},
                                        {"--previous", false},
                                        {"--out", true},
                                        {"--a4", false},
                                        {"--letter", false}},
                                       false, error);
    if (!args) return context.usage(error);
    const std::string list = args->value("--list").value_or("active");
    if (list != "active" && list != "inactive")
        return context.usage(text::arg(text::tr(text::TxPrintBadCardList), list));
    PrintJob job;
    job.kind = print::kind::RecordCards;
    job.pdf = true;
    job.streamCards = true;
    if (const int code = choosePaper(context, *args, job.a4); code != Ok) return code;
    job.out = args->value("--out").value_or("");
    if (job.out.empty()) return context.usage(text::tr(text::TxPrintPdfNeedsOut));
    job.cards.inactive = list == "inactive";
    job.cards.summary = args->has("--total");
    job.cards.previous = args->has("--previous");
    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    job.cards.positions = print::cardPositions(doc, job.cards.inactive);
    return printPdf(context, job, doc);
}

void listReportKinds(std::ostream& out) {
    out << text::tr(text::TxCliPrintListHeading) << '\n';
    std::size_t width = kAttendanceRecord.size();
    for (const print::ReportKindInfo& info : print::reportKinds())
        width = std::max(width, std::string_view(info.shortName).size());
    const auto row = [&](const std::string& number, std::string_view name,
                         const std::string& what) {
        out << std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') << number << "  " << name
            << std::string(width + 2 - name.size(), ' ') << what << '\n';
    };
    for (const print::ReportKindInfo& info : print::reportKinds()) {
        std::string what = print::reportKindTitle(info);
        if (info.perGroup) what += " (" + text::tr(text::TxCliPrintListNeedsGroup) + ")";
        if (info.kind == print::kind::RecordCards)
            what += " (" + text::tr(text::TxCliPrintListNeedsId) + ")";
        if (!info.built()) what += " [" + text::tr(text::TxCliPrintListNotBuilt) + "]";
        row(std::to_string(info.kind), info.shortName, what);
    }
    row("", kAttendanceRecord, text::tr(text::TxCliPrintListRecord));
}

int runPrint(Context& context) {
    std::string error;
    const auto args = Arguments::parse(context.command, context.args,
                                       {{"--group", true},
                                        {"--all-groups", false},
                                        {"--meeting", true},
                                        {"--format", true},
                                        {"--out", true},
                                        {"--a4", false},
                                        {"--id", true},
                                        {"--previous", false},
                                        {"--span", true},
                                        {"--letter", false},
                                        {"--list", false},
                                        {"--need", true},
                                        {"--heads", true},
                                        {"--ids", true},
                                        {"--first-label", true}},
                                       true, error);
    if (!args) return context.usage(error);
    if (args->has("--list")) {
        if (!args->words().empty()) return context.usage(text::tr(text::TxPrintNeedsKind));
        listReportKinds(context.out);
        return Ok;
    }
    if (args->words().size() != 1) return context.usage(text::tr(text::TxPrintNeedsKind));

    PrintJob job;
    const std::string& word = args->words()[0];
    if (word == kAttendanceRecord) {
        int meeting = 0;
        if (const auto m = args->value("--meeting")) {
            const auto n = parseWholeNumber(*m, 1, 2);
            if (!n)
                return context.usage(
                    text::arg(text::tr(text::TxCliBadNumber), "--meeting", "1", "2", *m));
            meeting = static_cast<int>(*n);
        }
        job.record = print::attendanceRecordDrawer(meeting - 1);
    } else {
        // A kind by its number or its short name.
        const auto n = parseWholeNumber(word, 0, 1000);
        const print::ReportKindInfo* info =
            n ? print::findReportKind(static_cast<int>(*n)) : print::findReportKind(word);
        if (!info) return context.usage(text::arg(text::tr(text::TxPrintUnknownKind), word));
        if (args->value("--meeting"))
            return context.usage(text::tr(text::TxPrintMeetingOnlyRecord));
        job.kind = info->kind;
    }
    if (!job.record) {
        const print::ReportKindInfo* info = print::findReportKind(job.kind);
        const bool grouped = args->value("--group").has_value() || args->has("--all-groups");
        if (info->perGroup && !grouped)
            return context.usage(text::arg(text::tr(text::TxPrintNeedsGroup), word));
        // The inactive contact list is drawn for the congregation or one group.
        const bool optionalGroup =
            info->kind == print::kind::ContactInactive && !args->has("--all-groups");
        if (!info->perGroup && grouped && !optionalGroup)
            return context.usage(text::arg(text::tr(text::TxPrintNotPerGroup), word));
        if (!info->built())
            return context.fail(
                text::arg(text::tr(text::TxPrintNotBuilt), word, print::reportKindTitle(*info)));
    } else if (args->value("--group") || args->has("--all-groups")) {
        return context.usage(text::arg(text::tr(text::TxPrintNotPerGroup), word));
    }
    if (const auto g = args->value("--group")) {
        const auto n = parseWholeNumber(*g, 1, GroupTable::kCapacity);
        if (!n)
            return context.usage(text::arg(text::tr(text::TxCliBadNumber), "--group", "1",
                                           std::to_string(GroupTable::kCapacity), *g));
        job.group = static_cast<int>(*n);
    }
    job.allGroups = args->has("--all-groups");
    if (const int code = choosePaper(context, *args, job.a4); code != Ok) return code;
    const std::string format = args->value("--format").value_or("text");
    if (format != "text" && format != "pdf")
        return context.usage(text::arg(text::tr(text::TxPrintBadFormat), format));
    job.pdf = format == "pdf";
    job.out = args->value("--out").value_or("");
    if (job.pdf && job.out.empty()) return context.usage(text::tr(text::TxPrintPdfNeedsOut));

    const bool card = job.kind == print::kind::RecordCards;
    IdOption id;
    if (card) {
        if (const int code = parseCardOptions(context, *args, job.cards); code != Ok) return code;
        if (const int code = id.parse(context, *args); code != Ok) return code;
    } else if (args->value("--id") || args->has("--previous") || args->value("--span")) {
        return context.usage(text::tr(text::TxPrintCardOptionsOnly));
    }

    const bool labels = job.kind == print::kind::CardLabels;
    print::LabelJob labelJob;
    std::vector<long long> ids;
    if (!labels && (args->value("--ids") || args->value("--first-label")))
        return context.usage(text::tr(text::TxCliLabelOptionsOnly));
    if (const auto list = args->value("--ids")) {
        std::string_view rest = *list;
        while (true) {
            const auto comma = rest.find(',');
            const auto n = parseWholeNumber(rest.substr(0, comma), 1, 65535);
            if (!n) return context.usage(text::arg(text::tr(text::TxCliPrintBadIds), *list));
            ids.push_back(*n);
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    if (const auto f = args->value("--first-label")) {
        const auto n = parseWholeNumber(*f, 1, print::kMaxLabelColumns * print::kMaxLabelRows);
        if (!n)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--first-label", "1",
                          std::to_string(print::kMaxLabelColumns * print::kMaxLabelRows), *f));
        labelJob.firstLabel = static_cast<int>(*n);
    }

    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    if (labels) {
        for (const long long wanted : ids) {
            const int pos = doc.store().storePosById(static_cast<PublisherId>(wanted));
            if (pos <= 0 || doc.store().at(pos).listKind != ListActive)
                return context.fail(
                    text::arg(text::tr(text::TxCliNoSuchIds), std::to_string(wanted)));
            labelJob.positions.push_back(pos);
        }
        print::setLabelsToPrint(std::move(labelJob));
    }
    if (card) {
        int pos = 0;
        if (const int code = id.find(context, doc, pos); code != Ok) return code;
        job.cards.positions = {pos};
    }
    if (const auto need = args->value("--need")) {
        // The key of a need, as "contact show" and the filter know it.
        const auto n = parseWholeNumber(*need, 1, 65535);
        if (!n || job.kind != print::kind::SpecialNeedsCongregation)
            return context.usage(
                text::arg(text::tr(text::TxCliBadNumber), "--need", "1", "65535", *need));
        job.need = static_cast<int>(*n);
    }
    if (const auto heads = args->value("--heads")) {
        // Comma-separated ids of the heads whose forms print.
        std::string_view list = *heads;
        while (!list.empty() && job.kind == print::kind::EmergencyForms) {
            const std::size_t comma = list.find(',');
            const std::string headId(list.substr(0, comma));
            const auto n = parseWholeNumber(headId, 1, 65535);
            const int pos = n ? doc.store().storePosById(static_cast<PublisherId>(*n)) : 0;
            if (pos <= 0) return context.fail(text::arg(text::tr(text::TxCliNoSuchId), headId));
            job.heads.push_back(pos);
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        }
    }
    if (!printsSomething(job, doc))
        return context.fail(job.allGroups ? text::tr(text::TxPrintNoGroupPrinted)
                                          : text::arg(text::tr(text::TxPrintGroupEmpty),
                                                      std::to_string(job.group)));
    return job.pdf ? printPdf(context, job, doc) : printText(context, job, doc);
}

}  // namespace velno::cli
