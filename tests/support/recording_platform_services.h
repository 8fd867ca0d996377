#pragma once

#include <QPrinter>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/platform_services.h"

namespace sarovin::testing {

struct RecordedMessage {
    QString text;
    MessageIcon icon;
};

// Answers in place of a person and remembers every question asked.
class RecordingPlatformServices : public PlatformServices {
  public:
    void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
        if (whileMessageShows) {
            whileMessageShows();
        }
    }
    std::filesystem::path ChooseFileToOpen(QWidget*, const FileDialogSettings& settings) override {
        openDialogs.push_back(settings);
        return NextAnswer();
    }
    std::filesystem::path ChooseFileToSave(QWidget*, const FileDialogSettings& settings) override {
        saveDialogs.push_back(settings);
        return NextAnswer();
    }
    std::unique_ptr<QPrinter> ChoosePrinter(QWidget*) override {
        ++printDialogs;
        if (printerOutput.isEmpty()) {
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printerOutput);
        return printer;
    }
    bool OpenAddress(const QUrl& address) override {
        openedAddresses.push_back(address);
        return browserWorks;
    }
    bool IsAnotherCopyRunning() override { return anotherCopyRunning; }

    // Paths the next file dialogs return; an empty path is a cancel.
    std::deque<std::filesystem::path> dialogAnswers;
    // The file the printer of the next print dialog writes to, as PDF; an
    // empty text is a cancel.
    QString printerOutput;
    bool browserWorks = true;
    bool anotherCopyRunning = false;
    // Runs while a message is up, as a person or a modal box would act.
    std::function<void()> whileMessageShows;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogSettings> openDialogs;
    std::vector<FileDialogSettings> saveDialogs;
    int printDialogs = 0;
    std::vector<QUrl> openedAddresses;

  private:
    std::filesystem::path NextAnswer() {
        if (dialogAnswers.empty()) {
            return {};
        }
        std::filesystem::path answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
};

}  // namespace sarovin::testing
