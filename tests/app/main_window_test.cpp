#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUrlQuery>

#include "app/shell/start_up.h"
#include "tests/app/window_fixture.h"
#include "tests/support/ordinary_account.h"

namespace sarovin {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, StartsWithThePresetInputPanel) {
    EXPECT_EQ(window.windowTitle(), "Sarovin v1.15");
    EXPECT_EQ(FrontPanelName(), "Frame1");
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("Frame1"))->title(), "Personal Details");
    const std::pair<const char*, const char*> lists[] = {
        {"cboDate", "1"},    {"cboMonth", "January"},
        {"cboYear", "1901"}, {"cboHour", "0"},
        {"cboMinute", "0"},  {"cboTimeZone", "Alaska/Hawaii Daylight Time,AHDT,-9.0"},
    };
    for (const auto& [name, text] : lists) {
        EXPECT_EQ(List(name)->currentText(), text) << name;
        EXPECT_EQ(List(name)->currentIndex(), 0) << name;
    }
    EXPECT_EQ(List("cboDate")->count(), 31);
    EXPECT_EQ(List("cboYear")->itemText(149), "2050");
    EXPECT_EQ(List("cboMinute")->count(), 60);
    EXPECT_EQ(List("cboTimeZone")->count(), 71);
    EXPECT_EQ(List("cboTimeZone")->itemText(70), "Yukon War Time,YWT,-8.0");
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLong_0"))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLat_0"))->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
    for (const char* box : {"txtName", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin",
                            "txtCity", "txtState", "txtCountry"}) {
        EXPECT_TRUE(Box(box)->text().isEmpty()) << box;
    }
    for (const char* box : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
        EXPECT_EQ(Box(box)->maxLength(), 3) << box;
    }
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdSave"))->isEnabled());
}

TEST_F(WindowTest, ControlsCarryTheirCaptions) {
    const std::pair<const char*, const char*> captions[] = {
        {"cmdCalculate", "&Get My Vedic Drishti"},
        {"cmdOpen", "&Open Previously Saved Reading"},
        {"Command1", "Click here to find Latitude && Longitude"},
        {"cmdBack", "&Back"},
        {"cmdSave", "&Save"},
        {"chkDST", "Daylight Saving Time"},
        {"optLong_0", "East"},
        {"optLong_1", "West"},
        {"optLat_0", "North"},
        {"optLat_1", "South"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Find<QAbstractButton>(QString::fromLatin1(name))->text(), caption) << name;
    }
    EXPECT_EQ(ArrayText("lblLabel", 0), "Name");
    EXPECT_EQ(ArrayText("lblLabel", 10), "Time Zone");
    EXPECT_EQ(LabelText(QStringLiteral("Label16")), "HH/MM");
    EXPECT_EQ(ArrayText("lblLabel", 11),
              "Sarovin calculates your aspects according to Vedic Astrology. This includes  Rashi "
              "Drishtis (Sign Aspects),  Graha Drishti (Planetary Aspects) and Sputa Drishti "
              "(Angular Aspects).");
}

TEST_F(WindowTest, TabOrderFollowsTheInputPanel) {
    const QStringList expected = {
        "txtName",   "cboDate",     "cboMonth",     "cboYear",      "cboHour",
        "cboMinute", "cboTimeZone", "txtLatDeg",    "txtLatMin",    "txtLonDeg",
        "txtLonMin", "txtCity",     "txtState",     "txtCountry",   "cmdCalculate",
        "cmdOpen",   "chkDST",      "optLong_0",    "optLong_1",    "optLat_0",
        "optLat_1",  "Command1",    "txtUtcOffset", "cmdFirstTime", "cmdSecondTime"};
    auto* panel = Find<QWidget>(QStringLiteral("Frame1"));
    QStringList order;
    QWidget* widget = Box("txtName");
    do {
        if (panel->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != Box("txtName"));
    EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, MenusHaveTheirEntriesInOrder) {
    const std::pair<const char*, const char*> entries[] = {
        {"mnuCalculate", "Get My &Rasi Chart"},
        {"mnuExit", "&Exit"},
        {"mnuOnline", "&Online Help"},
        {"mnuVisit", "&Visit Us Online"},
        {"mnuUpdate", "Check for Software &Update"},
        {"mnuAbout", "&About Software"},
        {"mnuDonate", "Donate"},
    };
    for (const auto& [name, caption] : entries) {
        EXPECT_EQ(Find<QAction>(QString::fromLatin1(name))->text(), caption) << name;
    }
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions()) {
        titles << menu->text();
    }
    // The program's own menus keep their order; the ephemeris and rules choices stand
    // beside them.
    EXPECT_EQ(titles, (QStringList{"&File", "E&phemeris", "R&ules", "&Help", "Donate"}));
}

