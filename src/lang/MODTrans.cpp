#include "lang/MODTrans.h"

#include <array>

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

// The count is in characters of the ANSI text, which UTF-8 may spell in several bytes.
std::string FirstCharacters(const std::string& utf8, std::uint32_t count) {
    std::size_t end = 0;
    for (std::uint32_t taken = 0; taken < count && end < utf8.size(); ++taken) {
        ++end;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    }
    return utf8.substr(0, end);
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

std::string MODTrans::ReadIniText(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& defaultValue) {
    const ProfileString got = ini_.GetString(section, key, defaultValue, kReadBufferSize, file);
    return FirstCharacters(got.buffer, got.count);
}

std::int32_t MODTrans::WriteIniText(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& value) {
    return ini_.WriteString(section, key, value, file);
}

void MODTrans::WriteFormTexts(const ui::Form& form, const std::string& file) {
    WriteIniText(file, form.Name(), kFormCaptionKey, form.Caption());
    for (const ui::Control* control : form.Controls()) {
        for (const std::string_view property : kTranslatedProperties) {
            const auto text = control->Get(property);
            if (text && !text->empty()) WriteIniText(file, form.Name(), TextKey(*control, property), *text);
        }
    }
}

void MODTrans::TranslateForm(ui::Form& form, const std::string& file) {
    state_.CurrentLanguageFile = file;
    form.SetCaption(ReadIniText(file, form.Name(), kFormCaptionKey, form.Caption()));
    for (ui::Control* control : form.Controls()) {
        for (const std::string_view property : kTranslatedProperties) {
            if (const auto text = control->Get(property))
                control->Set(property, ReadIniText(file, form.Name(), TextKey(*control, property), *text));
        }
    }
}

void MODTrans::WriteMessages(const std::string& file) {
    for (std::size_t i = 0; i < state_.ProgressMessages.size(); ++i) {
        std::string key = "msg";
        key += std::to_string(i + 1);
        WriteIniText(file, "MSG", key, state_.ProgressMessages[i]);
    }
}

std::string MODTrans::GetMessageText(const std::string& key) {
    return ReadIniText(state_.CurrentLanguageFile, "MSG", key, "");
}

}  // namespace brivex
