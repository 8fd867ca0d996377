#include "app/character_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/platform_services.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

// The characters a key press delivers to a box. Control with a letter
// delivers its control character (Ctrl+V is 22), whatever the platform puts
// in the event's text; Tab moves the focus and delivers nothing.
QString DeliveredText(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return {};
    }
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return QString(QChar(event.key() - Qt::Key_A + 1));
    }
    return event.text();
}

}  // namespace

CharacterFilter::CharacterFilter(BoxKind kind, PlatformServices& platform, QObject* parent)
    : QObject(parent), kind_(kind), platform_(platform) {}

void CharacterFilter::Watch(QLineEdit* box) {
    box->installEventFilter(this);
}

bool CharacterFilter::Accepts(const QString& delivered) const {
    for (const char32_t character : delivered.toUcs4()) {
        if (!AcceptsCharacter(kind_, character)) {
            return false;
        }
    }
    return true;
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) {
        return false;
    }
    QString delivered;
    if (event->type() == QEvent::KeyPress) {
        delivered = DeliveredText(*static_cast<QKeyEvent*>(event));
    } else if (event->type() == QEvent::InputMethod) {
        delivered = static_cast<QInputMethodEvent*>(event)->commitString();
    }
    if (delivered.isEmpty() || Accepts(delivered)) {
        return false;
    }
    Refuse(box);
    return true;
}

void CharacterFilter::Refuse(QLineEdit* box) {
    platform_.ShowMessage(box->window(), ToQString(RefusalMessage(kind_)), MessageIcon::Error);
    if (kind_ == BoxKind::Letters) {
        box->setFocus();
    }
}

}  // namespace sarovin
