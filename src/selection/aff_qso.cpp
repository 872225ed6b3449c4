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
    // Whether the file holds a lone LF, asked before reading changes the text.
    const bool loneLineFeed = ends == LineEnds::CrLfOrCr && hasLoneLineFeed(file.text);
    const AdifReadSummary summary = readAdif(
        file.text, ends, room, [&](const QString& line) { waiting.append(line); },
        [&](const QString& text) {
            handOver();
            dialogs.message(text);
        });
    handOver();

    SelectQsoWindow& window = windows.selectQso();
    // A log in which no QSO was found says why inside the empty list (a full list is told apart).
    // Most Linux logging programs end lines with LF alone, which is no line end here: the hint
    // then offers to read the same file again taking LF alone as a line end too.
    if (summary.listed == 0 && !summary.full) {
        std::function<void()> readWithLf;
        if (loneLineFeed)
            readWithLf = [&dialogs, &windows, path] { readLog(dialogs, windows, path, LineEnds::AlsoLoneLf); };
        window.showNoQsoFound(true, std::move(readWithLf));
    }
    window.show();
    window.raise();
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
