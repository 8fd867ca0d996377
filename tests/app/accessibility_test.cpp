#include <QAccessible>

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
