#pragma once
// The one-click optimisation: the system changes, made at once when the user
// presses the button, and the staged display of about forty seconds that the
// main window's Timer1 then plays, ending with the pending-reboot marker and
// the start-with-Windows value.

#include <cstdint>
#include <span>
#include <string_view>

#include "optimise/RegistryChangeList.h"

namespace brivex {

class App;
class FrmHome;

// One stage of the display: reached when Bar1's value gets to `value`.
struct Stage {
    std::int32_t value;
    std::int32_t interval;  // 0: Timer1's interval is left alone
    std::string_view textKey;
    std::string_view holder;  // the picture holder whose picture Image9 takes
};

inline constexpr Stage kStages[] = {
    {1, 0, "msg1", "Image2"},     {10, 1100, "msg2", "Image3"}, {20, 250, "msg3", "Image4"},
    {35, 800, "msg4", "Image5"},  {55, 180, "msg5", "Image6"},  {68, 250, "msg6", "Image10"},
    {80, 100, "msg7", "Image7"},  {100, 0, "msg8", "Image8"},
};

inline constexpr char kAutoRestorePoint[] = "Brivex Auto Optimisation ";

class Optimisation {
public:
    Optimisation(App& app, FrmHome& home) : app_(app), home_(home) {}

    // The press of "Optimiser Windows".
    void Command1_Click();
    // Each tick of Timer1.
    void Timer1_Timer();

private:
    void WriteChanges(std::span<const RegistryChange> changes, bool largeMemory, std::int32_t pageLockValue);
    void ShowStage(const Stage& stage);
    void Finish();

    App& app_;
    FrmHome& home_;
};

}  // namespace brivex
