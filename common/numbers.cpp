#include "common/numbers.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace common {
namespace {

// The C library's readers and writers follow the process locale, which a GUI
// program may have switched to one with a decimal comma. Numbers here always
// use ".", so every conversion goes through a private "C" locale.
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The number found at the start of `s`: either a decimal text normalised for
// strtod (exponent letter turned into 'e') or a radix integer.
struct Scanned {
    std::size_t length = 0;  // characters of `s` that form the number; 0 = none
    bool radix = false;
    double radixValue = 0;
    std::string decimal;
};

Scanned scanNumber(std::string_view s)
{
    Scanned out;
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
        if (base != 0) {
            std::size_t i = 2;
            double v = 0;
            while (i < s.size()) {
                const int d = hexValue(s[i]);
                if (d < 0 || d >= base) break;
                v = v * base + d;
                ++i;
            }
            if (i > 2) {
                out.length = i;
                out.radix = true;
                out.radixValue = v;
            }
            return out;
        }
        return out;
    }

    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') out.decimal += '-';
        ++i;
    }
    bool point = false;
    int digits = 0;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        out.decimal += s[i];
        ++i;
    }
    if (digits == 0) {
        out.decimal.clear();
        return out;
    }
    out.length = i;
    // An exponent counts only when at least one digit follows its letter.
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j])) exp += s[j++];
        if (j > firstDigit) {
            out.decimal += exp;
            out.length = j;
        }
    }
    return out;
}

template <typename T>
T toValue(const Scanned& n)
{
    if (n.radix) return static_cast<T>(n.radixValue);
    if constexpr (sizeof(T) == sizeof(float)) {
        return strtof_l(n.decimal.c_str(), nullptr, cLocale());
    } else {
        return strtod_l(n.decimal.c_str(), nullptr, cLocale());
    }
}

template <typename T>
T lenient(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) packed += c;
    }
    const Scanned n = scanNumber(packed);
    if (n.length == 0) return T(0);
    return toValue<T>(n);
}

template <typename T>
std::optional<T> strict(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view core = text.substr(b, e - b);
    const Scanned n = scanNumber(core);
    if (n.length == 0 || n.length != core.size()) return std::nullopt;
    const T v = toValue<T>(n);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// Shared by both text forms and both precisions; see the exponent rule in the header.
std::string formatNumber(double value, int precision, bool blankSigned)
{
    if (std::isnan(value)) return blankSigned ? " NaN" : "NaN";
    if (std::isinf(value)) {
        if (value < 0) return "-Inf";
        return blankSigned ? " Inf" : "Inf";
    }
    const bool negative = value < 0;
    const std::string sign = negative ? "-" : (blankSigned ? " " : "");
    if (value == 0) return blankSigned ? " 0" : "0";  // -0 prints as 0

    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
    // buf reads d<point>ddd...e<sign>xx; the point character depends on the locale.
    std::string digits;
    const char* p = buf;
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (isDigit(*p)) digits += *p;
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string body;
    if (exponent >= precision || exponent < -5) {
        body = digits.substr(0, 1);
        if (digits.size() > 1) {
            body += '.';
            body += digits.substr(1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += exp;
    } else if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            body = digits + std::string(whole - digits.size(), '0');
        } else {
            body = digits.substr(0, whole);
            body += '.';
            body += digits.substr(whole);
        }
    } else {
        if (!blankSigned) body += '0';
        body += '.';
        body.append(static_cast<std::size_t>(-exponent - 1), '0');
        body += digits;
    }
    body.insert(0, sign);
    return body;
}

}  // namespace

double parseLenient(std::string_view text) { return lenient<double>(text); }
float parseLenientSingle(std::string_view text) { return lenient<float>(text); }
std::optional<double> parseStrict(std::string_view text) { return strict<double>(text); }
std::optional<float> parseStrictSingle(std::string_view text) { return strict<float>(text); }

std::string plainText(double value) { return formatNumber(value, 15, false); }
std::string plainTextSingle(float value) { return formatNumber(value, 7, false); }
std::string signedText(double value) { return formatNumber(value, 15, true); }
std::string signedTextSingle(float value) { return formatNumber(value, 7, true); }

double roundHalfEven(double value)
{
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<std::int16_t> roundToInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

}  // namespace common
