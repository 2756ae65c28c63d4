#pragma once
#include <string>

namespace framework {

// A modal message with the application's title as caption, no icon and one
// OK button (Enter and Esc press it too).
void ShowMessage(const std::string& text);

}  // namespace framework
