#pragma once
#include <string>

namespace framework {

// The run-time's text-to-number conversion: a whole decimal number, optionally
// signed, with '.' as decimal separator and an optional exponent; blanks
// around it are allowed. Anything else raises EConvertError.
double StrToFloat(const std::string& text);

}  // namespace framework
