#include "cli/JsonResult.h"

#include <nlohmann/json.hpp>

namespace brivex {

namespace {

using Json = nlohmann::ordered_json;

std::string_view StateWord(TweakState state) {
    switch (state) {
        case TweakState::SwitchedOff: return "off";
        case TweakState::SwitchedOn: return "on";
        default: return "unknown";
    }
}

std::string_view OutcomeWord(const std::optional<TweakOutcome>& outcome) {
    if (!outcome) return "kept";
    return *outcome == TweakOutcome::Applied ? "applied" : "refused";
}

// Texts from files and the system may hold bytes that are no UTF-8: replaced, never thrown on.
std::string Dump(const Json& object) { return object.dump(-1, ' ', true, Json::error_handler_t::replace); }

}  // namespace

std::string CheckJson(std::string_view account, const Preset& preset, std::span<const TweakState, kTweakCount> states,
                      int exitCode) {
    Json behaviours = Json::array();
    bool compliant = true;
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        const std::optional<PresetValue> expected = preset.values[i];
        if (!expected || *expected == PresetValue::Keep) continue;
        const std::string_view found = StateWord(states[i]);
        compliant = compliant && found == PresetWord(*expected);
        behaviours.push_back({{"id", TweakCatalogue()[i].id}, {"expected", PresetWord(*expected)}, {"found", found}});
    }
    return Dump({{"command", "check"},
                 {"account", account},
                 {"compliant", compliant},
                 {"behaviours", behaviours},
                 {"exitCode", exitCode}});
}

std::string TweaksJson(const TweaksJsonFacts& facts, const Preset& preset,
                       std::span<const std::optional<TweakOutcome>, kTweakCount> outcomes, int exitCode) {
    Json behaviours = Json::array();
    for (std::size_t i = 0; i < kTweakCount; ++i) {
        if (!preset.values[i]) continue;
        behaviours.push_back({{"id", TweakCatalogue()[i].id},
                              {"expected", PresetWord(*preset.values[i])},
                              {"result", OutcomeWord(outcomes[i])}});
    }
    return Dump({{"command", "tweaks"},
                 {"account", facts.account},
                 {"restorePoint", facts.restorePoint},
                 {"undoFile", facts.undoFile},
                 {"behaviours", behaviours},
                 {"exitCode", exitCode}});
}

std::string FailureJson(std::string_view command, int exitCode, std::span<const std::string> messages) {
    return Dump({{"command", command}, {"exitCode", exitCode}, {"messages", messages}});
}

}  // namespace brivex
