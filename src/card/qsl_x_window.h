#pragma once

#include "platform/image_surface.h"
#include "program/program.h"

#include <QMainWindow>
#include <QStringList>

class CardPicture;

// The card export window "Aperçu des E- QSL" (QSL_X), owner of the card drawing surface.
//
// Creating it runs the creation sequence once: the layout reloaded with the export fallbacks,
// the background loaded, the window shown and the batch Aff_LaQSL run over the picked list.
// The layout editor's sample and the background choice draw on, or replace the picture of,
// the same surface.
class QslXWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit QslXWindow(Program& program, QWidget* parent = nullptr);

    // The creation sequence: layout reloaded, background loaded, window shown, batch run; what the
    // batch did with the picked cards. Runs once; later calls do nothing.
    CardExport runCreationSequence();

    // The surface shown in `Picture1`.
    DrawingSurface& surface() { return surface_; }
    // What the surface holds now, background and drawings.
    const QImage& cardImage() const { return surface_.image(); }

private:
    void buildControls();

    Program& program_;
    ImageSurface surface_;
    CardPicture* picture_ = nullptr;
    bool created_ = false;
};
