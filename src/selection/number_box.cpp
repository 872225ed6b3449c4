#include "selection/number_box.h"

#include <QKeyEvent>

namespace
{

bool typesNothing(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return event.text().isEmpty();
    }
}

} // namespace

void NumberBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Backspace || typesNothing(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar typed = event->text().at(0);
    if (typed >= QLatin1Char('0') && typed <= QLatin1Char('9') && event->text().size() == 1) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyRefused();
}
