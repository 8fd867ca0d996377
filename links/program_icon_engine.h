#pragma once

#include <QIconEngine>

namespace sarovin {

// Paints the program's icon from vector shapes at whatever size is asked.
class ProgramIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
};

}  // namespace sarovin
