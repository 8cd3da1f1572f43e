#include "program/Program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppFixture.h"

namespace brivex::testing {
namespace {

// A window that notes its making, to see when the context makes it.
class NotedForm final : public ui::Form {
public:
    NotedForm(const std::string& name, std::vector<std::string>& notes) : Form(name, name) {
        notes.push_back("made " + name);
    }
};

class Program_Windows : public AppFixture {
protected:
    Program& Context() {
        if (!program_) {
            program_ = std::make_unique<Program>(platform, loop, forms, dialogs);
            for (const auto& [kind, name] : {std::pair{WindowKind::Home, "Main"}, std::pair{WindowKind::Reboot, "End"}})
                program_->RegisterWindow(kind,
                                         [this, name](Program&) { return std::make_unique<NotedForm>(name, notes); });
        }
        return *program_;
    }

    std::vector<std::string> notes;
    std::unique_ptr<Program> program_;
};

TEST_F(Program_Windows, EachIsMadeOnFirstUseAndOnlyOnce) {
    Program& program = Context();
    EXPECT_TRUE(notes.empty()) << "registering makes nothing";
    ui::Form& end = program.Window(WindowKind::Reboot);
    EXPECT_EQ(&program.Window(WindowKind::Reboot), &end);
    EXPECT_EQ(end.Name(), "End");
    EXPECT_EQ(notes, (std::vector<std::string>{"made End"})) << "the main window is not made for another window";
    EXPECT_EQ(program.MainWindow().Name(), "Main");
    EXPECT_EQ(&program.MainWindow(), &program.Window(WindowKind::Home));
    EXPECT_EQ(notes, (std::vector<std::string>{"made End", "made Main"}));
}

TEST_F(Program_Windows, OpenShowsTheSingleInstance) {
    Program& program = Context();
    program.Open(WindowKind::Home);
    program.Open(WindowKind::Home);
    EXPECT_TRUE(forms.IsShown(program.MainWindow()));
    EXPECT_EQ(notes, (std::vector<std::string>{"made Main"}));
}

}  // namespace
}  // namespace brivex::testing
