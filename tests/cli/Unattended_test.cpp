#include "cli/Unattended.h"

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>

#include "app/AppFixture.h"
#include "cli/Preset.h"

namespace brivex::testing {
namespace {

const std::string kKeyboard = ".DEFAULT\\Control Panel\\Keyboard";
const std::string kSecurityService = "SYSTEM\\CurrentControlSet\\Services\\wscsvc";
const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// The registry paths a run's lines name, in order: what a dry run says it would
// write or remove, what a real run's log says it wrote, removed or failed at.
std::vector<std::string> PathsNamed(const std::string& text) {
    static const std::regex named(
        R"re((?:Écrirait : |Supprimerait la clé : |Écrit : |Échec \(erreur \d+\) : |Clé supprimée : |)re"
        R"re(Clé absente, rien à supprimer : )(HKEY_[^=\r\n]*?)(?: = [^\r\n]*)?(?:\r?\n|$))re");
    std::vector<std::string> paths;
    for (std::sregex_iterator it(text.begin(), text.end(), named), end; it != end; ++it) paths.push_back((*it)[1]);
    return paths;
}

class FakeOutput final : public CommandOutput {
public:
    void PreferUtf8() override { utf8 = true; }
    bool WriteLine(std::string_view text) override {
        lines.emplace_back(text);
        return readable;
    }
    std::vector<std::string> lines;
    bool readable = true;
    bool utf8 = false;
};

class FakeFiles final : public CommandFiles {
public:
    std::optional<std::string> Read(const std::string& path, std::size_t limit) override {
        const auto file = files.find(path);
        if (file == files.end()) return std::nullopt;
        return file->second.substr(0, limit + 1);
    }
    bool Replace(const std::string& path, std::string_view bytes) override {
        if (path.starts_with("Z:")) return false;
        files[path] = bytes;
        return true;
    }
    bool Append(const std::string& path, std::string_view bytes) override {
        if (path.starts_with("Z:")) return false;
        files[path] += bytes;
        return true;
    }
    std::string LastFailure() const override { return "Accès refusé. (5)"; }
    std::map<std::string, std::string> files;
};

class FakeElevation final : public ProcessElevation {
public:
    bool Elevated() override { return elevated; }
    std::string CommandLine() override { return commandLine; }
    bool RelaunchElevated(const std::string&) override { return relaunched = true; }
    bool elevated = true;
    bool relaunched = false;
    std::string commandLine;
};

class UnattendedTest : public AppFixture {
protected:
    UnattendedTest() {
        registry.CreateKey(regroot::Users, kKeyboard);
        registry.CreateKey(regroot::LocalMachine, kSecurityService);
        registry.PutValue(regroot::LocalMachine, kSecurityService, "Start", {regtype::Dword, {2, 0, 0, 0}});
    }
    std::optional<int> Run(const std::string& arguments) {
        elevation.commandLine = "\"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\" " + arguments;
        output.lines.clear();
        events.clear();
        return RunUnattended({platform, elevation, output, commandFiles});
    }
    FakeOutput output;
    FakeFiles commandFiles;
    FakeElevation elevation;
};

TEST_F(UnattendedTest, NoCommandOpensTheWindowsAndACommandNeverRelaunches) {
    EXPECT_EQ(Run(""), std::nullopt);
    EXPECT_EQ(Run("/elevated"), std::nullopt);
    elevation.elevated = false;
    EXPECT_EQ(Run("/optimise"), 740);
    EXPECT_EQ(output.lines,
              std::vector<std::string>{"/optimise demande les droits d'administrateur : rien n'a été changé."});
    EXPECT_FALSE(elevation.relaunched);
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST_F(UnattendedTest, ExportThenCheckMatchesAndAChangedValueIsOneLine) {
    EXPECT_EQ(Run("/export \"C:\\p q.ini\""), 0);
    EXPECT_EQ(output.lines.back(), "Préréglage écrit : C:\\p q.ini");
    EXPECT_EQ(Run("/check \"C:\\p q.ini\""), 0);
    EXPECT_EQ(output.lines, (std::vector<std::string>{"Comportements de HKEY_CURRENT_USER : compte Utilisateur",
                                                      "La machine est conforme au préréglage."}));
    commandFiles.files["p.ini"] = "[Tweaks]\nSecurityCenter = off\nNumLock = on\nBrivexCB1 = keep\n";
    EXPECT_EQ(Run("/check p.ini"), 1);
    EXPECT_EQ(output.lines, (std::vector<std::string>{"Comportements de HKEY_CURRENT_USER : compte Utilisateur",
                                                      "NumLock: attendu on, trouvé inconnu",
                                                      "SecurityCenter: attendu off, trouvé on"}));
    EXPECT_TRUE(std::ranges::none_of(events, [](const std::string& e) { return e.starts_with("set"); }));
}

TEST_F(UnattendedTest, TweaksWritesThePresetsBehavioursAndLogsEachWrite) {
    settings.SaveSetting(std::string(kAppTitle), "config", "optitweak", "1");
    commandFiles.files["p.ini"] = "[Tweaks]\nBrivexCB12 = on\nSecurityCenter = keep\nErrorReporting = off\n";
    EXPECT_EQ(Run("/tweaks p.ini /log run.log /quiet"), 1) << "applied in part: the machine does not match";
    EXPECT_EQ(events,
              (std::vector<std::string>{"restore point Brivex Tweak Optimisation ", "set InitialKeyboardIndicators"}));
    EXPECT_EQ(shell.log.back(), "settings-changed");
    // ErrorReporting's keys are missing here, and the system says so for each of its values: the output too.
    const std::vector<std::string> told(output.lines.end() - 3, output.lines.end());
    EXPECT_EQ(told, (std::vector<std::string>{"Non appliqué, le système a refusé une écriture : ErrorReporting = off",
                                              "Appliqué : NumLock = on",
                                              "Préréglage appliqué en partie : /check dit ce qui reste à faire."}));
    EXPECT_EQ(
        std::ranges::count_if(output.lines, [](const std::string& l) { return l.starts_with("Échec (erreur 2)"); }), 7);
    const std::string log = commandFiles.files["run.log"];
    EXPECT_TRUE(
        log.starts_with("2026-12-06 09:05:07 Début : \"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\" "
                        "/tweaks p.ini /log run.log /quiet\r\n"));
    for (const char* line :
         {" Échec (erreur 2) : HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting\\ShowUI\r\n",
          " Écrit : HKEY_USERS\\.DEFAULT\\Control Panel\\Keyboard\\InitialKeyboardIndicators = 2\r\n",
          " Appliqué : NumLock = on\r\n", " Fin : code de sortie 1\r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(UnattendedTest, ARefusedPresetOrFileChangesNothing) {
    const std::pair<std::string, std::string> presets[] = {
        {"[Tweaks]\nNumLock = on\nCapsLock = off\n", "p.ini, ligne 3 : nom inconnu : CapsLock = off"},
        {"[Tweaks]\nNumLock = on\nBrivexCB12 = off\n",
         "p.ini, ligne 3 : comportement déjà nommé ligne 2 : BrivexCB12 = off"},
        {"NumLock = on\n", "p.ini : pas de section [Tweaks]"},
    };
    for (const auto& [text, refusal] : presets) {
        commandFiles.files["p.ini"] = text;
        EXPECT_EQ(Run("/tweaks p.ini"), 2);
        EXPECT_EQ(output.lines, (std::vector<std::string>{refusal, "Préréglage refusé : rien n'a été changé."}));
        EXPECT_TRUE(events.empty());
    }
    EXPECT_EQ(Run("/tweaks missing.ini"), 3);
    EXPECT_EQ(Run("/export Z:\\p.ini"), 3);
    EXPECT_EQ(Run("/optimise /log Z:\\run.log"), 3);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(shell.log.empty());
}

// No one may be there to answer a box: a mistake is told to the output and to the log its line names.
TEST_F(UnattendedTest, ACommandLineMistakeIsNeverABoxAndGoesToTheLogItNames) {
    EXPECT_EQ(Run("/check /quiet"), 2);
    EXPECT_EQ(output.lines,
              (std::vector<std::string>{"/check demande un nom de fichier.", "Rien n'a été changé. Pour l'aide : /?"}));
    output.readable = false;
    EXPECT_EQ(Run("/frobnicate /quiet /log bad.log"), 2);
    EXPECT_EQ(Run("\u2014check p.ini /log bad.log /log other.log"), 2);
    EXPECT_TRUE(dialogs.Calls().empty());
    const std::string log = commandFiles.files["bad.log"];
    for (const char* line : {" Début : \"C:\\Program Files\\Brivex Doziv\\Brivex Doziv.exe\" /frobnicate /quiet /log "
                             "bad.log\r\n",
                             " Option inconnue : /frobnicate\r\n", " Fin : code de sortie 2\r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_EQ(log.find("other"), std::string::npos) << "a line naming two logs is logged to neither";
    EXPECT_FALSE(commandFiles.files.contains("other.log"));
}

TEST_F(UnattendedTest, OptimiseChangesTheSystemButLeavesNoMarkerNoRunValueAndAsksARestart) {
    settings.SaveSetting(std::string(kAppTitle), "config", "Press", "1");
    EXPECT_EQ(Run("/optimize /log run.log"), 3010);
    EXPECT_EQ(shell.log, (std::vector<std::string>{"delete C:\\WINDOWS\\Prefetch\\*.pf", "clipboard"}));
    EXPECT_EQ(settings.GetSetting(std::string(kAppTitle), "config", "reboot", "<none>"), "<none>");
    EXPECT_EQ(std::ranges::count(events, "set Velmora Doziv"), 0);
    EXPECT_EQ(output.lines, std::vector<std::string>{"Optimisation effectuée : un redémarrage la complète."});
    const std::string log = commandFiles.files["run.log"];
    EXPECT_NE(log.find(" Échec (erreur 2) : "), std::string::npos) << "the keys this machine lacks";
    // The key to remove is not there: as asked, so no failure.
    EXPECT_NE(log.find(" Clé absente, rien à supprimer : "
                       "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer"),
              std::string::npos);
}

TEST_F(UnattendedTest, OptimiseLogsWhyItLeavesARow) {
    system.joinedToDomain = true;
    EXPECT_EQ(Run("/optimise /log run.log"), 3010);
    const std::string log = commandFiles.files["run.log"];
    EXPECT_NE(log.find(" Non modifié : HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\W32Time\\Start "
                       "(la machine est membre d'un domaine, dont les ouvertures de session demandent l'heure juste "
                       "du service de temps)\r\n"),
              std::string::npos)
        << log;
    EXPECT_LT(log.find("W32Time"), log.find(" Écrit : ")) << "said before the first write";
    EXPECT_EQ(output.lines, std::vector<std::string>{"Optimisation effectuée : un redémarrage la complète."});
}

TEST_F(UnattendedTest, TextsComeFromTheChosenLanguageFile) {
    const std::string english = folder.Path("Lang\\English.lng");
    WriteIni(english, "CommandLine", "Difference", "%1: expected %2, found %3");
    WriteIni(english, "CommandLine", "UnknownState", "unknown");
    settings.SaveSetting(std::string(kAppTitle), "FILES", "LNG", english);
    commandFiles.files["p.ini"] = "[Tweaks]\nNumLock = off\n";
    EXPECT_EQ(Run("/check p.ini"), 1);
    EXPECT_EQ(output.lines.back(), "NumLock: expected off, found unknown");
    EXPECT_EQ(Run("/?"), 0);
    EXPECT_EQ(output.lines.size(), 41u);
    EXPECT_EQ(output.lines[27], "  NumLock (BrivexCB12)");
}

TEST_F(UnattendedTest, TweaksAsksForRightsOnlyWhenThePresetReachesBeyondTheAccount) {
    settings.SaveSetting(std::string(kAppTitle), "config", "optitweak", "1");
    registry.CreateKey(regroot::CurrentUser, kAdvanced);
    elevation.elevated = false;
    const std::pair<std::string, int> cases[] = {
        {"[Tweaks]\nFileExtensions = on\nNumLock = keep\n", 0},
        {"[Tweaks]\nFileExtensions = on\nNumLock = on\n", 740},
        {"[Tweaks]\nFileExtensions = maybe\n", 2},
    };
    for (const auto& [preset, code] : cases) {
        commandFiles.files["p.ini"] = preset;
        EXPECT_EQ(Run("/tweaks p.ini"), code) << preset;
    }
    EXPECT_EQ(Run("/tweaks missing.ini"), 3);
    // Only the first run wrote, as this account, without the restore point it has no rights for.
    commandFiles.files["p.ini"] = cases[0].first;
    Run("/tweaks p.ini");
    EXPECT_EQ(events, std::vector<std::string>{"set HideFileExt"});
    EXPECT_NE(
        std::ranges::find(output.lines, "Point de restauration non créé : il demande les droits d'administrateur."),
        output.lines.end());
}

TEST_F(UnattendedTest, AWhatIfRunSaysEachWriteOfTheRealRunAndMakesNone) {
    settings.SaveSetting(std::string(kAppTitle), "config", "optitweak", "1");
    commandFiles.files["p.ini"] = "[Tweaks]\nNumLock = on\nSecurityCenter = off\n";
    for (const char* command : {"/tweaks p.ini", "/optimise"}) {
        elevation.elevated = false;
        const std::size_t undoFiles = UndoTexts().size();
        EXPECT_EQ(Run(std::string(command) + " /whatif"), 0) << command;
        EXPECT_TRUE(events.empty()) << command << ": " << events.front();
        EXPECT_EQ(UndoTexts().size(), undoFiles);
        std::string said;
        for (const std::string& line : output.lines) said += line + "\n";
        elevation.elevated = true;
        Run(std::string(command) + " /log real.log");
        EXPECT_EQ(PathsNamed(said), PathsNamed(commandFiles.files["real.log"])) << command;
        EXPECT_FALSE(PathsNamed(said).empty());
        commandFiles.files.erase("real.log");
    }
    elevation.elevated = false;
    Run("/tweaks p.ini /whatif");
    EXPECT_EQ(output.lines[2], "Créerait d'abord un point de restauration.");
    EXPECT_EQ(output.lines[3],
              "Écrirait : HKEY_USERS\\.DEFAULT\\Control Panel\\Keyboard\\InitialKeyboardIndicators = 2 (REG_SZ)");
}

TEST_F(UnattendedTest, JsonIsOneObjectInTheSameWordsWhateverTheLanguage) {
    using Json = nlohmann::json;
    commandFiles.files["p.ini"] = "[Tweaks]\nSecurityCenter = off\nNumLock = on\nErrorReporting = keep\n";
    EXPECT_EQ(Run("/check p.ini /json /log run.log"), 1);
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_EQ(Json::parse(output.lines[0]), Json::parse(R"js({"command": "check", "account": "Utilisateur",
        "compliant": false, "exitCode": 1, "behaviours": [
            {"id": "NumLock", "expected": "on", "found": "unknown"},
            {"id": "SecurityCenter", "expected": "off", "found": "on"}]})js"));
    EXPECT_NE(commandFiles.files["run.log"].find(" SecurityCenter: attendu off, trouvé on\r\n"), std::string::npos);

    EXPECT_EQ(Run("/tweaks p.ini /json"), 0);
    ASSERT_EQ(output.lines.size(), 1u);
    const Json tweaks = Json::parse(output.lines[0]);
    EXPECT_TRUE(tweaks["undoFile"].get<std::string>().ends_with(".reg")) << tweaks;
    EXPECT_EQ(tweaks, Json::parse(R"js({"command": "tweaks", "account": "Utilisateur", "restorePoint": false,
        "exitCode": 0, "undoFile": )js" +
                                  tweaks["undoFile"].dump() + R"js(, "behaviours": [
            {"id": "ErrorReporting", "expected": "keep", "result": "kept"},
            {"id": "NumLock", "expected": "on", "result": "applied"},
            {"id": "SecurityCenter", "expected": "off", "result": "applied"}]})js"));

    EXPECT_EQ(Run("/tweaks missing.ini /json"), 3);
    EXPECT_EQ(Json::parse(output.lines.at(0)), Json::parse(R"js({"command": "tweaks", "exitCode": 3,
        "messages": ["Impossible de lire missing.ini : Accès refusé. (5)"]})js"));
}

TEST_F(UnattendedTest, DetailsAScriptReliesOn) {
    // A hostile line: a control character, and far too long.
    commandFiles.files["p.ini"] = "[Tweaks]\nNum\x01Lock\t= " + std::string(300, 'x') + "\n";
    EXPECT_EQ(Run("/check p.ini"), 2);
    EXPECT_EQ(output.lines.at(0),
              "p.ini, ligne 2 : nom inconnu : Num\\x01Lock\\x09= " + std::string(120 - 11, 'x') + "...");
    commandFiles.files["p.ini"] = "[Tweaks]\n" + std::string(kMaxPresetBytes, ';');
    EXPECT_EQ(Run("/check p.ini"), 2) << "a preset too large is a bad preset, not a file error";
    EXPECT_EQ(Run("/export Z:\\p.ini"), 3);
    EXPECT_EQ(output.lines.at(0), "Impossible d'écrire Z:\\p.ini : Accès refusé. (5)");
    commandFiles.files["p.ini"] = "[Tweaks]\nNumLock = on\n";
    EXPECT_EQ(Run("/tweaks p.ini /utf8"), 0);
    EXPECT_TRUE(output.utf8);
    const std::string undoLine = "Fichier d'annulation : " + folder.Path("AppData\\Brivex Doziv\\Annulation\\");
    EXPECT_TRUE(std::ranges::any_of(
        output.lines, [&](const std::string& line) { return line.starts_with(undoLine) && line.ends_with(".reg"); }));
    EXPECT_EQ(Run("\u2013version"), 0);
    EXPECT_TRUE(std::regex_match(output.lines.at(0), std::regex(R"(Brivex Doziv \d+\.\d+\.\d+)"))) << output.lines[0];
}

// Every text the sources declare, {"Key", "French"}, has its English translation.
TEST_F(UnattendedTest, TheShippedEnglishFileHasEveryText) {
    const std::string shipped = std::string(BRIVEX_SOURCE_DIR) + "/../res/Lang/English.lng";
    // A key followed by its French text, or by the constant that holds it where it is shared.
    const std::regex declared(R"re(\{\s*"(\w+)",\s*(?:"|k[A-Z]))re");
    int keys = 0;
    for (const char* source : {"/cli/CommandTexts.h", "/cli/Usage.cpp"}) {
        std::ifstream in(std::string(BRIVEX_SOURCE_DIR) + source);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), declared), end; it != end; ++it, ++keys)
            EXPECT_NE(ReadIni(shipped, "CommandLine", (*it)[1]), "<absent>") << (*it)[1];
    }
    EXPECT_EQ(keys, 46 + 25);
}

}  // namespace
}  // namespace brivex::testing
