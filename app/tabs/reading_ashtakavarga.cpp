#include "app/tabs/reading_ashtakavarga.h"

#include "calculation/birth_periods.h"

namespace sarovin {

std::optional<Ashtakavarga> ReadingAshtakavarga(const Calculation& calculation) {
    return ComputeBirthAshtakavarga(calculation.sky, AshtakavargaTables::Parashara);
}

}  // namespace sarovin
