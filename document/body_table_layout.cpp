#include "document/body_table_layout.h"

#include "calculation/calculation.h"
#include "drishti/body_captions.h"
#include "engine/position_text.h"
#include "platform/qt_text.h"
#include "text/two_digits.h"
#include "vargas/nakshatra.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr double MILLIMETRES_PER_POINT = 25.4 / 72;
// A row is this many times the height of its font.
constexpr double ROW_HEIGHT_LINES = 1.45;
// The share of the width each column takes, in the order of the headings;
// the house and retrograde columns only when shown.
constexpr double BODY_SHARE = 0.24;
constexpr double SIGN_SHARE = 0.15;
constexpr double DEGREE_SHARE = 0.12;
constexpr double NAKSHATRA_SHARE = 0.25;
constexpr double SMALL_SHARE = 0.08;

const QString RETROGRADE = QStringLiteral("\u211E");

// "Mithuna", "00°34'", "Mrigashira", "3": a point's place at `longitude`.
QStringList PlaceTexts(double longitude) {
    const SignDms place = SplitSignDms(longitude);
    const NakshatraPada nakshatra = NakshatraOf(longitude);
    return {ToQString(VedicSignNames[place.sign]),
            ToQString(TwoDigits(place.degrees) + "\u00B0" + TwoDigits(place.minutes) + "'"),
            ToQString(NakshatraNames[nakshatra.nakshatra]), QString::number(nakshatra.pada)};
}

// The house of each body slot, 1 to 12.
int HouseOf(const Houses& houses, int slot) {
    for (const HouseRow& row : houses.list) {
        if (row.occupants.test(slot)) {
            return row.number;
        }
    }
    return 0;
}

std::vector<double> ColumnShares(std::size_t columns) {
    std::vector<double> shares = {BODY_SHARE, SIGN_SHARE, DEGREE_SHARE, NAKSHATRA_SHARE,
                                  SMALL_SHARE};
    shares.resize(columns, SMALL_SHARE);
    return shares;
}

}  // namespace

std::vector<QStringList> BodyTableTexts(const Calculation& calculation) {
    const Sky& sky = calculation.sky;
    const std::optional<Houses>& houses = calculation.houses;
    QStringList headings = {QStringLiteral("Body"), QStringLiteral("Sign"),
                            QStringLiteral("Degree"), QStringLiteral("Nakshatra"),
                            QStringLiteral("Pada")};
    if (houses) {
        headings << QStringLiteral("House");
    }
    if (sky.speeds) {
        headings << RETROGRADE;
    }
    std::vector<QStringList> rows = {headings};
    if (sky.lagna) {
        QStringList lagna = QStringList{QStringLiteral("Lagna")} + PlaceTexts(*sky.lagna);
        if (houses) {
            lagna << QStringLiteral("1");
        }
        if (sky.speeds) {
            lagna << QString();
        }
        rows.push_back(lagna);
    }
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        QStringList row = QStringList{ToQString(TabBodyCaptions()[slot])} +
                          PlaceTexts(sky.bodies.entries[slot].longitude);
        if (houses) {
            row << QString::number(HouseOf(*houses, slot));
        }
        if (sky.speeds) {
            row << (IsRetrograde(sky, slot) ? RETROGRADE : QString());
        }
        rows.push_back(row);
    }
    return rows;
}

BodyTableLayout LayOutBodyTable(const PageMeasure& measure, const QRectF& area,
                                const Calculation& calculation, double titlePoints,
                                double textPoints) {
    BodyTableLayout table;
    const TextColumn heading =
        LayOutHeading(measure, area, {QStringLiteral("Positions")}, titlePoints, titlePoints);
    table.title = heading.texts.front();
    const std::vector<QStringList> texts = BodyTableTexts(calculation);
    const std::vector<double> shares = ColumnShares(static_cast<std::size_t>(texts.front().size()));
    const double rowHeight =
        ROW_HEIGHT_LINES * textPoints * MILLIMETRES_PER_POINT * measure.millimetre;
    double top = heading.bottom;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const QFont font = measure.FontOf(textPoints, index == 0);
        std::vector<PageText> row;
        double left = area.left();
        for (qsizetype column = 0; column < texts[index].size(); ++column) {
            const double width = shares[static_cast<std::size_t>(column)] * area.width();
            row.push_back({QRectF(left, top, width, rowHeight), texts[index][column], font,
                           Qt::AlignLeft | Qt::AlignVCenter});
            left += width;
        }
        table.rows.push_back(std::move(row));
        top += rowHeight;
    }
    table.bottom = top;
    return table;
}

}  // namespace sarovin
