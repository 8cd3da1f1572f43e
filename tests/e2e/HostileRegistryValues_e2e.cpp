// Registry values no build of the program wrote, in every place it reads: its
// own settings holding texts that are no number, negative or ten thousand
// characters long, or values of another type; the system information rows
// holding values of unexpected types; the start-with-Windows value of another
// type; a tweak's value of another type. The real program starts, shows the window that reads the value with
// sensible texts, keeps answering, ends cleanly, and changes nothing it was not
// asked to change. Every value planted is put back when its case ends.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/ProgramUnderTest.h"

namespace brivex::e2e {
namespace {

constexpr DWORD kWindowTimeout = 60000;
const std::wstring kMainCaption = L"Velmora Xp";
const std::wstring kInfoCaption = L"Brivex Information Syt\u00e8me - Velmora Xp";
const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

RawValue Raw(DWORD type, std::string bytes) {
    RawValue value;
    value.type = type;
    value.bytes = std::move(bytes);
    return value;
}
RawValue Text(const std::wstring& text, DWORD type = REG_SZ) { return Raw(type, Utf16Bytes(text)); }
RawValue Dword(DWORD number) { return Raw(REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)); }
RawValue Binary(const std::string& bytes) { return Raw(REG_BINARY, bytes); }
RawValue MultiText(const std::wstring& first, const std::wstring& second) {
    return Raw(REG_MULTI_SZ, Utf16Bytes(first) + Utf16Bytes(second) + Utf16Bytes(L""));
}
const RawValue kEmptyText = Raw(REG_SZ, "");

class HostileRegistryValuesE2e : public ::testing::Test {
protected:
    HostileRegistryValuesE2e() {
        EndLeftoverInstances();
        ClearSettings();
        SaveSetting(L"config", L"first", L"1");
    }
    ~HostileRegistryValuesE2e() override { ClearSettings(); }

    HWND ShownMainWindow(Program& program) {
        HWND main = program.WaitForWindow(kMainCaption, kWindowTimeout);
        if (!main) {
            ADD_FAILURE() << (program.Running() ? "no visible main window" : "the program ended");
            return nullptr;
        }
        EXPECT_FALSE(program.CurrentMessageBox()) << "nothing to announce";
        for (const wchar_t* caption : {L"&Optimiser Windows", L"Info Syst\u00e8me", L"Configuration", L"Quitter"})
            EXPECT_NE(FindChild(main, caption), nullptr) << Printable(caption);
        for (const std::wstring& text : GarbledTexts(main)) ADD_FAILURE() << "garbled: " << Printable(text);
        EXPECT_TRUE(KeepsAnswering(main));
        return main;
    }

    // Opens a window through its button on the main window.
    static HWND Open(Program& program, HWND main, const wchar_t* button, const std::wstring& caption) {
        HWND open = FindChild(main, button);
        if (!open) return nullptr;
        Click(open);
        HWND window = program.WaitForWindow(caption, 10000);
        if (window) { EXPECT_TRUE(KeepsAnswering(window)); }
        return window;
    }

    // Closes a window by its button and waits for the main window to come back.
    static void CloseAndReturn(HWND window, HWND closer, HWND main) {
        ASSERT_NE(closer, nullptr);
        Click(closer);
        EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window) || !IsWindowVisible(window); }));
        EXPECT_TRUE(Poll(5000, [&] { return IsIconic(main) == FALSE && IsWindowVisible(main); })) << "restored";
    }

    Installation installation;
};

