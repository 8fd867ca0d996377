#pragma once

#include <QWidget>

#include "platform/platform_services.h"

namespace sarovin {

// The offers along the bottom of the main window. The frame fraFullBrand
// holds two offers at the same place, the fully branded one (lblFullBrand)
// in front of the co-branding one (lblCobrand); beside it Label8 invites
// to the maker's discussion forum. Each opens its page in the browser; the
// platform must outlive the panel.
class PromotionPanel : public QWidget {
    Q_OBJECT

  public:
    explicit PromotionPanel(PlatformServices& platform, QWidget* parent = nullptr);
};

}  // namespace sarovin
