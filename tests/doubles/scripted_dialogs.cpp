#include "doubles/scripted_dialogs.h"

void ScriptedDialogs::message(const QString& text)
{
    messages_.append(text);
    if (onMessage_)
        onMessage_(text);
}

QString ScriptedDialogs::openFile(const QString& description, const QString& pattern)
{
    fileRequests_.append({description, pattern});
    return fileAnswers_.isEmpty() ? QString() : fileAnswers_.dequeue();
}
