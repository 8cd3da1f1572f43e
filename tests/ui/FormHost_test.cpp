#include "ui/FormHost.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/Form.h"
#include "ui/headless/HeadlessFormHost.h"
#include "ui/headless/HeadlessLoop.h"

namespace brivex::ui {
namespace {

// The lifecycle both hosts share, on the headless one, which activates a form
// shown as the system does: coming back to the active form is no change.
TEST(FormHost_Lifecycle, ActivateRunsWhenTheActiveFormChangesOnlyAndShowRestoresAMinimisedForm) {
    HeadlessLoop loop;
    HeadlessFormHost host(loop);
    Form main("Main", "Main");
    Form tool("Tool", "Tool");
    int activations = 0;
    main.OnActivate = [&] { ++activations; };
    host.Show(main);
    main.SetWindowState(WindowState::Minimized);
    host.Show(main);
    host.Activate(main);
    EXPECT_EQ(main.State(), WindowState::Normal);
    EXPECT_EQ(activations, 1);
    host.Show(tool);
    host.Activate(main);
    EXPECT_EQ(activations, 2);
}

TEST(FormHost_Lifecycle, ShownRunsOnceTheFirstShowingIsOnScreenAndActive) {
    HeadlessLoop loop;
    HeadlessFormHost host(loop);
    Form main("Main", "Main");
    std::string trace;
    main.OnActivate = [&] { trace += "activate,"; };
    main.OnShown = [&] { trace += host.IsShown(main) ? "shown," : "not on screen,"; };
    host.Show(main);
    host.Show(main);
    EXPECT_EQ(trace, "activate,shown,");
}

}  // namespace
}  // namespace brivex::ui
