#include "cli/Cli.h"

int main(int argc, char** argv) {
    return velno::cli::run(argc, argv);
}
