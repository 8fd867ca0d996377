#include "form/place_lookup.h"

namespace sarovin {

std::variant<std::string, PlaceLookupRefusal> PlaceSearchQuery(const InputForm& form) {
    if (form.city.empty()) {
        return PlaceLookupRefusal{"Please Enter City", InputField::City};
    }
    if (form.state.empty()) {
        return PlaceLookupRefusal{"Please Enter State", InputField::State};
    }
    if (form.country.empty()) {
        return PlaceLookupRefusal{"Please Enter Country", InputField::Country};
    }
    return form.city + " " + form.state + " " + form.country + " Latitude Longitude";
}

}  // namespace sarovin
