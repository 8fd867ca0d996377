#include "document/print_application.h"

namespace sarovin {

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's own warnings, such as a missing runtime folder on a machine without
// a desktop, are not the tool's to print; only its critical and fatal
// messages reach standard error.
void PassSeriousMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtHandler(type, context, message);
    }
}

}  // namespace

std::unique_ptr<QGuiApplication> StartPrintingApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qtHandler == nullptr) {
        qtHandler = qInstallMessageHandler(PassSeriousMessages);
    }
    // The application keeps the count and the arguments for its whole life.
    static int argumentCount = 1;
    static char programName[] = "sarovin-report";
    static char* arguments[] = {programName, nullptr};
    return std::make_unique<QGuiApplication>(argumentCount, arguments);
}

}  // namespace sarovin
