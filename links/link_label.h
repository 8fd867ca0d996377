#pragma once

#include <QLabel>

namespace sarovin {

// A label that looks and behaves like a link in a web page: underlined text
// in the palette's link colour under a pointing hand. A click, or Enter,
// Return or Space once Tab has brought the focus to it, activates it.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void activated();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // A click counts only when the left button went down and came up on the label.
    bool pressed_ = false;
};

}  // namespace sarovin
