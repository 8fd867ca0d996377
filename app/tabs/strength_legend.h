#pragma once

#include <QWidget>

namespace sarovin {

// picSputaLegend: the tint of the Sputa strengths from 0 at the top to 60
// at the bottom, with the strengths marked beside it.
class StrengthLegend : public QWidget {
    Q_OBJECT

  public:
    explicit StrengthLegend(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sarovin
