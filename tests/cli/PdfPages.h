#pragma once
// The number of pages of a PDF file written by velno-cli; -1 when the file
// is no PDF.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace velno::test {

inline int pdfPages(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.rfind("%PDF-", 0) != 0) return -1;
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                          std::sregex_iterator()));
}

}  // namespace velno::test
