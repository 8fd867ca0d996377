#include "app/tabs/classical_sputa_tips.h"

#include <cmath>

#include "drishti/classical_sputa_drishti.h"
#include "engine/position_text.h"
#include "platform/qt_text.h"
#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr int ANGLE_DECIMALS = 2;

QString Virupas(double virupas) {
    return ToQString(VirupasText(virupas));
}

QString Point(const DrishtiReport& report, int body) {
    return ToQString(report.sputa.columnCaptions[body]) + QLatin1Char(' ') +
           ToQString(report.sputa.positionCaptions[body]);
}

// The special aspects by the houses counted, for the planets that have
// them (Brihat Parashara Hora Shastra, Drik Bala: Saturn's 3rd and 10th,
// Jupiter's 5th and 9th, Mars's 4th and 8th).
QString SpecialAspectName(int planet) {
    switch (planet) {
        case Saturn:
            return QStringLiteral("Saturn's 3rd/10th aspect");
        case Jupiter:
            return QStringLiteral("Jupiter's 5th/9th aspect");
        case Mars:
            return QStringLiteral("Mars's 4th/8th aspect");
        default:
            return {};
    }
}

// "75.10 virupas", or with a special aspect the sum that makes it,
// "75.10 = 30.10 by the angle + 45 for Saturn's 3rd/10th aspect". The Sun
// has no special aspect, so its strength at the angle is the general one.
QString StrengthWorking(int planet, double angle, double virupas) {
    const double general = ClassicalSputaStrength(Sun, angle);
    const double special = virupas - general;
    if (special < 1) {
        return Virupas(virupas) + QStringLiteral(" virupas");
    }
    return QStringLiteral("%1 = %2 by the angle + %3 for %4")
        .arg(Virupas(virupas), Virupas(general), QString::number(std::lround(special)),
             SpecialAspectName(planet));
}

// "Saturn 04 Leo 22 aspecting Mars 19 Sco 27" over "angle 75.08°, 75.08 virupas".
QString CellTip(int planet, const QString& aspecting, const QString& aspected, double angle,
                double virupas) {
    return QStringLiteral("%1 aspecting %2\nangle %3\u00B0, %4")
        .arg(aspecting, aspected, QString::number(angle, 'f', ANGLE_DECIMALS),
             StrengthWorking(planet, angle, virupas));
}

QString Nature(bool benefic) {
    return benefic ? QStringLiteral("benefic") : QStringLiteral("malefic");
}

}  // namespace

QString ClassicalCellTip(const DrishtiReport& report, int planet, int body) {
    const ClassicalSputa& sputa = report.classical->sputa;
    return CellTip(planet, Point(report, planet), Point(report, body), sputa.angles[planet][body],
                   sputa.grid[planet][body]);
}

QString ClassicalLagnaTip(const DrishtiReport& report, int planet) {
    const LagnaAspects& lagna = *report.classical->sputa.lagna;
    return CellTip(
        planet, Point(report, planet),
        QStringLiteral("Lagna ") + ToQString(ShortPositionOf(SplitSignDms(lagna.longitude))),
        lagna.angles[planet], lagna.virupas[planet]);
}

// "Drik Bala of Sun (malefic)", a line per contributor as
// "+ Jupiter (benefic) 30.00", then "= 63.44 / 4 = 15.86".
QString DrikBalaTip(const DrishtiReport& report, int planet) {
    const DrikBalaValue& value = report.classical->drikBala[planet];
    QString tip = QStringLiteral(
                      "Drik Bala of %1 (%2): benefic aspects less malefic ones, "
                      "one quarter")
                      .arg(ToQString(report.sputa.columnCaptions[planet]), Nature(value.benefic));
    for (const DrikContribution& term : value.contributors) {
        tip += QStringLiteral("\n%1 %2 (%3) %4")
                   .arg(term.benefic ? QStringLiteral("+") : QStringLiteral("\u2212"),
                        ToQString(report.sputa.columnCaptions[term.planet]), Nature(term.benefic),
                        Virupas(term.virupas));
    }
    return tip + QStringLiteral("\n= %1 / 4 = %2").arg(Virupas(value.net), Virupas(value.virupas));
}

}  // namespace sarovin
