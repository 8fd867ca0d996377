#pragma once

#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
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
    QString ChooseFileToOpen(QWidget*, const FileDialogSettings& settings) override {
        openDialogs.push_back(settings);
        return NextAnswer();
    }
    QString ChooseFileToSave(QWidget*, const FileDialogSettings& settings) override {
        saveDialogs.push_back(settings);
        return NextAnswer();
    }
    bool OpenAddress(const QUrl& address) override {
        openedAddresses.push_back(address);
        return browserWorks;
    }
    bool IsAnotherCopyRunning() override { return anotherCopyRunning; }

    // Paths the next file dialogs return; an empty text is a cancel.
    std::deque<QString> dialogAnswers;
    bool browserWorks = true;
    bool anotherCopyRunning = false;
    // Runs while a message is up, as a person or a modal box would act.
    std::function<void()> whileMessageShows;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogSettings> openDialogs;
    std::vector<FileDialogSettings> saveDialogs;
    std::vector<QUrl> openedAddresses;

  private:
    QString NextAnswer() {
        if (dialogAnswers.empty()) {
            return {};
        }
        QString answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
};

}  // namespace sarovin::testing
