#include "card/card_batch.h"

#include "card/card_composer.h"
#include "card/card_fields.h"
#include "card/card_messages.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/file_reasons.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"

#include <QDir>

namespace
{

// At most this many failed cards are named in the message; the count covers them all.
constexpr qsizetype kFailuresNamed = 10;

const QString kSavedMessage =
    QStringLiteral("Les QSL ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL");
const QString kSomeSaved =
    QStringLiteral("%1 QSL sur %2 ont été enregistrées dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL");
const QString kOneSaved =
    QStringLiteral("1 QSL sur %1 a été enregistrée dans le dossier 'E_QSL' du répertoire ZELVANE_E_QSL");
const QString kNotSynced = QStringLiteral("Les QSL écrites n'ont peut-être pas toutes atteint le disque :");

} // namespace

CardBatchReport runCardBatch(DrawingSurface& surface, const QStringList& pickedLines, const CardComposer& composer,
                             const std::function<bool()>& french, const QString& outputFolder,
                             const CardBatchProgressFn& progress)
{
    CardBatchReport report;
    const auto total = static_cast<int>(pickedLines.size());
    if (total > 0 && !QDir(outputFolder).exists())
        (void)makeFolder(outputFolder).ok(); // when it cannot be made, each card tells why it is not saved
    if (total > 0)
        removeLeftoverTemporaries(outputFolder);

    for (int i = 0; i < total; ++i) {
        const CardFields fields = cutPickedLine(pickedLines[i]);
        composer.draw(surface, fields, french());
        ++report.cards;
        const QString name = cardFileName(fields);
        const Outcome saved = hasForbiddenNameCharacter(name) ? Outcome::failure(FileReason::ForbiddenCharacter)
                                                              : surface.saveBmp(joinPath(outputFolder, name));
        if (saved.ok())
            ++report.written;
        else {
            report.failures.append(displayedPath(name) + QStringLiteral(" : ") + saved.reason());
            report.unsaved.append(i);
        }
        if (progress)
            progress(i + 1, total);
        surface.clear();
    }
    if (report.written > 0) {
        report.notSynced = syncFolder(outputFolder).reason();
        // Which cards the failing disk kept cannot be known: none of them is counted as saved.
        if (!report.notSynced.isEmpty()) {
            report.written = 0;
            report.unsaved.clear();
            for (int i = 0; i < total; ++i)
                report.unsaved.append(i);
        }
    }
    return report;
}

QString cardBatchFailureMessage(const CardBatchReport& report)
{
    const auto failed = report.failures.size();
    if (failed == 0)
        return {};
    QString text = failed == 1 ? QStringLiteral("1 QSL n'a pas pu être enregistrée :")
                               : QStringLiteral("%1 QSL n'ont pas pu être enregistrées :").arg(failed);
    for (qsizetype i = 0; i < failed && i < kFailuresNamed; ++i)
        text += kMessageBreak + report.failures[i];
    if (failed > kFailuresNamed)
        text += kMessageBreak + QStringLiteral("...");
    return text + kMessageBreak + CardMessage::QsosOfUnsavedCardsKept;
}

QString cardBatchSyncMessage(const CardBatchReport& report)
{
    return report.notSynced.isEmpty()
               ? QString()
               : kNotSynced + kMessageBreak + report.notSynced + kMessageBreak + CardMessage::QsosOfUnsavedCardsKept;
}

QString cardBatchSavedMessage(const CardBatchReport& report)
{
    if (report.failures.isEmpty() && report.notSynced.isEmpty())
        return kSavedMessage;
    if (report.written == 0)
        return {};
    return report.written == 1 ? kOneSaved.arg(report.cards) : kSomeSaved.arg(report.written).arg(report.cards);
}
