#include "app/panel/character_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "app/shell/dropped_reading.h"
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

bool IsControlLetter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::ShiftModifier;
    return modifiers == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
}

bool IsReadingDrag(QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return !DroppedReading(static_cast<QDropEvent*>(event)->mimeData()).empty();
        default:
            return false;
    }
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

void CharacterFilter::PasteScreened(QLineEdit* box) {
    if (Accepts(QGuiApplication::clipboard()->text())) {
        box->paste();
    } else {
        Refuse(box);
    }
}

// The box's own menu, its Paste screened like typing.
void CharacterFilter::ShowContextMenu(QLineEdit* box, const QPoint& globalPosition) {
    QMenu* menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this, box] { PasteScreened(box); });
        }
    }
    menu->popup(globalPosition);
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) {
        return false;
    }
    if (IsReadingDrag(event)) {
        // Not text to type: the window beneath opens it.
        event->ignore();
        return true;
    }
    QString delivered;
    if (event->type() == QEvent::ShortcutOverride) {
        // A Control letter reaches the box and is refused there, as typed
        // characters are, before a menu's shortcut could take it.
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsControlLetter(*key)) {
            event->accept();
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        delivered = DeliveredText(*key);
        // Shift+Insert pastes without a control character to refuse.
        if (delivered.isEmpty() && key->matches(QKeySequence::Paste)) {
            PasteScreened(box);
            return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        delivered = static_cast<QInputMethodEvent*>(event)->commitString();
    } else if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(box, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    } else if (event->type() == QEvent::Drop) {
        delivered = static_cast<QDropEvent*>(event)->mimeData()->text();
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
