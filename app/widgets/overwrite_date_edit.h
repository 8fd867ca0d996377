#pragma once

#include <QDateEdit>

namespace sarovin {

// A date box whose typed digits replace the digit at the cursor, stepping
// over the separators, as on a form: a plain date box takes a digit only
// into a section that is selected or not yet full.
class OverwriteDateEdit : public QDateEdit {
    Q_OBJECT

  public:
    explicit OverwriteDateEdit(const QDate& date, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sarovin
