#include "cli/Unattended.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/CommandTexts.h"
#include "cli/ExitCode.h"
#include "cli/JsonResult.h"
#include "cli/Preset.h"
#include "cli/PresetCheck.h"
#include "cli/Usage.h"
#include "lang/LanguageState.h"
#include "lang/MODTrans.h"
#include "optimise/SystemOptimisation.h"
#include "platform/SystemFacts.h"
#include "registry/ApplyWrites.h"
#include "registry/Reg.h"
#include "registry/Settings.h"
#include "tweaks/TweakCatalogue.h"
#include "tweaks/TweakRun.h"

namespace brivex {

namespace {

std::string RootName(RegKey root) {
    switch (root) {
        case regroot::CurrentUser: return "HKEY_CURRENT_USER";
        case regroot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case regroot::Users: return "HKEY_USERS";
        default: return "HKEY_CLASSES_ROOT";
    }
}

std::string DataText(const RegistryData& data) {
    if (data.IsNumber()) return std::to_string(data.Number());
    return data.IsText() ? data.Text() : std::string();
}

std::string Timestamp(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

const CommandText& FaultText(CommandLineFault fault) {
    switch (fault) {
        case CommandLineFault::UnknownSwitch: return commandtext::UnknownSwitch;
        case CommandLineFault::TwoCommands: return commandtext::TwoCommands;
        case CommandLineFault::MissingFile: return commandtext::MissingFile;
        case CommandLineFault::OptionWithoutCommand: return commandtext::OptionWithoutCommand;
        case CommandLineFault::TwoLogs: return commandtext::TwoLogs;
        case CommandLineFault::OptionNotForCommand: return commandtext::OptionNotForCommand;
        default: return commandtext::StrayArgument;
    }
}

const CommandText& ReasonText(PresetFault fault) {
    switch (fault) {
        case PresetFault::UnknownName: return commandtext::UnknownName;
        case PresetFault::BadValue: return commandtext::BadValue;
        case PresetFault::Duplicate: return commandtext::Duplicate;
        default: return commandtext::NotAssignment;
    }
}

std::string_view CommandName(Command command) {
    switch (command) {
        case Command::Export: return "export";
        case Command::Check: return "check";
        case Command::Tweaks: return "tweaks";
        case Command::Optimise: return "optimise";
        case Command::Version: return "version";
        default: return "help";
    }
}

std::string TypeName(std::uint32_t type) { return type == regtype::Dword ? "REG_DWORD" : "REG_SZ"; }

std::string WherePath(const RegistryWrite& write) {
    std::string where = RootName(write.root);
    where.append("\\").append(write.key);
    if (!write.RemovesKey()) where.append("\\").append(write.valueName);
    return where;
}

// A line of a refused preset as the caller may safely see it: whatever a file
// holds, at most this many characters, control characters spelled out.
constexpr std::size_t kShownLineCharacters = 120;

std::string ShownLine(std::string_view line) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++characters) {
        if (characters == kShownLineCharacters) return shown + "...";
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
            ++i;
            continue;
        }
        // A character's UTF-8 bytes stay together.
        std::size_t length = 1;
        while (i + length < line.size() && (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80) ++length;
        shown.append(line.substr(i, length));
        i += length;
    }
    return shown;
}

// Whether a preset's writes reach beyond the account that runs it.
bool NeedsAdministrator(std::span<const RegistryWrite> writes) {
    return std::ranges::any_of(writes, [](const RegistryWrite& write) { return write.root != regroot::CurrentUser; });
}

class UnattendedRun {
public:
    UnattendedRun(const UnattendedHost& host, CommandLine line)
        : host_(host),
          line_(std::move(line)),
          settings_(host.platform.settings),
          reg_(host.platform.registry, host.platform.ansi),
          trans_(host.platform.ini, host.platform.ansi, language_),
          texts_(trans_,
                 settings_.Get(setting::LanguageFile, FrenchReferenceFile(host.platform.system.ApplicationFolder()))) {}

