#include "document/reading_page_layout.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "calculation/birth_houses.h"
#include "calculation/calculation.h"
#include "document/houses_page_layout.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

constexpr EphemerisChoice BUILT_IN{};
constexpr EphemerisChoice SWISS{Ephemeris::Swiss, LunarNode::Mean};

// The date the footers are given.
const QDate PRINTED(2026, 12, 7);

Calculation CalculationOf(const BirthRecord& record, int zonePosition,
                          const EphemerisChoice& choice) {
    return *CompleteCalculation(record, zonePosition, *ComputeSky(record, choice),
                                {.vargas = {NAVAMSA}});
}

// The stellium of 4 February 1962 17:30 in New Delhi: eight bodies in
// Makara.
BirthRecord StelliumBirth() {
    BirthRecord record = testing::AshaRaoBirth();
    record.name = "Stellium";
    record.day = 4;
    record.month = 2;
    record.year = 1962;
    record.hour = 17;
    record.minute = 30;
    return record;
}

// A page of `size` with the margins of the PDF file, at its resolution.
class Page {
  public:
    explicit Page(QPageSize::PageSizeId size)
        : writer_(folder_.filePath(QStringLiteral("page.pdf"))) {
        writer_.setResolution(600);
        writer_.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait,
                                          QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    }

    HousesPageLayout LayOutHouses(const Calculation& calculation) {
        return LayOutHousesPage(calculation, *calculation.houses, Area(), writer_, QFont(), PRINTED,
                                {3, 3});
    }
    std::vector<ReadingPageLayout> LayOut(const Calculation& calculation,
                                          ChartStyle style = ChartStyle::SouthIndian) {
        return LayOutReadingPages(calculation, style, Area(), writer_, QFont(), PRINTED);
    }
    QRectF Area() const { return QRectF(0, 0, writer_.width(), writer_.height()); }

  private:
    QTemporaryDir folder_;
    QPdfWriter writer_;
};

// The page holding a section.
template <typename Section>
const Section& SectionOf(const std::vector<ReadingPageLayout>& pages,
                         std::optional<Section> ReadingPageLayout::*slot) {
    for (const ReadingPageLayout& page : pages) {
        if (page.*slot) {
            return *(page.*slot);
        }
    }
    throw std::logic_error("the section is on no page");
}

std::vector<std::string> HeaderTexts(const ReadingPageLayout& layout) {
    std::vector<std::string> texts = {layout.title.text.toStdString()};
    for (const PageText& line : layout.headerLines) {
        texts.push_back(line.text.toStdString());
    }
    return texts;
}

struct HeaderCase {
    const char* what;
    bool daylightSaving;
    EphemerisChoice choice;
    std::vector<std::string> lines;
};

// The zone row's label is the list's own, its offset +5:30 (UT is -5 h
// -30 min from it), an hour more with daylight saving; the built-in ayanamsa of the
// description's worked example is 23.58185° = 23°34'54.7"; swetest
// -b15.6.1980 -ut3:00 -p0 -sid1 -fPl -head -house77.2,28.6,P gives the
// ascendant 100.7663021 = 10°45'59" in Cancer and -ay1 the Lahiri ayanamsa
// 23°34'52.0451".
TEST(ReadingPageLayout, TheHeaderNamesTheBirthTheEphemerisAndTheLagna) {
    const std::string moment =
        "15 June 1980 08:30, UTC+05:30 from the zone row Indian Time, IST, +5.3";
    const std::string place = "New Delhi, Delhi, India, 77\u00B012' E, 28\u00B036' N";
    const HeaderCase cases[] = {
        {"built-in, no Lagna",
         false,
         BUILT_IN,
         {"Asha Rao", moment, place, "Built-in (v1.15) ephemeris, ayanamsa 23\u00B034'54\""}},
        {"daylight saving said only when ticked",
         true,
         BUILT_IN,
         {"Asha Rao",
          "15 June 1980 08:30, UTC+06:30 from the zone row Indian Time, IST, +5.3 and daylight "
          "saving",
          place, "Built-in (v1.15) ephemeris, ayanamsa 23\u00B034'54\""}},
        {"the Swiss Ephemeris adds the Lagna line",
         false,
         SWISS,
         {"Asha Rao", moment, place,
          "Swiss Ephemeris, Lahiri ayanamsa 23\u00B034'52\", mean node, UT 1980-06-15 03:00",
          "Lagna 10 Can 45"}},
    };
    Page page(QPageSize::A4);
    for (const HeaderCase& c : cases) {
        BirthRecord record = testing::AshaRaoBirth();
        record.daylightSaving = c.daylightSaving;
        const ReadingPageLayout layout =
            page.LayOut(CalculationOf(record, testing::INDIAN_TIME_ZONE, c.choice)).front();
        EXPECT_EQ(HeaderTexts(layout), c.lines) << c.what;
        EXPECT_TRUE(layout.title.font.bold()) << c.what;
    }
}

