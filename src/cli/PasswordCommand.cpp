#include <ostream>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/Json.h"
#include "store/PasswordChangeModel.h"
#include "store/PasswordPrompt.h"
#include "text/Format.h"
#include "text/texts/CliTexts.h"

namespace velno::cli {

namespace {

// Keeps the result message for standard output instead of the error stream.
class Capture : public Prompter {
public:
    std::vector<std::string> told;
    Answer ask(const std::string&, Buttons, Answer defaultAnswer, Icon) override {
        return defaultAnswer;
    }
    void tell(const std::string& text, Icon) override { told.push_back(text); }
};

const char* resultName(PasswordChange result) {
    switch (result) {
        case PasswordChange::Removed:
            return "removed";
        case PasswordChange::Changed:
            return "changed";
        default:
            return "unchanged";
    }
}

}  // namespace

int runPassword(Context& context) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, context.args, {{"--new-stdin"}}, false, error);
    if (!args) return context.usage(error);
    if (!args->has("--new-stdin")) return context.usage(text::tr(text::TxCliPasswordNeedsNewStdin));
    // Every password of this command comes from standard input: the old one
    // first (only when one is set), then the new one twice.
    context.options.passwordFromStdin = true;
    FolderSession session(context, FolderAccess::ReadWrite);
    if (const int code = session.open(); code != Ok) return code;
    CVelnoDoc& doc = session.doc();

    // The change asks for the old password again; the line given for the
    // load answers it.
    if (!askPassword(doc, true))
        return context.fail(
            text::arg(text::tr(text::TxCliPasswordWrong), session.folder().string()));
    PasswordChangeModel dialog;
    doc.prompter().askNewPassword(dialog);
    dialog.cancel();

    Prompter& streams = doc.prompter();
    Capture capture;
    doc.setPrompter(&capture);
    const PasswordChange result = applyPasswordChange(doc, dialog);
    doc.setPrompter(&streams);
    // A refused character is explained before the result message.
    for (std::size_t i = 0; i + 1 < capture.told.size(); ++i)
        context.err << capture.told[i] << '\n';
    const std::string message = capture.told.empty() ? std::string() : capture.told.back();

    const bool changed = result == PasswordChange::Changed || result == PasswordChange::Removed;
    if (changed && doc.saveAll() != SaveOutcome::Saved)
        return context.fail(text::arg(text::tr(text::TxCliSaveFailed), session.folder().string()));
    if (context.options.json) {
        JsonWriter json(context.out);
        json.beginObject()
            .field("result", resultName(result))
            .field("message", message)
            .endObject();
        json.finish();
    } else {
        context.out << message << '\n';
    }
    return changed ? Ok : Failure;
}

}  // namespace velno::cli
