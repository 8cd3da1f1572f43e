#include "lang/MODTrans.h"

#include <algorithm>
#include <array>

#include "base/UsableFilePath.h"
#include "ui/Form.h"

namespace brivex {

namespace {

// "Accélaration" is spelled as in the French files users and translators already have.
constexpr std::array<std::string_view, 8> kFrenchProgressMessages = {
    "Initialisation ..",
    "Correction des Bugs du Système ..",
    "Accélération du menu Démarrer..",
    "Améliorer la stabilité du système ..",
    "Accélération du Boot ..",
    "Accélaration des Applications ..",
    "Nettoyage du Noyau Système ..",
    "Optimisation Terminée",
};

const std::string kFormCaptionKey = "Form.Caption";
constexpr std::array<std::string_view, 2> kTranslatedProperties = {"Caption", "ToolTipText"};

// "Name.Property" for a single control, "Name(Index).Property" for a member of a control array.
std::string TextKey(const ui::Control& control, std::string_view property) {
    std::string key = control.Name();
    if (const auto index = control.Index()) {
        key += '(';
        key += std::to_string(*index);
        key += ')';
    }
    key += '.';
    key += property;
    return key;
}

// The text the profile call left: as many bytes as its count says, never past
// the buffer, and never a NUL, which no text of a language file holds.
std::string_view ProfileText(const ProfileString& got) {
    std::string_view text(got.buffer.data(), std::min<std::size_t>(got.count, got.buffer.size()));
    return text.substr(0, text.find('\0'));
}

}  // namespace

std::string FrenchReferenceFile(std::string_view appFolder) {
    std::string path(appFolder);
    path += "\\Lang\\Francais.lng";
    return path;
}

std::vector<std::string> FrenchProgressMessages() {
    return {kFrenchProgressMessages.begin(), kFrenchProgressMessages.end()};
}

std::optional<std::string> MODTrans::UsableFile(const std::string& file) const {
    std::string ansiFile = ansi_.ToAnsi(file);
    if (!IsUsableFilePath(file, ansiFile.size())) return std::nullopt;
    return ansiFile;
}

std::string MODTrans::ReadIniText(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    const std::optional<std::string> ansiFile = UsableFile(file);
    if (!ansiFile) return defaultValue;
    const ProfileString got = ini_.GetString(ansi_.ToAnsi(section), ansi_.ToAnsi(key), ansi_.ToAnsi(defaultValue),
                                             kReadBufferSize, *ansiFile);
    return ansi_.FromAnsi(ProfileText(got));
}

std::int32_t MODTrans::WriteIniText(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& value) {
    const std::optional<std::string> ansiFile = UsableFile(file);
    if (!ansiFile) return 0;
    return ini_.WriteString(ansi_.ToAnsi(section), ansi_.ToAnsi(key), ansi_.ToAnsi(value), *ansiFile);
}

void MODTrans::WriteTexts(const std::string& file, const std::string& section,
                          const std::vector<std::pair<std::string, std::string>>& texts) {
    std::optional<LanguageSection> held = ReadSection(file, section);
    for (const auto& [key, text] : texts) {
        if (held && held->Holds(ansi_.ToAnsi(key), ansi_.ToAnsi(text))) continue;
        WriteIniText(file, section, key, text);
        // Once the file changed, what the section read found may no longer be so.
        held.reset();
    }
}

void MODTrans::WriteFormTexts(const ui::Form& form, const std::string& file) {
    std::vector<std::pair<std::string, std::string>> texts = {{kFormCaptionKey, form.Caption()}};
    for (const ui::Control* control : form.Controls()) {
        for (const std::string_view property : kTranslatedProperties) {
            const auto text = control->Get(property);
            if (text && !text->empty()) texts.emplace_back(TextKey(*control, property), *text);
        }
    }
    WriteTexts(file, form.Name(), texts);
}

std::optional<LanguageSection> MODTrans::ReadSection(const std::string& file, const std::string& section) {
    const std::optional<std::string> ansiFile = UsableFile(file);
    if (!ansiFile) return std::nullopt;
    return LanguageSection::Read(ini_, ansi_.ToAnsi(section), *ansiFile);
}

void MODTrans::TranslateForm(ui::Form& form, const std::string& file) {
    state_.CurrentLanguageFile = file;
    const std::optional<LanguageSection> section = ReadSection(file, form.Name());
    // What the section cannot tell is read key by key.
    const auto translated = [&](const std::string& key, const std::string& current) {
        if (section) {
            if (const auto text = section->Text(ansi_.ToAnsi(key), ansi_.ToAnsi(current), kReadBufferSize))
                return ansi_.FromAnsi(*text);
        }
        return ReadIniText(file, form.Name(), key, current);
    };
    form.SetCaption(translated(kFormCaptionKey, form.Caption()));
    for (ui::Control* control : form.Controls()) {
        for (const std::string_view property : kTranslatedProperties) {
            if (const auto text = control->Get(property))
                control->Set(property, translated(TextKey(*control, property), *text));
        }
    }
}

void MODTrans::WriteMessages(const std::string& file) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (std::size_t i = 0; i < state_.ProgressMessages.size(); ++i)
        texts.emplace_back("msg" + std::to_string(i + 1), state_.ProgressMessages[i]);
    WriteTexts(file, "MSG", texts);
}

std::string MODTrans::GetMessageText(const std::string& key) {
    return ReadIniText(state_.CurrentLanguageFile, "MSG", key, "");
}

}  // namespace brivex
