#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <variant>

class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The controls of every window, built the same way: object name, caption, accessible name (the
// caption, or the object name of a control without one) and place in pixels.

// The light yellow of the lists, the number boxes and the picking window's buttons.
inline const QColor kLightYellow(255, 255, 192);

// The size of the windows' captions and boxes where a window sets its own: "MS Sans Serif" at
// 9.75 points, the size the windows were drawn with.
inline constexpr qreal kDialogPoints = 9.75;

// Names a control built outside the tables: its object name, and its accessible name (the caption
// it shows, or the object name of a control without one).
void nameControl(QWidget& control, const QString& name, const QString& caption = QString());

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place);
// A label placed by a layout.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QRect& place);
// A button that Enter presses when it has the focus, as Space does.
QPushButton* addEnterButton(QWidget* parent, const char* name, const QString& caption, const QRect& place);
// A frame that only draws a border; it has no caption, so it is known by its object name.
QFrame* addFrame(QWidget* parent, const char* name, const QRect& place);
// A button and a plain (not sunken) frame placed by a layout.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption);
QFrame* addFrame(QWidget* parent, const char* name);

// Keeps a caption whole inside the width it can use (the label's own width unless a control
// covers its end): where the face in use is wider than the one the windows were drawn for, the
// label's font is made just small enough. `widest` is the longest text the label will show, when
// that is not its present caption.
void fitCaption(QLabel& label, int usableWidth = -1, const QString& widest = QString());

// One row of a window's table of controls: what it is, its object name, its caption, its place
// in twips (in its frame when `frame` names one), and how it looks.
enum class ControlKind { Label, Button, EnterButton, Frame };
enum ControlLook : unsigned {
    Plain = 0,
    Bold = 1,         // bold caption
    Centered = 2,     // caption centred
    RightAligned = 4, // caption against the right edge
    Fitted = 8,       // caption made to fit (see fitCaption)
    LightYellow = 16, // see paintLightYellow
};
struct ControlRow {
    ControlKind kind;
    const char* name;
    QString caption;
    int left, top, width, height;
    unsigned look = Plain;
    qreal points = 0;            // caption size; 0: the window's
    int captionWidth = 0;        // twips the caption may use, when a control covers the label's end
    const char* frame = nullptr; // the frame of the table it lies in
    // Where the window keeps the control built, of the type its kind gives (a frame's for a frame,
    // which the rows after it name as theirs).
    std::variant<std::monostate, QLabel**, QPushButton**, QFrame**> keep = {};
};

// Builds a window's controls from its table, in the table's order (which is the tab order), and
// hands each kept one to its window.
void addControls(QWidget* window, std::initializer_list<ControlRow> rows);

// Gives a control the light yellow background (the base of text boxes and lists, the face of
// buttons).
void paintLightYellow(QWidget& control);

// The fixed-pitch face of the QSO lists, 9 points.
QFont listFont();