// The positions of the description's second end-to-end check, in body
// order: five rows in the left column, the sixth heading the right.
TEST(ReadingPageLayout, EveryRashiRowIsOnThePageInTwoColumns) {
    const char* positions[] = {"00 Gem 51", "29 Gem 07", "25 Gem 19", "01 Gem 09", "23 Leo 17",
                               "10 Leo 25", "27 Leo 23", "28 Can 35", "28 Cap 35"};
    Page page(QPageSize::A4);
    const std::vector<ReadingPageLayout> pages =
        page.LayOut(CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN));
    const DrishtiSectionLayout& rashi = SectionOf(pages, &ReadingPageLayout::rashi);
    ASSERT_EQ(rashi.rows.size(), std::size(positions));
    for (std::size_t row = 0; row < rashi.rows.size(); ++row) {
        EXPECT_TRUE(rashi.rows[row].heading.text.endsWith(positions[row])) << row;
        EXPECT_TRUE(rashi.rows[row].heading.font.bold()) << row;
    }
    const QRectF first = rashi.rows[0].heading.box;
    const QRectF sixth = rashi.rows[5].heading.box;
    EXPECT_EQ(rashi.rows[5].heading.text, "Jupiter / Guru   10 Leo 25");
    EXPECT_EQ(sixth.top(), first.top());
    EXPECT_GT(sixth.left(), first.right());
    EXPECT_LE(sixth.right(), page.Area().right());
}

// Every box a page draws in, in the order of its sections.
std::vector<QRectF> BoxesOf(const ReadingPageLayout& page) {
    std::vector<QRectF> boxes = {page.title.box};
    for (const PageText& line : page.headerLines) {
        boxes.push_back(line.box);
    }
    if (page.charts) {
        boxes.push_back(page.charts->chartBox.united(page.charts->navamsaBox));
    }
    if (page.bodies) {
        boxes.push_back(page.bodies->title.box);
        for (const std::vector<PageText>& row : page.bodies->rows) {
            boxes.push_back(row.front().box.united(row.back().box));
        }
    }
    for (const auto* section : {&page.graha, &page.rashi}) {
        if (*section) {
            QRectF rows = (*section)->title.box;
            for (const DrishtiRowText& row : (*section)->rows) {
                rows = rows.united(row.heading.box).united(row.sentences.box);
            }
            boxes.push_back(rows);
        }
    }
    if (page.sputa) {
        boxes.push_back(page.sputa->title.box);
        const SputaGridLayout& grid = page.sputa->grid;
        boxes.push_back(
            QRectF(grid.axes[0].box.topLeft(),
                   QPointF(grid.rows.back().cells.back().number.box.right(), grid.bottom)));
    }
    return boxes;
}

// The sections follow one another down each page in their order, none
// overlapping the one before, none reaching into the footer, on a wide, a
// middling and a narrow page; each is on one page but for the Drishti rows
// on the narrow one, which are split between rows.
TEST(ReadingPageLayout, TheSectionsFollowOneAnotherWithinThePage) {
    for (const QPageSize::PageSizeId size : {QPageSize::A3, QPageSize::A4, QPageSize::A6}) {
        SCOPED_TRACE(QPageSize(size).name().toStdString());
        Page page(size);
        const Calculation calculation =
            CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN);
        const std::vector<ReadingPageLayout> pages = page.LayOut(calculation);
        int sections = 0;
        std::size_t rows = 0;
        for (const ReadingPageLayout& each : pages) {
            const std::vector<QRectF> boxes = BoxesOf(each);
            for (std::size_t index = 1; index < boxes.size(); ++index) {
                EXPECT_GE(boxes[index].top(), boxes[index - 1].bottom()) << index;
            }
            for (const QRectF& box : boxes) {
                EXPECT_LE(box.bottom(), each.footer.texts[0].box.top());
            }
            sections += static_cast<int>(each.charts.has_value()) + each.bodies.has_value() +
                        each.sputa.has_value();
            rows += (each.graha ? each.graha->rows.size() : 0) +
                    (each.rashi ? each.rashi->rows.size() : 0);
        }
        EXPECT_EQ(sections, 3);
        EXPECT_EQ(rows, calculation.report.graha.size() + calculation.report.rashi.size());
        const ChartPairLayout& charts = *pages.front().charts;
        EXPECT_GE(charts.navamsaBox.left(), charts.chartBox.right());
    }
}

