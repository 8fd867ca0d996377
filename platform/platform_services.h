#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "common/message_icon.h"

class QPrinter;
class QWidget;

namespace sarovin {

inline constexpr char APPLICATION_TITLE[] = "Sarovin";

// Settings of a standard file dialog for readings.
struct FileDialogSettings {
    QString title;
    QString filter;
    QString defaultSuffix;
    std::filesystem::path initialPath;
    // The folder the dialog shows when no initial path names one.
    std::filesystem::path startFolder;
};

// What the program asks of the desktop: message boxes, file dialogs, the
// browser and the single-instance check. The window talks only to this, so
// tests can answer in place of a person.
class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A modal message with one OK button and the application title.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // The chosen path, as the system's bytes, or an empty path when the
    // user cancels. The open dialog takes only existing files; the save
    // dialog asks before replacing one.
    virtual std::filesystem::path ChooseFileToOpen(QWidget* parent,
                                                   const FileDialogSettings& settings) = 0;
    virtual std::filesystem::path ChooseFileToSave(QWidget* parent,
                                                   const FileDialogSettings& settings) = 0;
    // The platform's print dialog: the printer as the user set it up, or
    // nothing when the user cancels.
    virtual std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) = 0;
    // Opens the address in the default browser; false when that failed.
    virtual bool OpenAddress(const QUrl& address) = 0;
    // True when another copy of the program is running.
    virtual bool IsAnotherCopyRunning() = 0;
};

}  // namespace sarovin
