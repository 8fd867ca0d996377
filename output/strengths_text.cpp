#include "output/strengths_text.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>

#include "text/virupas_text.h"

namespace sarovin {

namespace {

constexpr std::size_t LABEL_WIDTH = 14;
constexpr std::size_t CELL_WIDTH = 9;

std::string_view NameOf(int planet) {
    return SlotNames[static_cast<std::size_t>(planet)].englishName;
}

// The time of day of a Julian day (UT), "00:43:28".
std::string TimeOfDay(double julianDayUt) {
    const double fromMidnight = julianDayUt + 0.5 - std::floor(julianDayUt + 0.5);
    const auto seconds = static_cast<long>(std::lround(fromMidnight * 86400)) % 86400;
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

void AppendCell(std::string& line, std::string_view cell, std::size_t width) {
    line += cell;
    line.append(width > cell.size() ? width - cell.size() : 1, ' ');
}

void EndLine(std::string& text, std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + '\n';
}

void AppendRow(std::string& text, std::string_view label, const Shadbala& shadbala,
               const std::function<double(const PlanetShadbala&)>& value) {
    std::string line;
    AppendCell(line, label, LABEL_WIDTH);
    for (const PlanetShadbala& bala : shadbala.planets) {
        AppendCell(line, VirupasText(value(bala)), CELL_WIDTH);
    }
    EndLine(text, line);
}

}  // namespace

std::string StrengthDayLine(const Shadbala& shadbala) {
    const DayLords& lords = shadbala.lords;
    return "Sunrise " + TimeOfDay(shadbala.day.sunrise) + " UT, sunset " +
           TimeOfDay(shadbala.day.sunset) + " UT; lords of the year " +
           std::string(NameOf(lords.yearLord)) + ", month " + std::string(NameOf(lords.monthLord)) +
           ", weekday " + std::string(NameOf(lords.weekdayLord)) + ", hour " +
           std::string(NameOf(lords.horaLord));
}

std::string StrengthRulesLine(const StrengthRules& rules) {
    return "Strength rules: Dig arc " + std::string(DigArcName(rules.digArc)) + " from the " +
           std::string(DigPointsName(rules.digPoints)) + ", Cheshta means " +
           std::string(CheshtaMeansName(rules.cheshtaMeans)) + ", luminaries' Cheshta " +
           std::string(LuminaryCheshtaName(rules.luminaryCheshta)) + ", the Sun's Ayana " +
           (rules.sunAyanaDoubled ? "doubled" : "single") + ", Yuddha " +
           (rules.yuddha ? "applied" : "not applied") + ", moolatrikona " +
           std::string(MoolatrikonaName(rules.moolatrikona)) + ", required rupas " +
           std::string(RequiredRupasName(rules.requiredRupas));
}

std::string BalaWorkingText(const BalaWorking& working) {
    std::string text;
    for (const WorkingFigure& input : working.inputs) {
        text += input.name + " " + VirupasText(input.value) + "\n";
    }
    text += "rule: " + working.rule + "\nsource: " + working.source + "\n";
    std::string terms;
    for (const WorkingFigure& term : working.terms) {
        terms += (terms.empty() ? "" : " + ") + term.name + " " + VirupasText(term.value);
    }
    return text + terms + " = " + VirupasText(working.virupas) + " virupas";
}

namespace {

std::string WarsLine(const Shadbala& shadbala) {
    std::string line;
    for (const PlanetaryWar& war : shadbala.wars) {
        line += "Planetary war: " + std::string(NameOf(war.winner)) + " defeats " +
                std::string(NameOf(war.loser)) + " by " + VirupasText(war.virupas) + "\n";
    }
    return line;
}

void AppendShadbala(std::string& text, const Shadbala& shadbala) {
    std::string heading;
    AppendCell(heading, "Shadbala", LABEL_WIDTH);
    for (const PlanetShadbala& bala : shadbala.planets) {
        AppendCell(heading, NameOf(bala.planet), CELL_WIDTH);
    }
    EndLine(text, heading);
    using Row = std::pair<std::string_view, std::function<double(const PlanetShadbala&)>>;
    const Row rows[] = {
        {"Uchcha", [](const PlanetShadbala& b) { return b.sthana.uchcha.virupas; }},
        {"Saptavargaja", [](const PlanetShadbala& b) { return b.sthana.saptavargaja.virupas; }},
        {"Ojayugma", [](const PlanetShadbala& b) { return b.sthana.ojayugma.virupas; }},
        {"Kendradi", [](const PlanetShadbala& b) { return b.sthana.kendradi.virupas; }},
        {"Drekkana", [](const PlanetShadbala& b) { return b.sthana.drekkana.virupas; }},
        {"Sthana", [](const PlanetShadbala& b) { return b.sthana.virupas; }},
        {"Dig", [](const PlanetShadbala& b) { return b.dig.virupas; }},
        {"Nathonnata", [](const PlanetShadbala& b) { return b.kala.nathonnata.virupas; }},
        {"Paksha", [](const PlanetShadbala& b) { return b.kala.paksha.virupas; }},
        {"Tribhaga", [](const PlanetShadbala& b) { return b.kala.tribhaga.virupas; }},
        {"Abda", [](const PlanetShadbala& b) { return b.kala.abda.virupas; }},
        {"Masa", [](const PlanetShadbala& b) { return b.kala.masa.virupas; }},
        {"Vara", [](const PlanetShadbala& b) { return b.kala.vara.virupas; }},
        {"Hora", [](const PlanetShadbala& b) { return b.kala.hora.virupas; }},
        {"Ayana", [](const PlanetShadbala& b) { return b.kala.ayana.virupas; }},
        {"Yuddha", [](const PlanetShadbala& b) { return b.kala.yuddha.virupas; }},
        {"Kala", [](const PlanetShadbala& b) { return b.kala.virupas; }},
        {"Cheshta", [](const PlanetShadbala& b) { return b.cheshta.virupas; }},
        {"Naisargika", [](const PlanetShadbala& b) { return b.naisargika.virupas; }},
        {"Drik", [](const PlanetShadbala& b) { return b.drik.virupas; }},
        {"Total", [](const PlanetShadbala& b) { return b.virupas; }},
        {"Rupas", [](const PlanetShadbala& b) { return b.rupas; }},
        {"Required", [](const PlanetShadbala& b) { return b.requiredRupas; }},
        {"Ratio", [](const PlanetShadbala& b) { return b.ratio; }},
        {"Ishta", [](const PlanetShadbala& b) { return b.ishta.virupas; }},
        {"Kashta", [](const PlanetShadbala& b) { return b.kashta.virupas; }},
    };
    for (const Row& row : rows) {
        AppendRow(text, row.first, shadbala, row.second);
    }
    std::string order;
    AppendCell(order, "Order", LABEL_WIDTH);
    for (const PlanetShadbala& bala : shadbala.planets) {
        AppendCell(order, std::to_string(bala.rank), CELL_WIDTH);
    }
    EndLine(text, order);
}

void AppendBhavaBala(std::string& text, const BhavaBala& bhavaBala) {
    std::string heading;
    for (const std::string_view title :
         {"Bhava Bala", "Adhipati", "Dig", "Drishti", "Total", "Rupas", "Order"}) {
        AppendCell(heading, title, title == "Bhava Bala" ? LABEL_WIDTH : CELL_WIDTH);
    }
    EndLine(text, heading);
    for (const HouseBhavaBala& house : bhavaBala) {
        std::string line;
        AppendCell(line, std::to_string(house.number), LABEL_WIDTH);
        for (const double value : {house.adhipati.virupas, house.dig.virupas, house.drishti.virupas,
                                   house.virupas, house.rupas}) {
            AppendCell(line, VirupasText(value), CELL_WIDTH);
        }
        AppendCell(line, std::to_string(house.rank), CELL_WIDTH);
        EndLine(text, line);
    }
}

}  // namespace

std::string StrengthsText(const BirthStrengths& strengths) {
    std::string text = StrengthDayLine(strengths.shadbala) + "\n" +
                       StrengthRulesLine(strengths.shadbala.rules) + "\n" +
                       WarsLine(strengths.shadbala);
    AppendShadbala(text, strengths.shadbala);
    text += '\n';
    AppendBhavaBala(text, strengths.bhavaBala);
    return text;
}

}  // namespace sarovin
