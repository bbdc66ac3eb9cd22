#pragma once
// The one place where the program's UTF-8 texts become Qt strings.

#include <QString>
#include <string>

namespace velno {

inline QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace velno
