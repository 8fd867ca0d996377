#include <sys/resource.h>

#include <QAction>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QCheckBox>
#include <QRegularExpression>

#include "app/tabs/transit_views.h"
#include "app/tabs/transits_tab.h"
#include "tests/app/window_fixture.h"
#include "tests/support/ordinary_account.h"
#include "tests/support/pdf_text.h"
#include "tests/support/reading_folder.h"
#include "transits/transit_tags.h"
#include "zodiac/zodiac.h"

namespace sarovin {
namespace {

constexpr int TRANSITS_TAB = 5;
constexpr int SEARCH_WAIT_MS = 60000;

class TransitsTabTest : public testing::WindowTest {
  protected:
    static void SetUpTestSuite() { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    void Trigger(const char* name) { Find<QAction>(QString::fromLatin1(name))->trigger(); }
    void SetSpan(QDate from, QDate to) {
        Find<QDateEdit>(QStringLiteral("dateTransitFrom"))->setDate(from);
        Find<QDateEdit>(QStringLiteral("dateTransitTo"))->setDate(to);
    }
    TimelineView* Timeline() { return Find<TimelineView>(QStringLiteral("picTransitTimeline")); }
    bool SearchAndWait() {
        QSignalSpy finished(Find<TransitsTab>(QStringLiteral("tabTransits")),
                            &TransitsTab::SearchFinished);
        Click("btnTransitSearch");
        return finished.wait(SEARCH_WAIT_MS);
    }
};

TEST_F(TransitsTabTest, TransitsWaitForTheSwissEphemerisAndStartToday) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    EXPECT_EQ(tabs->tabText(TRANSITS_TAB), "Transits");
    EXPECT_FALSE(tabs->isTabEnabled(TRANSITS_TAB));
    EXPECT_EQ(tabs->tabToolTip(TRANSITS_TAB),
              "Transits are found with the Swiss Ephemeris: choose it in the Ephemeris menu.");
    Trigger("mnuSwiss");
    EXPECT_TRUE(tabs->isTabEnabled(TRANSITS_TAB));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(Find<QDateEdit>(QStringLiteral("dateTransitFrom"))->date(), today);
    EXPECT_EQ(Find<QDateEdit>(QStringLiteral("dateTransitTo"))->date(), today.addYears(1));
    EXPECT_EQ(Find<QDoubleSpinBox>(QStringLiteral("spnTransitThreshold"))->value(), 45);
}

// Saturn left Makara for Kumbha on 2023-01-17 12:34 UT (swetest, see the
// transit tests): that ends the window, open since before the span, of
// its Graha Drishti on Asha Rao's Lagna.
TEST_F(TransitsTabTest, ASearchShowsTheTimelineAndAChosenRowsStrength) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(2023, 1, 1), QDate(2023, 7, 1));
    ASSERT_TRUE(SearchAndWait());
    const TimelineLayout& layout = Timeline()->layout();
    const auto saturnOnLagna =
        std::find_if(layout.rows.begin(), layout.rows.end(),
                     [](const TimelineRow& row) { return row.label == "Saturn on Lagna"; });
    ASSERT_NE(saturnOnLagna, layout.rows.end());
    const auto graha =
        std::find_if(saturnOnLagna->bars.begin(), saturnOnLagna->bars.end(),
                     [](const TimelineBar& bar) { return bar.event.kind == TransitKind::Graha; });
    ASSERT_NE(graha, saturnOnLagna->bars.end());
    EXPECT_TRUE(graha->event.startCut);
    EXPECT_NEAR(graha->event.end, 2459962.02377, 1.0 / 1440);

    QTest::mouseClick(Timeline(), Qt::LeftButton, {},
                      QPoint(10, static_cast<int>(saturnOnLagna->top + 5)));
    const std::optional<StrengthPlot>& plot =
        Find<StrengthPlotView>(QStringLiteral("picTransitPlot"))->plot();
    ASSERT_TRUE(plot.has_value());
    EXPECT_EQ(plot->curve.size(), 1500u);
    EXPECT_TRUE(plot->title.starts_with("Saturn on Lagna"));
}

