#pragma once
// The bands of a report and the label a band carries.

#include <memory>
#include <vector>

#include "report/ReportDescription.h"

namespace report {

class TQRLabel {
public:
    explicit TQRLabel(const LabelDescription& d) : description(d) {}
    const LabelDescription& description;
};

class TQRCustomBand {
public:
    explicit TQRCustomBand(const BandDescription& d) : description(d) {}
    virtual ~TQRCustomBand() = default;
    TQRLabel* AddLabel(const LabelDescription& d) {
        labels_.push_back(std::make_unique<TQRLabel>(d));
        return labels_.back().get();
    }
    const std::vector<std::unique_ptr<TQRLabel>>& Labels() const { return labels_; }
    // A group band prints only when records are processed.
    virtual bool PrintsWithoutRecords() const = 0;

    const BandDescription& description;

private:
    std::vector<std::unique_ptr<TQRLabel>> labels_;
};

class TQRBand : public TQRCustomBand {
public:
    using TQRCustomBand::TQRCustomBand;
    bool PrintsWithoutRecords() const override { return description.type == BandType::Title; }
};

class TQRGroup : public TQRCustomBand {
public:
    using TQRCustomBand::TQRCustomBand;
    bool PrintsWithoutRecords() const override { return false; }
};

}  // namespace report
