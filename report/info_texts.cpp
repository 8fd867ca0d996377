#include "report/info_texts.h"

#include "tables/zone_table.h"

namespace sarovin {

namespace {

constexpr std::string_view SYNOPSIS =
    "Usage: sarovin-report [--format text|json] FILE.dri...\n"
    "       sarovin-report [--format text|json] --day D --month M --year Y\n"
    "                      --hour H --minute MI --zone ROW\n"
    "                      --longitude DEG:MIN --east|--west\n"
    "                      [--latitude DEG:MIN] [--north|--south] [--dst]\n"
    "                      [--name TEXT] [--city TEXT] [--state TEXT] [--country TEXT]\n"
    "       sarovin-report --zones | --help | --version\n";

constexpr std::string_view OPTION_HELP =
    "\n"
    "Computes the Graha, Rashi and Sputa Drishti of saved readings (.dri files)\n"
    "or of one birth given as options, and prints them in argument order.\n"
    "\n"
    "  --format text|json   output format (default text)\n"
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
    "  --dst                the clock time is daylight-saving time\n"
    "  --name, --city, --state, --country TEXT\n"
    "                       name and birth place (may be left out)\n"
    "  --zones              list the time zone rows and exit\n"
    "  --help               show this help and exit\n"
    "  --version            show the version and exit\n"
    "\n"
    "Options also take the form --option=VALUE; \"--\" ends the options.\n"
    "Exit status: 0 when every reading was printed, 1 when a reading was\n"
    "refused or a file could not be read, 2 for a usage error.\n";

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
        listing += std::to_string(row) + "\t" + std::string(rows[row].zoneLabel) + "\n";
    }
    return listing;
}

}  // namespace sarovin
