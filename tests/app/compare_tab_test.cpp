#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>

#include "app/tabs/chart_view.h"
#include "tests/app/window_fixture.h"
#include "tests/support/pdf_text.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

using testing::WindowTest;

class CompareTest : public WindowTest {
  protected:
    void CompareWith(const std::string& path) {
        platform.dialogAnswers.push_back(path);
        Find<QAction>(QStringLiteral("mnuCompare"))->trigger();
    }

    testing::ReadingFolder folder;
};

TEST_F(CompareTest, CompareWithOpensASecondReadingBesideTheOneOnShow) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string greenwich =
        folder.WriteRecord("noon.dri", testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE);
    window.OpenReadingFile(asha);
    CompareWith(greenwich);
    EXPECT_TRUE(platform.messages.empty());
    auto* tabs = window.findChild<QTabWidget*>();
    EXPECT_EQ(tabs->currentWidget(), Find<QWidget>(QStringLiteral("FrameCompare")));
    EXPECT_TRUE(
        LabelText(QStringLiteral("lblCompareTitle")).startsWith("Asha Rao (A) compared with"));
    EXPECT_EQ(Find<QTableWidget>(QStringLiteral("tblCompareAOnB"))->rowCount(), 7);
    EXPECT_TRUE(
        LabelText(QStringLiteral("lblCompareGrahaAOnB")).startsWith("Sun of Asha Rao aspects "));
}

TEST_F(CompareTest, ARefusedSecondReadingIsNamedAndTheResultsStay) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    BirthRecord nameless = testing::AshaRaoBirth();
    nameless.name.clear();
    const std::string refused =
        folder.WriteRecord("nameless.dri", nameless, testing::INDIAN_TIME_ZONE);
    window.OpenReadingFile(asha);
    CompareWith(refused);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("nameless.dri: Please Enter Your Name"));
    EXPECT_EQ(window.Record().name, "Asha Rao");
}

// A second reading that cannot be read is refused with why, as the report
// tool says it, not judged as a file of no lines.
TEST_F(CompareTest, AnUnreadableSecondReadingSaysWhy) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string fifo = folder.PathOf("fifo.dri");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = folder.PathOf("folder.dri");
    std::filesystem::create_directory(directory);
    const std::pair<std::string, QString> cases[] = {
        {fifo, "fifo.dri: Cannot read the file. It is not an ordinary file."},
        {directory, "folder.dri: Cannot read the file. It is not an ordinary file."},
        {folder.PathOf("gone.dri"), "gone.dri: Cannot read the file. No such file or directory"},
    };
    window.OpenReadingFile(asha);
    for (const auto& [path, message] : cases) {
        platform.messages.clear();
        CompareWith(path);
        ASSERT_EQ(platform.messages.size(), 1u) << path;
        EXPECT_EQ(platform.messages[0].text, message);
    }
    EXPECT_EQ(window.Record().name, "Asha Rao");
}

// With the Swiss Ephemeris: B's birth is named as A's is above the tabs,
// B's Lagna is drawn among its marks (Greenwich at noon on 1 January 2000
// rises in Mesha: swetest -b1.1.2000 -ut12:00 -sid1 -house0,51.4667,P
// gives the Ascendant 0.4022864, 0°24' Mesha), and choosing B puts its bodies outside,
// to be chosen for their arrows.
TEST_F(CompareTest, BIsNamedItsLagnaDrawnAndItsBodiesChosen) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string greenwich =
        folder.WriteRecord("noon.dri", testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE);
    Find<QAction>(QStringLiteral("mnuSwiss"))->trigger();
    window.OpenReadingFile(asha);
    CompareWith(greenwich);
    ASSERT_FALSE(platform.openDialogs.empty());
    EXPECT_EQ(platform.openDialogs.back().title, "Compare With a Saved Reading");
    const QStringList births = LabelText(QStringLiteral("lblCompareBirths")).split('\n');
    ASSERT_EQ(births.size(), 4);
    EXPECT_TRUE(births[0].startsWith("A: Asha Rao \u2014 15 June 1980 08:30"))
        << births[0].toStdString();
    EXPECT_TRUE(
        births[2].startsWith("B: " + QString::fromStdString(testing::GreenwichNoonBirth().name) +
                             " \u2014 1 January 2000 12:00"))
        << births[2].toStdString();
    EXPECT_FALSE(births[3].trimmed().isEmpty());
    auto* chart = Find<ChartView>(QStringLiteral("picCompareChart"));
    // The inner marks as "sign text".
    const auto innerTexts = [&] {
        std::vector<std::string> texts;
        for (const ChartText& text : chart->CurrentLayout().texts) {
            if (text.role == TextRole::InnerMark) {
                texts.push_back(std::to_string(text.sign) + " " + text.text);
            }
        }
        return texts;
    };
    const std::vector<std::string> inner = innerTexts();
    EXPECT_EQ(inner.size(), 10U);
    EXPECT_TRUE(std::ranges::any_of(
        inner, [](const std::string& text) { return text.starts_with("0 La"); }));
    Find<QComboBox>(QStringLiteral("cboCompareArrows"))->setCurrentIndex(1);
    EXPECT_TRUE(LabelText(QStringLiteral("lblCompareChart"))
                    .endsWith("Choose a body of " +
                              QString::fromStdString(testing::GreenwichNoonBirth().name) +
                              " to draw its Graha Drishti across."));
    // Asha Rao's Lagna in Kataka is now among the inner marks.
    const std::vector<std::string> swapped = innerTexts();
    EXPECT_TRUE(std::ranges::any_of(
        swapped, [](const std::string& text) { return text.starts_with("3 La"); }));
}

TEST_F(CompareTest, AReadingComparedWithItselfSaysSo) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    window.OpenReadingFile(asha);
    CompareWith(asha);
    EXPECT_TRUE(LabelText(QStringLiteral("lblCompareTitle")).endsWith("compared with itself"));
}

// While the Compare tab is on show, Export PDF offers and writes the
// pair's page; back on another tab, the reading's.
TEST_F(CompareTest, ExportPdfGivesThePairWhileTheCompareTabIsShown) {
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string greenwich =
        folder.WriteRecord("noon.dri", testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE);
    window.OpenReadingFile(asha);
    CompareWith(greenwich);
    const std::string pair = folder.PathOf("pair.pdf");
    platform.dialogAnswers.push_back(pair);
    Find<QAction>(QStringLiteral("mnuExportPdf"))->trigger();
    ASSERT_FALSE(platform.saveDialogs.empty());
    EXPECT_EQ(platform.saveDialogs.back().initialPath.filename().string(),
              "Asha Rao and " + testing::GreenwichNoonBirth().name + ".pdf");
    window.findChild<QTabWidget*>()->setCurrentIndex(0);
    const std::string single = folder.PathOf("single.pdf");
    platform.dialogAnswers.push_back(single);
    Find<QAction>(QStringLiteral("mnuExportPdf"))->trigger();
    EXPECT_EQ(platform.saveDialogs.back().initialPath.filename().string(), "Asha Rao.pdf");
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString pairText = testing::PdfText(QString::fromStdString(pair));
    EXPECT_TRUE(pairText.contains("compared with"));
    // The pair's page has the footer every page has.
    EXPECT_TRUE(pairText.contains("Sarovin 1.15, printed")) << pairText.toStdString();
    EXPECT_TRUE(pairText.contains("Page 1 of 1")) << pairText.toStdString();
    EXPECT_FALSE(testing::PdfText(QString::fromStdString(single)).contains("compared with"));
}

}  // namespace
}  // namespace sarovin
