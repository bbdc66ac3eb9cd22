#pragma once
// velno-cli run in-process over a temporary data folder on a fixed day,
// and the folder loaded back to look at what a command saved.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "store/CVelnoDoc.h"
#include "support/TempFolder.h"

namespace velno::cli {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

class CliFolder {
public:
    CliFolder(const char* today, CalendarDate todayDate) : today_(today), date_(todayDate) {}

    CliResult cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", folder.path().string(), "--today", today_});
        std::istringstream in;
        std::ostringstream out, err;
        const int code = run(args, in, out, err);
        return {code, out.str(), err.str()};
    }

    std::unique_ptr<CVelnoDoc> load() {
        auto doc = std::make_unique<CVelnoDoc>();
        doc->setToday(date_);
        doc->loadStore(folder.path());
        return doc;
    }

    velno::test::TempFolder folder;

private:
    const char* today_;
    CalendarDate date_;
};

}  // namespace velno::cli
