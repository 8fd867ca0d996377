#include "drishti/drishti_report.h"

namespace sarovin {

DrishtiReport ComputeDrishtiReport(const BodyTable& bodies) {
    return {bodies, ComputeGrahaDrishti(bodies), ComputeRashiDrishti(bodies),
            ComputeSputaDrishti(bodies)};
}

DrishtiReport ComputeDrishtiReport(const BirthRecord& record) {
    return ComputeDrishtiReport(ComputeBodyTable(record));
}

}  // namespace sarovin
