#pragma once

namespace report {

inline constexpr char kPrinterIndexOutOfRange[] = "Printer index out of range";
inline constexpr char kPrinterNotValid[] = "Printer selected is not valid";

}  // namespace report
