#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ButtonPlus.h"
#include "ui/CheckBox.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"
#include "ui/Form.h"

namespace brivex::ui {
namespace {

// Records what a peer is told, to check that the model pushes changes and only changes.
template <typename KindPeer>
struct Recording : KindPeer {
    void SetText(const std::string& t) override { log.push_back("text " + t); }
    void SetToolTip(const std::string& t) override { log.push_back("tip " + t); }
    void SetVisible(bool v) override { log.push_back(v ? "show" : "hide"); }
    void SetEnabled(bool e) override { log.push_back(e ? "enable" : "disable"); }
    void SetBounds(const Bounds& b) override { log.push_back("height " + std::to_string(b.height)); }
    void Invalidate() override { log.push_back("invalidate"); }
    std::vector<std::string> log;
};

using RecordingPeer = Recording<ControlPeer>;

struct RecordingCheck final : Recording<CheckPeer> {
    void SetCheckState(int state) override { log.push_back("check " + std::to_string(state)); }
};

struct RecordingOption final : Recording<OptionPeer> {
    void SetChosen(bool chosen) override { log.push_back(chosen ? "chosen" : "not chosen"); }
};

struct RecordingText final : Recording<TextPeer> {
    void SetReadOnly(bool readOnly) override { log.push_back(readOnly ? "read-only" : "editable"); }
};

struct RecordingList final : Recording<ListPeer> {
    void ClearItems() override { log.push_back("clear"); }
    void AddItem(const std::string& item) override { log.push_back("add " + item); }
    void SetSelection(int index) override { log.push_back("select " + std::to_string(index)); }
};

struct Panel : Form {
    Panel() : Form("FrmPanel", "Panel") {
        Check1.PlaceIn(Frame1);
        Option1.PlaceIn(Frame1);
        Option2.PlaceIn(Frame1);
    }
    FramePlus Frame1{*this, "Frame1", "Options"};
    CheckBox Check1{*this, "Check1", "Changer"};
    OptionButton Option1{*this, "Option1", "Un"};
    OptionButton Option2{*this, "Option2", "Deux"};
    OptionButton Option3{*this, "Option3", "Ailleurs"};
    ButtonPlus Command1{*this, "Command1", "&Optimiser Windows"};
    Label Label1{*this, "Label1", "HH:MM:SS"};
    TextBox Text1{*this, "Text1", "saisie"};
    ListBox List1{*this, "List1"};
};

TEST(Controls_Collection, DeclarationOrderAndLookupByNameAndIndex) {
    Panel form;
    std::vector<std::string> names;
    for (const Control* c : form.Controls()) names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Frame1", "Check1", "Option1", "Option2", "Option3", "Command1",
                                               "Label1", "Text1", "List1"}));
    EXPECT_EQ(form.FindControl("Label1"), &form.Label1);
    EXPECT_EQ(form.FindControl("Label1", 0), nullptr);
}

TEST(Controls_Properties, ByNameOnlyWhereTheKindHasThem) {
    Panel form;
    EXPECT_EQ(form.Command1.Get("Caption"), "&Optimiser Windows");
    EXPECT_FALSE(form.Text1.Set("Caption", "x")) << "a text box's text is the user's, not a caption";
    EXPECT_FALSE(form.List1.Get("Caption"));
    EXPECT_TRUE(form.Label1.Set("ToolTipText", "Heure"));
    EXPECT_EQ(form.Label1.ToolTipText(), "Heure");
}

TEST(Controls_Frame, HidingTheFrameHidesWhatIsInIt) {
    Panel form;
    EXPECT_TRUE(form.Check1.Shown());
    form.Frame1.SetVisible(false);
    EXPECT_FALSE(form.Check1.Shown());
    EXPECT_TRUE(form.Check1.Visible()) << "its own Visible is untouched";
    EXPECT_TRUE(form.Option3.Shown()) << "outside the frame";
    form.Frame1.SetVisible(true);
    EXPECT_TRUE(form.Option2.Shown());
}

