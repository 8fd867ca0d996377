#include "app/shell/window_arguments.h"

#include <QCommandLineParser>
#include <QStringList>

#include "platform/qt_text.h"

namespace sarovin {

std::optional<std::filesystem::path> ReadingArgument(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vedic (sidereal) astrology: Graha, Rashi and Sputa Drishti."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("reading"),
                                 QStringLiteral("A saved reading (.dri) to open at start."),
                                 QStringLiteral("[reading]"));
    QStringList texts;
    for (const std::string& argument : arguments) {
        texts.append(BytesAsText(argument));
    }
    parser.process(texts);
    const QStringList readings = parser.positionalArguments();
    if (readings.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(TextAsBytes(readings.constFirst()));
}

}  // namespace sarovin
