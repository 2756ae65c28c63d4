#include "support/SubstituteWindowSystem.h"

namespace testsupport {

std::string SubstituteWindowSystem::Name(WindowHandle w) const {
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (windows[i] == w) return std::to_string(i);
    return "?";
}

platform::WindowHandle SubstituteWindowSystem::FindTopLevelWindow(const char* title) {
    calls.push_back("find");
    const int n = lookups++;
    return lookup ? lookup(n) : Win32WindowSystem::FindTopLevelWindow(title);
}

void SubstituteWindowSystem::ReadClassName(WindowHandle w, char* buffer, int size) {
    calls.push_back("class " + Name(w));
    readSizes.push_back(size);
    if (!className) return Win32WindowSystem::ReadClassName(w, buffer, size);
    const std::string name = className(w).substr(0, static_cast<std::size_t>(size - 1));
    name.copy(buffer, name.size());
    buffer[name.size()] = '\0';
}

void SubstituteWindowSystem::ReadText(WindowHandle w, char* buffer, int size) {
    calls.push_back("text " + Name(w));
    readSizes.push_back(size);
    Win32WindowSystem::ReadText(w, buffer, size);
}

void SubstituteWindowSystem::WriteText(WindowHandle w, const char* text) {
    calls.push_back("settext " + Name(w));
    Win32WindowSystem::WriteText(w, text);
}

void SubstituteWindowSystem::BringToTop(WindowHandle w) {
    calls.push_back("top " + Name(w));
    Win32WindowSystem::BringToTop(w);
}

void SubstituteWindowSystem::PostLeftButtonDown(WindowHandle w) {
    calls.push_back("down " + Name(w));
    Win32WindowSystem::PostLeftButtonDown(w);
}

void SubstituteWindowSystem::PostLeftButtonUp(WindowHandle w) {
    calls.push_back("up " + Name(w));
    Win32WindowSystem::PostLeftButtonUp(w);
}

void SubstituteWindowSystem::Sleep(unsigned milliseconds) {
    calls.push_back("sleep " + std::to_string(milliseconds));
    if (realSleep) Win32WindowSystem::Sleep(milliseconds);
}

double SubstituteWindowSystem::Now() {
    const int n = clockReads++;
    return clock ? clock(n) : Win32WindowSystem::Now();
}

}  // namespace testsupport
