#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include "app/tabs/classical_sputa_tips.h"

namespace sarovin {
namespace {

// B. V. Raman's standard horoscope ("Graha and Bhava Balas"): the book's
// longitudes of the Sun to Rahu, Ketu opposite.
BodyTable RamansBodies() {
    const double longitudes[] = {180.8986, 311.2886, 181.5261, 171.1656, 229.5094,
                                 84.0136,  124.3781, 234.3964, 54.3964};
    BodyTable bodies;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        bodies.entries[slot] = MakeBodyEntry(static_cast<BodySlot>(slot), longitudes[slot]);
    }
    return bodies;
}

// The tooltip shows each contributor with the sign its nature gives it
// (benefics added, malefics taken) and the net they make: read back, the
// lines add up to the net shown, within the rounding of six terms.
TEST(DrikBalaTip, ItsLinesAddUpToTheNetShown) {
    const DrishtiReport report =
        ComputeDrishtiReport(RamansBodies(), Rules::Classical, std::nullopt);
    const QRegularExpression term(
        QStringLiteral("^([+\u2212]) .* \\((benefic|malefic)\\) (\\S+)$"));
    const QRegularExpression net(QStringLiteral("^= (\\S+) / 4 = (\\S+)$"));
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const QStringList lines = DrikBalaTip(report, planet).split('\n');
        ASSERT_EQ(lines.size(), 8);
        double sum = 0;
        for (qsizetype line = 1; line < 7; ++line) {
            const QRegularExpressionMatch match = term.match(lines[line]);
            ASSERT_TRUE(match.hasMatch()) << lines[line].toStdString();
            const bool benefic = match.captured(2) == QStringLiteral("benefic");
            EXPECT_EQ(match.captured(1) == QStringLiteral("+"), benefic)
                << lines[line].toStdString();
            sum += (benefic ? 1 : -1) * match.captured(3).toDouble();
        }
        const QRegularExpressionMatch total = net.match(lines[7]);
        ASSERT_TRUE(total.hasMatch()) << lines[7].toStdString();
        EXPECT_NEAR(total.captured(1).toDouble(), sum, 0.03) << planet;
        EXPECT_NEAR(total.captured(2).toDouble(), report.classical->drikBala[planet].virupas,
                    0.005);
    }
}

}  // namespace
}  // namespace sarovin
