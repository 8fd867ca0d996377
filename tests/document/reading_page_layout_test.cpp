#include "document/reading_page_layout.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "calculation/calculation.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

constexpr EphemerisChoice BUILT_IN{};
constexpr EphemerisChoice SWISS{Ephemeris::Swiss, LunarNode::Mean};

Calculation CalculationOf(const BirthRecord& record, int zonePosition,
                          const EphemerisChoice& choice) {
    Calculation calculation{record, zonePosition, *ComputeSky(record, choice), {}};
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
    return calculation;
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

    ReadingPageLayout LayOut(const Calculation& calculation,
                             ChartStyle style = ChartStyle::SouthIndian) {
        return LayOutReadingPage(calculation, style, Area(), writer_, QFont());
    }
    QRectF Area() const { return QRectF(0, 0, writer_.width(), writer_.height()); }

  private:
    QTemporaryDir folder_;
    QPdfWriter writer_;
};

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

// The zone row's label is the list's own; the built-in ayanamsa of the
// description's worked example is 23.58185° = 23°34'54.7"; swetest
// -b15.6.1980 -ut3:00 -p0 -sid1 -fPl -head -house77.2,28.6,P gives the
// ascendant 100.7663021 = 10°45'59" in Cancer and -ay1 the Lahiri ayanamsa
// 23°34'52.0451".
TEST(ReadingPageLayout, TheHeaderNamesTheBirthTheEphemerisAndTheLagna) {
    const std::string moment = "15 June 1980 08:30, Indian Time, IST, +5.3";
    const std::string place = "New Delhi, Delhi, India, 77\u00B012' E, 28\u00B036' N";
    const HeaderCase cases[] = {
        {"built-in, no Lagna",
         false,
         BUILT_IN,
         {"Asha Rao", moment, place, "Built-in (v1.15) ephemeris, ayanamsa 23\u00B034'54\""}},
        {"daylight saving said only when ticked",
         true,
         BUILT_IN,
         {"Asha Rao", moment + ", daylight saving", place,
          "Built-in (v1.15) ephemeris, ayanamsa 23\u00B034'54\""}},
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
            page.LayOut(CalculationOf(record, testing::INDIAN_TIME_ZONE, c.choice));
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
    const ReadingPageLayout layout =
        page.LayOut(CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN));
    ASSERT_EQ(layout.rashiRows.size(), std::size(positions));
    for (std::size_t row = 0; row < layout.rashiRows.size(); ++row) {
        EXPECT_TRUE(layout.rashiRows[row].heading.text.endsWith(positions[row])) << row;
        EXPECT_TRUE(layout.rashiRows[row].heading.font.bold()) << row;
    }
    const QRectF first = layout.rashiRows[0].heading.box;
    const QRectF sixth = layout.rashiRows[5].heading.box;
    EXPECT_EQ(layout.rashiRows[5].heading.text, "Jupiter / Guru   10 Leo 25");
    EXPECT_EQ(sixth.top(), first.top());
    EXPECT_GT(sixth.left(), first.right());
    EXPECT_LE(sixth.right(), page.Area().right());
}

// The boxes of everything beneath the chart and the Graha rows.
std::vector<QRectF> BoxesBelow(const ReadingPageLayout& layout) {
    std::vector<QRectF> boxes = {layout.rashiTitle.box, layout.sputaTitle.box};
    for (const DrishtiRowText& row : layout.rashiRows) {
        boxes.push_back(row.heading.box);
        boxes.push_back(row.sentences.box);
    }
    return boxes;
}

// The birth chart and the Navamsa stand side by side, the Graha rows under
// both, the Rashi section beneath the Graha rows and the Sputa section
// beneath the Rashi rows, on a wide, a middling and a narrow page.
TEST(ReadingPageLayout, TheSectionsFollowOneAnotherWithoutOverlapping) {
    for (const QPageSize::PageSizeId size : {QPageSize::A3, QPageSize::A4, QPageSize::A6}) {
        SCOPED_TRACE(QPageSize(size).name().toStdString());
        Page page(size);
        const ReadingPageLayout layout = page.LayOut(
            CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE, BUILT_IN));
        std::vector<QRectF> above = {layout.chartBox, layout.navamsaBox, layout.grahaTitle.box};
        for (const DrishtiRowText& row : layout.grahaRows) {
            above.push_back(row.heading.box);
            above.push_back(row.sentences.box);
        }
        for (const QRectF& below : BoxesBelow(layout)) {
            for (const QRectF& box : above) {
                EXPECT_GE(below.top(), box.bottom());
            }
        }
        for (const DrishtiRowText& row : layout.rashiRows) {
            EXPECT_GE(layout.sputaTitle.box.top(), row.sentences.box.bottom());
        }
        EXPECT_GE(layout.navamsaBox.left(), layout.chartBox.right());
        EXPECT_GE(layout.grahaTitle.box.top(), layout.navamsaBox.bottom());
        EXPECT_GE(layout.chartBox.top(), layout.headerLines.back().box.bottom());
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
    const SputaGridLayout grid = page.LayOut(calculation).sputa;
    for (std::size_t column = 0; column < std::size(strengths); ++column) {
        const auto& [strength, bold] = strengths[column];
        const SputaCell& cell = grid.rows[0].cells[column];
        EXPECT_EQ(cell.number.text, QString::number(strength));
        EXPECT_EQ(cell.bold, bold) << strength;
        EXPECT_EQ(cell.number.font.bold(), bold) << strength;
    }
    EXPECT_EQ(grid.legendLabel.text, "Strength (bold from 45)");
}

}  // namespace
}  // namespace sarovin
