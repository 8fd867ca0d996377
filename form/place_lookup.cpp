#include "form/place_lookup.h"

namespace sarovin {

namespace {

Refusal EmptyPlaceBox(const char* message, InputField box) {
    return Refusal{message, MessageIcon::Error, box};
}

}  // namespace

Result<std::string> PlaceSearchQuery(const InputForm& form) {
    if (form.city.empty()) {
        return EmptyPlaceBox("Please Enter City", InputField::City);
    }
    if (form.state.empty()) {
        return EmptyPlaceBox("Please Enter State", InputField::State);
    }
    if (form.country.empty()) {
        return EmptyPlaceBox("Please Enter Country", InputField::Country);
    }
    return form.city + " " + form.state + " " + form.country + " Latitude Longitude";
}

}  // namespace sarovin
