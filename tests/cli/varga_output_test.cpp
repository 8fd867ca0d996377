#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/body_slot.h"
#include "tests/cli/report_test_support.h"

namespace sarovin {
namespace {

using testing::AshaRaoOptions;
using testing::Joined;
using testing::RunResult;
using testing::RunTool;

QJsonObject VargasOf(const std::vector<std::string>& arguments) {
    const RunResult result = RunTool(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
        .array()
        .at(0)["vargas"]
        .toObject();
}

// Asha Rao with the Swiss Ephemeris, from
//   swetest -b15.6.1980 -ut3:00 -sid1 -fPl -head -house77.2,28.6,P
// Sun 60.5800, Moon 89.1542, Mercury 85.0363, Venus 60.8732, Mars 143.0013,
// Jupiter 130.1487, Saturn 147.0863, mean node 119.5173 (S Node 299.5173),
// Ascendant 100.7663. Navamsa floor(λ / 3°20') mod 12: 18, 26, 25, 18, 42,
// 39, 44, 35, 89 and 30 give Thula, Mithuna, Vrishabha, Thula, Thula,
// Kataka, Dhanus, Meena, Kanya; Lagna Thula. Dasamsa: Mithuna 0°35' odd,
// 1st part: Mithuna; Mithuna 29°09', 10th: Meena; Mithuna 25°02', 9th:
// Kumbha; Mithuna 0°52': Mithuna; Simha 23°00', 8th: Meena; Simha 10°09',
// 4th: Vrischika; Simha 27°05', 10th: Vrishabha; Kataka 29°31' even, from
// Meena, 10th: Dhanus; Makara 29°31' even, from Kanya, 10th: Mithuna;
// Lagna Kataka 10°46', 4th from Meena: Mithuna.
TEST(VargaOutput, JsonGivesTheSignsOfTheVargasAsked) {
    const QJsonObject vargas = VargasOf(Joined(
        {"--format", "json", "--ephemeris", "swiss", "--vargas", "d10,D9"}, AshaRaoOptions()));
    ASSERT_EQ(vargas.keys(), (QStringList{"D10", "D9"}));
    const std::pair<const char*, QStringList> expected[] = {
        {"D9",
         {"Thula", "Mithuna", "Vrishabha", "Thula", "Thula", "Kataka", "Dhanus", "Meena", "Kanya",
          "Thula"}},
        {"D10",
         {"Mithuna", "Meena", "Kumbha", "Mithuna", "Meena", "Vrischika", "Vrishabha", "Dhanus",
          "Mithuna", "Mithuna"}},
    };
    for (const auto& [key, signs] : expected) {
        const QJsonObject varga = vargas[key].toObject();
        const QJsonArray bodies = varga["bodies"].toArray();
        ASSERT_EQ(bodies.size(), BODY_COUNT);
        for (int body = 0; body < BODY_COUNT; ++body) {
            EXPECT_EQ(bodies.at(body)["body"].toString(), SlotNames[body].englishName.data());
            EXPECT_EQ(bodies.at(body)["sign"].toString(), signs[body]) << key << " " << body;
        }
        EXPECT_EQ(varga["lagna"].toString(), signs[BODY_COUNT]) << key;
        EXPECT_EQ(varga["graha"].toArray().size(), 8);
        EXPECT_EQ(varga["rashi"].toArray().size(), 9);
    }
}

TEST(VargaOutput, AllGivesTheSixteenAndTheBuiltInEphemerisNoLagna) {
    const QJsonObject vargas =
        VargasOf(Joined({"--format", "json", "--vargas", "all"}, AshaRaoOptions()));
    EXPECT_EQ(vargas.size(), 16);
    for (const char* key : {"D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12", "D16", "D20", "D24",
                            "D27", "D30", "D40", "D45", "D60"}) {
        EXPECT_TRUE(vargas[key].toObject()["lagna"].isNull()) << key;
    }
}

// "all" is a key like the others: in any case, and among others.
TEST(VargaOutput, AllIsAKeyInAnyCaseAndAmongOthers) {
    for (const char* list : {"ALL", "All", "all,D9", "d9,ALL"}) {
        EXPECT_EQ(VargasOf(Joined({"--format", "json", "--vargas", list}, AshaRaoOptions())).size(),
                  16)
            << list;
    }
}

TEST(VargaOutput, TextEndsWithATableOfSigns) {
    const RunResult result =
        RunTool(Joined({"--ephemeris", "swiss", "--vargas", "D9"}, AshaRaoOptions()));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.ends_with(
        "\nVargas\n"
        "                    Lagna      Sun        Moon       Mercury    Venus      Mars       "
        "Jupiter    Saturn     N Node     S Node\n"
        "D9 Navamsa          Thula      Thula      Mithuna    Vrishabha  Thula      Thula      "
        "Kataka     Dhanus     Meena      Kanya\n"))
        << result.out;
}

TEST(VargaOutput, AnUnknownVargaIsAUsageError) {
    const RunResult result = RunTool(Joined({"--vargas", "D9,D5"}, AshaRaoOptions()));
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with(
        "sarovin-report: unknown varga 'D5' in --vargas: give D1, D2, D3, D4, D7, D9, D10, D12, "
        "D16, D20, D24, D27, D30, D40, D45, D60, all\n"))
        << result.err;
}

}  // namespace
}  // namespace sarovin
