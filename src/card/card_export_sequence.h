#pragma once

#include "platform/outcome.h"
#include "program/program.h"

#include <QString>
#include <QStringList>

class DrawingSurface;
class QWidget;

// The work of the export window's creation sequence, apart from the window: the layout and the
// background made ready on the surface, then the batch Aff_LaQSL over the picked lines.
class CardExportSequence
{
public:
    CardExportSequence(Program& program, DrawingSurface& surface);

    // The layout reloaded with the export fallbacks (the comment stays as start-up read it), and
    // the background, found through the current folder when it is a bare name, loaded on the
    // surface. The surface always keeps its drawings and works in 100 x 100 units.
    void load();

    // The batch: one card drawn, saved and cleared per picked line, then what the user is told.
    // Without a background no card is drawn (cards on nothing would replace good ones of the same
    // names) and the picked QSOs stay where they are; the user is told why. With no QSO picked
    // there is nothing to tell: the next drawing tells about its background. The progress window
    // of a long batch stands over `progressParent`.
    CardExport run(QWidget* progressParent);

private:
    // The picked lines whose cards could not be saved, in their order.
    QStringList Aff_LaQSL(const QStringList& pickedLines, QWidget* progressParent);

    Program& program_;
    DrawingSurface& surface_;
    Outcome background_;
};
