#pragma once
// The title and subtitle lines that open a page command's text output.

#include <ostream>
#include <string>

namespace velno::cli {

inline void printHeading(std::ostream& out, const std::string& title, const std::string& subtitle) {
    out << title << '\n' << subtitle << '\n';
}

}  // namespace velno::cli
