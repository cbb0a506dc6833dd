#pragma once
// Number conversions shared by the three programs. No Qt here.
//
// Texts are UTF-8. Double-precision forms work to 15 significant digits,
// the single-precision forms (beamwizard) to 7.
//
// Exponent rule (both text forms, both precisions): the value is first
// rounded to P significant digits (P = 15 or 7); with E its decimal exponent
// after that rounding (1234.5 has E = 3), the text is in exponent form when
// E >= P or E < -5, otherwise in positional form. Exponent form is the
// shortest mantissa, "E", the exponent's sign and at least two digits:
// "1E-20", "1.234568E+07", "-2.5E+15".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Lenient parse: blanks, tabs, CR and LF anywhere are ignored, then the longest
// leading number is read (sign, digits with one ".", exponent by E/e/D/d;
// "&H" hexadecimal and "&O" octal integers). No number gives 0; never fails.
// A magnitude beyond the type's range gives an infinity of the right sign.
double parseLenient(std::string_view text);
float parseLenientSingle(std::string_view text);

// Strict parse: the whole text, blanks around it allowed, must be one number
// of the form above. Anything else, the empty text included, gives nullopt,
// and so does a finite-looking text whose value overflows the type.
std::optional<double> parseStrict(std::string_view text);
std::optional<float> parseStrictSingle(std::string_view text);

// Plain number text: 3 -> "3", 0.5 -> "0.5", -2 -> "-2", 0.1+0.2 -> "0.3".
std::string plainText(double value);
std::string plainTextSingle(float value);

// Blank-signed number text: a blank before a value that is not negative,
// no zero before the point below 1: 3 -> " 3", 0.5 -> " .5", -0.5 -> "-.5".
std::string signedText(double value);
std::string signedTextSingle(float value);

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Non-finite values are returned as they are.
double roundHalfEven(double value);

// A typed value rounded to a 16-bit integer, halves to even; nullopt when the
// rounded value lies outside -32768..32767 or is not a number (an overflow).
std::optional<std::int16_t> roundToInt16(double value);

}  // namespace common
