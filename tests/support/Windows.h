#pragma once
// Looking at another process's windows as a user would see them.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

std::string ClassNameOf(HWND window);
// The whole text, however long, through WM_GETTEXT.
std::string TextOf(HWND window);
// Direct children in z-order, which is also tab order.
std::vector<HWND> ChildrenOf(HWND window);
// Every top-level window of a process whose class is `className` (any when null).
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* className = nullptr);
// Polls `condition` until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// The first top-level window of the process with that class, waiting for it.
HWND WaitForWindowOf(DWORD processId, const char* className, std::chrono::milliseconds timeout);
// Position relative to the parent's client area (screen for a top-level window).
RECT BoundsInParent(HWND window);

}  // namespace testsupport
