#include "cli/Cli.h"

#include <iostream>

namespace velno::cli {

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return run(args, std::cin, std::cout, std::cerr);
}

int run(const std::vector<std::string>& args, std::istream&, std::ostream&, std::ostream& err) {
    if (args.empty()) {
        err << "usage: velno-cli [--data DIR] [--today YYYY-MM-DD] <command>\n";
        return Usage;
    }
    return Usage;
}

}  // namespace velno::cli
