#include "links/program_texts.h"

#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace sarovin {

QString ProgramCaption() {
    return QStringLiteral("%1 v%2").arg(ToQString(APPLICATION_TITLE),
                                        QStringLiteral(SAROVIN_VERSION));
}

}  // namespace sarovin
