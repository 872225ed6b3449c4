#pragma once

#include <QString>
#include <utility>

// What an operation that can fail gives back: success, or why it failed, in the words the user
// reads. It cannot be dropped: ignoring an Outcome is a warning, an error in the test and CI
// builds. Who shows the reason is the event handler's business (see docs/ARCHITECTURE.md).
class [[nodiscard]] Outcome
{
public:
    // Success.
    Outcome() = default;

    // A failure for the reason given (never empty).
    static Outcome failure(QString reason)
    {
        Outcome outcome;
        outcome.reason_ = std::move(reason);
        return outcome;
    }

    bool ok() const { return reason_.isEmpty(); }
    // Why it failed; empty on success.
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};
