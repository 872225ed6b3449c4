#include "selection/qso_list_view.h"

#include "platform/window_controls.h"
#include "selection/qso_list_model.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace
{

// Every line has the height of the font and the width of the longest line held, so that the
// view lays out tens of thousands of lines at once and scrolls sideways to the QSL manager.
class QsoLineDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const auto* model = qobject_cast<const QsoListModel*>(index.model())) {
            // Advances of a fixed-pitch face are fractional: measure the whole run, not one digit.
            const int widest = option.fontMetrics.horizontalAdvance(QString(model->widestLine() + 1, QLatin1Char('0')));
            size.setWidth(qMax(size.width(), widest));
        }
        return size;
    }
};

} // namespace

QsoListView::QsoListView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFont(listFont());
    paintLightYellow(*this);
    setItemDelegate(new QsoLineDelegate(this));
}

void QsoListView::leaveGapAt(int row)
{
    settling_ = true;
    selectionModel()->clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    settling_ = false;
    gapRow_ = row;
}

void QsoListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListView::selectionChanged(selected, deselected);
    if (settling_ || selected.isEmpty())
        return;
    const QModelIndexList rows = selected.indexes();
    if (rows.isEmpty())
        return;
    const int row = rows.first().row();
    // Nothing stays selected or current while the line leaves, so the view does not move the
    // selection onto the next line (which would hand that one over too).
    leaveGapAt(row);
    emit lineChosen(row);
}

QModelIndex QsoListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (!currentIndex().isValid() && gapRow_ >= 0 && model()) {
        const int rows = model()->rowCount(rootIndex());
        if (cursorAction == MoveDown)
            return gapRow_ < rows ? model()->index(gapRow_, 0, rootIndex()) : QModelIndex();
        if (cursorAction == MoveUp)
            return gapRow_ > 0 && gapRow_ <= rows ? model()->index(gapRow_ - 1, 0, rootIndex()) : QModelIndex();
    }
    gapRow_ = -1;
    return QListView::moveCursor(cursorAction, modifiers);
}

void QsoListView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListView::mouseMoveEvent(event);
}

void QsoListView::setEmptyHint(const QString& text)
{
    emptyHint_ = text;
    viewport()->update();
}

void QsoListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (emptyHint_.isEmpty() || (model() && model()->rowCount(rootIndex()) > 0))
        return;
    QPainter painter(viewport());
    // The desktop's usual face, not the lists' fixed-pitch one.
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height() / 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, emptyHint_);
}
