#include "cli/OutputEncoding.h"

#include <gtest/gtest.h>

namespace brivex::testing {
namespace {

using Form = OutputEncoding::Form;

TEST(OutputEncoding, ConsoleUnicodeRedirectedInTheCallersCodePageOrUtf8OnRequest) {
    struct Case {
        StandardOutput output;
        unsigned consoleCodePage;
        bool preferUtf8;
        OutputEncoding expected;
    };
    const Case cases[] = {
        {StandardOutput::Console, 850, false, {Form::Wide}},
        {StandardOutput::Console, 850, true, {Form::Wide}},
        {StandardOutput::Redirected, 850, false, {Form::CodePage, 850}},
        {StandardOutput::Redirected, 0, false, {Form::CodePage, 437}},
        {StandardOutput::Redirected, 65001, false, {Form::Utf8}},
        {StandardOutput::Redirected, 850, true, {Form::Utf8}},
        {StandardOutput::Redirected, 0, true, {Form::Utf8}},
        {StandardOutput::Absent, 850, false, {Form::Wide}},
        {StandardOutput::Absent, 0, true, {Form::Unreadable}},
    };
    for (const Case& c : cases) {
        const OutputEncoding chosen = ChooseOutputEncoding({c.output, c.consoleCodePage, 437, c.preferUtf8});
        EXPECT_TRUE(chosen == c.expected)
            << static_cast<int>(c.output) << " " << c.consoleCodePage << " " << c.preferUtf8 << ": "
            << static_cast<int>(chosen.form) << " " << chosen.codePage;
    }
    const std::pair<const char*, const char*> lines[] = {
        {"trouvé", "trouvé\r\n"},
        {"", "\r\n"},
        {"a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
        {"a\r\r\n", "a\r\n\r\n\r\n"},
    };
    for (const auto& [text, framed] : lines) EXPECT_EQ(FramedLine(text), framed) << text;
}

}  // namespace
}  // namespace brivex::testing
