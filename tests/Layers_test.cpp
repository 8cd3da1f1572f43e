// Folders depend one way: a folder includes only folders below it, folders at
// one level never include each other, and no two folders include each other.
// Read from the sources themselves on every native build.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace brivex::testing {
namespace {

// From the top down; the folders of one row are at one level. A folder's
// win32/, portable/, headless/ and controls/ subfolders belong to it. The
// forms runtime stands on the drawing: its controls paint with the canvas's
// GDI owners, fonts and pictures. The console companion is an entry point of
// its own, beside the program's.
const std::vector<std::vector<std::string_view>> kLayers = {
    {"app", "console"},
    {"cli"},
    {"optimise", "tweaks", "settings", "sysinfo", "backup"},
    {"program"},
    {"lang", "restore", "registry", "progressbar"},
    {"ui"},
    {"graphics"},
    {"platform"},
    {"base"},
};

struct Include {
    std::string file;  // relative to src/, with forward slashes
    int line;
    std::string target;
};

std::string TopFolder(std::string_view path) { return std::string(path.substr(0, path.find('/'))); }

std::optional<std::size_t> LevelOf(std::string_view folder) {
    for (std::size_t level = 0; level < kLayers.size(); ++level)
        if (std::ranges::find(kLayers[level], folder) != kLayers[level].end()) return level;
    return std::nullopt;
}

std::string Where(const Include& include) {
    return include.file + ":" + std::to_string(include.line) + " includes \"" + include.target + "\"";
}

// The folder an include reaches: a path without a folder is beside the including file.
std::string TargetFolder(const Include& include) {
    return include.target.find('/') == std::string::npos ? TopFolder(include.file) : TopFolder(include.target);
}

std::vector<std::string> Violations(const std::vector<Include>& includes) {
    std::vector<std::string> found;
    std::map<std::pair<std::string, std::string>, const Include*> crossings;
    for (const Include& include : includes) {
        const std::string from = TopFolder(include.file);
        const std::string to = TargetFolder(include);
        if (from == to) continue;
        crossings.try_emplace({from, to}, &include);
        const auto fromLevel = LevelOf(from);
        const auto toLevel = LevelOf(to);
        if (!fromLevel) found.push_back(include.file + ": " + from + "/ is not in the layer table");
        if (!toLevel) found.push_back(Where(include) + ": " + to + "/ is not in the layer table");
        if (!fromLevel || !toLevel) continue;
        if (*toLevel < *fromLevel) found.push_back(Where(include) + ": " + to + "/ is above " + from + "/");
        if (*toLevel == *fromLevel)
            found.push_back(Where(include) + ": " + from + "/ and " + to + "/ are at one level");
    }
    for (const auto& [pair, include] : crossings) {
        if (pair.first > pair.second) continue;
        const auto back = crossings.find({pair.second, pair.first});
        if (back == crossings.end()) continue;
        found.push_back(pair.first + "/ and " + pair.second + "/ include each other: " + Where(*include) + "; " +
                        Where(*back->second));
    }
    return found;
}

std::vector<Include> ReadIncludes(const std::filesystem::path& root) {
    std::vector<Include> includes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
        const std::string file = entry.path().lexically_relative(root).generic_string();
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            const std::size_t start = text.find_first_not_of(" \t");
            if (start == std::string::npos || text.compare(start, 10, "#include \"") != 0) continue;
            const std::size_t open = start + 10;
            const std::size_t close = text.find('"', open);
            if (close != std::string::npos) includes.push_back({file, line, text.substr(open, close - open)});
        }
    }
    return includes;
}

