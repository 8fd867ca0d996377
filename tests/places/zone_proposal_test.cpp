#include "places/zone_proposal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tables/zone_table.h"

namespace sarovin {
namespace {

// Rows of the zone list.
constexpr int AUSTRALIAN_CENTRAL_DAYLIGHT = 5;
constexpr int AUSTRALIAN_EASTERN_DAYLIGHT = 7;
constexpr int AUSTRALIAN_EASTERN_STANDARD = 8;
constexpr int BRITISH_DOUBLE_SUMMER = 15;
constexpr int BRITISH_SUMMER = 16;
constexpr int CENTRAL_STANDARD = 21;
constexpr int EASTERN_STANDARD = 27;
constexpr int GREENWICH_MEAN = 29;
constexpr int INDIAN = 34;

struct ZoneCase {
    const char* zone;
    int year, month, day, hour, minute;
    std::optional<int> row;
    bool tick;
    const char* noteHolds;
};

// Each expectation is the system tz database's own entry, as `zdump -v ZONE`
// prints it (tzdata 2026f): the offset, the abbreviation and isdst.
const ZoneCase CASES[] = {
    // 1942-09-01 to 1945-10-15: +0630 isdst=1, war time over IST.
    {"Asia/Kolkata", 1943, 6, 15, 10, 0, INDIAN, true, "UTC+06:30, daylight saving of 1 hour"},
    // IST isdst=0 gmtoff=19800 since 1945.
    {"Asia/Kolkata", 1980, 6, 15, 8, 30, INDIAN, false, "IST, UTC+05:30, no daylight saving"},
    // MMT, Madras mean time, gmtoff=19270 until 1906.
    {"Asia/Kolkata", 1900, 6, 15, 8, 30, std::nullopt, false,
     "no zone of the list keeps UTC+05:21:10"},
    // 1980-04-27 to 10-26: EDT isdst=1; EST also shares its offset with the
    // Central Daylight and Central War rows, which come first in the list.
    {"America/New_York", 1980, 7, 4, 12, 0, EASTERN_STANDARD, true, "EDT, UTC-04:00"},
    {"America/New_York", 1980, 1, 15, 12, 0, EASTERN_STANDARD, false, "EST, UTC-05:00"},
    // Clocks went from 01:59:59 EST to 03:00:00 EDT on 27 April 1980.
    {"America/New_York", 1980, 4, 27, 2, 30, std::nullopt, false,
     "did not exist, as the clocks went forward from UTC-05:00 to UTC-04:00"},
    // Clocks went from 01:59:59 EDT back to 01:00:00 EST on 26 October 1980:
    // neither is taken.
    {"America/New_York", 1980, 10, 26, 1, 30, std::nullopt, false,
     "came twice as the clocks went back: first EDT"},
    // Winamac kept EST until 2 April 2006, CDT and CST until 11 March 2007,
    // then EDT: the standard time under EDT is the EST before the CST of
    // another offset (zdump -v -c 2005,2008 America/Indiana/Winamac).
    {"America/Indiana/Winamac", 2007, 7, 4, 12, 0, EASTERN_STANDARD, true, "EDT, UTC-04:00"},
    // CDT isdst=1 in July 1980; the Mountain Daylight row shares CST's offset.
    {"America/Chicago", 1980, 7, 4, 12, 0, CENTRAL_STANDARD, true, "CDT, UTC-05:00"},
    // 1941-05-04 to 08-10: BDST isdst=1 gmtoff=7200, two hours over GMT,
    // which the list has a row of its own for.
    {"Europe/London", 1941, 6, 15, 12, 0, BRITISH_DOUBLE_SUMMER, false,
     "BDST, UTC+02:00, daylight saving of 2 hours on UTC+00:00"},
    // 1940-02-25 to 1941-05-04: BST isdst=1 through the winter.
    {"Europe/London", 1941, 1, 15, 12, 0, GREENWICH_MEAN, true, "BST, UTC+01:00"},
    // On 10 August 1941 the clocks went from 02:59:59 BDST back to 02:00:00
    // BST, both isdst=1, so 02:30 came twice with no standard time; neither
    // is taken, and the note names the first
    // (python3 -c "import zoneinfo, datetime as d; z = zoneinfo.ZoneInfo(
    //   'Europe/London'); print([d.datetime(1941, 8, 10, 2, 30, fold=f,
    //   tzinfo=z).tzname() for f in (0, 1)])" prints ['BDST', 'BST']).
    {"Europe/London", 1941, 8, 10, 2, 30, std::nullopt, false,
     "came twice as the clocks went back: first BDST"},
    // 1968-10-27 to 1971-10-31: BST isdst=0 gmtoff=3600, British Standard
    // Time all year: the list's British Summer Time row without the tick.
    {"Europe/London", 1970, 1, 15, 12, 0, BRITISH_SUMMER, false,
     "BST, UTC+01:00, no daylight saving"},
    // Ireland's winter GMT is isdst=1 with gmtoff=0 under IST (gmtoff=3600,
    // isdst=0): daylight saving of minus one hour, taken as standard GMT.
    {"Europe/Dublin", 1990, 1, 15, 12, 0, GREENWICH_MEAN, false,
     "GMT, UTC+00:00, no daylight saving"},
    {"Europe/Dublin", 1990, 7, 15, 12, 0, BRITISH_SUMMER, false,
     "IST, UTC+01:00, no daylight saving"},
    // +0545 since 1986.
    {"Asia/Kathmandu", 1990, 7, 15, 12, 0, std::nullopt, false,
     "no zone of the list keeps UTC+05:45"},
    // 1979-10-28 to 1980-03-02: AEDT isdst=1 over AEST.
    {"Australia/Sydney", 1980, 1, 15, 12, 0, AUSTRALIAN_EASTERN_STANDARD, true, "AEDT, UTC+11:00"},
    // 1989-10-29 to 1990-03-04: +11 isdst=1 over +1030, half an hour: the
    // first row keeping the whole +11:00.
    {"Australia/Lord_Howe", 1990, 1, 15, 12, 0, AUSTRALIAN_EASTERN_DAYLIGHT, false,
     "daylight saving of 30 minutes on UTC+10:30; suggested: Australian Eastern Daylight Time"},
    // 1981-10-25 to 1982-03-07: +1130 isdst=1, a whole hour over +1030; the
    // only rows at +10:30 are daylight rows and the first is taken.
    {"Australia/Lord_Howe", 1982, 1, 15, 12, 0, AUSTRALIAN_CENTRAL_DAYLIGHT, true,
     "UTC+11:30, daylight saving of 1 hour on UTC+10:30"},
    // Samoa skipped 30 December 2011, going from -10 to +14.
    {"Pacific/Apia", 2011, 12, 30, 12, 0, std::nullopt, false,
     "went forward from UTC-10:00 to UTC+14:00"},
};

TEST(ProposeZone, FollowsTheTzDatabase) {
    for (const ZoneCase& c : CASES) {
        const ZoneProposal proposal = ProposeZone(c.zone, c.year, c.month, c.day, c.hour, c.minute);
        const std::string where = std::string(c.zone) + " " + std::to_string(c.year);
        EXPECT_EQ(proposal.zoneRow, c.row) << where;
        EXPECT_EQ(proposal.daylightSaving, c.tick) << where;
        EXPECT_NE(proposal.note.find(c.noteHolds), std::string::npos)
            << where << ": " << proposal.note;
    }
}

int OffsetOfRow(int row) {
    const ZoneRow& zone = BuildZoneTable().rows[static_cast<std::size_t>(row)];
    return -(zone.hoursToUt * 3600 + zone.minutesToUt * 60);
}

// Where no row keeps the clocks' time the exact offset is proposed, and a
// row keeping the whole offset stands in for daylight saving of other than
// one hour. The offsets are the tz database's (gmtoff in seconds):
//   zdump -v -c 1985,1987 Asia/Kathmandu  ->  +0545 gmtoff=20700 from 1986
//   zdump -v -c 1900,1907 Asia/Kolkata    ->  MMT gmtoff=19270 until 1906
//   zdump -v -c 1944,1945 Europe/London   ->  BDST gmtoff=7200, 2 Apr-17 Sep 1944
//   zdump -v -c 1944,1946 Europe/Berlin   ->  CEMT gmtoff=10800, 24 May-24 Sep 1945
TEST(ProposeZone, TakesTheExactOffsetWhereNoRowKeepsTheTime) {
    struct Case {
        const char* zone;
        int year, month, day, hour, minute;
        int offset;
        bool exact;
    };
    const Case cases[] = {
        {"Asia/Kathmandu", 1990, 6, 15, 8, 30, 20700, true},
        {"Asia/Kolkata", 1901, 1, 1, 8, 30, 19270, true},
        {"Europe/London", 1944, 6, 15, 12, 0, 7200, false},
        {"Europe/Berlin", 1945, 6, 15, 12, 0, 10800, false},
    };
    for (const Case& c : cases) {
        const ZoneProposal proposal = ProposeZone(c.zone, c.year, c.month, c.day, c.hour, c.minute);
        EXPECT_FALSE(proposal.daylightSaving) << c.zone;
        EXPECT_TRUE(proposal.Settles()) << c.zone;
        if (c.exact) {
            EXPECT_EQ(proposal.zoneRow, std::nullopt) << c.zone;
            EXPECT_EQ(proposal.exactOffset, c.offset) << c.zone;
        } else {
            ASSERT_TRUE(proposal.zoneRow) << c.zone;
            EXPECT_EQ(OffsetOfRow(*proposal.zoneRow), c.offset) << c.zone;
            EXPECT_EQ(proposal.exactOffset, std::nullopt) << c.zone;
        }
    }
    EXPECT_EQ(ProposeZone("Europe/London", 1944, 6, 15, 12, 0).zoneRow, BRITISH_DOUBLE_SUMMER);
}

// zdump -v -c 2021,2022 America/New_York:
//   Sun Nov  7 05:59:59 2021 UT = 01:59:59 EDT isdst=1 gmtoff=-14400
//   Sun Nov  7 06:00:00 2021 UT = 01:00:00 EST isdst=0 gmtoff=-18000
//   Sun Mar 14 06:59:59 2021 UT = 01:59:59 EST, 07:00:00 UT = 03:00:00 EDT
TEST(ProposeZone, OffersBothInstantsOfARepeatedClockTimeAndNoneOfAMissingOne) {
    const ZoneProposal repeated = ProposeZone("America/New_York", 2021, 11, 7, 1, 30);
    EXPECT_FALSE(repeated.Settles());
    ASSERT_EQ(repeated.repeated.size(), 2u);
    EXPECT_EQ(repeated.repeated[0].zoneRow, EASTERN_STANDARD);
    EXPECT_TRUE(repeated.repeated[0].daylightSaving);
    EXPECT_EQ(repeated.repeated[1].zoneRow, EASTERN_STANDARD);
    EXPECT_FALSE(repeated.repeated[1].daylightSaving);
    EXPECT_NE(repeated.note.find("first EDT, UTC-04:00"), std::string::npos) << repeated.note;
    EXPECT_NE(repeated.note.find("then EST, UTC-05:00"), std::string::npos) << repeated.note;

    const ZoneProposal missing = ProposeZone("America/New_York", 2021, 3, 14, 2, 30);
    EXPECT_FALSE(missing.Settles());
    EXPECT_TRUE(missing.repeated.empty());
    EXPECT_NE(missing.note.find("did not exist"), std::string::npos) << missing.note;
    EXPECT_TRUE(ProposeZone("America/New_York", 2021, 3, 14, 1, 59).Settles());
    EXPECT_TRUE(ProposeZone("America/New_York", 2021, 3, 14, 3, 0).Settles());
}

TEST(ProposeZone, NoteNamesTheZoneTheMomentAndTheSuggestion) {
    EXPECT_EQ(ProposeZone("Asia/Kolkata", 1980, 6, 15, 8, 30).note,
              "Asia/Kolkata on 15 June 1980 08:30: IST, UTC+05:30, no daylight saving; "
              "suggested: Indian Time");
    EXPECT_EQ(ProposeZone("America/New_York", 1980, 7, 4, 12, 0).note,
              "America/New_York on 4 July 1980 12:00: EDT, UTC-04:00, daylight saving of 1 hour "
              "on UTC-05:00; suggested: Eastern Standard Time with Daylight Saving Time ticked");
}

TEST(ProposeZone, WarnsBefore1970) {
    const std::string caution = "(the tz database is less certain before 1970)";
    EXPECT_NE(ProposeZone("Europe/London", 1969, 12, 31, 23, 59).note.find(caution),
              std::string::npos);
    EXPECT_EQ(ProposeZone("Europe/London", 1970, 1, 1, 0, 0).note.find(caution), std::string::npos);
}

TEST(ProposeZone, RefusesUnknownZones) {
    for (const char* zone : {"Mars/Olympus", "", "asia/kolkata "}) {
        const ZoneProposal proposal = ProposeZone(zone, 1980, 6, 15, 8, 30);
        EXPECT_EQ(proposal.zoneRow, std::nullopt) << zone;
        EXPECT_FALSE(proposal.daylightSaving) << zone;
        EXPECT_NE(proposal.note.find("No time zone is known as"), std::string::npos) << zone;
    }
}

TEST(ProposeZone, RefusesImpossibleDatesAndTimes) {
    struct Moment {
        int year, month, day, hour, minute;
    };
    const Moment moments[] = {
        {1980, 2, 30, 8, 30}, {1981, 2, 29, 8, 30}, {1980, 13, 1, 8, 30}, {1980, 0, 1, 8, 30},
        {1980, 6, 15, 24, 0}, {1980, 6, 15, 8, 60}, {1980, 6, 15, -1, 0},
    };
    for (const Moment& m : moments) {
        const ZoneProposal proposal =
            ProposeZone("Asia/Kolkata", m.year, m.month, m.day, m.hour, m.minute);
        EXPECT_EQ(proposal.zoneRow, std::nullopt);
        EXPECT_EQ(proposal.note, "Not a date and clock time; no zone suggested");
    }
    EXPECT_EQ(ProposeZone("Asia/Kolkata", 1980, 2, 29, 8, 30).zoneRow, INDIAN);
}

}  // namespace
}  // namespace sarovin
