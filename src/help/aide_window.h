#pragma once

#include <QWidget>
#include <vector>

// The help window "Mode d'emploi" (Aide): a fixed page in French, one section for each
// command of the main window and for the layout editor. It holds no data and takes no input.
class AideWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AideWindow(QWidget* parent = nullptr);

    // The lines of the page, from top to bottom; the first is the title.
    enum class LineKind { Title, Heading, Body };
    struct Line {
        LineKind kind;
        const char* text; // UTF-8
    };
    static const std::vector<Line>& lines();
};