    int Run(const std::string& commandLine) {
        if (line_.utf8) host_.output.PreferUtf8();
        if (line_.logFile && !Log(texts_.Get(commandtext::LogStart, {commandLine}))) {
            const std::string logFile = *line_.logFile;
            line_.logFile.reset();
            if (line_.fault == CommandLineFault::None)
                return Finish(exitcode::FileError, texts_.Get(commandtext::CannotWrite, {logFile, FileFailure()}));
        }
        if (line_.fault != CommandLineFault::None) return RefuseCommandLine();
        switch (line_.command) {
            case Command::Export: return Finish(Export());
            case Command::Check: return Finish(Check());
            case Command::Tweaks: return Finish(Tweaks());
            case Command::Optimise: return Finish(Optimise());
            case Command::Version: return Finish(Version());
            default: return Finish(Help());
        }
    }

private:
    // No one may be there to answer a message box: the refusal goes to the
    // output and the log only, whoever reads them.
    int RefuseCommandLine() {
        line_.json = false;
        Say(texts_.Get(FaultText(line_.fault), {line_.faultArgument}));
        Say(texts_.Get(commandtext::SeeUsage));
        return Finish(exitcode::BadInput);
    }

    // A line for the caller and the log; with /json, for the failure's object.
    void Say(const std::string& text) {
        if (line_.json) said_.push_back(text);
        else host_.output.WriteLine(text);
        Log(text);
    }

    bool Log(const std::string& text) {
        if (!line_.logFile) return true;
        return host_.files.Append(*line_.logFile, Timestamp(host_.platform.system.Now()) + " " + text + "\r\n");
    }

    int Finish(int code, const std::string& text = {}) {
        if (!text.empty()) Say(text);
        if (line_.json)
            host_.output.WriteLine(json_.empty() ? FailureJson(CommandName(line_.command), code, said_) : json_);
        Log(texts_.Get(commandtext::LogExit, {std::to_string(code)}));
        return code;
    }

    std::string FileFailure() const { return host_.files.LastFailure(); }

    std::string Account() { return host_.platform.system.UserName(); }

    void SayAccount() { Say(texts_.Get(commandtext::Account, {Account()})); }

    // The preset of the command's file, or the exit code that refused it.
    std::optional<Preset> LoadPreset(int& refusal) {
        const std::optional<std::string> bytes = host_.files.Read(line_.file, kMaxPresetBytes);
        if (!bytes) {
            Say(texts_.Get(commandtext::CannotRead, {line_.file, FileFailure()}));
            refusal = exitcode::FileError;
            return std::nullopt;
        }
        const PresetReading reading = ReadPreset(*bytes);
        if (reading.fault == PresetFault::None) return reading.preset;
        if (reading.fault == PresetFault::TooLarge) Say(texts_.Get(commandtext::TooLarge, {line_.file}));
        else if (reading.fault == PresetFault::NoTweaksSection)
            Say(texts_.Get(commandtext::NoTweaksSection, {line_.file}));
        else
            Say(texts_.Get(commandtext::PresetRefused,
                           {line_.file, std::to_string(reading.line),
                            texts_.Get(ReasonText(reading.fault), {std::to_string(reading.firstNamedAt)}),
                            ShownLine(reading.lineText)}));
        Say(texts_.Get(commandtext::PresetNothingChanged));
        refusal = exitcode::BadInput;
        return std::nullopt;
    }

    int Export() {
        const auto states = ReadTweakStates(reg_);
        if (!host_.files.Replace(line_.file, WritePreset(states))) {
            Say(texts_.Get(commandtext::CannotWrite, {line_.file, FileFailure()}));
            return exitcode::FileError;
        }
        Say(texts_.Get(commandtext::Exported, {line_.file}));
        return exitcode::Done;
    }

