#include "cli/info_texts.h"

#include "tables/zone_table.h"

namespace sarovin {

namespace {

constexpr std::string_view SYNOPSIS =
    "Usage: sarovin-report [--format text|json|jsonl] [--ephemeris builtin|swiss]\n"
    "                      [--node mean|true] [--ayanamsa NAME]\n"
    "                      [--rules 1.15|classical] [--jobs N] [--vargas LIST]\n"
    "                      [--dasha] [--dasha-year Y] [--ashtakavarga]\n"
    "                      [--ashtakavarga-tables T]\n"
    "                      FILE.dri...\n"
    "       sarovin-report [those options] --day D --month M --year Y\n"
    "                      --hour H --minute MI --zone ROW|--utc-offset +HH:MM\n"
    "                      --longitude DEG:MIN --east|--west\n"
    "                      [--latitude DEG:MIN] [--north|--south] [--dst|--no-dst]\n"
    "                      [--name TEXT] [--city TEXT] [--state TEXT] [--country TEXT]\n"
    "       sarovin-report [those options] --place TEXT --day D --month M --year Y\n"
    "                      --hour H --minute MI [any birth option above]\n"
    "       sarovin-report --pdf FILE.pdf [any form above without --format]\n"
    "       sarovin-report --compare [--format ...|--pdf FILE.pdf]\n"
    "                      [--ephemeris ...] A.dri B.dri\n"
    "       sarovin-report --transits FROM TO [--threshold V] [--format ...]\n"
    "                      --ephemeris swiss (FILE.dri | birth options)\n"
    "       sarovin-report --find-place TEXT | --zones | --help | --version\n";

constexpr std::string_view OPTION_HELP =
    "\n"
    "Computes the Graha, Rashi and Sputa Drishti of saved readings (.dri files)\n"
    "or of one birth given as options, and prints them in argument order.\n"
    "\n"
    "  --format text|json|jsonl\n"
    "                       output format (default text); jsonl is one compact\n"
    "                       JSON object a line\n"
    "  --ephemeris builtin|swiss\n"
    "                       the built-in ephemeris (default) or the Swiss\n"
    "                       Ephemeris, which adds the Lagna\n"
    "  --node mean|true     lunar node of the Swiss Ephemeris (default mean)\n"
    "  --ayanamsa NAME      ayanamsa of the Swiss Ephemeris: lahiri (default),\n"
    "                       raman, krishnamurti, true-chitra, yukteshwar or\n"
    "                       fagan-bradley\n"
    "  --rules 1.15|classical\n"
    "                       Sarovin's 1.15 Drishti rules (default) or the\n"
    "                       classical (Parashara) rules: Rashi Drishti of\n"
    "                       movable, fixed and dual signs, directional Sputa\n"
    "                       Drishti in virupas with a Lagna column, and Drik\n"
    "                       Bala\n"
    "  --houses sripati|equal|whole-sign|placidus\n"
    "                       house system of the Swiss Ephemeris (default sripati)\n"
    "  --positions LIST     sidereal longitudes given in place of the Swiss\n"
    "                       Ephemeris's, as Sun=DEG:MIN[:SEC] for the Sun, Moon,\n"
    "                       Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Lagna\n"
    "                       and MC, comma-separated; the date, time and place\n"
    "                       still give the sunrise and the day's lords\n"
    "  --strength-rules LIST\n"
    "                       where the authors of the Shadbala differ, the\n"
    "                       readings taken in place of Raman's, as FORK=READING\n"
    "                       pairs, comma-separated: dig-arc=unfolded,\n"
    "                       dig-points=lagna-kendras, cheshta-means=modern-elements,\n"
    "                       luminary-cheshta=ayana-and-paksha, sun-ayana=single,\n"
    "                       yuddha=not-applied,\n"
    "                       moolatrikona=whole-sign, required-rupas=parashara\n"
    "  --jobs N             compute on N threads (default: one per core)\n"
    "  --vargas LIST        add the divisional charts named in LIST (D1, D2, D3,\n"
    "                       D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40,\n"
    "                       D45, D60, comma-separated) or all sixteen: each\n"
    "                       body's sign, and in JSON the Graha and Rashi Drishti\n"
    "  --dasha              add the Vimshottari dasha: the lord and balance at\n"
    "                       birth and the Mahadashas, Antardashas and\n"
    "                       Pratyantardashas to 120 years after the birth\n"
    "  --dasha-year sidereal|julian|savana\n"
    "                       the year the periods are counted in: 365.256364\n"
    "                       (default), 365.25 or 360 days\n"
    "  --ashtakavarga       add the Ashtakavarga: the Bhinnashtakavarga of the Sun\n"
    "                       to Saturn and the Lagna and the Sarvashtakavarga;\n"
    "                       needs --ephemeris swiss\n"
    "  --ashtakavarga-tables parashara|varahamihira\n"
    "                       whose tables of contributing places (default\n"
    "                       parashara)\n"
    "  --pdf FILE.pdf       write one A4 page per reading to FILE.pdf instead of\n"
    "                       printing: the birth, the South Indian chart, the\n"
    "                       Graha and Rashi Drishti and the tinted Sputa grid;\n"
    "                       not with --format\n"
    "  --compare A.dri B.dri\n"
    "                       compare two readings: the classical Sputa Drishti\n"
    "                       of each chart's planets on the other's bodies and\n"
    "                       Lagna, the Graha Drishti across, mutual aspects\n"
    "  --transits FROM TO   the transits of one reading from FROM to TO\n"
    "                       (YYYY-MM-DD, 0h UTC): Graha and Sputa Drishti\n"
    "                       windows on every natal point and the Sade Sati,\n"
    "                       in order of start; needs --ephemeris swiss\n"
    "  --threshold V        with --transits, the Sputa Drishti windows' least\n"
    "                       strength, 0-60 virupas (default 45)\n"
    "  --day D              day of the month, 1-31\n"
    "  --month M            month, 1-12\n"
    "  --year Y             year, 1901-2050\n"
    "  --hour H             hour of the clock, 0-23\n"
    "  --minute MI          minute of the clock, 0-59\n"
    "  --zone ROW           time zone row, 0-70 (see --zones)\n"
    "  --longitude DEG:MIN  longitude, each part a whole number 0-999\n"
    "  --east, --west       hemisphere of the longitude (one is required)\n"
    "  --latitude DEG:MIN   latitude (default 0:00)\n"
    "  --north, --south     hemisphere of the latitude (default north)\n"
    "  --utc-offset +HH:MM[:SS]\n"
    "                       exact offset from UTC (- west), -14:00 to +14:00,\n"
    "                       instead of a zone row and daylight saving\n"
    "  --dst                the clock time is daylight-saving time; with --place,\n"
    "                       the first of a clock time that came twice\n"
    "  --no-dst             with --place, the second (standard) of a clock time\n"
    "                       that came twice\n"
    "  --name, --city, --state, --country TEXT\n"
    "                       name and birth place (may be left out)\n"
    "  --place TEXT         a place of the offline atlas (\"Ujjain\",\n"
    "                       \"London, Ontario\"): fills the place, coordinates,\n"
    "                       zone and daylight saving, or the exact offset where\n"
    "                       no row keeps it; birth options given with it win\n"
    "  --find-place TEXT    list up to 20 places whose name holds TEXT and exit\n"
    "  --zones              list the time zone rows and exit\n"
    "  --help               show this help and exit\n"
    "  --version            show the version and exit\n"
    "\n"
    "Options also take the form --option=VALUE; \"--\" ends the options.\n"
    "Exit status: 0 when every reading was printed, 1 when a reading was\n"
    "refused, a file could not be read or the output could not be written,\n"
    "2 for a usage error.\n";

}  // namespace

std::string UsageSynopsis() {
    return std::string(SYNOPSIS);
}

std::string HelpText() {
    return std::string(SYNOPSIS) + std::string(OPTION_HELP);
}

std::string VersionLine() {
    return std::string(PROGRAM_NAME) + " " + SAROVIN_VERSION + "\n";
}

std::string ZoneListing() {
    std::string listing;
    const auto& rows = BuildZoneTable().rows;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        listing +=
            std::to_string(row) + "\t" + std::string(ZoneLabelAt(static_cast<int>(row))) + "\n";
    }
    return listing;
}

}  // namespace sarovin
