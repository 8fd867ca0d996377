#include "places/place_filling.h"

#include <QString>

#include "form/list_items.h"
#include "text/utc_offset_text.h"

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

DegreesMinutes ToDegreesMinutes(double angle) {
    const MinuteAngle nearest = ToNearestMinute(angle);
    return {nearest.degrees, nearest.minutes};
}

}  // namespace

PanelPlace PanelPlaceOf(const Place& place) {
    return {BoxLetters(place.name),
            BoxLetters(place.region),
            BoxLetters(place.country),
            ToDegreesMinutes(place.latitude),
            place.latitude < 0 ? LatitudeHemisphere::South : LatitudeHemisphere::North,
            ToDegreesMinutes(place.longitude),
            place.longitude < 0 ? LongitudeHemisphere::West : LongitudeHemisphere::East};
}

void FillPlace(const Place& place, InputForm& form) {
    PanelPlace values = PanelPlaceOf(place);
    form.city = std::move(values.city);
    form.state = std::move(values.state);
    form.country = std::move(values.country);
    PutAngle(values.latitude, form.latitudeDegrees, form.latitudeMinutes);
    form.latitudeHemisphere = values.latitudeHemisphere;
    PutAngle(values.longitude, form.longitudeDegrees, form.longitudeMinutes);
    form.longitudeHemisphere = values.longitudeHemisphere;
}

ZoneProposal ProposeZoneFor(const Place& place, const InputForm& form) {
    return ProposeZone(place.zoneId, ValueAt(PanelList::Year, form.yearPosition),
                       ValueAt(PanelList::Month, form.monthPosition),
                       ValueAt(PanelList::Day, form.dayPosition),
                       ValueAt(PanelList::Hour, form.hourPosition),
                       ValueAt(PanelList::Minute, form.minutePosition));
}

void ApplyZoneProposal(const ZoneProposal& proposal, std::string_view ianaZone, InputForm& form) {
    form.zoneUnsettled.clear();
    if (proposal.zoneRow) {
        form.zonePosition = *proposal.zoneRow;
        form.daylightSaving = proposal.daylightSaving;
        form.utcOffset.clear();
        form.offsetZone.clear();
    } else if (proposal.exactOffset) {
        form.daylightSaving = false;
        form.utcOffset = UtcOffsetText(*proposal.exactOffset);
        form.offsetZone = std::string(ianaZone);
    } else if (!proposal.repeated.empty()) {
        form.zoneUnsettled = std::string(CHOOSE_REPEATED_TIME);
    } else {
        form.zoneUnsettled = proposal.note + ". Choose the time zone by hand.";
    }
}

}  // namespace sarovin
