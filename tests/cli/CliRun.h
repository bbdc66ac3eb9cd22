#pragma once
// Running velno-cli in-process on a data folder at a fixed date.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace velno::test {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome runCli(const std::filesystem::path& data, const std::string& today,
                      std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--data", data.string(), "--today", today});
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = velno::cli::run(args, in, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace velno::test
