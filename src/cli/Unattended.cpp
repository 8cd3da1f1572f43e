#include "cli/Unattended.h"

#include <cstdio>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/CommandTexts.h"
#include "cli/ExitCode.h"
#include "cli/Preset.h"
#include "cli/PresetCheck.h"
#include "cli/Usage.h"
#include "lang/LanguageState.h"
#include "lang/MODTrans.h"
#include "optimise/SystemOptimisation.h"
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

std::string_view CommandSwitch(Command command) {
    switch (command) {
        case Command::Tweaks: return "/tweaks";
        default: return "/optimise";
    }
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
        if (line_.fault != CommandLineFault::None) return RefuseCommandLine();
        if (line_.logFile && !Log(texts_.Get(commandtext::LogStart, {commandLine}))) {
            const std::string logFile = *line_.logFile;
            line_.logFile.reset();
            return Finish(exitcode::FileError, texts_.Get(commandtext::CannotWrite, {logFile}));
        }
        switch (line_.command) {
            case Command::Export: return Finish(Export());
            case Command::Check: return Finish(Check());
            case Command::Tweaks: return Finish(Tweaks());
            case Command::Optimise: return Finish(Optimise());
            default: return Finish(Help());
        }
    }

private:
    int RefuseCommandLine() {
        const std::string text = texts_.Get(FaultText(line_.fault), {line_.faultArgument});
        const std::string hint = texts_.Get(commandtext::SeeUsage);
        const bool read = host_.output.WriteLine(text) && host_.output.WriteLine(hint);
        if (!read && !line_.quiet) host_.dialogs.MsgBox(text + "\r\n" + hint, ui::mb::Information, "");
        return exitcode::BadInput;
    }

    // A line for the caller and the log.
    void Say(const std::string& text) {
        host_.output.WriteLine(text);
        Log(text);
    }

    bool Log(const std::string& text) {
        if (!line_.logFile) return true;
        return host_.files.Append(*line_.logFile, Timestamp(host_.platform.system.Now()) + " " + text + "\r\n");
    }

    int Finish(int code, const std::string& text = {}) {
        if (!text.empty()) Say(text);
        Log(texts_.Get(commandtext::LogExit, {std::to_string(code)}));
        return code;
    }

    void SayAccount() { Say(texts_.Get(commandtext::Account, {host_.platform.system.UserName()})); }

    bool HasRights() {
        if (host_.elevation.Elevated()) return true;
        Say(texts_.Get(commandtext::NeedsAdministrator, {CommandSwitch(line_.command)}));
        return false;
    }

    // The preset of the command's file, or the exit code that refused it.
    std::optional<Preset> LoadPreset(int& refusal) {
        const std::optional<std::string> bytes = host_.files.Read(line_.file, kMaxPresetBytes);
        if (!bytes) {
            Say(texts_.Get(commandtext::CannotRead, {line_.file}));
            refusal = exitcode::FileError;
            return std::nullopt;
        }
        const PresetReading reading = ReadPreset(*bytes);
        if (reading.fault == PresetFault::None) return reading.preset;
        if (reading.fault == PresetFault::TooLarge)
            Say(texts_.Get(commandtext::TooLarge, {line_.file}));
        else if (reading.fault == PresetFault::NoTweaksSection)
            Say(texts_.Get(commandtext::NoTweaksSection, {line_.file}));
        else
            Say(texts_.Get(
                commandtext::PresetRefused,
                {line_.file, std::to_string(reading.line),
                 texts_.Get(ReasonText(reading.fault), {std::to_string(reading.firstNamedAt)}), reading.lineText}));
        Say(texts_.Get(commandtext::PresetNothingChanged));
        refusal = exitcode::BadInput;
        return std::nullopt;
    }

    int Export() {
        const auto states = ReadTweakStates(reg_);
        if (!host_.files.Replace(line_.file, WritePreset(states))) {
            Say(texts_.Get(commandtext::CannotWrite, {line_.file}));
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
        if (!differences.empty()) return exitcode::Differences;
        Say(texts_.Get(commandtext::Matches));
        return exitcode::Done;
    }

    int Tweaks() {
        int refusal = exitcode::Done;
        const std::optional<Preset> preset = LoadPreset(refusal);
        if (!preset) return refusal;
        if (!HasRights()) return exitcode::NeedsAdministrator;
        SayAccount();

        TweakChoice choice;
        for (std::size_t i = 0; i < kTweakCount; ++i) {
            const std::optional<PresetValue> value = preset->values[i];
            if (!value || *value == PresetValue::Keep) continue;
            choice[i] = *value == PresetValue::Off ? TweakSwitch::Off : TweakSwitch::On;
        }
        if (TweakWrites(choice).empty()) {
            Say(texts_.Get(commandtext::NothingToApply));
            return exitcode::Done;
        }
        // No one may be there to answer: without the restore point the run
        // goes on, as it says, and the undo file remains the way back.
        const TweakRunResult result =
            RunTweaks(host_.platform, settings_, choice,
                      {.onRestorePoint = [this](bool made) { SayRestorePoint(made); }, .onWrite = LogWrites(true)});
        // The registry module is silent by rule; the caller is not left to
        // believe a behaviour applied when the system refused one of its writes
        // or this Windows has none of its keys.
        for (std::size_t i = 0; i < kTweakCount; ++i) {
            if (!result.outcomes[i]) continue;
            const bool applied = *result.outcomes[i] == TweakOutcome::Applied;
            Say(texts_.Get(applied ? commandtext::Applied : commandtext::NotApplied,
                           {TweakCatalogue()[i].id, PresetWord(*preset->values[i])}));
        }
        Say(texts_.Get(result.AllApplied() ? commandtext::TweaksDone : commandtext::TweaksPartly));
        return exitcode::Done;
    }

    int Optimise() {
        if (!HasRights()) return exitcode::NeedsAdministrator;
        OptimiseSystem(host_.platform, settings_,
                       {.onRestorePoint = [this](bool made) { SayRestorePoint(made); },
                        .onWrite = LogWrites(),
                        .onSkip = [this](const std::string& note) { Log(note); }});
        Say(texts_.Get(commandtext::Optimised));
        return exitcode::RestartNeeded;
    }

    int Help() {
        for (const std::string& line : UsageLines(texts_)) host_.output.WriteLine(line);
        return exitcode::Done;
    }

    void SayRestorePoint(bool made) {
        Say(texts_.Get(made ? commandtext::RestorePointMade : commandtext::RestorePointFailed));
    }

    // Each write in the log. A preset's failed write is also said; the
    // optimisation's list reaches for keys many machines do not have, by
    // design, so its misses stay in the log.
    WriteObserver LogWrites(bool sayFailures = false) {
        return [this, sayFailures](const RegistryWrite& write, const RegistryData& data, long status) {
            std::string where = RootName(write.root);
            where.append("\\").append(write.key);
            if (!write.RemovesKey()) where.append("\\").append(write.valueName);
            // A key to remove that is not there is already as asked.
            const bool asAsked = status == regstatus::Success ||
                                 (write.RemovesKey() && status == regstatus::FileNotFound);
            if (!asAsked) {
                const std::string text = texts_.Get(commandtext::LogFailed, {where, std::to_string(status)});
                if (sayFailures)
                    Say(text);
                else
                    Log(text);
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
