#pragma once

#include <QStringList>
#include <functional>

class CardComposer;
class DrawingSurface;

// What a batch of cards did.
struct CardBatchReport {
    int cards = 0;        // picked lines drawn
    int written = 0;      // card files saved
    QStringList failures; // one "file name : reason" per card that could not be saved, in order
    QList<int> unsaved;   // the places in the picked lines of the cards not saved, in order
    // Why the cards written could not be made durable; empty when they were. Then no card counts
    // as saved: `written` is 0 and `unsaved` holds every picked line.
    QString notSynced;
};

// Called after each card is saved, while it is still on the surface, with the number of cards done
// and the total.
using CardBatchProgressFn = std::function<void(int done, int total)>;

// The core of the batch Aff_LaQSL: for every picked line, in order, cut it into its fields, draw
// the card, save the whole image under the output folder as "QSL_<callsign>_<band>_<mode>.bmp"
// (replacing a file of that name) and clear the drawing. A card that cannot be saved does not
// stop the batch. The card language is asked for each card. An output folder that has gone
// missing is made again first. The cards written reach the disk together at the end, before the
// batch returns. Temporary files that an interrupted batch left in the output folder are removed.
CardBatchReport runCardBatch(DrawingSurface& surface, const QStringList& pickedLines, const CardComposer& composer,
                             const std::function<bool()>& french, const QString& outputFolder,
                             const CardBatchProgressFn& progress = {});

// The message telling how many cards could not be saved and why; empty when all were.
QString cardBatchFailureMessage(const CardBatchReport& report);

// The message telling that the cards written could not be made durable, and that their QSOs stay
// picked; empty when they were.
QString cardBatchSyncMessage(const CardBatchReport& report);

// The saved-cards message: the fixed text when no card failed, how many were saved when some
// failed, nothing when none was saved (a batch that could not be made durable saved none).
QString cardBatchSavedMessage(const CardBatchReport& report);
