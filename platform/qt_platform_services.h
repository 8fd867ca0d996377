#pragma once

#include <QLockFile>
#include <memory>

#include "platform/platform_services.h"

namespace sarovin {

// The desktop's own message boxes, file dialogs and browser; one copy of
// the program per user, kept by a lock file that a crashed copy does not
// leave blocking. Without a lock path no lock is kept.
class QtPlatformServices : public PlatformServices {
  public:
    explicit QtPlatformServices(const QString& lockPath = DefaultLockPath());

    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    std::filesystem::path ChooseFileToOpen(QWidget* parent,
                                           const FileDialogSettings& settings) override;
    std::filesystem::path ChooseFileToSave(QWidget* parent,
                                           const FileDialogSettings& settings) override;
    std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) override;
    bool OpenAddress(const QUrl& address) override;
    bool IsAnotherCopyRunning() override;

    static QString DefaultLockPath();

  private:
    std::unique_ptr<QLockFile> instanceLock_;
};

}  // namespace sarovin