    int Check() {
        int refusal = exitcode::Done;
        const std::optional<Preset> preset = LoadPreset(refusal);
        if (!preset) return refusal;
        SayAccount();
        const auto states = ReadTweakStates(reg_);
        const std::vector<PresetDifference> differences = ComparePreset(*preset, states);
        for (const PresetDifference& difference : differences) {
            const std::string found =
                difference.found == TweakState::SwitchedOff  ? std::string(PresetWord(PresetValue::Off))
                : difference.found == TweakState::SwitchedOn ? std::string(PresetWord(PresetValue::On))
                                                             : texts_.Get(commandtext::UnknownState);
            Say(texts_.Get(commandtext::Difference,
                           {TweakCatalogue()[difference.entry].id, PresetWord(difference.expected), found}));
        }
        const int code = differences.empty() ? exitcode::Done : exitcode::Differences;
        if (differences.empty()) Say(texts_.Get(commandtext::Matches));
        if (line_.json) json_ = CheckJson(Account(), *preset, states, code);
        return code;
    }

    int Tweaks() {
        int refusal = exitcode::Done;
        const std::optional<Preset> preset = LoadPreset(refusal);
        if (!preset) return refusal;
        TweakChoice choice;
        for (std::size_t i = 0; i < kTweakCount; ++i) {
            const std::optional<PresetValue> value = preset->values[i];
            if (!value || *value == PresetValue::Keep) continue;
            choice[i] = *value == PresetValue::Off ? TweakSwitch::Off : TweakSwitch::On;
        }
        const std::vector<RegistryWrite> writes = TweakWrites(choice);
        const bool elevated = host_.elevation.Elevated();
        if (!line_.whatIf && !elevated && NeedsAdministrator(writes)) {
            Say(texts_.Get(commandtext::PresetNeedsAdministrator));
            return exitcode::NeedsAdministrator;
        }
        SayAccount();
        if (line_.whatIf)
            return DryRun(setting::OptiTweak, [&](const WriteObserver& onWrite) {
                RunTweaks(host_.platform, settings_, choice, {.onWrite = onWrite, .dryRun = true});
            });

        TweakRunResult result;
        bool restorePointMade = false;
        std::string undoFile;
        if (!writes.empty()) {
            // No one may be there to answer: without the restore point the run
            // goes on, as it says, and the undo file remains the way back.
            result =
                RunTweaks(host_.platform, settings_, choice,
                          {.onRestorePoint = [&](bool made) { restorePointMade = SayRestorePoint(made, elevated); },
                           .onWrite = LogWrites(true),
                           .onUndoFile = [&](const std::string& path) { undoFile = SayUndoFile(path); },
                           .mayMakeRestorePoint = elevated});
            // The registry module is silent by rule; the caller is not left to
            // believe a behaviour applied when the system refused one of its
            // writes or this Windows has none of its keys.
            for (std::size_t i = 0; i < kTweakCount; ++i) {
                if (!result.outcomes[i]) continue;
                const bool applied = *result.outcomes[i] == TweakOutcome::Applied;
                Say(texts_.Get(applied ? commandtext::Applied : commandtext::NotApplied,
                               {TweakCatalogue()[i].id, PresetWord(*preset->values[i])}));
            }
        }
        const CommandText& last = writes.empty()        ? commandtext::NothingToApply
                                  : result.AllApplied() ? commandtext::TweaksDone
                                                        : commandtext::TweaksPartly;
        Say(texts_.Get(last));
        // The machine does not match the preset: a deployment system must not record a success.
        const int code = result.AllApplied() ? exitcode::Done : exitcode::Differences;
        if (line_.json) json_ = TweaksJson({Account(), restorePointMade, undoFile}, *preset, result.outcomes, code);
        return code;
    }

