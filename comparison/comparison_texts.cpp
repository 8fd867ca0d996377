#include "comparison/comparison_texts.h"

#include "engine/body_slot.h"
#include "text/virupas_text.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr std::string_view SEPARATOR = ", ";

void AppendName(std::string& list, std::string_view name) {
    if (!list.empty()) {
        list += SEPARATOR;
    }
    list += name;
}

std::string SignsCountedFrom(int ownSign, const GrahaAcross& across) {
    std::string signs;
    for (int count = 0; count < SIGN_COUNT; ++count) {
        const int sign = (ownSign + count) % SIGN_COUNT;
        if (across.signs[sign]) {
            AppendName(signs, VedicSignNames[sign]);
        }
    }
    return signs;
}

std::string BodiesNamed(const GrahaAcross& across) {
    std::string bodies;
    for (int body = 0; body < BODY_COUNT; ++body) {
        if (across.bodies[body]) {
            AppendName(bodies, SlotNames[body].englishName);
        }
    }
    return bodies;
}

}  // namespace

std::string_view ChartName(std::string_view name, std::string_view fallback) {
    return name.empty() ? fallback : name;
}

std::string GrahaAcrossSentence(int body, const GrahaAcross& across, const Sky& from,
                                std::string_view fromName, std::string_view ontoName) {
    std::string sentence = std::string(SlotNames[body].englishName) + " of " +
                           std::string(fromName) + " aspects " +
                           SignsCountedFrom(from.bodies.entries[body].place.sign, across);
    if (across.bodies.none()) {
        return sentence + "; none of " + std::string(ontoName) + "'s bodies stands there.";
    }
    const char* verb = across.bodies.count() == 1 ? " stands." : " stand.";
    return sentence + ", where " + std::string(ontoName) + "'s " + BodiesNamed(across) + verb;
}

std::string ComparisonTitle(std::string_view aName, std::string_view bName, bool sameBirth) {
    std::string title = std::string(aName) + " (A) compared with " + std::string(bName) + " (B)";
    return sameBirth ? title + ": a reading compared with itself" : title;
}

std::string DoubleChartCaption(std::string_view aName, std::string_view bName) {
    return std::string(aName) + "'s bodies in black; " + std::string(bName) +
           "'s on the inner side of each sign, in blue.";
}

std::string CrossSputaCaption(std::string_view fromName, std::string_view ontoName) {
    return "Sputa Drishti of " + std::string(fromName) + " on " + std::string(ontoName) +
           ", in virupas";
}

std::string MutualAspectLine(const MutualAspect& pair, std::string_view aName,
                             std::string_view bName) {
    const std::string aBody =
        std::string(SlotNames[pair.aBody].englishName) + " of " + std::string(aName);
    const std::string bBody =
        std::string(SlotNames[pair.bBody].englishName) + " of " + std::string(bName);
    return aBody + " on " + bBody + " " + VirupasText(pair.aOnB) + ", " + bBody + " on " + aBody +
           " " + VirupasText(pair.bOnA);
}

}  // namespace sarovin
