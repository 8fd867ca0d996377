#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/tabs/positions_tab.h"
#include "output/json_report.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

enum Column {
    BodyColumn,
    SignColumn,
    DegreeColumn,
    NakshatraColumn,
    PadaColumn,
    LordColumn,
    HouseColumn,
    RetrogradeColumn,
    MotionColumn
};

Calculation AshaRao(Ephemeris ephemeris) {
    const BirthRecord record = testing::AshaRaoBirth();
    Result<Sky> sky = ComputeSky(record, {ephemeris, LunarNode::Mean});
    EXPECT_TRUE(sky);
    return *CompleteCalculation(record, 0, std::move(*sky), {});
}

QJsonArray JsonBodies(const Calculation& calculation) {
    const std::string json = FormatJsonReading({"", calculation, {}}, JsonLayout::Compact);
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["bodies"].toArray();
}

// The tab shows, row for row, the nakshatra, pada and house the JSON report
// gives each body of the same reading.
TEST(PositionsTab, ShowsEachBodyAsTheJsonReportGivesIt) {
    for (const Ephemeris ephemeris : {Ephemeris::BuiltIn, Ephemeris::Swiss}) {
        const Calculation calculation = AshaRao(ephemeris);
        PositionsTab tab;
        tab.ShowCalculation(calculation);
        auto* table = tab.findChild<QTableWidget*>(QStringLiteral("tblPositions"));
        const QJsonArray bodies = JsonBodies(calculation);
        ASSERT_EQ(bodies.size(), 9);
        const bool swiss = ephemeris == Ephemeris::Swiss;
        // The Lagna heads the rows and the MC ends them with houses.
        ASSERT_EQ(table->rowCount(), swiss ? 11 : 9);
        const int first = swiss ? 1 : 0;
        for (int slot = 0; slot < 9; ++slot) {
            const QJsonObject body = bodies[slot].toObject();
            const auto text = [&](int column) { return table->item(first + slot, column)->text(); };
            EXPECT_EQ(text(BodyColumn), body["english"].toString());
            EXPECT_EQ(text(NakshatraColumn), body["nakshatra"].toString());
            EXPECT_EQ(text(PadaColumn).toInt(), body["pada"].toInt());
            EXPECT_EQ(body["house"].isNull(), !swiss);
            if (swiss) {
                EXPECT_EQ(text(HouseColumn).toInt(), body["house"].toInt());
            }
        }
        EXPECT_EQ(table->isColumnHidden(HouseColumn), !swiss);
        EXPECT_EQ(table->isColumnHidden(MotionColumn), !swiss);
    }
}

// Venus moves back at -0.6260° a day on 15 June 1980 (swetest -fPls).
TEST(PositionsTab, MarksARetrogradeBodyAndItsDailyMotion) {
    PositionsTab tab;
    tab.ShowCalculation(AshaRao(Ephemeris::Swiss));
    auto* table = tab.findChild<QTableWidget*>(QStringLiteral("tblPositions"));
    EXPECT_EQ(table->item(1 + Venus, RetrogradeColumn)->text(), QStringLiteral("\u211E"));
    EXPECT_EQ(table->item(1 + Venus, MotionColumn)->text(), "-0.6260");
    EXPECT_EQ(table->item(1 + Sun, RetrogradeColumn)->text(), "");
    EXPECT_EQ(table->item(10, BodyColumn)->text(), "MC");
    EXPECT_EQ(table->item(10, SignColumn)->text(), "Mesha");
    EXPECT_EQ(table->item(10, DegreeColumn)->text(), "04\u00B009'");
    EXPECT_EQ(table->item(10, LordColumn)->text(), "S Node");
}

}  // namespace
}  // namespace sarovin
