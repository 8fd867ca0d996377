#include "report/json_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string_view>

#include "tables/zone_table.h"

namespace sarovin {

namespace {

// QJsonDocument indents each level by this much.
constexpr std::string_view ELEMENT_INDENT = "    ";

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Texts>
QJsonArray TextArray(const Texts& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(Text(text));
    }
    return array;
}

QJsonObject AngleObject(int degrees, int minutes, const char* hemisphereKey, bool hemisphere) {
    return {{"degrees", degrees}, {"minutes", minutes}, {hemisphereKey, hemisphere}};
}

QJsonObject BirthObject(const ReportedReading& reading) {
    const BirthRecord& record = reading.calculation.record;
    const int zonePosition = reading.calculation.zonePosition;
    return {
        {"name", Text(record.name)},
        {"day", record.day},
        {"month", record.month},
        {"year", record.year},
        {"hour", record.hour},
        {"minute", record.minute},
        {"zone", QJsonObject{{"index", zonePosition}, {"label", Text(ZoneLabelAt(zonePosition))}}},
        {"longitude",
         AngleObject(record.longitudeDegrees, record.longitudeMinutes, "east", record.isEast)},
        {"latitude",
         AngleObject(record.latitudeDegrees, record.latitudeMinutes, "south", record.isSouth)},
        {"daylightSaving", record.daylightSaving},
        {"city", Text(record.city)},
        {"state", Text(record.state)},
        {"country", Text(record.country)},
    };
}

QJsonArray BodiesArray(const BodyTable& bodies) {
    QJsonArray array;
    for (int body = 0; body < BODY_COUNT; ++body) {
        const BodyEntry& entry = bodies.entries[body];
        array.append(QJsonObject{{"english", Text(entry.englishName)},
                                 {"sanskrit", Text(entry.vedicName)},
                                 {"position", Text(entry.position)}});
    }
    return array;
}

template <typename Rows>
QJsonArray RowsArray(const Rows& rows) {
    QJsonArray array;
    for (const DrishtiRow& row : rows) {
        array.append(QJsonObject{{"body", Text(row.bodyCaption)},
                                 {"position", Text(row.positionCaption)},
                                 {"aspect", Text(row.aspectCaption)},
                                 {"planets", Text(row.planetsCaption)}});
    }
    return array;
}

QJsonObject SputaObject(const SputaDrishti& sputa) {
    QJsonArray grid;
    for (const auto& gridRow : sputa.grid) {
        QJsonArray numbers;
        for (const std::int16_t strength : gridRow) {
            numbers.append(strength);
        }
        grid.append(numbers);
    }
    return {{"rows", TextArray(sputa.rowCaptions)},
            {"columns", TextArray(sputa.columnCaptions)},
            {"positions", TextArray(sputa.positionCaptions)},
            {"grid", grid}};
}

QJsonObject ReadingObject(const ReportedReading& reading) {
    const DrishtiReport& report = reading.calculation.report;
    return {
        {"file", reading.source.empty() ? QJsonValue() : QJsonValue(Text(reading.source))},
        {"birth", BirthObject(reading)},
        {"bodies", BodiesArray(report.bodies)},
        {"graha", RowsArray(report.graha)},
        {"rashi", RowsArray(report.rashi)},
        {"sputa", SputaObject(report.sputa)},
    };
}

// Every line one level deeper; JSON strings hold no raw line ends, so each
// line end starts a new line of the document.
std::string AsArrayElement(const QByteArray& document) {
    std::string element;
    element.reserve(static_cast<std::size_t>(document.size()) * 2);
    std::string_view rest(document.constData(), static_cast<std::size_t>(document.size()));
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (!element.empty()) {
            element += '\n';
        }
        element += ELEMENT_INDENT;
        element += rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return element;
}

}  // namespace

std::string FormatJsonElement(const ReportedReading& reading) {
    return AsArrayElement(QJsonDocument(ReadingObject(reading)).toJson(QJsonDocument::Indented));
}

}  // namespace sarovin