TEST_F(TransitsTabTest, ACancelledSearchLeavesTheTabAsItWas) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(2023, 1, 1), QDate(2023, 3, 1));
    ASSERT_TRUE(SearchAndWait());
    const std::size_t rows = Timeline()->layout().rows.size();
    const QString status = LabelText(QStringLiteral("lblTransitStatus"));
    SetSpan(QDate(1800, 1, 2), QDate(2399, 12, 31));
    Click("btnTransitSearch");
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("btnTransitSearch"))->isEnabled());
    Click("btnTransitCancel");
    QTest::qWait(200);
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("btnTransitSearch"))->isEnabled());
    EXPECT_EQ(Timeline()->layout().rows.size(), rows);
    EXPECT_EQ(LabelText(QStringLiteral("lblTransitStatus")), status);
    // The span boxes return to the span the results show.
    EXPECT_EQ(Find<QDateEdit>(QStringLiteral("dateTransitFrom"))->date(), QDate(2023, 1, 1));
    EXPECT_EQ(Find<QDateEdit>(QStringLiteral("dateTransitTo"))->date(), QDate(2023, 3, 1));
}

// A century at 30 virupas finds more windows than the tab keeps (some
// 118,000 for Asha Rao's 22 points): it keeps and draws the first 100,000
// and says so, where it once kept every one (378 MB for 600 years).
TEST_F(TransitsTabTest, ASearchOfManyWindowsKeepsTheFirstAndSaysSo) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(1900, 1, 1), QDate(2000, 1, 1));
    Find<QDoubleSpinBox>(QStringLiteral("spnTransitThreshold"))->setValue(30);
    ASSERT_TRUE(SearchAndWait());
    const QString status = LabelText(QStringLiteral("lblTransitStatus"));
    EXPECT_TRUE(status.contains(
        " The first 100000 are kept and drawn: narrow the span or raise the threshold to see the "
        "rest, or list them all with sarovin-report --transits."))
        << status.toStdString();
    EXPECT_GT(status.section(u' ', 0, 0).toLong(), 100000);
}

// With no thread allowed (one process for the account, the test's own) the
// search cannot start: the window goes on, says why, and can search again.
TEST_F(TransitsTabTest, ASearchWhoseThreadCannotStartSaysSoAndTheTabRecovers) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(2023, 1, 1), QDate(2023, 3, 1));
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([this] {
        const rlimit oneProcess{1, 1};
        if (::setrlimit(RLIMIT_NPROC, &oneProcess) != 0) {
            return false;
        }
        Click("btnTransitSearch");
        return Find<QPushButton>(QStringLiteral("btnTransitSearch"))->isEnabled() &&
               LabelText(QStringLiteral("lblTransitStatus")) ==
                   "The search could not start: the system would start no thread for it. Close "
                   "other programs and search again.";
    }));
    ASSERT_TRUE(SearchAndWait());
}

