#pragma once

#include <QWidget>
#include <optional>

#include "strengths/shadbala.h"

namespace sarovin {

// picStrengthRatios: the bar chart of each planet's Shadbala against the
// rupas it needs, painted as the page paints it; read as a picture whose
// description gives every ratio.
class StrengthBarsView : public QWidget {
    Q_OBJECT

  public:
    explicit StrengthBarsView(QWidget* parent = nullptr);

    void ShowShadbala(const Shadbala& shadbala);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<Shadbala> shadbala_;
};

}  // namespace sarovin
