#include "app/AppArguments.h"

#include "store/Clock.h"
#include "text/Format.h"
#include "text/texts/AppTexts.h"

namespace velno::app {

AppArguments parseAppArguments(const std::vector<std::string>& args) {
    AppArguments out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            const auto eq = a.find('=');
            if (eq != std::string::npos) {
                into = a.substr(eq + 1);
                return true;
            }
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        const std::string name = a.substr(0, a.find('='));
        std::string v;
        if (name == "--data") {
            if (!value(v) || v.empty()) {
                out.error = text::tr(text::TxUsage);
                return out;
            }
            out.dataFolder = std::filesystem::path(v);
        } else if (name == "--today") {
            if (!value(v)) {
                out.error = text::tr(text::TxUsage);
                return out;
            }
            out.today = parseIsoDate(v);
            if (!out.today) {
                out.error = text::arg(text::tr(text::TxBadDate), v);
                return out;
            }
        } else if (a == "--demo") {
            out.demo = true;
        } else if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (!a.empty() && a[0] == '-') {
            // Qt's own options (-platform offscreen, -style fusion, ...) and
            // their values were taken out by QApplication already; anything
            // else that looks like an option is a mistake.
            out.error = text::tr(text::TxUsage);
            return out;
        } else {
            out.error = text::tr(text::TxUsage);
            return out;
        }
    }
    if (out.demo && out.dataFolder) out.error = text::tr(text::TxUsage);
    return out;
}

}  // namespace velno::app
