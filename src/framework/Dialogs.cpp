#include "framework/Dialogs.h"

#include "framework/Application.h"

namespace framework {

void ShowMessage(const std::string& text) {
    if (Application) Application->ShowMessageBox(text, Application->Title(), MB_OK);
}

}  // namespace framework