// A settings entry read as a number is 1 only when its text reads as 1; any
// other text, and a value that is no text, is read as the reader's default.
TEST_F(HostileRegistryValuesE2e, SettingsOfAnyTextOrTypeAreReadAsTheirDefaultUnlessTheyReadAsOne) {
    struct Case {
        const char* what;
        RawValue value;
        bool readsAsOne;
    };
    const Case cases[] = {
        {"a text that is no number", Text(L"oui"), false},
        {"a negative number", Text(L"-1"), false},
        {"10 000 digits", Text(std::wstring(10000, L'9')), false},
        {"10 000 characters that read as 1", Text(std::wstring(9999, L'0') + L"1"), true},
        {"a text stored without its terminator", Raw(REG_SZ, Utf16Bytes(L"1", false)), true},
        {"an empty value", kEmptyText, false},
        {"a number where a text is read", Dword(1), false},
        {"bytes", Binary("1"), false},
        {"several texts", MultiText(L"1", L"1"), false},
        {"an expandable text", Text(L"1", REG_EXPAND_SZ), false},
    };
    const std::wstring config = std::wstring(kSettingsKey) + L"\\config";
    const std::wstring files = std::wstring(kSettingsKey) + L"\\FILES";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // "first" is compared with "0" as a text and stays a plain "1" here:
        // as its default it would start the first-run path.
        for (const wchar_t* entry : {L"ontop", L"Doc", L"Press", L"Winstart", L"optistart", L"optitweak", L"reboot"})
            WriteRawValue(HKEY_CURRENT_USER, config.c_str(), entry, c.value);
        WriteRawValue(HKEY_CURRENT_USER, files.c_str(), L"LNG", c.value);
        const std::string settings = KeySnapshot(HKEY_CURRENT_USER, kSettingsKey);

        Program program(installation.Exe());
        HWND main = ShownMainWindow(program);
        if (!main) continue;
        EXPECT_EQ(IsTopmost(main), c.readsAsOne) << "ontop";

        HWND window = Open(program, main, L"Configuration", L"Configuration");
        ASSERT_NE(window, nullptr);
        for (const SettingsOption& option : kSettingsOptions) {
            HWND box = FindChild(window, option.caption);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(Checked(box), c.readsAsOne) << Printable(option.entry);
        }
        EXPECT_EQ(IsTopmost(window), c.readsAsOne);
        for (const std::wstring& text : GarbledTexts(window)) ADD_FAILURE() << "garbled: " << Printable(text);
        CloseAndReturn(window, FindChild(window, L"Annuler"), main);

        HWND info = Open(program, main, L"Info Syst\u00e8me", kInfoCaption);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(IsTopmost(info), c.readsAsOne);
        PostMessageW(info, WM_CLOSE, 0, 0);
        EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(info) || !IsWindowVisible(info); }));

        EXPECT_TRUE(QuitCleanly(program, main));
        EXPECT_EQ(KeySnapshot(HKEY_CURRENT_USER, kSettingsKey), settings) << "cancelled: nothing written";
    }
}

