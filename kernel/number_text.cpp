// Conversions between numbers and the texts of the boxes and labels.

#include "kernel/checked.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace zelvanu {

namespace {

// Where the standard library converts doubles itself (std::from_chars and std::to_chars, found by
// the build as ZELVANU_FLOAT_CHARCONV), that is what the kernel uses. The browser build's library
// lacks them; there the C library's strtod and printf do the same: correctly rounded, and always
// with "." as the decimal point, since emscripten's C library has no other numeric locale.
// (Locale-aware streams would do it anywhere, but would treble the size of the page's module.)
#if !ZELVANU_FLOAT_CHARCONV && !defined(__EMSCRIPTEN__)
#error "strtod and printf read and write '.' as the decimal point only in emscripten's C library"
#endif

// The double nearest to plain decimal digits with an optional point; ±infinity when the value is
// too large for a double, 0 when it is too small (integerDigitsNonZero tells which).
double decimalToDouble(const std::string& ascii, bool integerDigitsNonZero) {
    double value = 0.0;
    bool outOfRange = false;
#if ZELVANU_FLOAT_CHARCONV
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    outOfRange = ec == std::errc::result_out_of_range;
#else
    errno = 0;
    value = std::strtod(ascii.c_str(), nullptr);
    outOfRange = errno == ERANGE;
#endif
    if (outOfRange)
        value = integerDigitsNonZero ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

// One character of a box's text as far as a number is concerned. Anything that is not part of
// the number grammar, invalid UTF-8 included, is Other and ends the number.
struct Symbol {
    enum class Kind { Blank, Plus, Minus, Digit, Point, Other, End };
    Kind kind;
    char digit;      // '0'..'9' when kind is Digit
    std::size_t len; // bytes the character occupies
};

// The code point of a well-formed three-byte UTF-8 sequence at s[i], or 0 when there is none.
// Every character the number grammar reads beyond ASCII takes three bytes.
char32_t threeByteCodePointAt(std::string_view s, std::size_t i) {
    if (i + 3 > s.size())
        return 0;
    const auto b0 = static_cast<unsigned char>(s[i]);
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    const auto b2 = static_cast<unsigned char>(s[i + 2]);
    if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
        return 0;
    return static_cast<char32_t>(((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
}

Symbol symbolAt(std::string_view s, std::size_t i) {
    using K = Symbol::Kind;
    if (i >= s.size())
        return {K::End, 0, 0};
    switch (s[i]) {
    case ' ':
    case '\t':
        return {K::Blank, 0, 1};
    case '+':
        return {K::Plus, 0, 1};
    case '-':
        return {K::Minus, 0, 1};
    case '.':
        return {K::Point, 0, 1};
    default:
        if (s[i] >= '0' && s[i] <= '9')
            return {K::Digit, s[i], 1};
    }
    const char32_t c = threeByteCodePointAt(s, i);
    switch (c) {
    case U'\u3000': // ideographic space
        return {K::Blank, 0, 3};
    case U'\uFF0B': // full-width plus
        return {K::Plus, 0, 3};
    case U'\uFF0D': // full-width hyphen-minus
    case U'\u2212': // minus sign
    case U'\u30FC': // prolonged sound mark: what romaji input types for "-"
        return {K::Minus, 0, 3};
    case U'\uFF0E': // full-width full stop
        return {K::Point, 0, 3};
    default:
        if (c >= U'\uFF10' && c <= U'\uFF19') // full-width digits
            return {K::Digit, static_cast<char>('0' + (c - U'\uFF10')), 3};
        return {K::Other, 0, 1};
    }
}

} // namespace

double textToDouble(std::string_view text) {
    using K = Symbol::Kind;
    std::size_t i = 0;
    Symbol sym = symbolAt(text, i);
    while (sym.kind == K::Blank) {
        i += sym.len;
        sym = symbolAt(text, i);
    }
    bool negative = false;
    if (sym.kind == K::Plus || sym.kind == K::Minus) {
        negative = sym.kind == K::Minus;
        i += sym.len;
        sym = symbolAt(text, i);
    }

    // Gather the number in plain ASCII for a locale-independent, correctly rounded conversion.
    std::string ascii;
    bool nonZeroIntegerDigit = false;
    bool anyDigit = false;
    for (; sym.kind == K::Digit; i += sym.len, sym = symbolAt(text, i)) {
        ascii += sym.digit;
        nonZeroIntegerDigit = nonZeroIntegerDigit || sym.digit != '0';
        anyDigit = true;
    }
    if (sym.kind == K::Point) {
        Symbol next = symbolAt(text, i + sym.len);
        if (next.kind == K::Digit) {
            ascii += '.';
            for (i += sym.len; next.kind == K::Digit; i += next.len, next = symbolAt(text, i))
                ascii += next.digit;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    const double value = decimalToDouble(ascii, nonZeroIntegerDigit);
    return negative ? -value : value;
}

std::string int16ToText(i16 a) {
    return std::to_string(a);
}

std::string doubleToText(double x) {
#if ZELVANU_FLOAT_CHARCONV
    char buffer[32]; // the shortest form of any double fits in 24 characters
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
    (void)ec;
    return std::string(buffer, end);
#else
    // The program passes only whole numbers far below 10^17, which 17 significant digits write as
    // plain digits, exactly as the shortest form does.
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return std::string(buffer, static_cast<std::size_t>(length));
#endif
}

} // namespace zelvanu