    int Optimise() {
        if (line_.whatIf)
            return DryRun(setting::OptiStart, [&](const WriteObserver& onWrite) {
                OptimiseSystem(
                    host_.platform, settings_,
                    {.onWrite = onWrite, .onSkip = [this](const std::string& note) { Say(note); }, .dryRun = true});
            });
        if (!host_.elevation.Elevated()) {
            Say(texts_.Get(commandtext::NeedsAdministrator, {"/optimise"}));
            return exitcode::NeedsAdministrator;
        }
        OptimiseSystem(host_.platform, settings_,
                       {.onRestorePoint = [this](bool made) { SayRestorePoint(made, true); },
                        .onWrite = LogWrites(),
                        .onSkip = [this](const std::string& note) { Log(note); },
                        .onUndoFile = [this](const std::string& path) { SayUndoFile(path); }});
        Say(texts_.Get(commandtext::Optimised));
        return exitcode::RestartNeeded;
    }

    // The run's own sequence with nothing changed: each write it would make, in order.
    template <typename RunDry>
    int DryRun(const Setting& restorePointSetting, RunDry runDry) {
        Say(texts_.Get(commandtext::WhatIfStart));
        if (settings_.ReadsAs(restorePointSetting, 1)) Say(texts_.Get(commandtext::WhatIfRestorePoint));
        int count = 0;
        runDry([&](const RegistryWrite& write, const RegistryData& data, long) {
            ++count;
            if (write.RemovesKey()) Say(texts_.Get(commandtext::WhatIfRemove, {WherePath(write)}));
            else Say(texts_.Get(commandtext::WhatIfWrite, {WherePath(write), DataText(data), TypeName(write.Type())}));
        });
        Say(texts_.Get(commandtext::WhatIfEnd, {std::to_string(count)}));
        return exitcode::Done;
    }

    int Version() {
        host_.output.WriteLine(std::string(kAppTitle) + " " + BRIVEX_VERSION);
        return exitcode::Done;
    }

    int Help() {
        for (const std::string& line : UsageLines(texts_)) host_.output.WriteLine(line);
        return exitcode::Done;
    }

    bool SayRestorePoint(bool made, bool elevated) {
        const CommandText& text = made       ? commandtext::RestorePointMade
                                  : elevated ? commandtext::RestorePointFailed
                                             : commandtext::RestorePointNeedsRights;
        Say(texts_.Get(text));
        return made;
    }

    std::string SayUndoFile(const std::string& path) {
        if (!path.empty()) Say(texts_.Get(commandtext::UndoFile, {path}));
        return path;
    }

    // Each write in the log. A preset's failed write is also said; the
    // optimisation's list reaches for keys many machines do not have, by
    // design, so its misses stay in the log.
    WriteObserver LogWrites(bool sayFailures = false) {
        return [this, sayFailures](const RegistryWrite& write, const RegistryData& data, long status) {
            const std::string where = WherePath(write);
            if (write.RemovesKey() && status == regstatus::FileNotFound) {
                // Already as asked: not a failure, and not a removal either.
                Log(texts_.Get(commandtext::LogKeyAbsent, {where}));
            } else if (status != regstatus::Success) {
                const std::string text = texts_.Get(commandtext::LogFailed, {where, std::to_string(status)});
                if (sayFailures) Say(text);
                else Log(text);
            } else if (write.RemovesKey()) {
                Log(texts_.Get(commandtext::LogKeyRemoved, {where}));
            } else {
                Log(texts_.Get(commandtext::LogWrite, {where, DataText(data)}));
            }
        };
    }

    const UnattendedHost& host_;
    CommandLine line_;
    Settings settings_;
    Reg reg_;
    LanguageState language_;
    MODTrans trans_;
    CommandTexts texts_;
    std::vector<std::string> said_;  // with /json, what would have been printed
    std::string json_;               // with /json, the command's result
};

}  // namespace

std::optional<int> RunUnattended(const UnattendedHost& host) {
    const std::string commandLine = host.elevation.CommandLine();
    const std::vector<std::string> arguments = SplitCommandLine(commandLine);
    CommandLine line = ParseCommandLine({arguments.begin() + 1, arguments.end()});
    if (line.fault == CommandLineFault::None && line.command == Command::Windows) return std::nullopt;
    return UnattendedRun(host, std::move(line)).Run(commandLine);
}

}  // namespace brivex
