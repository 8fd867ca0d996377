#include "atlas/place.h"

namespace sarovin {

std::string Place::Label() const {
    std::string label = name;
    for (const std::string* part : {&region, &country}) {
        if (!part->empty()) {
            label += ", ";
            label += *part;
        }
    }
    return label;
}

}  // namespace sarovin
