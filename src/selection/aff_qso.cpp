#include "selection/aff_qso.h"

#include "adif/adif_reader.h"
#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "platform/text_file.h"
#include "selection/select_qso_window.h"
#include "selection/selection_texts.h"

#include <QDir>

namespace
{

// Reads one log into Liste_QSO and shows the picking window.
void readLog(Dialogs& dialogs, PickingWindows& windows, const QString& path, LineEnds ends)
{
    TextFile file = readTextFile(path);
    if (!file.outcome.ok()) {
        dialogs.message(ReadLogText::Unreadable + kMessageBreak + displayedPath(path) + QStringLiteral(" : ") +
                        file.outcome.reason());
        return;
    }

    const SelectQsoWindow* existing = windows.existingSelectQso();
    const int room = existing ? existing->room() : kMaxListLines;

    // Lines wait here and reach Liste_QSO before each message, so that while a message is shown
    // the list holds every QSO read before it; the window comes into being with its first line.
    QStringList waiting;
    const auto handOver = [&] {
        if (!waiting.isEmpty())
            windows.selectQso().appendQsoLines(waiting);
        waiting.clear();
    };
    // Most Linux logging programs end lines with LF alone, which is no line end here: the records
    // of such lines run together, and only the first of each line is read. Whether they did is
    // asked before reading changes the text: how many QSOs a reading with LF alone as a line end
    // too would list.
    const int withLf = ends == LineEnds::CrLfOrCr && hasLoneLineFeed(file.text)
                           ? countAdifRecords(file.text, LineEnds::AlsoLoneLf, room)
                           : 0;
    const AdifReadSummary summary = readAdif(
        file.text, ends, room, [&](const QString& line) { waiting.append(line); },
        [&](const QString& text) {
            handOver();
            dialogs.message(text);
        });
    handOver();

    SelectQsoWindow& window = windows.selectQso();
    const bool ranTogether = withLf > summary.listed;
    // Told by the empty list itself when it has no line; over lines, by a message too.
    const bool tell = ranTogether && window.unpickedCount() > 0;
    if (ranTogether)
        window.offerLfReading(summary.listed,
                              [&dialogs, &windows, path] { readLog(dialogs, windows, path, LineEnds::AlsoLoneLf); });
    else if (summary.listed == 0 && !summary.full) // a full list is told apart
        window.showNoQsoFound();
    window.show();
    window.raise();
    if (tell)
        dialogs.message(SelectQsoText::RecordsRanTogether + kMessageBreak +
                        SelectQsoText::RecordsRanTogetherCounts.arg(summary.listed).arg(withLf) + kMessageBreak +
                        SelectQsoText::RecordsRanTogetherOffer);
}

} // namespace

void Aff_QSO(Dialogs& dialogs, PickingWindows& windows)
{
    const QString path = dialogs.openFile(ReadLogText::FilterDescription, ReadLogText::FilterPattern);
    if (path.isEmpty()) {
        dialogs.message(kNothingChosen);
        return;
    }
    readLog(dialogs, windows, path, LineEnds::CrLfOrCr);
}
