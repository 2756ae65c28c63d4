#include "support/ChildProcess.h"

namespace testsupport {
namespace {

std::string Quote(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& added) {
    std::string block;
    if (added.empty()) return block;
    char* current = GetEnvironmentStringsA();
    for (const char* p = current; *p; p += strlen(p) + 1) block.append(p).push_back('\0');
    FreeEnvironmentStringsA(current);
    for (const auto& [name, value] : added) block.append(name + "=" + value).push_back('\0');
    block.push_back('\0');
    return block;
}

}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const StartOptions& options) {
    const std::string path =
        program.find_first_of("\\/:") == std::string::npos ? ProgramFolder() + program : program;
    std::string commandLine = Quote(path);
    for (const auto& a : arguments) commandLine += " " + Quote(a);

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    if (options.showCommand >= 0) {
        startup.dwFlags |= STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(options.showCommand);
    }
    std::string environment = EnvironmentBlock(options.environment);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    if (!CreateProcessA(path.c_str(), mutableLine.data(), nullptr, nullptr, TRUE, 0,
                        environment.empty() ? nullptr : environment.data(), nullptr, &startup,
                        &info_)) {
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        output_->ended = true;
        return;
    }
    CloseHandle(writeEnd);
    reader_ = std::thread(ReadOutput, readEnd, output_);
}

ChildProcess::~ChildProcess() {
    Kill();
    if (reader_.joinable()) {
        std::unique_lock<std::mutex> lock(output_->mutex);
        const bool ended = output_->changed.wait_for(lock, std::chrono::seconds(2), [&] { return output_->ended; });
        lock.unlock();
        if (ended) reader_.join();
        else reader_.detach();  // it ends when the last holder of the pipe does
    }
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    return !info_.hProcess ||
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void ChildProcess::Kill() {
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

void ChildProcess::ReadOutput(HANDLE pipe, std::shared_ptr<Output> output) {
    std::string pending;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        pending.append(buffer, got);
        std::size_t eol;
        std::lock_guard<std::mutex> lock(output->mutex);
        while ((eol = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, eol);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            output->lines.push_back(std::move(line));
            pending.erase(0, eol + 1);
        }
        output->changed.notify_all();
    }
    CloseHandle(pipe);
    std::lock_guard<std::mutex> lock(output->mutex);
    output->ended = true;
    output->changed.notify_all();
}

std::optional<std::string> ChildProcess::WaitForLine(const std::string& prefix,
                                                     std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(output_->mutex);
    std::optional<std::string> found;
    output_->changed.wait_for(lock, timeout, [&] {
        for (const auto& line : output_->lines)
            if (line.rfind(prefix, 0) == 0) {
                found = line;
                return true;
            }
        return output_->ended;
    });
    return found;
}

std::vector<std::string> ChildProcess::LinesWith(const std::string& prefix) {
    std::lock_guard<std::mutex> lock(output_->mutex);
    std::vector<std::string> found;
    for (const auto& line : output_->lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

std::vector<std::string> ChildProcess::Lines() {
    std::lock_guard<std::mutex> lock(output_->mutex);
    return output_->lines;
}

}  // namespace testsupport
