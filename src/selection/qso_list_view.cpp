#include "selection/qso_list_view.h"

#include "platform/window_controls.h"
#include "selection/qso_list_model.h"

#include <QMouseEvent>
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

void QsoListView::setBottomBand(int height)
{
    if (viewportMargins().bottom() != height)
        setViewportMargins(0, 0, 0, height);
}
