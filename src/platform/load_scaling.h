#pragma once
// The modal dialog in which the user picks how load or force arrows are scaled.

#include <optional>
#include <string>

namespace platform {

struct LoadScaling {
    int option = 1;       // the scale option (1 to 5)
    double factor = 1.0;  // its factor
    friend bool operator==(const LoadScaling&, const LoadScaling&) = default;
};

class LoadScalingService {
public:
    virtual ~LoadScalingService() = default;
    // type: the scale-factor type of the kind (2 distributed loads, 3 line loads,
    // 4 reinforcement forces); title: the dialog's title; current: the option and factor in
    // force. Answers the user's choice, or nothing when the dialog was cancelled.
    virtual std::optional<LoadScaling> GetLoadScaling(int type, const std::string& title,
                                                      const LoadScaling& current) = 0;
};

}  // namespace platform
