#include <QAccessible>
#include <QAction>
#include <QSettings>

#include "links/link_label.h"
#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

QString AccessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(kind) : QString();
}

// What a screen reader says for each control of the input panel: the caption
// beside it, or the part of its caption's row it is.
TEST_F(WindowTest, EveryInputControlIsNamedByItsCaption) {
    const std::pair<const char*, const char*> names[] = {
        {"txtName", "Name"},
        {"cboMonth", "Month of birth"},
        {"cboDate", "Day of birth"},
        {"cboYear", "Year of birth"},
        {"cboHour", "Hour of birth"},
        {"cboMinute", "Minute of birth"},
        {"cboTimeZone", "Time zone"},
        {"txtLatDeg", "Latitude degrees"},
        {"txtLatMin", "Latitude minutes"},
        {"txtLonDeg", "Longitude degrees"},
        {"txtLonMin", "Longitude minutes"},
        {"txtCity", "City"},
        {"txtState", "State"},
        {"txtCountry", "Country"},
        {"chkDST", "Daylight Saving Time"},
        {"optLat_1", "South"},
    };
    for (const auto& [control, name] : names) {
        EXPECT_EQ(AccessibleText(Find<QWidget>(QString::fromLatin1(control)), QAccessible::Name),
                  name)
            << control;
    }
    EXPECT_FALSE(AccessibleText(Box("txtLonMin"), QAccessible::Description).isEmpty());
}

// A list is heard with its chosen item as its value, wherever the panel
// puts it.
TEST_F(WindowTest, ListsTellTheirChosenItem) {
    EnterDelhiBirth();
    const std::pair<const char*, const char*> values[] = {
        {"cboDate", "15"}, {"cboMonth", "June"}, {"cboYear", "1980"},
        {"cboHour", "8"},  {"cboMinute", "30"},
    };
    for (const auto& [list, value] : values) {
        EXPECT_EQ(AccessibleText(List(list), QAccessible::Value), value) << list;
    }
}

// The transit search's boxes are named by their captions.
TEST_F(WindowTest, TheTransitBoxesAreNamed) {
    const std::pair<const char*, const char*> names[] = {
        {"dateTransitFrom", "From"},
        {"dateTransitTo", "To"},
        {"spnTransitThreshold", "Threshold"},
    };
    for (const auto& [control, name] : names) {
        EXPECT_EQ(AccessibleText(Find<QWidget>(QString::fromLatin1(control)), QAccessible::Name),
                  name)
            << control;
    }
}

// The Compare tab waits hidden for a second reading; a screen reader does
// not hear it among the tabs showing.
TEST_F(WindowTest, AHiddenCompareTabIsNotHeardAsShowing) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    QAccessibleInterface* tabs =
        QAccessible::queryAccessibleInterface(Find<QWidget>(QStringLiteral("TS")));
    ASSERT_NE(tabs, nullptr);
    QStringList showing;
    for (int index = 0; index < tabs->childCount(); ++index) {
        QAccessibleInterface* tab = tabs->child(index);
        if (tab->role() == QAccessible::PageTab && !tab->state().invisible) {
            showing << tab->text(QAccessible::Name);
        }
    }
    EXPECT_FALSE(showing.contains("Compare")) << showing.join(", ").toStdString();
    EXPECT_TRUE(showing.contains("Positions")) << showing.join(", ").toStdString();
}

// Under the classical rules the Drik Bala row follows the Sputa grid in the
// tree, its values named by their text, and the strength legend with it.
TEST_F(WindowTest, TheDrikBalaRowAndTheLegendAreHeardAfterTheSputaGrid) {
    // The rules chosen are kept between runs; the next tests start afresh.
    struct ForgetChoices {
        ~ForgetChoices() { QSettings().clear(); }
    } forget;
    Find<QAction>(QStringLiteral("mnuClassicalRules"))->trigger();
    EnterDelhiBirth();
    Click("cmdCalculate");
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(
        Find<QWidget>(QStringLiteral("lblSputa_Angle_Sputa_1")));
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    QAccessibleInterface* table = cell->tableCellInterface()->table();
    QStringList heard;
    for (int index = 0; index < table->childCount(); ++index) {
        heard << table->child(index)->text(QAccessible::Name);
        EXPECT_EQ(table->indexOfChild(table->child(index)), index);
    }
    EXPECT_TRUE(heard.contains("Drik Bala"));
    EXPECT_TRUE(heard.contains(ArrayText("lblDrikBala_Value", 6)));
    EXPECT_TRUE(heard.contains("Strength from 0 (white) to 60 (darkest)"));
}

// The chart is a picture described by its Graha Drishti; the Sputa grid
// and the houses are tables with their headers.
TEST_F(WindowTest, TheChartAndTheGridsReadAsAPictureAndTables) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    QAccessibleInterface* chart =
        QAccessible::queryAccessibleInterface(Find<QWidget>(QStringLiteral("picChart")));
    EXPECT_EQ(chart->role(), QAccessible::Graphic);
    EXPECT_TRUE(
        chart->text(QAccessible::Description).contains(ArrayText("lblAspects_Sign_Graha", 0)));

    auto* sputa = Find<QWidget>(QStringLiteral("lblSputa_Angle_Sputa_1"));
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(sputa);
    ASSERT_EQ(cell->role(), QAccessible::Cell);
    QAccessibleTableCellInterface* place = cell->tableCellInterface();
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->rowIndex(), 0);
    EXPECT_EQ(place->columnIndex(), 1);
    EXPECT_EQ(place->rowHeaderCells().front()->text(QAccessible::Name),
              LabelText(QStringLiteral("lblPlanetsRow_Sputa_0")));
    EXPECT_EQ(place->columnHeaderCells().front()->text(QAccessible::Name), "Moon");
    QAccessibleTableInterface* table = place->table()->tableInterface();
    ASSERT_NE(table, nullptr);
    // The built-in ephemeris gives no Lagna, so its column is left out.
    EXPECT_EQ(table->rowCount(), 9);
    EXPECT_EQ(table->columnCount(), 9);
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name), cell->text(QAccessible::Name));
}

TEST_F(WindowTest, CaptionsLeadTheirControls) {
    const std::pair<const char*, const char*> buddies[] = {
        {"lblLabel_0", "txtName"},      {"lblLabel_1", "cboMonth"},  {"lblLabel_2", "cboHour"},
        {"lblLabel_10", "cboTimeZone"}, {"lblLabel_3", "txtLatDeg"}, {"lblLabel_4", "txtLonDeg"},
        {"lblLabel_7", "txtCity"},      {"lblLabel_8", "txtState"},  {"lblLabel_9", "txtCountry"},
    };
    for (const auto& [caption, control] : buddies) {
        EXPECT_EQ(Find<QLabel>(QString::fromLatin1(caption))->buddy(),
                  Find<QWidget>(QString::fromLatin1(control)))
            << caption;
    }
}

TEST_F(WindowTest, LinkLabelsAnnounceThemselvesAsLinks) {
    const QList<LinkLabel*> links = window.findChildren<LinkLabel*>();
    ASSERT_FALSE(links.isEmpty());
    for (LinkLabel* link : links) {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(link);
        ASSERT_NE(interface, nullptr);
        EXPECT_EQ(interface->role(), QAccessible::Link) << link->objectName().toStdString();
        EXPECT_EQ(interface->text(QAccessible::Name), link->text());
    }
}

TEST_F(WindowTest, ALinksPressActionOpensItsPage) {
    LinkLabel* link = window.findChildren<LinkLabel*>().constFirst();
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(link)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(platform.openedAddresses.size(), 1u);
}

}  // namespace
}  // namespace sarovin
