#pragma once

#include <QObject>

#include "form/typed_characters.h"

class QLineEdit;

namespace sarovin {

class PlatformServices;

// Tests every character a key press (or an input method) would deliver to a
// text box before the box takes it. A refused character is dropped and the
// box's message shown; letter boxes then take the focus back.
class CharacterFilter : public QObject {
    Q_OBJECT

  public:
    CharacterFilter(BoxKind kind, PlatformServices& platform, QObject* parent = nullptr);

    void Watch(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Accepts(const QString& delivered) const;
    void Refuse(QLineEdit* box);

    BoxKind kind_;
    PlatformServices& platform_;
};

}  // namespace sarovin
