// velno-cli late clear: "Hapus Laporan Terlambat".
#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/ReportMonthCli.h"
#include "reporting/LateReports.h"
#include "store/CVelnoDoc.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"
#include "text/texts/ReportingTexts.h"

namespace velno::cli {

namespace {

// Naming the command is the confirmation: the question is answered OK.
class ConfirmingPrompter : public Prompter {
public:
    explicit ConfirmingPrompter(std::ostream& err) : err_(err) {}
    Answer ask(const std::string&, Buttons buttons, Answer defaultAnswer, Icon) override {
        return buttons == Buttons::OkCancel ? Answer::Ok : defaultAnswer;
    }
    void tell(const std::string& text, Icon) override { err_ << text << '\n'; }

private:
    std::ostream& err_;
};

}  // namespace

int runLate(Context& context) {
    std::string error;
    const auto a = Arguments::parse(context.command, context.args, {}, true, error);
    if (!a) return context.usage(error);
    if (a->words().empty())
        return context.usage(text::arg(text::tr(text::TxCliActionMissing), "late", "clear"));
    if (a->words().size() > 1)
        return context.usage(
            text::arg(text::tr(text::TxCliUnexpectedArgument), "late", a->words()[1]));
    if (a->words()[0] != "clear")
        return context.usage(text::arg(text::tr(text::TxCliLateUnknownAction), a->words()[0]));

    ConfirmingPrompter prompter(context.err);
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();
    doc.setPrompter(&prompter);
    const int count = doc.lateReports().count();
    if (count > 0) {
        ClearLateReports(doc);
        if (const int code = saveReporting(context, session); code != Ok) return code;
    }
    context.out << text::arg(text::tr(text::TxCliLateCleared), std::to_string(count)) << '\n';
    return Ok;
}

}  // namespace velno::cli
