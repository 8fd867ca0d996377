#include "program_texts.h"

#include "platform_services.h"

namespace sarovin {

QString ProgramCaption() {
    return QStringLiteral("%1 v%2").arg(QString::fromLatin1(APPLICATION_TITLE),
                                        QStringLiteral(SAROVIN_VERSION));
}

}  // namespace sarovin
