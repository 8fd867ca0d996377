#include "places/place_filling.h"

#include <QString>

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

}  // namespace

void FillPlace(const Place& place, InputForm& form) {
    form.city = BoxLetters(place.name);
    form.state = BoxLetters(place.region);
    form.country = BoxLetters(place.country);
    const MinuteAngle latitude = ToNearestMinute(place.latitude);
    form.latitudeDegrees = std::to_string(latitude.degrees);
    form.latitudeMinutes = std::to_string(latitude.minutes);
    form.latitudeHemisphere =
        latitude.negative ? LatitudeHemisphere::South : LatitudeHemisphere::North;
    const MinuteAngle longitude = ToNearestMinute(place.longitude);
    form.longitudeDegrees = std::to_string(longitude.degrees);
    form.longitudeMinutes = std::to_string(longitude.minutes);
    form.longitudeHemisphere =
        longitude.negative ? LongitudeHemisphere::West : LongitudeHemisphere::East;
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
