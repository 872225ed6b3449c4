#include "selection/qso_list_view.h"

#include "platform/window_controls.h"
#include "selection/qso_list_model.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
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

// The desktop's usual face, not the lists' fixed-pitch one.
QFont hintFont()
{
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

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

void QsoListView::setModel(QAbstractItemModel* lines)
{
    QListView::setModel(lines);
    if (!lines)
        return;
    // Lines that come take the hint away; lines that leave may uncover it.
    const auto rowsChanged = [this] {
        if (hasLines())
            setEmptyHint({});
        else
            placeHintAction();
    };
    connect(lines, &QAbstractItemModel::rowsInserted, this, rowsChanged);
    connect(lines, &QAbstractItemModel::modelReset, this, rowsChanged);
    connect(lines, &QAbstractItemModel::rowsRemoved, this, &QsoListView::placeHintAction);
}

void QsoListView::setEmptyHint(const QString& text, const char* actionName, const QString& actionCaption)
{
    emptyHint_ = text;
    actionOffered_ = !actionCaption.isEmpty();
    if (actionOffered_) {
        if (!hintAction_) {
            hintAction_ = addEnterButton(viewport(), actionName, actionCaption, {});
            hintAction_->setFont(hintFont());
            paintLightYellow(*hintAction_);
            setTabOrder(this, hintAction_);
            connect(hintAction_, &QPushButton::clicked, this, &QsoListView::hintActionChosen);
        }
        hintAction_->setText(actionCaption);
        nameControl(*hintAction_, QString::fromLatin1(actionName), actionCaption);
    }
    placeHintAction();
    viewport()->update();
}

bool QsoListView::hasLines() const
{
    return model() && model()->rowCount(rootIndex()) > 0;
}

bool QsoListView::showsHint() const
{
    return !emptyHint_.isEmpty() && !hasLines();
}

QRect QsoListView::hintTextPlace() const
{
    const int margin = fontMetrics().height() / 2;
    const QRect area = viewport()->rect().adjusted(margin, margin, -margin, -margin);
    if (!hintAction_ || hintAction_->isHidden())
        return area;
    const int textHeight =
        QFontMetrics(hintFont()).boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, emptyHint_).height();
    const int top = area.top() + qMax(0, (area.height() - textHeight - margin - hintAction_->height()) / 2);
    return {area.left(), top, area.width(), textHeight};
}

void QsoListView::placeHintAction()
{
    if (!hintAction_)
        return;
    hintAction_->setVisible(actionOffered_ && showsHint());
    // Some room around the caption, as the window's own buttons have.
    hintAction_->resize(hintAction_->sizeHint() + QSize(fontMetrics().height(), fontMetrics().height() / 2));
    const QRect text = hintTextPlace();
    const int margin = fontMetrics().height() / 2;
    hintAction_->move(text.center().x() - hintAction_->width() / 2, text.bottom() + 1 + margin);
}

void QsoListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    placeHintAction();
}

void QsoListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (!showsHint())
        return;
    QPainter painter(viewport());
    painter.setFont(hintFont());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(hintTextPlace(), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, emptyHint_);
}
