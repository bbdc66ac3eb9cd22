#pragma once
// Running velno-cli in-process on a demo data folder at a fixed date.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "demo/DemoCongregation.h"
#include "support/TempFolder.h"

namespace velno::test {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// A demo congregation on 10 June 2024 (report month May).
struct DemoCliFolder {
    TempFolder dir;
    explicit DemoCliFolder(int publishers) {
        std::string error;
        EXPECT_TRUE(writeDemoCongregation(dir.path(), {2024, 6, 10}, 3, publishers, &error))
            << error;
    }
    Outcome cli(std::vector<std::string> args, const std::string& input = "") const {
        args.insert(args.begin(), {"--data", dir.path().string(), "--today", "2024-06-10"});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = velno::cli::run(args, in, out, err);
        return {code, out.str(), err.str()};
    }
};

}  // namespace velno::test
