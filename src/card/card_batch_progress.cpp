#include "card/card_batch_progress.h"

#include "platform/dialogs.h"
#include "platform/window_controls.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

namespace
{

const QString kProgressLabel = QStringLiteral("Enregistrement des QSL...");
const QString kProgressName = QStringLiteral("Progression_QSL");

} // namespace

CardBatchProgress::CardBatchProgress(QWidget* parent, Clock clock) : parent_(parent), clock_(std::move(clock))
{
    if (!clock_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clock_ = [timer] { return timer->elapsed(); };
    }
}

CardBatchProgress::~CardBatchProgress()
{
    delete dialog_.data();
}

void CardBatchProgress::operator()(int done, int total)
{
    if (done <= 0 || total <= 0)
        return;
    const qint64 now = clock_();
    if (!dialog_) {
        if (done >= total)
            return;
        const qint64 estimate = now * total / done;
        if (estimate <= kShowBeyondMs)
            return;
        dialog_ = new QProgressDialog(kProgressLabel, QString(), 0, total, parent_);
        nameControl(*dialog_, kProgressName, kProgressLabel);
        dialog_->setWindowTitle(QString::fromLatin1(kProgramTitle));
        dialog_->setCancelButton(nullptr);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
    } else if (done < total && now - refreshedAt_ < kRefreshEveryMs) {
        return;
    }
    refreshedAt_ = now;
    dialog_->setValue(done);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
