#pragma once

#include <QDialog>

#include "platform/platform_services.h"

namespace sarovin {

// The About box (frmAbout): the program's icon, name and version, what it
// calculates, the branding offer and a link to the maker's home page.
// Application modal with its parent as owner, the way the program's other
// message boxes are.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(PlatformServices& platform, QWidget* parent = nullptr);
};

// Shows the About box until OK or Escape closes it, then deletes it.
void ShowAboutBox(QWidget* parent, PlatformServices& platform);

}  // namespace sarovin
