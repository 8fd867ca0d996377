#include "app/widgets/overwrite_date_edit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace sarovin {

OverwriteDateEdit::OverwriteDateEdit(const QDate& date, QWidget* parent)
    : QDateEdit(date, parent) {}

void OverwriteDateEdit::keyPressEvent(QKeyEvent* event) {
    QLineEdit* box = lineEdit();
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isDigit() && !box->hasSelectedText()) {
        const QString text = box->text();
        int at = box->cursorPosition();
        while (at < text.size() && !text.at(at).isDigit()) {
            ++at;
        }
        if (at < text.size()) {
            // The digit typed takes the place of the one selected.
            box->setSelection(at, 1);
        }
    }
    QDateEdit::keyPressEvent(event);
}

}  // namespace sarovin
