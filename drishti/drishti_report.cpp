#include "drishti/drishti_report.h"

namespace sarovin {

DrishtiReport ComputeDrishtiReport(const BodyTable& bodies) {
    return ComputeDrishtiReport(bodies, Rules::Sarovin115, std::nullopt);
}

DrishtiReport ComputeDrishtiReport(const BodyTable& bodies, Rules rules,
                                   std::optional<double> lagna) {
    DrishtiReport report{ComputeGrahaDrishti(bodies), ComputeRashiDrishti(bodies, rules),
                         ComputeSputaDrishti(bodies), rules, std::nullopt};
    if (rules == Rules::Classical) {
        ClassicalSputa sputa = ComputeClassicalSputa(bodies, lagna);
        const DrikBala drikBala = ComputeDrikBala(sputa, bodies);
        report.classical = ClassicalStrengths{std::move(sputa), drikBala};
    }
    return report;
}

DrishtiReport ComputeDrishtiReport(const BirthRecord& record) {
    return ComputeDrishtiReport(ComputeBodyTable(record));
}

}  // namespace sarovin
