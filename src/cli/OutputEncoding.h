#pragma once
// How the command's texts leave the process. Scripts read a redirected output
// as their console decodes a console program's: in the console's output code
// page, or the OEM code page when there is no console (PowerShell 5.1, cmd,
// deployment agents). A console itself takes Unicode, so it shows every
// character whatever its code page.

#include <string>
#include <string_view>

namespace brivex {

// What the standard output the process was given is.
enum class StandardOutput { Console, Redirected, Absent };

struct OutputFacts {
    StandardOutput output = StandardOutput::Absent;
    unsigned consoleCodePage = 0;  // of the console the process is attached to; 0 when it has none
    unsigned oemCodePage = 0;
    bool preferUtf8 = false;  // the caller asked for UTF-8 bytes (/utf8)
};

struct OutputEncoding {
    enum class Form {
        Unreadable,  // no standard output and no console: no one can read the text
        Wide,        // a console: UTF-16 through the console's own functions
        Utf8,
        CodePage,  // `codePage`, where a character it lacks becomes a near one
    };
    Form form = Form::Unreadable;
    unsigned codePage = 0;
    friend bool operator==(const OutputEncoding&, const OutputEncoding&) = default;
};

OutputEncoding ChooseOutputEncoding(const OutputFacts& facts);

// One line of text as it goes out, still in UTF-8: ended by CR LF, and any
// line break inside it (LF, CR or CR LF) made a CR LF too, so every line a
// caller reads ends the same way.
std::string FramedLine(std::string_view text);

}  // namespace brivex
