#pragma once
// Texts cross process command lines and pipes as hex, so that any byte
// sequence (invalid Big5 included) arrives unchanged.

#include <string>

namespace testsupport {

inline std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out.empty() ? "-" : out;  // "-" stands for the empty text
}

inline std::string FromHex(const std::string& hex) {
    if (hex == "-") return {};
    auto value = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(value(hex[i]) * 16 + value(hex[i + 1]));
    return out;
}

}  // namespace testsupport
