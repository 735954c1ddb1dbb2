#include "platform/services.h"

#include <gtest/gtest.h>

namespace {

TEST(ServiceRegistry, StandInsAnswerSilentlyUntilSomethingIsRegistered) {
    auto& services = platform::Services();
    services.Reset();
    platform::MessageBoxRequest request;
    request.buttons = platform::BoxButtons::YesNo;
    request.defaultButton = platform::BoxResult::No;
    EXPECT_EQ(services.MessageBoxes().Show(request), platform::BoxResult::No);
    EXPECT_FALSE(services.FileDialogs().GetOpenFileName({}).has_value());
    EXPECT_EQ(services.Processes().Start("/bin/true", {}, "."), 0);
}

TEST(ServiceRegistry, ProfileNumbersAreStrictDecimalsAndEmptyKeysKeepTheDefault) {
    auto& profile = platform::Services().Profile();
    profile.SetString("GENERAL", "Units Type", "2");
    profile.SetString("GENERAL", "Empty", "");
    profile.SetString("CONSTANTS", "Hex", "0x10");
    profile.SetString("CONSTANTS", "Inf", "inf");
    profile.SetDouble("CONSTANTS", "Water", 62.4);
    EXPECT_EQ(profile.GetInt("GENERAL", "Units Type"), 2);
    EXPECT_FALSE(profile.GetString("GENERAL", "Empty").has_value());
    EXPECT_FALSE(profile.GetInt("CONSTANTS", "Hex").has_value());
    EXPECT_FALSE(profile.GetDouble("CONSTANTS", "Inf").has_value());
    EXPECT_EQ(profile.GetDouble("CONSTANTS", "Water"), 62.4);
}

TEST(ServiceRegistry, ProgressStandInShowsNothingAndIsNeverCancelled) {
    auto& progress = platform::Services().Progress();
    progress.Begin("Reading", 10);
    progress.Step(5);
    EXPECT_FALSE(progress.IsActive());
    EXPECT_FALSE(progress.CancelRequested());
    progress.End();
}

TEST(ProgressPercent, IsTheWholePercentageOfStepsDoneClampedToTheTask) {
    struct Case {
        std::int64_t done, total;
        int percent;
    };
    const Case cases[] = {{0, 10, 0},    {1, 3, 33},    {2, 3, 66},
                          {10, 10, 100}, {11, 10, 100}, {-5, 10, 0},
                          {5, 0, 0},     {5, -1, 0},    {4'000'000'000'000, 8'000'000'000'000, 50}};
    for (const Case& c : cases)
        EXPECT_EQ(platform::ProgressPercent(c.done, c.total), c.percent)
            << c.done << " of " << c.total;
}

}  // namespace