TEST(Layers_Rule, EachIncludeAgainstTheTable) {
    struct Case {
        const char* file;
        const char* target;
        const char* violation;  // empty: allowed
    };
    const Case cases[] = {
        {"app/FrmHome.cpp", "optimise/Optimisation.h", ""},
        {"optimise/Optimisation.cpp", "program/Program.h", ""},
        {"program/Program.h", "lang/MODTrans.h", ""},
        {"lang/MODTrans.h", "ui/Form.h", ""},
        {"ui/Form.h", "platform/Canvas.h", ""},
        {"ui/win32/FormWindow.cpp", "graphics/win32/Art.h", ""},
        {"graphics/win32/GdiText.cpp", "ui/win32/Gdi.h",
         "graphics/win32/GdiText.cpp:1 includes \"ui/win32/Gdi.h\": ui/ is above graphics/"},
        {"platform/portable/PixelCanvas.cpp", "base/Numbers.h", ""},
        {"ui/headless/HeadlessLoop.cpp", "ui/EventLoop.h", ""},
        {"app/win32/HomeArt.cpp", "optimise/win32/RebootArt.h", ""},
        {"base/Numbers.cpp", "Numbers.h", ""},
        {"optimise/Optimisation.cpp", "app/FrmHome.h",
         "optimise/Optimisation.cpp:1 includes \"app/FrmHome.h\": app/ is above optimise/"},
        {"optimise/win32/RebootArt.cpp", "app/win32/ArtTools.h",
         "optimise/win32/RebootArt.cpp:1 includes \"app/win32/ArtTools.h\": app/ is above optimise/"},
        {"base/Numbers.cpp", "ui/Form.h", "base/Numbers.cpp:1 includes \"ui/Form.h\": ui/ is above base/"},
        {"lang/MODTrans.cpp", "registry/Reg.h",
         "lang/MODTrans.cpp:1 includes \"registry/Reg.h\": lang/ and registry/ are at one level"},
        {"tweaks/FrmTweak.cpp", "optimise/Optimisation.h",
         "tweaks/FrmTweak.cpp:1 includes \"optimise/Optimisation.h\": tweaks/ and optimise/ are at one level"},
        {"program/Program.h", "tweaks/FrmTweak.h",
         "program/Program.h:1 includes \"tweaks/FrmTweak.h\": tweaks/ is above program/"},
        {"widgets/Dial.cpp", "ui/Form.h", "widgets/Dial.cpp: widgets/ is not in the layer table"},
        {"ui/Form.cpp", "gadgets/Dial.h",
         "ui/Form.cpp:1 includes \"gadgets/Dial.h\": gadgets/ is not in the layer table"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> found = Violations({{c.file, 1, c.target}});
        const std::vector<std::string> expected =
            *c.violation ? std::vector<std::string>{c.violation} : std::vector<std::string>{};
        EXPECT_EQ(found, expected) << c.file << " -> " << c.target;
    }
}

TEST(Layers_Rule, TwoFoldersIncludingEachOtherAreNamedWithBothIncludes) {
    const std::vector<Include> includes = {
        {"app/App.cpp", 4, "optimise/FrmReboot.h"},
        {"optimise/Optimisation.cpp", 3, "app/App.h"},
        {"optimise/FrmReboot.cpp", 3, "app/App.h"},
    };
    const std::vector<std::string> found = Violations(includes);
    EXPECT_EQ(std::ranges::count(found,
                                 "app/ and optimise/ include each other: app/App.cpp:4 includes "
                                 "\"optimise/FrmReboot.h\"; optimise/Optimisation.cpp:3 includes \"app/App.h\""),
              1);
    EXPECT_EQ(found.size(), 3u) << "two upward includes and one pair";
}

const std::filesystem::path kSources = BRIVEX_SOURCE_DIR;

TEST(Layers_Sources, EveryFolderIsInTheTable) {
    for (const auto& entry : std::filesystem::directory_iterator(kSources)) {
        if (!entry.is_directory()) continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_TRUE(LevelOf(folder)) << "src/" << folder << "/ is not in the layer table";
    }
}

TEST(Layers_Sources, EveryIncludeGoesDownAndNoTwoFoldersIncludeEachOther) {
    const std::vector<Include> includes = ReadIncludes(kSources);
    ASSERT_GT(includes.size(), 100u) << "the scan reads the whole tree under " << kSources;
    std::string report;
    for (const std::string& violation : Violations(includes)) report += "\n  " + violation;
    EXPECT_TRUE(report.empty()) << "includes against the layers:" << report;
}

}  // namespace
}  // namespace brivex::testing