// "Strength (bold from 45)": the strengths either side of the boundary,
// written into the grid by hand.
TEST(ReadingPageLayout, SputaStrengthsAreBoldFrom45) {
    Calculation calculation =
        CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN);
    const std::pair<int, bool> strengths[] = {
        {0, false}, {44, false}, {45, true}, {46, true}, {60, true}};
    for (std::size_t column = 0; column < std::size(strengths); ++column) {
        calculation.report.sputa.grid[0][column] = strengths[column].first;
    }
    Page page(QPageSize::A4);
    const std::vector<ReadingPageLayout> pages = page.LayOut(calculation);
    const SputaGridLayout& grid = SectionOf(pages, &ReadingPageLayout::sputa).grid;
    for (std::size_t column = 0; column < std::size(strengths); ++column) {
        const auto& [strength, bold] = strengths[column];
        const SputaCell& cell = grid.rows[0].cells[column];
        EXPECT_EQ(cell.number.text, QString::number(strength));
        EXPECT_EQ(cell.bold, bold) << strength;
        EXPECT_EQ(cell.number.font.bold(), bold) << strength;
    }
    EXPECT_EQ(grid.legendLabel.text, "Strength (bold from 45)");
}

// The printed grid's column headings share one weight ("Mercury" too wide
// in bold sets them all in the regular weight) and stand apart, each
// within its cell less a gap, so neighbouring headings never touch.
TEST(ReadingPageLayout, TheSputaHeadingsAreBoldAlikeAndApart) {
    for (const Rules rules : {Rules::Sarovin115, Rules::Classical}) {
        Calculation calculation =
            CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN);
        calculation.report = ComputeDrishtiReport(calculation.sky.bodies, rules, std::nullopt);
        Page page(QPageSize::A4);
        const std::vector<ReadingPageLayout> pages = page.LayOut(calculation);
        const SputaGridLayout& grid = SectionOf(pages, &ReadingPageLayout::sputa).grid;
        const std::vector<PageText>& captions = grid.columnCaptions;
        ASSERT_GE(captions.size(), 9U);
        for (std::size_t column = 1; column < captions.size(); ++column) {
            EXPECT_EQ(captions[column].font.bold(), captions[0].font.bold())
                << captions[column].text.toStdString();
            EXPECT_LT(captions[column - 1].box.right(), captions[column].box.left())
                << captions[column].text.toStdString();
        }
    }
}

// Every text of a page with the size it is set in; the legend's marks
// count as a text in the legend's font.
std::vector<PageText> TextsOf(const ReadingPageLayout& page) {
    std::vector<PageText> texts = {page.title};
    texts.insert(texts.end(), page.headerLines.begin(), page.headerLines.end());
    if (page.bodies) {
        texts.push_back(page.bodies->title);
        for (const std::vector<PageText>& row : page.bodies->rows) {
            texts.insert(texts.end(), row.begin(), row.end());
        }
    }
    for (const auto* section : {&page.graha, &page.rashi}) {
        if (*section) {
            texts.push_back((*section)->title);
            for (const DrishtiRowText& row : (*section)->rows) {
                texts.push_back(row.heading);
                texts.push_back(row.sentences);
            }
        }
    }
    texts.insert(texts.end(), page.footer.texts.begin(), page.footer.texts.end());
    return texts;
}

std::vector<PageText> GridTextsOf(const ReadingPageLayout& page) {
    if (!page.sputa) {
        return {};
    }
    const SputaGridLayout& grid = page.sputa->grid;
    std::vector<PageText> texts(grid.axes.begin(), grid.axes.end());
    texts.insert(texts.end(), grid.columnCaptions.begin(), grid.columnCaptions.end());
    for (const SputaRowLayout& row : grid.rows) {
        texts.push_back(row.caption);
        texts.push_back(row.position);
        for (const SputaCell& cell : row.cells) {
            texts.push_back(cell.number);
        }
    }
    texts.insert(texts.end(), grid.drikBala.begin(), grid.drikBala.end());
    texts.push_back(grid.legendLabel);
    texts.push_back({grid.legendBar, QString(), grid.legendFont});
    return texts;
}

