#include "drishti/drishti_row.h"

#include "drishti/body_captions.h"

namespace sarovin {

DrishtiRow MakeDrishtiRow(int body, const BodyEntry& entry, const std::string& aspectCaption,
                          std::string planetsCaption) {
    return {TabBodyCaptions()[body], entry.position, aspectCaption, std::move(planetsCaption)};
}

}  // namespace sarovin