// The Windows and PC rows show a text as read and a number as its digits;
// anything else leaves the row's two blanks.
TEST_F(HostileRegistryValuesE2e, InformationRowsShowTextsAndNumbersAndNothingElse) {
    struct Row {
        const wchar_t* button;
        const wchar_t* caption;
        const wchar_t* key;
        const wchar_t* name;
    };
    const Row rows[] = {
        {L"Info Windows", L"Syst\u00e8me d'exploitation :", L"software\\microsoft\\windows nt\\currentversion",
         L"productname"},
        {L"Info Pc", L"Constructeur du Processeur :", L"hardware\\Description\\system\\CentralProcessor\\0",
         L"VendorIdentifier"},
        {L"Info Pc", L"Fr\u00e9quence du Processeur en MHz :", L"hardware\\Description\\system\\CentralProcessor\\0",
         L"~Mhz"},
    };
    struct Case {
        const char* what;
        RawValue value;
        std::wstring shown;
    };
    const std::wstring longText(10000, L'W');
    const Case cases[] = {
        {"a text", Text(L"2400 MHz"), L"  2400 MHz"},
        {"a number", Dword(2400), L"  2400"},
        {"a number past the signed range", Dword(0xFFFFFFFFu), L"  -1"},
        {"10 000 characters", Text(longText), L"  " + longText},
        {"a text stored without its terminator", Raw(REG_SZ, Utf16Bytes(L"Wine", false)), L"  Wine"},
        {"a text with a NUL inside", Raw(REG_SZ, Utf16Bytes(L"Wine") + Utf16Bytes(L"Extra")), L"  Wine"},
        {"an empty value", kEmptyText, L"  "},
        {"bytes", Binary(std::string("AB\0\xFF", 4)), L"  "},
        {"several texts", MultiText(L"Wine", L"Extra"), L"  "},
        {"an expandable text", Text(L"%SystemRoot%", REG_EXPAND_SZ), L"  "},
        {"a 64-bit number", Raw(REG_QWORD, std::string("\x60\x09\0\0\0\0\0\0", 8)), L"  "},
        {"no type at all", Raw(REG_NONE, ""), L"  "},
    };
    std::vector<std::string> before;
    for (const Row& row : rows) before.push_back(KeySnapshot(HKEY_LOCAL_MACHINE, row.key));

    Program program(installation.Exe());
    HWND main = ShownMainWindow(program);
    ASSERT_NE(main, nullptr);
    HWND window = Open(program, main, L"Info Syst\u00e8me", kInfoCaption);
    ASSERT_NE(window, nullptr);
    // Shows `value` in the row and waits for the text, after a known text first
    // so that a row left as the case before cannot pass for the answer.
    const auto shownFor = [&](const Row& row, const RawValue& value) {
        const std::wstring marker = L"marker " + std::to_wstring(GetTickCount());
        {
            const PlantedValue planted(HKEY_LOCAL_MACHINE, row.key, row.name, Text(marker));
            Click(FindChild(window, row.button));
            if (!Poll(5000, [&] { return RowText(window, row.caption) == L"  " + marker; }))
                return std::wstring(L"<stuck>");
        }
        const PlantedValue planted(HKEY_LOCAL_MACHINE, row.key, row.name, value);
        Click(FindChild(window, row.button));
        std::wstring shown;
        Poll(5000, [&] { return (shown = RowText(window, row.caption)).rfind(L"  marker", 0) != 0; });
        return shown;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Row& row : rows) {
            const std::wstring shown = shownFor(row, c.value);
            EXPECT_TRUE(shown == c.shown) << Printable(row.name) << ": \"" << Printable(shown.substr(0, 40)) << "\"";
            EXPECT_TRUE(IsCleanText(shown));
        }
        EXPECT_TRUE(KeepsAnswering(window));
    }

    // The copy of the whole machine reads the rows again and shows them
    // without their leading blanks, each text up to a NUL it holds.
    {
        const PlantedValue product(HKEY_LOCAL_MACHINE, rows[0].key, rows[0].name,
                                   Raw(REG_SZ, Utf16Bytes(L"Wine") + Utf16Bytes(L"Extra")));
        const PlantedValue vendor(HKEY_LOCAL_MACHINE, rows[1].key, rows[1].name, Dword(7));
        const PlantedValue mhz(HKEY_LOCAL_MACHINE, rows[2].key, rows[2].name, Binary("AB"));
        EmptyTheClipboard();
        // Posted: a message sent from another process would forbid the window
        // the management service's calls the copy makes.
        PostMessageW(window, WM_COPY, 0, 0);
        std::wstring copied;
        EXPECT_TRUE(Poll(10000, [&] { return !(copied = ClipboardText()).empty(); }));
        EXPECT_NE(copied.find(L"\r\nSyst\u00e8me d'exploitation :\tWine\r\n"), std::wstring::npos);
        EXPECT_NE(copied.find(L"\r\nConstructeur du Processeur :\t7\r\n"), std::wstring::npos);
        EXPECT_NE(copied.find(L"\r\nFr\u00e9quence du Processeur en MHz :\t\r\n"), std::wstring::npos);
        EXPECT_TRUE(IsCleanText(copied)) << Printable(copied);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Poll(5000, [&] { return !IsWindow(window) || !IsWindowVisible(window); }));
    EXPECT_TRUE(QuitCleanly(program, main));
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(KeySnapshot(HKEY_LOCAL_MACHINE, rows[i].key), before[i]) << "put back as it was";
}

