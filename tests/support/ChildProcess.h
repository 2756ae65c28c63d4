#pragma once
// A program started by a test: its standard output is read line by line on a
// thread of ours, and it is killed when the test lets go of it, so a test
// never leaves a process behind or waits without a bound.

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

struct StartOptions {
    int showCommand = -1;  // -1: the default
    std::vector<std::pair<std::string, std::string>> environment;  // added variables
};

class ChildProcess {
public:
    // `program` is a file name beside the test program, or a full path.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const StartOptions& options = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    bool Running() const;
    // True when the process ended within the time.
    bool WaitForExit(std::chrono::milliseconds timeout) const;
    void Kill();

    // The first line (from the start) beginning with `prefix`, waiting up to `timeout`.
    std::optional<std::string> WaitForLine(const std::string& prefix,
                                           std::chrono::milliseconds timeout);
    // Lines beginning with `prefix` seen so far.
    std::vector<std::string> LinesWith(const std::string& prefix);
    std::vector<std::string> Lines();

private:
    // Shared with the reader thread, which may outlive this object: a process
    // the child started can inherit the pipe and keep it open after the kill.
    struct Output {
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<std::string> lines;
        bool ended = false;
    };
    static void ReadOutput(HANDLE pipe, std::shared_ptr<Output> output);

    PROCESS_INFORMATION info_{};
    std::thread reader_;
    std::shared_ptr<Output> output_ = std::make_shared<Output>();
};

// The folder of the running test program, ending with a backslash.
std::string ProgramFolder();

}  // namespace testsupport
