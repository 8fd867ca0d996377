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
