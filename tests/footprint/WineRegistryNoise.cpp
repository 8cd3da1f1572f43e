#include "footprint/WineRegistryNoise.h"

#include <algorithm>

namespace brivex::footprint {

namespace {

// Measured in fresh prefixes, with the program started and quitted untouched
// and with the full run alone: everything here is written as the first window
// of a Wine session appears (the display driver sets up its adapter, its
// monitor and its modes; Notepad as the first program does the same). A later
// program of the same session, even one worked through every window, leaves
// Wine nothing to write.
constexpr NoiseRule kNoise[] = {
    // The display adapters the graphics driver registers, and the modes and
    // monitor it records for the current hardware profile.
    {NoiseScope::Subtree, "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Video", ""},
    {NoiseScope::Subtree, "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\System", ""},
    {NoiseScope::Subtree, "HKEY_LOCAL_MACHINE\\Hardware\\DEVICEMAP\\VIDEO", ""},
    // Device interfaces of the adapter (display adapter, display device arrival) and of the monitor.
    {NoiseScope::Subtree,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\DeviceClasses\\{1CA05180-A699-450A-9A0C-DE4FBE3DDD89}",
     ""},
    {NoiseScope::Subtree,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\DeviceClasses\\{5B45201D-F2F2-4F3B-85BB-30FF1F953599}",
     ""},
    {NoiseScope::Subtree,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\DeviceClasses\\{E6F07B5F-EE97-4A90-B076-33F57BF4EAA7}",
     ""},
    // The display and monitor device classes: the descriptions the prefix's
    // creation gave them ("Display adapters", "Monitors") are dropped, and the
    // adapter's driver date is written again: as data, and as text too when
    // the day has changed since the prefix was made (a run over midnight).
    {NoiseScope::Value,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}", ""},
    {NoiseScope::Value,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000",
     "DriverDateData"},
    {NoiseScope::Value,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\0000",
     "DriverDate"},
    {NoiseScope::Value,
     "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E96E-E325-11CE-BFC1-08002BE10318}", ""},
    // A counter the service manager keeps in this volatile key; it moves with the display set-up above.
    {NoiseScope::Value, "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\ServiceCurrent", ""},
    // The session's system parameters (colours, metrics, mouse) kept by Wine apart from the user's own.
    {NoiseScope::Subtree, "HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters", ""},
};

}  // namespace

std::span<const NoiseRule> WineRegistryNoise() { return kNoise; }

bool Covers(const NoiseRule& rule, const Difference& difference) {
    const bool isKeyChange = difference.change == Change::KeyCreated || difference.change == Change::KeyDeleted;
    switch (rule.scope) {
        case NoiseScope::Value:
            return !isKeyChange && SameName(difference.key, rule.key) && SameName(difference.valueName, rule.valueName);
        case NoiseScope::Subtree: return IsAtOrUnder(difference.key, rule.key);
    }
    return false;
}

bool CoversKey(const NoiseRule& rule, std::string_view key) {
    return rule.scope == NoiseScope::Subtree ? IsAtOrUnder(key, rule.key) : SameName(key, rule.key);
}

bool IsWineNoise(const Difference& difference) {
    return std::any_of(std::begin(kNoise), std::end(kNoise),
                       [&](const NoiseRule& rule) { return Covers(rule, difference); });
}

}  // namespace brivex::footprint
