#pragma once

#include <QObject>

#include "form/typed_characters.h"

class QLineEdit;

namespace sarovin {

class PlatformServices;

// Tests every character a key press, an input method, a paste (Shift+Insert
// or the context menu) or a drop would deliver to a text box before the box
// takes it. Refused text is dropped whole and the box's message shown;
// letter boxes then take the focus back.
class CharacterFilter : public QObject {
    Q_OBJECT

  public:
    CharacterFilter(BoxKind kind, PlatformServices& platform, QObject* parent = nullptr);

    void Watch(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Accepts(const QString& delivered) const;
    // Pastes the clipboard's text when every character of it is accepted.
    void PasteScreened(QLineEdit* box);
    void ShowContextMenu(QLineEdit* box, const QPoint& globalPosition);
    void Refuse(QLineEdit* box);

    BoxKind kind_;
    PlatformServices& platform_;
};

}  // namespace sarovin
