#include "store/Clock.h"

#include <chrono>
#include <cstdlib>

namespace velno {

std::optional<CalendarDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto digits = [&](std::size_t from, std::size_t n) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + n; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
    if (!y || !m || !d) return std::nullopt;
    const std::chrono::year_month_day ymd{std::chrono::year{*y}, std::chrono::month{unsigned(*m)},
                                          std::chrono::day{unsigned(*d)}};
    if (!ymd.ok() || *y < 1950 || *y > 2199) return std::nullopt;
    return CalendarDate{*y, *m, *d};
}

CalendarDate systemToday() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate resolveToday(std::optional<std::string_view> override) {
    if (override) {
        if (auto d = parseIsoDate(*override)) return *d;
    }
    if (const char* env = std::getenv("VELNO_TODAY")) {
        if (auto d = parseIsoDate(env)) return *d;
    }
    return systemToday();
}

}  // namespace velno
