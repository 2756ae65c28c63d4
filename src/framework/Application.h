#pragma once
// The application object: its forms, its message loop, its title and the
// standard display of errors that no handler caught.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Form.h"

namespace framework {

// The message with "." appended when its last character, judged by its first
// byte, sorts after "." (as the error display shows it).
std::string WithFullStop(const std::string& message);

// The title an application has when none is set: the program file's name up
// to its first ".", first character as stored, the rest in lower case.
std::string DefaultTitle(const std::string& programPath);

class TApplication {
public:
    void Initialize();

    // Creates a form, stores it in `reference`; the first becomes the main form.
    template <typename Form>
    void CreateForm(Form*& reference) {
        auto form = std::make_unique<Form>();
        reference = form.get();
        if (!mainForm_) mainForm_ = form.get();
        forms_.push_back(std::move(form));
    }

    // Shows the main form as the process was asked to show its first window
    // and runs the message loop until the main form is closed.
    void Run();
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();

    TForm* MainForm() const { return mainForm_; }
    const std::string& Title() const { return title_; }

    // For a catch block: shows the exception being handled.
    void HandleException();
    // Stop icon, OK, the title as caption; every window of the program is
    // disabled until it is closed.
    void ShowException(const std::string& message);
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

private:
    void Dispatch(MSG& message);

    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
};

extern TApplication* Application;

}  // namespace framework
