// No exception leaves a window procedure, a timer tick or a posted action
// under Wine: the handler is abandoned, the user sees the error's text in a
// box with the information icon, under the application title, and the
// program goes on.

#include "ui/win32/ErrorBarrier.h"

#include <stdexcept>
#include <vector>

#include "ui/ButtonPlus.h"
#include "ui/PeeredControl.h"
#include "ui/win32/FormTesting.h"
#include "ui/win32/PeerFactory.h"
#include "ui/win32/Win32Dialogs.h"

namespace brivex::ui::testing {
namespace {

// Collects what would be shown, for the tests that need no real box.
class ReportedErrors final : public Dialogs {
public:
    ReportedErrors() : previous_(ReportErrorsThrough(this)) {}
    ~ReportedErrors() override { ReportErrorsThrough(previous_); }
    int MsgBox(const std::string& text, int, const std::string&) override {
        texts.push_back(text);
        return mb::AnswerOk;
    }
    void RestartPrompt(Form&, int) override {}
    std::vector<std::string> texts;

private:
    Dialogs* previous_;
};

struct CommandForm : Form {
    CommandForm() : Form("FrmCommand", "Commandes") {
        SetDesign(4500, 3000, "");
        Command1.SetPosition({150, 150, 1800, 450});
    }
    ButtonPlus Command1{*this, "Command1", "&Optimiser Windows"};
};

class ErrorBarrierTest : public FormTest {};

void ReadLanguageFile() { throw std::runtime_error("chargement"); }

TEST_F(ErrorBarrierTest, ATimerThatThrowsShowsTheErrorBoxAndTheLoopGoesOn) {
    Win32Dialogs dialogs("Brivex Doziv");
    Dialogs* previous = ReportErrorsThrough(&dialogs);
    int ticks = 0;
    int pastTheThrow = 0;
    TimerId failing = loop.StartTimer(10, [&] {
        if (++ticks == 1) throw std::runtime_error("Le fichier de langue est illisible.");
        ++pastTheThrow;
    });
    std::vector<BoxSeen> boxes;
    const TimerId closer = loop.StartTimer(50, [&] {
        if (auto box = CloseMessageBox()) boxes.push_back(*box);
    });
    for (int i = 0; i < 40 && ticks < 3; ++i) Pump();
    loop.StopTimer(failing);
    loop.StopTimer(closer);
    ReportErrorsThrough(previous);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Le fichier de langue est illisible.");
    EXPECT_EQ(boxes[0].title, L"Brivex Doziv") << "the application title, as every box of the program";
    EXPECT_TRUE(boxes[0].informationIcon);
    EXPECT_GE(ticks, 3) << "the timer keeps ticking after the failed tick";
    EXPECT_EQ(pastTheThrow, ticks - 1) << "only the failed tick was abandoned";
}

// The form outlives the test's body: the host still knows it when the program ends.
class HandlerErrorTest : public FormTest {
protected:
    ReportedErrors errors;
    CommandForm form;
};

TEST_F(HandlerErrorTest, AClickHandlerThatThrowsIsAbandonedAndTheNextClickRuns) {
    int clicks = 0;
    form.Command1.OnClick = [&] {
        if (++clicks == 1) throw std::out_of_range("stage 9");
    };
    host.Show(form);
    SendMessageW(WindowOf(form.Command1), BM_CLICK, 0, 0);
    SendMessageW(WindowOf(form.Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"stage 9"});
    EXPECT_EQ(clicks, 2);
}

TEST_F(HandlerErrorTest, AnExceptionWithoutTextStillSaysSomething) {
    form.Command1.OnClick = [] { throw 42; };
    host.Show(form);
    SendMessageW(WindowOf(form.Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(errors.texts, std::vector<std::string>{runtimetexts::kUnexpectedError});
}

TEST_F(HandlerErrorTest, ALoadThatThrowsIsAbandonedAndTheWindowStillShows) {
    bool restOfLoad = false;
    form.OnLoad = [&] {
        form.ApplyRoundedShape();
        ReadLanguageFile();
        restOfLoad = true;
    };
    host.Show(form);
    EXPECT_EQ(errors.texts, std::vector<std::string>{"chargement"});
    EXPECT_FALSE(restOfLoad);
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(IsWindowVisible(WindowOf(form)));
}

// A kind whose window the system refuses.
class Unmakeable final : public PeeredControl<ControlPeer> {
public:
    Unmakeable(Form& form, std::string name) : PeeredControl(form, std::move(name), std::nullopt, {}) {}
};

struct RefusedForm : Form {
    RefusedForm() : Form("FrmRefused", "Brivex Tweaker") {}
    Unmakeable Broken{*this, "Broken"};
};

class RefusedWindowTest : public FormTest {
protected:
    RefusedWindowTest() {
        RegisterPeerFactory(typeid(Unmakeable), [](Control&, PeerSite&) { return std::unique_ptr<ControlWindow>(); });
        refused.OnLoad = [this] { ++loads; };
    }
    ReportedErrors errors;
    RefusedForm refused;
    CommandForm main;
    int loads = 0;
};

TEST_F(RefusedWindowTest, AWindowThatCannotBeMadeIsRefusedWithAMessageAndNotLoaded) {
    host.Show(main);
    EXPECT_FALSE(host.Show(refused));
    EXPECT_EQ(errors.texts, std::vector<std::string>{
                                "La fen\u00eatre \u00ab Brivex Tweaker \u00bb n'a pas pu \u00eatre cr\u00e9\u00e9e."});
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(refused.Loaded());
    EXPECT_EQ(WindowOf(refused), nullptr);
    EXPECT_FALSE(host.Ending()) << "the main window is still there";
    EXPECT_TRUE(IsWindowVisible(WindowOf(main)));
}

TEST_F(RefusedWindowTest, TheProgramEndsWhenItsOnlyWindowIsRefused) {
    host.Show(refused);
    EXPECT_EQ(errors.texts.size(), 1u);
    EXPECT_TRUE(host.Ending());
}

}  // namespace
}  // namespace brivex::ui::testing