TEST_F(WindowTest, TabsBringTheirFramesToTheFront) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    // The Compare tab waits, out of the strip, for a second reading; the
    // Dasha, Strength, Ashtakavarga and Positions tabs follow Transits.
    ASSERT_EQ(tabs->count(), 10);
    EXPECT_EQ(tabs->tabText(6), "Dasha");
    EXPECT_EQ(tabs->tabText(7), "Strength");
    EXPECT_EQ(tabs->tabText(8), "Ashtakavarga");
    EXPECT_EQ(tabs->tabText(9), "Positions");
    const char* frames[] = {"Frame3", "Frame4", "Frame5", "Frame6", "FrameHouses"};
    for (const int tab : {1, 2, 0, 3, 2}) {
        tabs->setCurrentIndex(tab);
        EXPECT_EQ(FrontResultFrame(), frames[tab]);
    }
    EXPECT_EQ(tabs->tabText(1), "Rashi Drishti");
    EXPECT_EQ(tabs->tabText(3), "Chart");
    EXPECT_EQ(Find<QGroupBox>(QStringLiteral("Frame5"))->title(), "Sputa Drishti");
}

TEST_F(WindowTest, ExitClosesTheWindow) {
    Find<QAction>(QStringLiteral("mnuExit"))->trigger();
    EXPECT_FALSE(window.isVisible());
}

struct LookupCase {
    const char* city;
    const char* state;
    const char* country;
    const char* message;
    const char* focus;
};

TEST_F(WindowTest, PlaceLookupNamesTheFirstEmptyBox) {
    const LookupCase cases[] = {
        {"", "", "", "Please Enter City", "txtCity"},
        {"Pune", "", "", "Please Enter State", "txtState"},
        {"Pune", "Maharashtra", "", "Please Enter Country", "txtCountry"},
    };
    for (const LookupCase& c : cases) {
        platform.messages.clear();
        Box("txtCity")->setText(QString::fromLatin1(c.city));
        Box("txtState")->setText(QString::fromLatin1(c.state));
        Box("txtCountry")->setText(QString::fromLatin1(c.country));
        Box("txtName")->setFocus();
        Click("Command1");
        ASSERT_EQ(platform.messages.size(), 1u) << c.message;
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_TRUE(HasFocus(c.focus)) << c.focus;
    }
    EXPECT_TRUE(platform.openedAddresses.empty());
}

