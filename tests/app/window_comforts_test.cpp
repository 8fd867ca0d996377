#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "tests/app/window_fixture.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

using testing::WindowTest;

class ComfortsTest : public WindowTest {
  protected:
    std::string WriteAsha() {
        return folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    }

    // A reading file dragged from a file manager and dropped on `target`.
    void DropFile(QWidget* target, const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        data.setText(QUrl::fromLocalFile(QString::fromStdString(path)).toString());
        const QPoint middle = target->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    }

    testing::ReadingFolder folder;
};

TEST_F(ComfortsTest, TheWindowsSizeAndPlaceAreKeptForTheNextStart) {
    window.resize(1011, 677);
    window.close();
    MainWindow next(platform);
    EXPECT_EQ(next.size(), QSize(1011, 677));
}

// The specified entries stay first and last; Open and Save have their
// standard keys, and a reading opened once is offered again.
TEST_F(ComfortsTest, TheFileMenuOpensSavesAndOffersRecentReadings) {
    auto* file = Find<QMenu>(QStringLiteral("mnuFile"));
    const QList<QAction*> entries = file->actions();
    EXPECT_EQ(entries.front()->objectName(), "mnuCalculate");
    EXPECT_EQ(entries.back()->objectName(), "mnuExit");
    EXPECT_EQ(Find<QAction>(QStringLiteral("mnuOpenReading"))->shortcut(),
              QKeySequence(QKeySequence::Open));
    auto* save = Find<QAction>(QStringLiteral("mnuSaveReading"));
    EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_FALSE(save->isEnabled());

    platform.dialogAnswers.push_back(WriteAsha());
    Find<QAction>(QStringLiteral("mnuOpenReading"))->trigger();
    EXPECT_EQ(window.Record().name, "Asha Rao");
    EXPECT_TRUE(save->isEnabled());
    auto* recent = Find<QMenu>(QStringLiteral("mnuRecent"));
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().front()->text(), "&1 asha.dri");
    MainWindow next(platform);
    auto* kept = next.findChild<QMenu*>(QStringLiteral("mnuRecent"));
    emit kept->aboutToShow();
    EXPECT_EQ(kept->actions().front()->text(), "&1 asha.dri");
}

// A recent reading that is gone, or is no longer an ordinary file, is
// greyed out in the list.
TEST_F(ComfortsTest, DeadRecentReadingsAreGreyedOut) {
    const std::string asha = WriteAsha();
    const std::string gone = folder.WriteRecord("gone.dri", testing::AshaRaoBirth(), 0);
    const std::string swapped = folder.WriteRecord("swapped.dri", testing::AshaRaoBirth(), 0);
    for (const std::string& path : {asha, gone, swapped}) {
        window.OpenReadingFile(path);
    }
    std::filesystem::remove(gone);
    std::filesystem::remove(swapped);
    std::filesystem::create_directory(swapped);
    auto* recent = Find<QMenu>(QStringLiteral("mnuRecent"));
    emit recent->aboutToShow();
    ASSERT_GE(recent->actions().size(), 3);
    const std::pair<QString, bool> expected[] = {
        {"&1 swapped.dri", false}, {"&2 gone.dri", false}, {"&3 asha.dri", true}};
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(recent->actions()[index]->text(), expected[index].first);
        EXPECT_EQ(recent->actions()[index]->isEnabled(), expected[index].second) << index;
    }
}

// In a text box Control letters are still refused with the box's message,
// before the menu's keys could take them.
TEST_F(ComfortsTest, ControlLettersInATextBoxAreStillRefused) {
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_O}) {
        platform.messages.clear();
        QTest::keyClick(Box("txtName"), key, Qt::ControlModifier);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "Please enter only letters");
    }
    EXPECT_TRUE(platform.openDialogs.empty());
}

TEST_F(ComfortsTest, AReadingDroppedOnTheWindowOpensAndIsNotTyped) {
    const std::string asha = WriteAsha();
    DropFile(Box("txtCity"), asha);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.Record().name, "Asha Rao");
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(Box("txtCity")->text(), "New Delhi");
}

TEST_F(ComfortsTest, AnotherEphemerisKeepsTheTabOnShow) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentWidget(Find<QWidget>(QStringLiteral("Frame6")));
    Find<QAction>(QStringLiteral("mnuSwiss"))->trigger();
    EXPECT_EQ(tabs->currentWidget()->objectName(), "Frame6");
    EXPECT_TRUE(window.Record().name == "Asha Rao");
}

TEST_F(ComfortsTest, APlaceLookupWithoutABrowserSaysSo) {
    platform.browserWorks = false;
    EnterDelhiBirth();
    Click("Command1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith("No web browser could be opened."));
    EXPECT_TRUE(platform.messages[0].text.contains("New Delhi"));
}

}  // namespace
}  // namespace sarovin