// The settings window writes the start-with-Windows value or deletes it at
// apply, whatever was there; cancelling leaves any value as it found it.
TEST_F(HostileRegistryValuesE2e, AStartWithWindowsValueOfAnyTypeIsLeftByCancelAndReplacedByApply) {
    const RawValue cases[] = {
        Dword(1),
        Binary(std::string("\"C:\\x\"", 6)),
        MultiText(L"C:\\Brivex Doziv.exe", L"C:\\other.exe"),
        kEmptyText,
        Text(L"%ProgramFiles%\\Brivex Doziv.exe", REG_EXPAND_SZ),
    };
    const PlantedValue absent(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv", std::nullopt);
    const PlantedValue neighbour(HKEY_LOCAL_MACHINE, kRunKey, L"Another Program", Text(L"C:\\another.exe"));
    const std::string onlyNeighbour = KeySnapshot(HKEY_LOCAL_MACHINE, kRunKey);

    Program program(installation.Exe());
    HWND main = ShownMainWindow(program);
    ASSERT_NE(main, nullptr);
    const std::wstring winStart = kSettingsOptions[2].caption;
    for (const RawValue& value : cases) {
        SCOPED_TRACE(value.type);
        WriteRawValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv", value);
        const std::string with = KeySnapshot(HKEY_LOCAL_MACHINE, kRunKey);

        HWND window = Open(program, main, L"Configuration", L"Configuration");
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(Checked(FindChild(window, winStart.c_str()))) << "the box follows the setting alone";
        CloseAndReturn(window, FindChild(window, L"Annuler"), main);
        EXPECT_EQ(KeySnapshot(HKEY_LOCAL_MACHINE, kRunKey), with);

        window = Open(program, main, L"Configuration", L"Configuration");
        ASSERT_NE(window, nullptr);
        Click(FindChild(window, winStart.c_str()));
        ASSERT_TRUE(Poll(3000, [&] { return Checked(FindChild(window, winStart.c_str())); }));
        CloseAndReturn(window, FindChild(window, L"&Appliquer"), main);
        EXPECT_EQ(ReadRawValue(HKEY_LOCAL_MACHINE, kRunKey, L"Velmora Doziv"),
                  std::optional(Text(L"\"" + installation.Exe() + L"\"")));

        window = Open(program, main, L"Configuration", L"Configuration");
        ASSERT_NE(window, nullptr);
        Click(FindChild(window, winStart.c_str()));
        ASSERT_TRUE(Poll(3000, [&] { return !Checked(FindChild(window, winStart.c_str())); }));
        CloseAndReturn(window, FindChild(window, L"&Appliquer"), main);
        EXPECT_EQ(KeySnapshot(HKEY_LOCAL_MACHINE, kRunKey), onlyNeighbour) << "deleted, the other value kept";
    }
    EXPECT_TRUE(QuitCleanly(program, main));
}

// The tweak panel reads each entry's values at load to show its state: a value
// of another type than the entry writes is neither state. The cases alternate
// with plain numbers, so each opening shows a state other than the last one's.
TEST_F(HostileRegistryValuesE2e, TheTweakPanelTakesANumberStoredEitherWayAndAnyOtherValueAsNeitherState) {
    const wchar_t kExplorer[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    struct Case {
        const char* what;
        RawValue value;
        std::wstring state;
    };
    const Case cases[] = {
        {"the number 1", Dword(1), L"activ\u00e9"},
        {"the number's digits as text", Text(L"1"), L"activ\u00e9"},
        {"a text of other digits", Text(L"01"), L"?"},
        {"the number 0", Dword(0), L"d\u00e9sactiv\u00e9"},
        {"bytes", Binary(std::string("\x01\0\0\0", 4)), L"?"},
        {"the number 1 again", Dword(1), L"activ\u00e9"},
        {"several texts", MultiText(L"1", L"0"), L"?"},
        {"the number 0 again", Dword(0), L"d\u00e9sactiv\u00e9"},
        {"an empty value", kEmptyText, L"?"},
        {"the number 1 once more", Dword(1), L"activ\u00e9"},
        {"a 64-bit number", Raw(REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8)), L"?"},
    };
    const std::string before = KeySnapshot(HKEY_CURRENT_USER, kExplorer);
    const std::wstring panelCaption = L"Personnalisation de Windows  - Velmora Xp";
    const std::wstring processes = L"Gestion des processus";

    Program program(installation.Exe());
    HWND main = ShownMainWindow(program);
    ASSERT_NE(main, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlantedValue planted(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess", c.value);
        HWND panel = Open(program, main, L"Brivex Tweaker", panelCaption);
        ASSERT_NE(panel, nullptr);
        std::wstring state;
        EXPECT_TRUE(Poll(5000, [&] { return (state = RowText(panel, processes)) == c.state; })) << Printable(state);
        EXPECT_FALSE(SendMessageW(FindChild(panel, processes), BM_GETCHECK, 0, 0) == BST_CHECKED);
        for (const std::wstring& text : GarbledTexts(panel)) ADD_FAILURE() << "garbled: " << Printable(text);
        CloseAndReturn(panel, FindChild(panel, L"&Fermer"), main);
        EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kExplorer, L"DesktopProcess"), std::optional(c.value))
            << "read, never written";
    }
    EXPECT_TRUE(QuitCleanly(program, main));
    EXPECT_EQ(KeySnapshot(HKEY_CURRENT_USER, kExplorer), before) << "put back as it was";
}

}  // namespace
}  // namespace brivex::e2e