double SmallestPoints(const std::vector<PageText>& texts) {
    double smallest = 1000;
    for (const PageText& text : texts) {
        smallest = std::min(smallest, text.font.pointSizeF());
    }
    return smallest;
}

struct BirthCase {
    const char* what;
    BirthRecord record;
    int zone;
    EphemerisChoice choice;
};

// The usual sample births, both ephemerides and both rule sets, and the
// stellium, whose eight bodies in one sign crowd the charts and a house.
std::vector<BirthCase> SampleBirths() {
    const EphemerisChoice classical{Ephemeris::Swiss, LunarNode::True, AyanamsaSystem::Lahiri,
                                    Rules::Classical, HouseSystem::Placidus};
    return {
        {"Asha Rao, built-in", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN},
        {"Asha Rao, Swiss", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, SWISS},
        {"Asha Rao, classical", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, classical},
        {"Greenwich noon", testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE, SWISS},
        {"stellium", StelliumBirth(), testing::INDIAN_TIME_ZONE, SWISS},
        {"stellium, classical", StelliumBirth(), testing::INDIAN_TIME_ZONE, classical},
    };
}

std::vector<PageText> TextsOf(const HousesPageLayout& page) {
    std::vector<PageText> texts = {page.title, page.heading};
    texts.insert(texts.end(), page.headerLines.begin(), page.headerLines.end());
    texts.insert(texts.end(), page.cells.begin(), page.cells.end());
    texts.insert(texts.end(), page.digBala.begin(), page.digBala.end());
    texts.insert(texts.end(), page.footer.texts.begin(), page.footer.texts.end());
    return texts;
}

// The page's text is set at 10 points at least, the Sputa grid's at 9 so
// that its ten columns of names fit across A4, and nothing reaches below
// the footer's top but the footer, which ends at the page's bottom; the
// houses page likewise, its lists of bodies wrapped in taller rows.
TEST(ReadingPageLayout, TextIsTenPointsAndStaysOnThePage) {
    Page page(QPageSize::A4);
    for (const BirthCase& birth : SampleBirths()) {
        SCOPED_TRACE(birth.what);
        const Calculation calculation = CalculationOf(birth.record, birth.zone, birth.choice);
        if (calculation.houses) {
            const HousesPageLayout houses = page.LayOutHouses(calculation);
            EXPECT_GE(SmallestPoints(TextsOf(houses)), 10);
            for (const PageText& text : TextsOf(houses)) {
                EXPECT_LE(text.box.bottom(), page.Area().bottom());
            }
        }
        const std::vector<ReadingPageLayout> pages = page.LayOut(calculation);
        for (const ReadingPageLayout& each : pages) {
            EXPECT_GE(SmallestPoints(TextsOf(each)), 10);
            if (each.sputa) {
                EXPECT_GE(SmallestPoints(GridTextsOf(each)), 9);
            }
            const double footerTop = each.footer.texts[0].box.top();
            for (const QRectF& box : BoxesOf(each)) {
                EXPECT_LE(box.bottom(), footerTop);
            }
            EXPECT_LE(each.footer.texts[0].box.bottom(), page.Area().bottom());
        }
    }
}

std::vector<std::vector<std::string>> TableTexts(const BodyTableLayout& table) {
    std::vector<std::vector<std::string>> rows;
    for (const std::vector<PageText>& row : table.rows) {
        rows.emplace_back();
        for (const PageText& text : row) {
            rows.back().push_back(text.text.toStdString());
        }
    }
    return rows;
}

