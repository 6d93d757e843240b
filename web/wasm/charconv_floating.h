// std::to_chars of a double, for the web build only: emscripten's libc++ (13) declares the
// floating-point overloads but does not have them. Forced into every file of the web build
// (web/wasm/CMakeLists.txt). The forms are those of the standard: with a format and a precision
// the printf conversion %.*f or %.*e, whose digits are correctly rounded as the library's are;
// without, the shortest digits that read back to the same double, written fixed or scientific,
// whichever is shorter (fixed on a tie). The report and the results document then carry the same
// digits in the browser as from the native command.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace orvane_web_charconv {

inline std::to_chars_result Copied(char* first, char* last, const std::string& text) {
    if (static_cast<std::ptrdiff_t>(text.size()) > last - first) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

inline std::string Printed(const char* form, int precision, double x) {
    const int n = std::snprintf(nullptr, 0, form, precision, x);
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(&text[0], text.size(), form, precision, x);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// The shortest round-trip form of a finite, nonzero x (without its sign).
inline std::string Shortest(double x) {
    std::string e;
    for (int p = 1; p <= 17; ++p) {
        e = Printed("%.*e", p - 1, x);
        if (std::strtod(e.c_str(), nullptr) == x) break;
    }
    // e is d[.ddd]e±XX: its digits and decimal exponent
    const std::size_t at = e.find('e');
    std::string digits;
    for (std::size_t i = 0; i < at; ++i) {
        if (e[i] != '.') digits += e[i];
    }
    const int exponent = std::atoi(e.c_str() + at + 1);
    const int n = static_cast<int>(digits.size());
    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    char tail[8];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    scientific += tail;
    std::string fixed;
    if (exponent >= n - 1) {
        fixed = digits + std::string(static_cast<std::size_t>(exponent - n + 1), '0');
    } else if (exponent >= 0) {
        fixed = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

}  // namespace orvane_web_charconv

namespace std {

inline to_chars_result to_chars(char* first, char* last, double x, chars_format fmt, int precision) {
    const char* form = fmt == chars_format::scientific ? "%.*e" : "%.*f";
    return orvane_web_charconv::Copied(first, last, orvane_web_charconv::Printed(form, precision, x));
}

inline to_chars_result to_chars(char* first, char* last, double x) {
    if (!std::isfinite(x) || x == 0.0) {
        return orvane_web_charconv::Copied(first, last, orvane_web_charconv::Printed("%.*g", 1, x));
    }
    const std::string text = orvane_web_charconv::Shortest(std::fabs(x));
    return orvane_web_charconv::Copied(first, last, std::signbit(x) ? "-" + text : text);
}

}  // namespace std
