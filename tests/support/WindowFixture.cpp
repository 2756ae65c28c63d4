#include "support/WindowFixture.h"

#include <cstdlib>

#include "support/Hex.h"

namespace testsupport {

using namespace std::chrono_literals;

HWND HandleFromReport(const std::string& line) {
    return reinterpret_cast<HWND>(
        static_cast<UINT_PTR>(std::strtoull(line.substr(line.rfind(' ') + 1).c_str(), nullptr, 10)));
}

std::vector<std::string> WindowFixture::Arguments(const std::string& title,
                                                  const std::vector<FixtureControl>& controls,
                                                  const std::vector<std::string>& extra) {
    std::vector<std::string> args{"--title", ToHex(title)};
    for (const auto& c : controls) {
        args.insert(args.end(), {"--control", std::to_string(c.depth), c.className, ToHex(c.text)});
    }
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

WindowFixture::WindowFixture(const std::string& title, const std::vector<FixtureControl>& controls,
                             const std::vector<std::string>& extraArguments)
    : process_("WindowFixture.exe", Arguments(title, controls, extraArguments)) {
    const auto ready = process_.WaitForLine("ready ", 15s);
    if (!ready) return;
    window_ = HandleFromReport(*ready);
    for (const auto& line : process_.LinesWith("control ")) controls_.push_back(HandleFromReport(line));
}

std::vector<std::string> WindowFixture::TextsSetInto(std::size_t i) {
    std::vector<std::string> texts;
    const std::string prefix = "settext " + std::to_string(i) + " ";
    for (const auto& line : process_.LinesWith(prefix)) texts.push_back(FromHex(line.substr(prefix.size())));
    return texts;
}

bool WindowFixture::Settle() {
    const std::size_t before = process_.LinesWith("marker").size();
    PostMessageA(window_, WM_APP, 0, 0);
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
        if (process_.LinesWith("marker").size() > before) return true;
        Sleep(10);
    }
    return false;
}

std::vector<std::string> WindowFixture::Events(const std::string& kind) {
    return process_.LinesWith(kind + " ");
}

}  // namespace testsupport