// swetest -b15.6.1980 -ut3:00 -p0123456m -fPls -sid1 -head -eswe gives the
// longitudes and daily speeds (Venus's -0.626, retrograde), and with
// -house77.2,28.6,P the ascendant 100.7663 and the Porphyry madhyas from
// which Sripati's houses run midway between them (house 1 85.81-112.63,
// 2 to 138.31, 3 to 168.14, 7 267.81-292.63, 8 to 318.31, 12 54.53-85.81).
// Nakshatra k = floor(λ / 13°20'), pada = floor((λ mod 13°20') / 3°20') + 1:
//   Sun     60.5800 = Mithuna 00°34', 60.58/13.333 = 4.54 Mrigashira,
//           7.247/3.333 = 2.2 pada 3, house 12
//   Moon    89.1542 = Mithuna 29°09', 6.69 Punarvasu, 9.154 pada 3, house 1
//   Mercury 85.0363 = Mithuna 25°02', 6.38 Punarvasu, 5.036 pada 2, house 12
//   Venus   60.8732 = Mithuna 00°52', 4.57 Mrigashira, 7.540 pada 3, house 12
//   Mars   143.0013 = Simha 23°00', 10.73 Purva Phalguni, 9.668 pada 3, house 3
//   Jupiter 130.1487 = Simha 10°08', 9.76 Magha, 10.149 pada 4, house 2
//   Saturn 147.0863 = Simha 27°05', 11.03 Uttara Phalguni, 0.420 pada 1, house 3
//   Rahu   119.5173 = Kataka 29°31', 8.96 Ashlesha, 12.851 pada 4, house 2
//   Ketu   299.5173 = Makara 29°31', 22.46 Dhanishta, 6.184 pada 2, house 8
//   Lagna  100.7663 = Kataka 10°45', 7.56 Pushya, 7.433 pada 3
TEST(ReadingPageLayout, TheBodyTableGivesSignDegreeNakshatraHouseAndRetrograde) {
    const std::vector<std::vector<std::string>> expected = {
        {"Body", "Sign", "Degree", "Nakshatra", "Pada", "House", "\u211E"},
        {"Lagna", "Kataka", "10\u00B045'", "Pushya", "3", "1", ""},
        {"Sun / Surya", "Mithuna", "00\u00B034'", "Mrigashira", "3", "12", ""},
        {"Moon / Chandra", "Mithuna", "29\u00B009'", "Punarvasu", "3", "1", ""},
        {"Mercury / Budha", "Mithuna", "25\u00B002'", "Punarvasu", "2", "1", ""},
        {"Venus / Shukra", "Mithuna", "00\u00B052'", "Mrigashira", "3", "12", "\u211E"},
        {"Mars / Mangala", "Simha", "23\u00B000'", "Purva Phalguni", "3", "3", ""},
        {"Jupiter / Guru", "Simha", "10\u00B008'", "Magha", "4", "2", ""},
        {"Saturn / Shani", "Simha", "27\u00B005'", "Uttara Phalguni", "1", "3", ""},
        {"N Node / Rahu", "Kataka", "29\u00B031'", "Ashlesha", "4", "2", ""},
        {"S Node / Ketu", "Makara", "29\u00B031'", "Dhanishta", "2", "8", ""},
    };
    Page page(QPageSize::A4);
    const std::vector<ReadingPageLayout> pages =
        page.LayOut(CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, SWISS));
    EXPECT_EQ(TableTexts(SectionOf(pages, &ReadingPageLayout::bodies)), expected);
}

// The built-in ephemeris gives no Lagna, no houses and no speeds: the
// table keeps the nine bodies and the columns it can fill. Its Sun at
// 00 Gem 51 (the description's worked example) is 60.85°: Mrigashira
// (4.56), 7.52 into it, pada 3.
TEST(ReadingPageLayout, TheBodyTableLeavesOutWhatTheBuiltInEphemerisCannotTell) {
    Page page(QPageSize::A4);
    Calculation calculation =
        CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN);
    const std::vector<ReadingPageLayout> pages = page.LayOut(calculation);
    const std::vector<std::vector<std::string>> rows =
        TableTexts(SectionOf(pages, &ReadingPageLayout::bodies));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Body", "Sign", "Degree", "Nakshatra", "Pada"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Sun / Surya", "Mithuna", "00\u00B051'",
                                                 "Mrigashira", "3"}));
}

// Every page's footer names the program, its version (CMake's project
// version, as --version prints it) and the date given, and counts the
// pages, the houses page with them.
TEST(ReadingPageLayout, EveryFooterNamesTheProgramTheVersionAndTheDate) {
    Page page(QPageSize::A4);
    const std::vector<ReadingPageLayout> pages =
        page.LayOut(CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, SWISS));
    ASSERT_GE(pages.size(), 2u);
    const int count = static_cast<int>(pages.size()) + 1;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        const PageFooter& footer = pages[index].footer;
        EXPECT_EQ(footer.texts[0].text, "Sarovin 1.15, printed 7 December 2026");
        EXPECT_EQ(footer.texts[1].text, QStringLiteral("Page %1 of %2").arg(index + 1).arg(count));
    }
    EXPECT_EQ(pages[1].title.text, "Asha Rao, continued");
}

}  // namespace
}  // namespace sarovin