TEST(Controls_Handlers, ValuesSetFromCodeFireNothingUserInputDoes) {
    Panel form;
    int clicks = 0;
    form.Check1.OnClick = [&] { ++clicks; };
    form.Check1.SetValue(1);
    EXPECT_EQ(clicks, 0);
    form.Check1.Click();
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls_Handlers, DisabledControlOrWindowIgnoresTheUser) {
    Panel form;
    int clicks = 0;
    form.Command1.OnClick = [&] { ++clicks; };
    form.Command1.SetEnabled(false);
    form.Command1.Click();
    form.Command1.SetEnabled(true);
    form.SetEnabled(false);
    form.Command1.Click();
    EXPECT_EQ(clicks, 0);
    form.SetEnabled(true);
    form.Command1.Click();
    EXPECT_EQ(clicks, 1);
}

TEST(Controls_Frame, APressOnThePanelIsAPressOnTheWindowUnlessTheWindowIsDisabled) {
    Panel form;
    int presses = 0;
    form.OnMouseDown = [&] { ++presses; };
    form.Frame1.PressedOnBackground();
    EXPECT_EQ(presses, 1);
    form.SetEnabled(false);
    form.Frame1.PressedOnBackground();
    EXPECT_EQ(presses, 1);
}

TEST(Controls_OptionButton, TheFirstOfEachContainerStartsAGroup) {
    Panel form;
    EXPECT_TRUE(form.Option1.StartsGroup());
    EXPECT_FALSE(form.Option2.StartsGroup());
    EXPECT_TRUE(form.Option3.StartsGroup()) << "the first outside the frame";
}

TEST(Controls_OptionButton, ChoosingOneClearsTheOthersOfItsContainerOnly) {
    Panel form;
    form.Option3.SetValue(true);
    form.Option1.Click();
    form.Option2.Click();
    EXPECT_FALSE(form.Option1.Value());
    EXPECT_TRUE(form.Option2.Value());
    EXPECT_TRUE(form.Option3.Value()) << "another container's group";
}

TEST(Controls_Peer, GetsTheWholeStateOnAttachThenOnlyChanges) {
    Panel form;
    RecordingPeer peer;
    form.Label1.AttachPeer(&peer);
    EXPECT_EQ(peer.log, (std::vector<std::string>{"text HH:MM:SS", "tip ", "show", "enable"}));
    peer.log.clear();
    form.Label1.SetCaption("HH:MM:SS");
    form.Label1.SetVisible(true);
    EXPECT_TRUE(peer.log.empty()) << "a setter given the value it holds does nothing";
    form.Label1.SetCaption("09:05:07");
    form.Label1.SetToolTipText("Heure");
    form.Label1.SetPosition({0, 0, 100, 855});
    form.Label1.SetPosition({0, 0, 100, 855});
    EXPECT_EQ(peer.log, (std::vector<std::string>{"text 09:05:07", "tip Heure", "height 855"}));
}

// A new look draws the control again by itself; the look it has draws nothing.
TEST(Controls_Peer, EachRealChangeOfTheLookRepaintsOnce) {
    struct Case {
        const char* change;
        void (*apply)(Appearance&);
        int invalidations;
    };
    const Case cases[] = {
        {"colour", [](Appearance& a) { a.foreColor = 0x0000FF; }, 1},
        {"face", [](Appearance& a) { a.fontName = "Arial"; }, 1},
        {"size", [](Appearance& a) { a.fontPoints = 9; }, 1},
        {"weight", [](Appearance& a) { a.bold = true; }, 1},
        {"alignment", [](Appearance& a) { a.align = Appearance::Align::Right; }, 1},
    };
    for (const Case& c : cases) {
        Panel form;
        RecordingPeer peer;
        form.Label1.AttachPeer(&peer);
        peer.log.clear();
        Appearance look = form.Label1.Look();
        c.apply(look);
        form.Label1.SetLook(look);
        form.Label1.SetLook(look);
        EXPECT_EQ(peer.log, std::vector<std::string>(c.invalidations, "invalidate")) << c.change;
        EXPECT_EQ(form.Label1.Look(), look) << c.change;
    }
}

