#pragma once

namespace brivex {

class AnsiCodec;
class Drives;
class FileFinder;
class IniFile;
class ManagementService;
class RegistryApi;
class SettingsStore;
class Shell;
class SystemFacts;
class UserFiles;

// Every service of the operating system the program uses, built once by the
// entry point (the Win32 ones) or by a test (the portable ones) and handed down.
struct Platform {
    RegistryApi& registry;
    const AnsiCodec& ansi;
    SettingsStore& settings;
    IniFile& ini;
    SystemFacts& system;
    Shell& shell;
    ManagementService& management;
    FileFinder& files;
    Drives& drives;
    UserFiles& userFiles;

    // The same services with `other` in place of the management service.
    Platform WithManagement(ManagementService& other) const {
        return {registry, ansi, settings, ini, system, shell, other, files, drives, userFiles};
    }
};

}  // namespace brivex
