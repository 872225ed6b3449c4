#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <functional>

class QWidget;

// Shows the progress of a card batch that lasts more than about a second.
//
// After each card it estimates the whole batch's duration from the time spent so far; once
// that estimate passes a second, a progress dialog (without a cancel button: the batch always
// runs to its end) appears and follows the cards. The dialog and the windows behind it are
// refreshed about 30 times a second, and after the last card; only painting is let through, so
// the user cannot act on the windows before the batch ends.
class CardBatchProgress
{
public:
    // Milliseconds since the batch started.
    using Clock = std::function<qint64()>;
    static constexpr qint64 kShowBeyondMs = 1000;
    static constexpr qint64 kRefreshEveryMs = 33;

    // Without a clock, the time since construction is measured.
    explicit CardBatchProgress(QWidget* parent, Clock clock = {});
    ~CardBatchProgress();
    CardBatchProgress(const CardBatchProgress&) = delete;
    CardBatchProgress& operator=(const CardBatchProgress&) = delete;

    void operator()(int done, int total);

    // The dialog while it is shown, for tests.
    QProgressDialog* dialog() const { return dialog_; }

private:
    QWidget* parent_;
    Clock clock_;
    QPointer<QProgressDialog> dialog_;
    qint64 refreshedAt_ = 0;
};
