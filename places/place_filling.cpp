#include "places/place_filling.h"

#include <QString>
#include <cmath>

#include "form/list_items.h"

namespace sarovin {

namespace {

// The letters the place boxes take: A-Z, a-z and the space.
bool IsBoxLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ';
}

// "São Paulo" as "Sao Paulo": the canonical decomposition splits a letter
// from its accents, which are then dropped with everything else the boxes
// refuse; runs of spaces close up.
std::string BoxLetters(const std::string& text) {
    const QString decomposed =
        QString::fromStdString(text).normalized(QString::NormalizationForm_D);
    QString letters;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        letters += IsBoxLetter(c) ? c : QChar(u' ');
    }
    return letters.simplified().toStdString();
}

struct DegreesMinutes {
    int degrees;
    int minutes;
};

DegreesMinutes ToDegreesMinutes(double angle) {
    const long totalMinutes = std::lround(std::fabs(angle) * 60);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60)};
}

}  // namespace

void FillPlace(const Place& place, InputForm& form) {
    form.city = BoxLetters(place.name);
    form.state = BoxLetters(place.region);
    form.country = BoxLetters(place.country);
    const DegreesMinutes latitude = ToDegreesMinutes(place.latitude);
    form.latitudeDegrees = std::to_string(latitude.degrees);
    form.latitudeMinutes = std::to_string(latitude.minutes);
    form.latitudeHemisphere =
        place.latitude < 0 ? LatitudeHemisphere::South : LatitudeHemisphere::North;
    const DegreesMinutes longitude = ToDegreesMinutes(place.longitude);
    form.longitudeDegrees = std::to_string(longitude.degrees);
    form.longitudeMinutes = std::to_string(longitude.minutes);
    form.longitudeHemisphere =
        place.longitude < 0 ? LongitudeHemisphere::West : LongitudeHemisphere::East;
}

ZoneProposal ProposeZoneFor(const Place& place, const InputForm& form) {
    return ProposeZone(place.zoneId, FIRST_YEAR + form.yearPosition, form.monthPosition + 1,
                       form.dayPosition + 1, form.hourPosition, form.minutePosition);
}

void ApplyZoneProposal(const ZoneProposal& proposal, InputForm& form) {
    if (proposal.zoneRow) {
        form.zonePosition = *proposal.zoneRow;
        form.daylightSaving = proposal.daylightSaving;
    }
}

}  // namespace sarovin
