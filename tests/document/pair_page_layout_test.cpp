#include "document/pair_page_layout.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "calculation/calculation.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

Calculation NamedSky(std::string name, const std::array<double, BODY_COUNT>& longitudes,
                     std::optional<double> lagna = {}) {
    Calculation calculation;
    calculation.record.name = std::move(name);
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        calculation.sky.bodies.entries[slot] =
            MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    calculation.sky.lagna = lagna;
    calculation.report = ComputeDrishtiReport(calculation.sky.bodies);
    return calculation;
}

PairPageLayout LayOutOnA4(const Calculation& a, const Calculation& b, QRectF* area = nullptr) {
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath(QStringLiteral("pair.pdf")));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    const QRectF page(0, 0, writer.width(), writer.height());
    if (area) {
        *area = page;
    }
    return LayOutPairPage(a, b, CompareReadings(a, b), ChartStyle::SouthIndian, page, writer,
                          QFont());
}

const SputaCell& CellAt(const CrossGridLayout& grid, int planet, int column) {
    const std::size_t columns = grid.columnCaptions.size();
    return grid.cells.at(static_cast<std::size_t>(planet) * columns +
                         static_cast<std::size_t>(column));
}

// The skies of the comparison's hand-worked cells (Sun, Moon, Mercury,
// Venus, Mars, Jupiter, Saturn, N Node, S Node):
//   A's Saturn 100° on B's Moon 175°: a = 75, 75 - 45 = 30, Saturn +45 = 75
//   B's Moon 175° on A's Saturn 100°: a = 285, (300 - 285) / 2 = 7.5
//   A's Jupiter 10° on B's Lagna 130°: a = 120, 150 - 120 = 30, +30 = 60
// The page keeps each direction in its own grid, bold from 45, and only
// B, which has a Lagna, gets a Lagna column.
TEST(PairPageLayout, EachGridIsOneDirection) {
    const Calculation a = NamedSky("Asha", {40, 40, 40, 40, 0, 10, 100, 40, 220});
    const Calculation b = NamedSky("Ravi", {100, 175, 40, 190, 40, 40, 40, 40, 220}, 130);
    const PairPageLayout page = LayOutOnA4(a, b);
    EXPECT_EQ(page.title.text, "Asha (A) compared with Ravi (B)");
    EXPECT_EQ(page.grids[0].caption.text, "Sputa Drishti of Asha on Ravi, in virupas");
    EXPECT_EQ(page.grids[1].caption.text, "Sputa Drishti of Ravi on Asha, in virupas");
    ASSERT_EQ(page.grids[0].columnCaptions.size(), 10u);
    ASSERT_EQ(page.grids[1].columnCaptions.size(), 9u);
    struct Case {
        int grid, planet, column;
        const char* text;
        bool bold;
    };
    for (const Case& c :
         {Case{0, Saturn, Moon, "75.00", true}, Case{1, Moon, Saturn, "7.50", false},
          Case{0, Jupiter, 9, "60.00", true}}) {
        const SputaCell& cell = CellAt(page.grids[c.grid], c.planet, c.column);
        EXPECT_EQ(cell.number.text, c.text) << c.grid << " " << c.planet << " " << c.column;
        EXPECT_EQ(cell.bold, c.bold) << c.text;
    }
    // The mutual aspects come right after the chart's caption and heading.
    ASSERT_GE(page.beside.size(), 3u);
    EXPECT_EQ(page.beside[1].text, "Mutual aspects, 45 virupas or more both ways");
    EXPECT_NE(page.beside[2].text, "none");
}

// Two Swiss readings with long names and a Lagna each: everything stays on
// the A4 page.
TEST(PairPageLayout, TheWholePairFitsOnOnePage) {
    const BirthRecord asha = testing::AshaRaoBirth();
    Calculation a{asha,
                  testing::INDIAN_TIME_ZONE,
                  *ComputeSky(asha, {Ephemeris::Swiss, LunarNode::Mean}),
                  {}};
    a.report = ComputeDrishtiReport(a.sky.bodies);
    ASSERT_TRUE(a.sky.lagna);
    Calculation b = a;
    a.record.name = "Asha Rao of the very long family name Venkatalakshminarasimhan";
    QRectF area;
    const PairPageLayout page = LayOutOnA4(a, b, &area);
    EXPECT_LE(page.bottom, area.bottom());
    EXPECT_LE(page.chartBox.right(), area.right());
    for (const CrossGridLayout& grid : page.grids) {
        EXPECT_LE(grid.cells.back().number.box.right(), area.right() + 1);
    }
}

}  // namespace
}  // namespace sarovin
