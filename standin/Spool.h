#pragma once
// The printer's spool folder: each finished job is NAME.pdf, with the
// document's name in NAME.title beside it.

#include <optional>
#include <string>

namespace standin {

struct Job {
    std::string pdfPath;
    std::string documentName;
    std::string time;  // when it was spooled, local time
    unsigned long long size = 0;
};

enum class SpoolState { Missing, Empty, HasJob };

class Spool {
public:
    explicit Spool(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const { return folder_; }
    // The oldest job, if any.
    SpoolState Next(Job& job) const;
    // Writes the job's PDF under `path`, replacing a file there at once:
    // a reader sees the old file or the whole new one, never a part.
    bool SaveAs(const Job& job, const std::string& path) const;
    void Discard(const Job& job) const;
    // Moves an unreadable job aside so it is not taken again.
    void SetAside(const Job& job) const;

private:
    std::string folder_;
};

}  // namespace standin
