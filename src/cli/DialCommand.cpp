// velno-cli dial: a publisher's telephone number, as its digits, to the
// desktop's dialer (or, with --dry-run, to standard output).

#include <ostream>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/FolderSession.h"
#include "cli/IdOption.h"
#include "print/Dialing.h"
#include "store/CVelnoDoc.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/StringTable.h"

#ifdef VELNO_HAVE_QT_GUI
#include <QGuiApplication>
#include <cstdlib>

#include "print/ui/DesktopDialer.h"
#endif

namespace velno::cli {

int runDial(Context& context) {
    std::string error;
    const auto args =
        Arguments::parse(context.command, context.args,
                         {{"--id", true}, {"--number", true}, {"--dry-run", false}}, false, error);
    if (!args) return context.usage(error);
    IdOption id;
    if (const int code = id.parse(context, *args); code != Ok) return code;
    const std::string which = args->value("--number").value_or("home");
    print::PhoneKind kind = print::PhoneKind::Home;
    if (which == "mobile")
        kind = print::PhoneKind::Mobile;
    else if (which == "office")
        kind = print::PhoneKind::Office;
    else if (which != "home")
        return context.usage(text::arg(text::tr(text::TxDialBadNumber), which));

    FolderSession session(context, FolderAccess::ReadOnly);
    if (const int code = session.open(); code != Ok) return code;
    const CVelnoDoc& doc = session.doc();
    int pos = 0;
    if (const int code = id.find(context, doc, pos); code != Ok) return code;
    const std::string name = text::cp1252ToUtf8(doc.displayName(pos));
    const std::string number = print::phoneOf(doc.store().at(pos), kind);
    if (number.empty()) return context.fail(text::arg(text::tr(text::TxDialNoNumber), name));
    if (args->has("--dry-run")) {
        context.out << text::arg(text::tr(text::TxDialDryRun), name, print::dialDigits(number))
                    << '\n';
        return Ok;
    }
#ifdef VELNO_HAVE_QT_GUI
    static int argc = 1;
    static char appName[] = "velno-cli";
    static char* argv[] = {appName, nullptr};
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QGuiApplication app(argc, argv);
    print::DesktopDialer dialer;
    const print::DialOutcome outcome = print::dialNumber(dialer, number);
    if (!outcome.message.empty()) return context.fail(outcome.message);
    return Ok;
#else
    return context.fail(text::tr(text::TxDialNotAvailable));
#endif
}

}  // namespace velno::cli
