#include "strengths/strength_rules.h"

namespace sarovin {

std::string_view DigArcName(DigArc arc) {
    return arc == DigArc::Folded ? "folded" : "unfolded";
}

std::string_view DigPointsName(DigPoints points) {
    return points == DigPoints::Madhyas ? "madhyas" : "lagna-kendras";
}

std::string_view CheshtaMeansName(CheshtaMeans means) {
    return means == CheshtaMeans::EpochTables ? "epoch-tables" : "modern-elements";
}

std::string_view LuminaryCheshtaName(LuminaryCheshta cheshta) {
    return cheshta == LuminaryCheshta::None ? "none" : "ayana-and-paksha";
}

std::string_view MoolatrikonaName(Moolatrikona span) {
    return span == Moolatrikona::ByDegrees ? "by-degrees" : "whole-sign";
}

std::string_view RequiredRupasName(RequiredRupas rupas) {
    return rupas == RequiredRupas::Raman ? "raman" : "parashara";
}

}  // namespace sarovin
