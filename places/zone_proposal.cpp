#include "places/zone_proposal.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "form/birth_summary.h"
#include "tables/zone_table.h"
#include "text/utc_offset_text.h"

namespace sarovin {

namespace {

constexpr int SECONDS_PER_MINUTE = 60;
constexpr int SECONDS_PER_HOUR = 3600;
// The list's tick adds exactly this to the zone's correction.
constexpr int TICK_SECONDS = SECONDS_PER_HOUR;
// Clocks change at most once in a day or two, and no offset exceeds a day,
// so the offsets in force within a day either side of a clock reading are
// all it can mean.
constexpr qint64 SEARCH_WINDOW_SECONDS = 24 * SECONDS_PER_HOUR;
// The tz database vouches for its history only from 1970; earlier entries
// are the best reconstruction known and differ from local records in places.
constexpr int FIRST_CERTAIN_YEAR = 1970;

// The time the clocks kept at one instant, with daylight saving as the list
// understands it: time added to standard time, never taken away. Ireland's winter
// GMT and Namibia's winter time are written in the tz database as daylight
// saving of minus one hour; the tick cannot take an hour away, so those
// count as standard time at the offset in force.
struct ClockTime {
    QString abbreviation;
    int offset;
    int standardOffset;
    int daylight;
    QDateTime atUtc;
};

ClockTime ClockTimeOf(const QTimeZone::OffsetData& data) {
    if (data.daylightTimeOffset < 0) {
        return {data.abbreviation, data.offsetFromUtc, data.offsetFromUtc, 0, data.atUtc};
    }
    return {data.abbreviation, data.offsetFromUtc, data.standardTimeOffset, data.daylightTimeOffset,
            data.atUtc};
}

// "UTC+05:30", "UTC-05:00"; seconds only where local mean time has them.
std::string OffsetText(int seconds) {
    return "UTC" + UtcOffsetText(seconds);
}

// "1 hour", "30 minutes", "1 hour 30 minutes".
std::string DurationText(int seconds) {
    const int hours = seconds / SECONDS_PER_HOUR;
    const int minutes = seconds % SECONDS_PER_HOUR / SECONDS_PER_MINUTE;
    std::string text;
    if (hours != 0) {
        text = std::to_string(hours) + (hours == 1 ? " hour" : " hours");
    }
    if (minutes != 0) {
        text += (text.empty() ? "" : " ") + std::to_string(minutes) +
                (minutes == 1 ? " minute" : " minutes");
    }
    return text;
}

// "Asia/Kolkata on 15 June 1980 08:30".
std::string MomentText(std::string_view zone, QDate date, QTime time) {
    return std::string(zone) + " on " +
           CivilMomentText({date.year(), date.month(), date.day(), time.hour(), time.minute()});
}

// Abbreviations made of the offset alone ("+0545") say nothing the offset
// does not.
bool IsNamed(const QString& abbreviation) {
    return !abbreviation.isEmpty() && !abbreviation.startsWith(u'+') &&
           !abbreviation.startsWith(u'-');
}

// "EDT, UTC-4:00, daylight saving of 1 hour on UTC-5:00".
std::string ClockTimeText(const ClockTime& time) {
    std::string text = IsNamed(time.abbreviation) ? time.abbreviation.toStdString() + ", " : "";
    text += OffsetText(time.offset);
    if (time.daylight == 0) {
        return text + ", no daylight saving";
    }
    return text + ", daylight saving of " + DurationText(time.daylight) + " on " +
           OffsetText(time.standardOffset);
}

int SecondsToUt(const ZoneRow& row) {
    return row.hoursToUt * SECONDS_PER_HOUR + row.minutesToUt * SECONDS_PER_MINUTE;
}

std::string_view RowName(int row) {
    return BuildZoneTable().rows[static_cast<std::size_t>(row)].name;
}

bool RowIsNamed(const ZoneRow& row, const QString& abbreviation) {
    return QString::fromUtf8(row.abbreviation) == abbreviation;
}

// The rows whose correction undoes an offset east of Greenwich.
std::vector<int> RowsForOffset(int offset) {
    std::vector<int> rows;
    const ZoneTable& table = BuildZoneTable();
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        if (SecondsToUt(table.rows[i]) == -offset) {
            rows.push_back(static_cast<int>(i));
        }
    }
    return rows;
}

std::optional<int> RowNamed(int offset, const QString& abbreviation) {
    for (int row : RowsForOffset(offset)) {
        if (RowIsNamed(BuildZoneTable().rows[static_cast<std::size_t>(row)], abbreviation)) {
            return row;
        }
    }
    return std::nullopt;
}

// Several rows share most offsets ("Eastern Standard Time" and "Central
// Daylight Time" are both five hours behind); the one named like the zone's
// standard time wins, else the first.
std::optional<int> RowForStandardTime(int offset, const QString& abbreviation) {
    const std::vector<int> rows = RowsForOffset(offset);
    if (rows.empty()) {
        return std::nullopt;
    }
    return RowNamed(offset, abbreviation).value_or(rows.front());
}

// The name of standard time in force before daylight saving began (IST
// under India's war time of 1942-45, EST under EDT).
QString StandardAbbreviation(const QTimeZone& zone, const ClockTime& time) {
    QTimeZone::OffsetData earlier = zone.previousTransition(time.atUtc);
    while (earlier.atUtc.isValid()) {
        if (earlier.daylightTimeOffset == 0 && earlier.offsetFromUtc == time.standardOffset) {
            return earlier.abbreviation;
        }
        const QTimeZone::OffsetData before = zone.previousTransition(earlier.atUtc);
        if (!before.atUtc.isValid() || before.atUtc >= earlier.atUtc) {
            break;
        }
        earlier = before;
    }
    return {};
}

// The offsets in force within the window around a clock reading.
std::vector<int> OffsetsNear(const QTimeZone& zone, const QDateTime& clockAsUtc) {
    const QDateTime from = clockAsUtc.addSecs(-SEARCH_WINDOW_SECONDS);
    std::vector<int> offsets = {zone.offsetFromUtc(from)};
    for (const QTimeZone::OffsetData& change :
         zone.transitions(from, clockAsUtc.addSecs(SEARCH_WINDOW_SECONDS))) {
        offsets.push_back(change.offsetFromUtc);
    }
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    return offsets;
}

// Every instant at which the zone's clocks showed the clock reading, in
// time order: none in a gap when the clocks went forward, two in the hour
// repeated when they went back.
std::vector<ClockTime> InstantsShowing(const QTimeZone& zone, const QDateTime& clockAsUtc) {
    std::vector<ClockTime> instants;
    for (int offset : OffsetsNear(zone, clockAsUtc)) {
        const QTimeZone::OffsetData data = zone.offsetData(clockAsUtc.addSecs(-offset));
        if (data.offsetFromUtc == offset) {
            instants.push_back(ClockTimeOf(data));
        }
    }
    std::sort(instants.begin(), instants.end(),
              [](const ClockTime& a, const ClockTime& b) { return a.atUtc < b.atUtc; });
    return instants;
}

std::string GapText(const QTimeZone& zone, const QDateTime& clockAsUtc) {
    const std::vector<int> offsets = OffsetsNear(zone, clockAsUtc);
    const int before = zone.offsetFromUtc(clockAsUtc.addSecs(-offsets.back()));
    const int after = zone.offsetFromUtc(clockAsUtc.addSecs(-offsets.front()));
    return "this clock time did not exist, as the clocks went forward from " + OffsetText(before) +
           " to " + OffsetText(after) + "; no zone suggested";
}

std::string CautionText(int year) {
    return year < FIRST_CERTAIN_YEAR ? " (the tz database is less certain before 1970)" : "";
}

std::string SuggestionText(int row, bool tick, int year) {
    return "suggested: " + std::string(RowName(row)) +
           (tick ? " with Daylight Saving Time ticked" : "") + CautionText(year);
}

ZoneProposal Unsettled(std::string note) {
    ZoneProposal proposal;
    proposal.note = std::move(note);
    return proposal;
}

ZoneProposal RowProposal(int row, bool tick, std::string note) {
    ZoneProposal proposal = Unsettled(std::move(note));
    proposal.zoneRow = row;
    proposal.daylightSaving = tick;
    return proposal;
}

// The standard time's row with the tick for daylight saving of one hour;
// else, as for daylight saving of two hours or half an hour, a row keeping
// the whole offset without the tick (British Double Summer Time); else the
// exact offset.
ZoneProposal ProposalFor(const QTimeZone& zone, const ClockTime& time, int year) {
    const std::string found = ClockTimeText(time);
    if (time.daylight == 0 || time.daylight == TICK_SECONDS) {
        const QString standardName =
            time.daylight == 0 ? time.abbreviation : StandardAbbreviation(zone, time);
        if (const std::optional<int> row = RowForStandardTime(time.standardOffset, standardName)) {
            const bool tick = time.daylight != 0;
            return RowProposal(*row, tick, found + "; " + SuggestionText(*row, tick, year));
        }
    }
    if (const std::optional<int> row = RowForStandardTime(time.offset, time.abbreviation)) {
        return RowProposal(*row, false, found + "; " + SuggestionText(*row, false, year));
    }
    ZoneProposal proposal =
        Unsettled(found + "; no zone of the list keeps " + OffsetText(time.offset) +
                  "; suggested: the exact offset " + OffsetText(time.offset) + CautionText(year));
    proposal.exactOffset = time.offset;
    return proposal;
}

// The clock reading came twice: neither instant is taken, both are offered,
// the earlier first.
ZoneProposal RepeatedProposal(const QTimeZone& zone, const std::vector<ClockTime>& instants,
                              int year) {
    ZoneProposal proposal =
        Unsettled("this clock time came twice as the clocks went back: first " +
                  ClockTimeText(instants.front()) + ", then " + ClockTimeText(instants.back()));
    proposal.repeated = {ProposalFor(zone, instants.front(), year),
                         ProposalFor(zone, instants.back(), year)};
    return proposal;
}

}  // namespace

ZoneProposal ProposeZone(std::string_view ianaZone, int year, int month, int day, int hour,
                         int minute) {
    const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
    if (ianaZone.empty() || !zone.isValid()) {
        return Unsettled("No time zone is known as \"" + std::string(ianaZone) +
                         "\"; no zone suggested");
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute);
    if (!date.isValid() || !time.isValid()) {
        return Unsettled("Not a date and clock time; no zone suggested");
    }
    const std::string moment = MomentText(ianaZone, date, time);
    const QDateTime clockAsUtc(date, time, QTimeZone::utc());
    const std::vector<ClockTime> instants = InstantsShowing(zone, clockAsUtc);
    if (instants.empty()) {
        return Unsettled(moment + ": " + GapText(zone, clockAsUtc));
    }
    ZoneProposal proposal = instants.size() == 1 ? ProposalFor(zone, instants.front(), year)
                                                 : RepeatedProposal(zone, instants, year);
    proposal.note = moment + ": " + proposal.note;
    return proposal;
}

}  // namespace sarovin