TEST_F(WindowTest, PlaceLookupSearchesForTheQueryAsTyped) {
    Box("txtCity")->setText(QStringLiteral(" "));
    Box("txtState")->setText(QStringLiteral("C++ Maharashtra"));
    Box("txtCountry")->setText(QStringLiteral("India & Co"));
    Click("Command1");
    ASSERT_EQ(platform.openedAddresses.size(), 1u);
    const QUrl address = platform.openedAddresses[0];
    EXPECT_EQ(address.scheme(), "https");
    EXPECT_EQ(QUrlQuery(address).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
              "  C++ Maharashtra India & Co Latitude Longitude");
    EXPECT_TRUE(address.toEncoded().contains("C%2B%2B%20Maharashtra%20India%20%26%20Co"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WindowTest, EachPanelHasDistinctMnemonics) {
    const std::pair<const char*, QKeySequence> buttons[] = {
        {"cmdCalculate", QKeySequence(Qt::ALT | Qt::Key_G)},
        {"cmdOpen", QKeySequence(Qt::ALT | Qt::Key_O)},
        {"cmdSave", QKeySequence(Qt::ALT | Qt::Key_S)},
        {"cmdBack", QKeySequence(Qt::ALT | Qt::Key_B)},
    };
    for (const auto& [name, sequence] : buttons) {
        EXPECT_EQ(QKeySequence::mnemonic(Find<QAbstractButton>(QString::fromLatin1(name))->text()),
                  sequence)
            << name;
    }
    // Alt+F and Alt+H open the menus; no button of either panel takes them.
    EXPECT_EQ(QKeySequence::mnemonic(QStringLiteral("&File")), QKeySequence(Qt::ALT | Qt::Key_F));
    EXPECT_EQ(QKeySequence::mnemonic(Find<QAbstractButton>(QStringLiteral("Command1"))->text()),
              QKeySequence());
}

TEST(StartSarovin, ASecondCopySaysSoAndOpensNoWindow) {
    testing::RecordingPlatformServices platform;
    platform.anotherCopyRunning = true;
    EXPECT_EQ(StartSarovin(platform), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Application is already running");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST(StartSarovin, TheFirstCopyOpensTheWindowWithItsIcon) {
    testing::RecordingPlatformServices platform;
    const auto window = StartSarovin(platform);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(platform.messages.empty());
}

// A FIFO as the settings file would hold the start for good: it is left
// unread, said once, and the window starts.
TEST(StartSarovin, ASettingsFileThatIsNotAnOrdinaryFileIsLeftUnread) {
    const QString saved =
        QFileInfo(
            QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope, "a", "a").fileName())
                .path())
            .path();
    const QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QApplication::organizationName()));
    const QString fifo = folder.path() + u'/' + QApplication::organizationName() + u'/' +
                         QApplication::applicationName() + QStringLiteral(".conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    testing::RecordingPlatformServices platform;
    const auto window = StartSarovin(platform);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, saved);
    EXPECT_NE(window, nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "The settings file " + fifo +
                  " is not an ordinary file. Sarovin starts with its default settings and does "
                  "not save them.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(QFileInfo(fifo).exists());
}

// A settings file far too large is left unread, as a FIFO is; one that
// cannot be written is read, and that no change will be kept is said once
// (as an account that may not write it: root writes every file).
TEST(StartSarovin, ASettingsFileTooLargeOrReadOnlyIsSaidOnce) {
    const QString saved =
        QFileInfo(
            QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope, "a", "a").fileName())
                .path())
            .path();
    const struct {
        qint64 bytes;
        QFile::Permissions permissions;
        const char* message;
        bool asRoot;
    } cases[] = {
        {2 * 1024 * 1024, QFile::ReadOwner | QFile::WriteOwner,
         " is larger than 1 MB. Sarovin starts with its default settings and does not save them.",
         true},
        {10, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther,
         " cannot be written. Sarovin starts with its settings but cannot keep a change made to "
         "them.",
         false},
    };
    for (const auto& given : cases) {
        const QTemporaryDir folder;
        ASSERT_TRUE(QDir(folder.path()).mkdir(QApplication::organizationName()));
        const QString file = folder.path() + u'/' + QApplication::organizationName() + u'/' +
                             QApplication::applicationName() + QStringLiteral(".conf");
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.resize(given.bytes));
        settings.close();
        settings.setPermissions(given.permissions);
        for (const QString& reached : {folder.path(), QFileInfo(file).path()}) {
            QFile::setPermissions(reached, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther);
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        const auto saysOnce = [&] {
            testing::RecordingPlatformServices platform;
            const auto window = StartSarovin(platform);
            return window != nullptr && platform.messages.size() == 1 &&
                   platform.messages[0].text == "The settings file " + file + given.message;
        };
        EXPECT_TRUE(given.asRoot ? saysOnce() : testing::HoldsForAnOrdinaryAccount(saysOnce))
            << given.message;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, saved);
    }
}

}  // namespace
}  // namespace sarovin