TEST(Controls_TextBox, TypingUpdatesTheModelWithoutEchoingToThePeer) {
    Panel form;
    RecordingText peer;
    form.Text1.AttachPeer(&peer);
    peer.log.clear();
    int changes = 0;
    form.Text1.OnChange = [&] { ++changes; };
    form.Text1.UserTyped("Mon point");
    form.Text1.UserTyped("Mon point");
    EXPECT_EQ(form.Text1.Text(), "Mon point");
    EXPECT_EQ(changes, 1) << "the same text again is no change";
    EXPECT_TRUE(peer.log.empty());
    form.Text1.SetReadOnly(true);
    form.Text1.SetReadOnly(true);
    form.Text1.SetText("Mon point du jour");
    EXPECT_EQ(peer.log, (std::vector<std::string>{"read-only", "text Mon point du jour"}));
    EXPECT_EQ(changes, 1) << "text set from code fires nothing";
}

// Each kind tells a peer just attached its own values after the common part,
// then only what changes, through its own interface.
TEST(Controls_Peer, EachKindPushesItsOwnValues) {
    Panel form;
    form.Check1.SetValue(1);
    form.Option2.SetValue(true);
    form.Text1.SetReadOnly(true);
    form.List1.AddItem("a");
    form.List1.AddItem("b");
    form.List1.SetListIndex(1);
    RecordingCheck check;
    RecordingOption option1;
    RecordingOption option2;
    RecordingText text;
    RecordingList list;
    form.Check1.AttachPeer(&check);
    form.Option1.AttachPeer(&option1);
    form.Option2.AttachPeer(&option2);
    form.Text1.AttachPeer(&text);
    form.List1.AttachPeer(&list);
    const std::vector<std::string> common{"tip ", "show", "enable"};
    const auto attached = [&](std::vector<std::string> head, std::vector<std::string> tail) {
        head.insert(head.end(), common.begin(), common.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    EXPECT_EQ(check.log, attached({"text Changer"}, {"check 1"}));
    EXPECT_EQ(option2.log, attached({"text Deux"}, {"chosen"}));
    EXPECT_EQ(text.log, attached({"text saisie"}, {"read-only"}));
    EXPECT_EQ(list.log, attached({}, {"clear", "add a", "add b", "select 1"}));
    for (auto* log : {&check.log, &option1.log, &option2.log, &text.log, &list.log}) log->clear();

    form.Option1.Click();
    form.Check1.Click();
    form.List1.Clear();
    form.List1.AddItem("c");
    EXPECT_EQ(option1.log, (std::vector<std::string>{"chosen"}));
    EXPECT_EQ(option2.log, (std::vector<std::string>{"not chosen"}));
    EXPECT_EQ(check.log, (std::vector<std::string>{"check 0"}));
    EXPECT_EQ(list.log, (std::vector<std::string>{"clear", "add c"}));
}

TEST(Controls_Peer, ADetachedControlKeepsItsValuesAndTellsNobody) {
    Panel form;
    RecordingCheck check;
    form.Check1.AttachPeer(&check);
    form.Check1.DetachPeer();
    check.log.clear();
    form.Check1.SetValue(1);
    form.Check1.SetCaption("Garder");
    EXPECT_TRUE(check.log.empty());
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_EQ(form.Check1.Caption(), "Garder");
}

TEST(Controls_List, SelectionStaysInRangeAndClearResetsIt) {
    Panel form;
    form.List1.AddItem("a");
    form.List1.AddItem("b");
    form.List1.SetListIndex(5);
    EXPECT_EQ(form.List1.ListIndex(), -1);
    form.List1.UserSelected(1);
    EXPECT_EQ(form.List1.SelectedText(), "b");
    form.List1.Clear();
    EXPECT_EQ(form.List1.ListIndex(), -1);
    EXPECT_EQ(form.List1.SelectedText(), "");
}

}  // namespace
}  // namespace brivex::ui
