// The page tables' Back columns: Escape (which taps a layer's back or close
// target) leaves each page, popup and report where its line says.
#include "Harness.h"

#include "platform/canvas/Description.h"
#include "screens/Panels.h"
#include "screens/ResultPage.h"
#include "shell/Pages.h"
#include "shell/core/Repaint.h"

namespace {

bool Escape() {
    int code = 0;
    return HeadlessKey(DeviceKeyEscape, &code);
}

void Repaint() {
    RepaintAll();
    int code = 0;
    HeadlessRunPending(&code);
}

}  // namespace

TEST(Pages, BackLeavesEachPageAndPopupWhereItsLineSays) {
    ASSERT_TRUE(StartProgram(240, 320));
    ASSERT_TRUE(Escape());
    EXPECT_EQ(FindPage(Layer::Page, BaseScreen)->Back, NoBack);  // the main menu stays
    EXPECT_EQ(BaseScreen, ScreenMainMenu);
    for (int row = 1; row <= 5; ++row) {
        ASSERT_TRUE(StartProgram(240, 320));
        TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * (row - 1));
        const Page* page = FindPage(Layer::Page, BaseScreen);
        ASSERT_NE(page, nullptr);
        ASSERT_NE(BaseScreen, ScreenMainMenu) << row;
        ASSERT_TRUE(Escape());
        EXPECT_EQ(BaseScreen, page->Back) << page->Name;
    }
    // The popups of the main menu's icons, and the extras' result.
    ASSERT_TRUE(StartProgram(240, 320));
    for (const LayoutPoint icon : {ButtonSlot3, ButtonSlot2}) {
        TapLayout(icon.X + 8, icon.Y + 8);
        const Page* popup = FindPage(Layer::Popup, PopupScreen);
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(Escape());
        EXPECT_EQ(PopupScreen, PopupNone) << popup->Name;
        EXPECT_EQ(BaseScreen, popup->Back) << popup->Name;
    }
    TapLayout(ContentOrigin.X + 20, ContentOrigin.Y + 8 + 16 * 4);
    ASSERT_EQ(BaseScreen, ScreenExtras);
    TapLayout(MarginX + 50, 200);
    ASSERT_EQ(PopupScreen, PopupExtras);
    ASSERT_TRUE(Escape());
    EXPECT_EQ(PopupScreen, PopupNone);
    EXPECT_EQ(BaseScreen, FindPage(Layer::Popup, PopupExtras)->Back);
}

// Read through from its first page, each report asks its question (if it
// has one) and, answered yes, leaves for its page and step.
TEST(Pages, BackLeavesEachReportForItsPageAndStep) {
    EXPECT_EQ(FindPage(Layer::Page, ScreenResult)->Back, BackByReport);
    for (int i = 0; i < ReportCount(); ++i) {
        const ReportRoute& report = ReportAt(i);
        ASSERT_TRUE(StartProgram(240, 320));
        ShowReport(report.Kind, report.Step, 1);
        SignIndex = ReportSubpage = ProfileReadAll = 1;
        Repaint();
        ASSERT_TRUE(Escape());
        if (report.Question != AbandonNone) {
            EXPECT_EQ(InputPanel, PanelConfirm) << report.Kind;
            EXPECT_EQ(AbandonTarget, report.Question) << report.Kind;
            const PanelGeometry panel = PanelLayout();
            Tap(panel.ButtonX + 5, panel.ButtonY + 5);  // yes
        }
        EXPECT_EQ(InputPanel, PanelNone) << report.Kind;
        EXPECT_EQ(BaseScreen, report.Back) << report.Kind;
        EXPECT_EQ(SubPage, report.Step) << report.Kind;
        EXPECT_EQ(ResultKind, KindNone) << report.Kind;
    }
}
