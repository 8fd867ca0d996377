#include "drishti/drishti_row.h"

#include "drishti/body_captions.h"

namespace sarovin {

DrishtiRow MakeDrishtiRow(int body, const BodyEntry& entry, const std::string& aspectCaption,
                          std::string planetsCaption, const Aspected& aspected) {
    return {TabBodyCaptions()[body], entry.position, aspectCaption, std::move(planetsCaption),
            aspected};
}

}  // namespace sarovin
