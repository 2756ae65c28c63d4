#pragma once
// A list of texts whose lookup ignores letter case as the user's locale folds it.

#include <string>
#include <vector>

namespace framework {

class TStringList {
public:
    void Add(std::string text) { items_.push_back(std::move(text)); }
    void Assign(const std::vector<std::string>& items) { items_ = items; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
    // Position of the first entry equal to `text` over its whole length,
    // letter case ignored; -1 when there is none.
    int IndexOf(const std::string& text) const;

private:
    std::vector<std::string> items_;
};

}  // namespace framework
