// The language-file reader as the windows use it, on a language file made of
// the input: a window named after one of its sections, with controls named
// after that section's keys and texts of any length, is translated; every
// text it ends with is what reading its key alone gives, and no longer than
// the read buffer allows. The section read whole answers as the string call.

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "FuzzRequire.h"
#include "IniOutline.h"
#include "lang/LanguageSection.h"
#include "lang/MODTrans.h"
#include "platform/portable/Cp1252Codec.h"
#include "platform/portable/PortableIniFile.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace brivex::fuzzing {
namespace {

constexpr std::size_t kNameLimit = 64;
constexpr std::size_t kControlLimit = 24;

struct ControlName {
    std::string name;
    std::optional<int> index;
    bool hasCaption;
};

// "Name.Property" or "Name(3).Property", as the windows' keys are made.
ControlName ControlNameOf(std::string_view key) {
    std::string_view name = key.substr(0, key.rfind('.'));
    const std::string_view property = key.substr(std::min(name.size() + 1, key.size()));
    std::optional<int> index;
    if (const auto open = name.find('('); open != std::string_view::npos && name.ends_with(')')) {
        int value = 0;
        const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error == std::errc() && end == digits.data() + digits.size()) {
            index = value;
            name = name.substr(0, open);
        }
    }
    return {std::string(name), index, property != "Text"};
}

std::string Piece(const std::string& content, std::size_t start, std::size_t length) {
    return content.substr(std::min(start, content.size()), length);
}

class FuzzForm final : public ui::Form {
public:
    using Form::Form;
    std::vector<std::unique_ptr<ui::Control>> controls;
};

struct Text {
    ui::Control* control;  // none for the window's own caption
    std::string key;
    std::string property;
    std::string before;
};

std::string KeyOf(const Text& text) {
    std::string key = text.control->Name();
    if (const auto index = text.control->Index()) key += '(' + std::to_string(*index) + ')';
    return key + '.' + text.property;
}

// The section call and the string call agree wherever the section can tell.
void CheckSectionAnswers(IniFile& ini, const std::string& section, const std::vector<std::string>& keys,
                         const std::string& defaultValue, std::uint32_t bufferSize, const std::string& file) {
    const std::optional<LanguageSection> whole = LanguageSection::Read(ini, section, file);
    if (!whole) return;
    for (const std::string& key : keys) {
        const std::optional<std::string> answer = whole->Text(key, defaultValue, bufferSize);
        if (!answer) continue;
        const ProfileString got = ini.GetString(section, key, defaultValue, bufferSize, file);
        FUZZ_REQUIRE(*answer == got.buffer.substr(0, got.count));
    }
}

}  // namespace
}  // namespace brivex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brivex;
    using namespace brivex::fuzzing;
    FuzzedDataProvider input(data, size);
    const auto pick = input.ConsumeIntegral<std::uint16_t>();
    const auto start = input.ConsumeIntegral<std::uint16_t>();
    const auto length = input.ConsumeIntegralInRange<std::uint16_t>(0, 300);
    const auto bufferSize = input.ConsumeIntegralInRange<std::uint32_t>(0, 300);
    const std::string content = input.ConsumeRemainingBytesAsString();

    FuzzFolder().MakeFolder(FuzzFolder().Path("Lang"));
    const std::string file = FuzzFolder().Path("Lang\\Fuzz.lng");
    PutFile(file, content);

    Cp1252Codec ansi;
    PortableIniFile ini;
    LanguageState state;
    MODTrans trans(ini, ansi, state);

    const std::vector<OutlineSection> outline = OutlineOf(content, kNameLimit);
    const OutlineSection& section = outline[pick % outline.size()];
    FuzzForm form(section.name.empty() ? "FrmHome" : ansi.FromAnsi(section.name),
                  ansi.FromAnsi(Piece(content, start, length)));
    std::vector<Text> texts = {{nullptr, "Form.Caption", "Caption", form.Caption()}};
    std::vector<std::string> keys = section.keys;
    keys.push_back(Piece(content, start / 3, length % 40));
    for (std::size_t i = 0; i < keys.size() && i < kControlLimit; ++i) {
        const ControlName name = ControlNameOf(ansi.FromAnsi(keys[i]));
        const std::string initial = ansi.FromAnsi(Piece(content, start + 7 * i, (length + 31 * i) % 300));
        if (name.hasCaption) form.controls.push_back(std::make_unique<ui::Label>(form, name.name, initial, name.index));
        else form.controls.push_back(std::make_unique<ui::TextBox>(form, name.name, initial, name.index));
        form.controls.back()->SetToolTipText(initial.substr(0, initial.size() / 2));
        for (const char* property : {"Caption", "ToolTipText"})
            if (const auto text = form.controls.back()->Get(property))
                texts.push_back({form.controls.back().get(), "", property, *text});
    }
    for (Text& text : texts)
        if (text.control) text.key = KeyOf(text);

    trans.TranslateForm(form, file);

    // A NUL in the file reads as the end of a line in the section call, so
    // only a file without one can be read both ways alike.
    const bool comparable = content.find('\0') == std::string::npos;
    MODTrans keyByKey(ini, ansi, state);
    for (const Text& text : texts) {
        const std::string after = text.control ? *text.control->Get(text.property) : form.Caption();
        FUZZ_REQUIRE(ansi.ToAnsi(after).size() <= MODTrans::kReadBufferSize - 1);
        if (comparable) FUZZ_REQUIRE(after == keyByKey.ReadIniText(file, form.Name(), text.key, text.before));
    }
    FUZZ_REQUIRE(state.CurrentLanguageFile == file);
    for (const std::string& key : {std::string("msg1"), std::string("msg8"), ansi.FromAnsi(keys.back())})
        FUZZ_REQUIRE(ansi.ToAnsi(trans.GetMessageText(key)).size() <= MODTrans::kReadBufferSize - 1);

    if (comparable)
        CheckSectionAnswers(ini, section.name, keys, Piece(content, start / 2, length), bufferSize, ansi.ToAnsi(file));
    return 0;
}
