#include "framework/TextToNumber.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "framework/Exception.h"

namespace framework {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar ourselves: strtod also takes hex, "inf" and "nan".
bool IsDecimalNumber(const std::string& s) {
    const std::size_t end = s.size();
    std::size_t i = 0;
    if (i < end && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < end && IsDigit(s[i])) ++i, ++digits;
    if (i < end && s[i] == '.') {
        ++i;
        while (i < end && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < end && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < end && IsDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == end;
}

}  // namespace

double StrToFloat(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    const std::string body = text.substr(begin, end - begin);
    if (!IsDecimalNumber(body))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    // The C locale's strtod, so the separator is always '.'.
    static _locale_t c_locale = _create_locale(LC_NUMERIC, "C");
    const double value = _strtod_l(body.c_str(), nullptr, c_locale);
    if (!std::isfinite(value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

}  // namespace framework
