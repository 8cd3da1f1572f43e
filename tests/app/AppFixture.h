#pragma once
// The whole program on the portable platform and virtual time: every service
// in memory, files in a temporary application folder, dialogs scripted, the
// management service's time spent on the loop's clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/TestApp.h"
#include "app/Recorders.h"
#include "lang/TempFolder.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/MemoryRegistry.h"
#include "platform/portable/MemorySettingsStore.h"
#include "platform/portable/PortableFileFinder.h"
#include "platform/portable/PortableIniFile.h"
#include "platform/portable/PortableUserFiles.h"
#include "platform/portable/RecordingShell.h"
#include "platform/portable/ScriptedDrives.h"
#include "platform/portable/ScriptedManagementService.h"
#include "platform/portable/ScriptedSystemFacts.h"
#include "ui/headless/HeadlessFormHost.h"
#include "ui/headless/HeadlessLoop.h"
#include "ui/headless/ScriptedDialogs.h"

namespace brivex::testing {

class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        management.PassTimeThrough([this](std::int64_t milliseconds) { loop.Elapse(milliseconds); });
        system.applicationFolder = folder.Path();
        folder.MakeFolder(folder.Path("Lang"));
    }

    // The app is made on first use, so a test can script the platform before.
    App& app() {
        if (!app_) app_ = std::make_unique<App>(platform, loop, forms, dialogs);
        return *app_;
    }

    std::string FrenchFile() const { return folder.Path("Lang\\Francais.lng"); }
    std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback = "<absent>") {
        PortableIniFile reader;
        const ProfileString read =
            reader.GetString(ansi.ToAnsi(section), ansi.ToAnsi(key), ansi.ToAnsi(fallback), 4096, ansi.ToAnsi(file));
        return ansi.FromAnsi(read.buffer.substr(0, read.buffer.find('\0')));
    }
    void WriteIni(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
        PortableIniFile writer;
        writer.WriteString(ansi.ToAnsi(section), ansi.ToAnsi(key), ansi.ToAnsi(value), ansi.ToAnsi(file));
    }
    // The undo files saved so far, oldest first, as text (what the tests store is ASCII).
    std::vector<std::string> UndoTexts() const {
        const std::string undoFolder = folder.Path("AppData\\Brivex Doziv\\Annulation");
        std::vector<std::string> names = PortableFileFinder().FindFiles(undoFolder + "\\*.reg");
        // "… (2).reg" comes after "….reg" of the same second.
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        std::vector<std::string> texts;
        for (const std::string& name : names) {
            const std::string bytes = folder.Get(undoFolder + "\\" + name).value_or("");
            std::string text;
            for (std::size_t i = 2; i < bytes.size(); i += 2) text += bytes[i];
            texts.push_back(text);
        }
        return texts;
    }
    void RemoveLangFolder() {
        const std::string root = folder.Path();
        std::filesystem::remove_all(std::filesystem::path(std::u8string(root.begin(), root.end())) / "Lang");
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& call : dialogs.Calls()) texts.push_back(call.kind == "message" ? call.text : "<restart>");
        return texts;
    }

    TempFolder folder;
    MemoryRegistry registry;
    Cp1252Codec ansi;
    MemorySettingsStore settings;
    PortableIniFile ini;
    ScriptedSystemFacts system;
    RecordingShell shell;
    ScriptedManagementService management;
    // What the program asked of the registry and the management service, in order.
    std::vector<std::string> events;
    RegistryRecorder registryRecorder{registry, events};
    ManagementRecorder managementRecorder{management, events};
    PortableFileFinder files;
    ScriptedDrives drives;
    PortableUserFiles userFiles{folder.Path("AppData")};
    Platform platform{registryRecorder,   ansi,  settings, ini,      system, shell,
                      managementRecorder, files, drives,   userFiles};
    ui::HeadlessLoop loop;
    ui::HeadlessFormHost forms{loop};
    ui::ScriptedDialogs dialogs;

private:
    std::unique_ptr<App> app_;
};

}  // namespace brivex::testing
