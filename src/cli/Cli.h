#pragma once
// velno-cli: the data folder from the command line, for scripts and checks.

#include <iosfwd>
#include <string>
#include <vector>

namespace velno::cli {

enum ExitCode { Ok = 0, Failure = 1, Usage = 2 };

int run(int argc, char** argv);
// The same with explicit streams, for tests.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace velno::cli
