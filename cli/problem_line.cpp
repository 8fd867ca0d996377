#include "cli/problem_line.h"

#include "cli/info_texts.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr std::string_view SEPARATOR = ": ";

std::string PrintableLines(std::string_view text) {
    std::string printable;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        printable += PrintableText(text.substr(0, end));
        printable += '\n';
        text.remove_prefix(end + 1);
    }
    return printable + PrintableText(text);
}

}  // namespace

std::string ProblemLine(std::string_view source, std::string_view reason) {
    std::string line(PROGRAM_NAME);
    line += SEPARATOR;
    if (!source.empty()) {
        line += PrintableText(source);
        line += SEPARATOR;
    }
    line += PrintableLines(reason);
    line += '\n';
    return line;
}

}  // namespace sarovin