QPointF MiddleOf(const TimelineBar& bar) {
    return {(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
}

// The timeline carries the reading's own periods and bindus, computed once
// with it: the lane's bars, each window's tooltip with the tags the tool
// writes, Saturn's and Jupiter's Kakshya lanes, and "period lords only"
// keeps the windows whose tooltip names one of their bodies as a lord.
TEST_F(TransitsTabTest, TheTimelineShowsTheReadingsPeriodsAndBindus) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(2023, 1, 1), QDate(2023, 7, 1));
    ASSERT_TRUE(SearchAndWait());
    const BirthRecord record = window.Record();
    const Calculation natal = *CompleteCalculation(
        record, 0, *ComputeSky(record, {Ephemeris::Swiss, LunarNode::Mean}),
        {.dasha = DashaYear::Sidereal, .ashtakavarga = AshtakavargaTables::Parashara});
    const TimelineLayout& layout = Timeline()->layout();
    ASSERT_FALSE(layout.dashaBars.empty());
    const DashaBar& maha = layout.dashaBars.front();
    EXPECT_TRUE(
        Timeline()
            ->TipAt({(maha.left + maha.right) / 2, (maha.top + maha.bottom) / 2})
            .startsWith(QStringLiteral("Mahadasha of ") + QString::fromStdString(maha.label)));
    int sputas = 0;
    int kakshyas = 0;
    for (const TimelineRow& row : layout.rows) {
        for (const TimelineBar& bar : row.bars) {
            const TransitTags tags = TagsOf(bar.event, natal.dasha, natal.ashtakavarga);
            const QString tip = Timeline()->TipAt(MiddleOf(bar));
            if (bar.event.kind == TransitKind::Kakshya) {
                ++kakshyas;
                EXPECT_TRUE(row.kakshya);
                EXPECT_TRUE(tip.contains(QStringLiteral("'s kakshya, which gave a bindu")));
            }
            if (bar.event.kind != TransitKind::Sputa) {
                continue;
            }
            ++sputas;
            ASSERT_TRUE(tags.periods.has_value());
            EXPECT_TRUE(tip.contains(
                QStringLiteral("periods %1/%2 at the peak")
                    .arg(QString::fromUtf8(SlotNames[tags.periods->maha].englishName.data()),
                         QString::fromUtf8(SlotNames[tags.periods->antar].englishName.data()))))
                << tip.toStdString();
            if (tags.bindus) {
                EXPECT_TRUE(
                    tip.contains(QStringLiteral("bindus in %1: %2 own, %3 sarva")
                                     .arg(QString::fromUtf8(VedicSignNames[bar.event.sign].data()))
                                     .arg(tags.bindus->own)
                                     .arg(tags.bindus->sarva)))
                    << tip.toStdString();
            }
        }
    }
    EXPECT_GT(sputas, 0);
    EXPECT_GT(kakshyas, 0);

    const std::size_t allRows = layout.rows.size();
    Find<QCheckBox>(QStringLiteral("chkTransitPeriodLords"))->setChecked(true);
    const TimelineLayout& kept = Timeline()->layout();
    EXPECT_LT(kept.rows.size(), allRows);
    const QRegularExpression lords(QStringLiteral("periods (.+)/(.+) at the"));
    for (const TimelineRow& row : kept.rows) {
        for (const TimelineBar& bar : row.bars) {
            const QRegularExpressionMatch match = lords.match(Timeline()->TipAt(MiddleOf(bar)));
            ASSERT_TRUE(match.hasMatch()) << row.label;
            const QString label = QString::fromStdString(row.label);
            EXPECT_TRUE(label.contains(match.captured(1)) || label.contains(match.captured(2)))
                << row.label;
        }
    }
}

// With the Transits tab on show the export adds its timeline after the
// reading's two pages (the reading has houses); on another tab it does not.
TEST_F(TransitsTabTest, TheTimelineIsPrintedWhileItsTabIsOnShow) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    Trigger("mnuSwiss");
    SetSpan(QDate(2023, 1, 1), QDate(2023, 3, 1));
    ASSERT_TRUE(SearchAndWait());
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    QTemporaryDir folder;
    const auto exportTo = [&](const char* name) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        platform.dialogAnswers.push_back(testing::LocalPath(path));
        Find<QAction>(QStringLiteral("mnuExportPdf"))->trigger();
        return path;
    };
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    tabs->setCurrentIndex(0);
    const int readingPages = testing::PdfPageCount(exportTo("without.pdf"));
    EXPECT_FALSE(testing::PdfText(folder.filePath(QStringLiteral("without.pdf")))
                     .contains(QStringLiteral("Transits of")));
    tabs->setCurrentIndex(TRANSITS_TAB);
    const QString with = exportTo("with.pdf");
    EXPECT_GT(testing::PdfPageCount(with), readingPages);
    const QString text = testing::PdfText(with);
    EXPECT_TRUE(
        text.contains(QStringLiteral("Transits of Asha Rao from 2023-01-01 to 2023-03-01")));
    EXPECT_TRUE(text.contains(QStringLiteral("Saturn on Lagna")));
    EXPECT_TRUE(text.contains(QStringLiteral("Mahadasha")));
    EXPECT_TRUE(text.contains(QStringLiteral("Antardasha")));
    // A chosen row's strength follows on a page of its own.
    const TimelineLayout& layout = Timeline()->layout();
    const auto saturnOnLagna =
        std::find_if(layout.rows.begin(), layout.rows.end(),
                     [](const TimelineRow& row) { return row.label == "Saturn on Lagna"; });
    ASSERT_NE(saturnOnLagna, layout.rows.end());
    QTest::mouseClick(Timeline(), Qt::LeftButton, {},
                      QPoint(10, static_cast<int>(saturnOnLagna->top + 5)));
    const QString plotted = exportTo("plotted.pdf");
    EXPECT_EQ(testing::PdfPageCount(plotted), testing::PdfPageCount(with) + 1);
    EXPECT_TRUE(testing::PdfText(plotted).contains(
        QStringLiteral("Saturn on Lagna, classical Sputa Drishti in virupas")));
}

}  // namespace
}  // namespace sarovin
