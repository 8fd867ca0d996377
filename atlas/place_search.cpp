#include "atlas/place_search.h"

#include <geonames.h>
#include <libintl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "atlas/place_matching.h"

namespace sarovin {

namespace {

// The library's own message domain; it translates names, regions and
// countries through it into the language of the user's locale.
constexpr char GEONAMES_MESSAGE_DOMAIN[] = "geonames";
// A folder that can hold no message catalogues, since it is not a folder.
constexpr char NO_CATALOGUES[] = "/dev/null";

struct CityDeleter {
    void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using CityHandle = std::unique_ptr<GeonamesCity, CityDeleter>;

std::string TextOf(const gchar* text) {
    return text == nullptr ? std::string() : std::string(text);
}

Place PlaceOf(GeonamesCity* city) {
    Place place;
    place.name = TextOf(geonames_city_get_name(city));
    place.region = TextOf(geonames_city_get_state(city));
    place.country = TextOf(geonames_city_get_country(city));
    place.countryCode = TextOf(geonames_city_get_country_code(city));
    place.latitude = geonames_city_get_latitude(city);
    place.longitude = geonames_city_get_longitude(city);
    place.zoneId = TextOf(geonames_city_get_timezone(city));
    place.population = geonames_city_get_population(city);
    return place;
}

// The places keep GeoNames' own names ("Munich", "Moscow") whatever the
// user's locale: the panel's place boxes take only Latin letters, and a
// saved reading should name its place the same on every machine.
std::vector<Place> ReadAtlas() {
    bindtextdomain(GEONAMES_MESSAGE_DOMAIN, NO_CATALOGUES);
    const gint count = geonames_get_n_cities();
    std::vector<Place> places;
    places.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint index = 0; index < count; ++index) {
        const CityHandle city(geonames_get_city(index));
        if (city) {
            places.push_back(PlaceOf(city.get()));
        }
    }
    return places;
}

}  // namespace

std::span<const Place> KnownPlaces() {
    static const std::vector<Place> places = ReadAtlas();
    return places;
}

std::vector<Place> FindPlaces(std::string_view text, std::size_t limit) {
    return SearchPlaces(KnownPlaces(), text, limit);
}

Result<Place> ResolvePlace(std::string_view query) {
    return ResolvePlaceAmong(KnownPlaces(), query);
}

}  // namespace sarovin
