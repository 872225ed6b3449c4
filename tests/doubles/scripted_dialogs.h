#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// Dialogs for tests: records every message in order and answers each open-file dialog
// from a queue (an empty queue answers as a cancelled dialog).
class ScriptedDialogs final : public Dialogs
{
public:
    struct FileRequest {
        QString description;
        QString pattern;
    };

    void message(const QString& text) override;
    QString openFile(const QString& description, const QString& pattern) override;

    void answerNextFile(const QString& path) { fileAnswers_.enqueue(path); }

    // Runs while a message box would be open (the moment a modal box suspends the caller).
    void onMessage(std::function<void(const QString&)> hook) { onMessage_ = std::move(hook); }

    const QStringList& messages() const { return messages_; }
    const QList<FileRequest>& fileRequests() const { return fileRequests_; }
    void clear()
    {
        messages_.clear();
        fileRequests_.clear();
        fileAnswers_.clear();
    }

private:
    QStringList messages_;
    QList<FileRequest> fileRequests_;
    QQueue<QString> fileAnswers_;
    std::function<void(const QString&)> onMessage_;
};
