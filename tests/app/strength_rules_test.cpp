#include <QComboBox>
#include <QSettings>

#include "app/shell/rules_menu.h"
#include "app/shell/strength_rules_dialog.h"
#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

class StrengthRulesTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
};

// Each fork's second reading in the dialog gives the rules the tool names
// by it; the choice is kept between runs and printed on the Strength tab.
TEST_F(StrengthRulesTest, AreChosenKeptAndPrinted) {
    const struct {
        int list;
        const char* printed;
    } forks[] = {
        {0, "Dig arc unfolded"},
        {1, "from the lagna-kendras"},
        {2, "Cheshta means modern-elements"},
        {3, "luminaries' Cheshta ayana-and-paksha"},
        {4, "the Sun's Ayana single"},
        {5, "Yuddha not applied"},
        {6, "moolatrikona whole-sign"},
        {7, "required rupas parashara"},
    };
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    Trigger("mnuClassicalRules");
    auto* menu = Find<RulesMenu>(QStringLiteral("mnuRules"));
    EXPECT_EQ(menu->StrengthChoice(), RAMAN_STRENGTH_RULES);
    for (const auto& fork : forks) {
        StrengthRulesDialog dialog(RAMAN_STRENGTH_RULES);
        dialog.findChild<QComboBox*>(QStringLiteral("cmbStrengthRule%1").arg(fork.list))
            ->setCurrentIndex(1);
        menu->TakeStrengthRules(dialog.Chosen());
        EXPECT_NE(menu->StrengthChoice(), RAMAN_STRENGTH_RULES) << fork.printed;
        EXPECT_TRUE(LabelText(QStringLiteral("lblStrengthRules")).contains(fork.printed))
            << LabelText(QStringLiteral("lblStrengthRules")).toStdString();
        // Opened again, the dialog shows what was kept.
        StrengthRulesDialog again(menu->StrengthChoice());
        EXPECT_EQ(again.Chosen(), menu->StrengthChoice()) << fork.printed;
    }
    menu->TakeStrengthRules(RAMAN_STRENGTH_RULES);
    EXPECT_EQ(KeptStrengthRules(), RAMAN_STRENGTH_RULES);
}

}  // namespace
}  // namespace sarovin
