#pragma once
// Translation. Every window writes its own French texts into the reference
// file "Francais.lng" and then relabels itself from the language file the user
// chose. Language files are initialisation files in the ANSI code page: one
// section per window, named after it, with the keys "Form.Caption",
// "<control>.Caption", "<control>.ToolTipText" and, for members of a control
// array, "<control>(<index>).Caption"; and a section "MSG" holding the
// optimisation's stage texts "msg1".."msg8". Nothing here ever fails: a
// missing folder, file or key leaves every text as it was, and a file name the
// platform cannot take as a path (the setting holds whatever a user put there)
// counts as a missing file and never reaches the profile calls.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/LanguageSection.h"
#include "lang/LanguageState.h"
#include "platform/AnsiCodec.h"
#include "platform/IniFile.h"

namespace brivex::ui {
class Form;
}  // namespace brivex::ui

namespace brivex {

// Application folder + "\Lang\Francais.lng".
std::string FrenchReferenceFile(std::string_view appFolder);

// The eight stage texts of the optimisation, in French and in order.
std::vector<std::string> FrenchProgressMessages();

class MODTrans {
public:
    // Texts are read through a buffer of this many bytes of the ANSI text, so
    // at most 254 come back: 254 characters on a Western system.
    static constexpr std::uint32_t kReadBufferSize = 255;

    MODTrans(IniFile& ini, const AnsiCodec& ansi, LanguageState& state) : ini_(ini), ansi_(ansi), state_(state) {}

    std::string ReadIniText(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& defaultValue);
    // The platform's result, non-zero on success; no caller needs it.
    std::int32_t WriteIniText(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value);

    // Empty captions and tooltips are not written. A text the file already
    // holds exactly is not written again: the file stays the same, and every
    // window writes the same texts at each load.
    void WriteFormTexts(const ui::Form& form, const std::string& file);
    // A key present with an empty value empties its text; a missing one keeps
    // it. The window's section is read once and every text found in it, as
    // ReadIniText would find it.
    void TranslateForm(ui::Form& form, const std::string& file);

    // ProgressMessages as "msg1", "msg2", ... of section "MSG", as the window's texts are written.
    void WriteMessages(const std::string& file);
    // From CurrentLanguageFile; empty when the key is absent.
    std::string GetMessageText(const std::string& key);

private:
    // The file as the profile calls take it, or nothing when it is no usable path.
    std::optional<std::string> UsableFile(const std::string& file) const;
    // A section in one profile call, or nothing when the file is no usable
    // path or the section too large to read whole.
    std::optional<LanguageSection> ReadSection(const std::string& file, const std::string& section);
    // Each key and text of `texts` into the section, in order; up to the first
    // text written, those the section already holds are skipped.
    void WriteTexts(const std::string& file, const std::string& section,
                    const std::vector<std::pair<std::string, std::string>>& texts);

    IniFile& ini_;
    const AnsiCodec& ansi_;
    LanguageState& state_;
};

}  // namespace brivex
