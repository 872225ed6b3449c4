#include "selection/list_note.h"

#include "platform/window_controls.h"
#include "selection/qso_list_view.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace
{

// The desktop's usual face, not the lists' fixed-pitch one.
QFont noteFont()
{
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

} // namespace

ListNote::ListNote(QsoListView& list, const char* name, const char* buttonName)
    : QWidget(list.parentWidget()), list_(list), viewport_(list.viewport()), text_(new QLabel(this)),
      button_(addEnterButton(this, buttonName, {}, {}))
{
    nameControl(*this, QString::fromLatin1(name));
    setFont(noteFont());
    text_->setObjectName(QString::fromLatin1(name) + QStringLiteral("_Texte"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    QPalette grey = text_->palette();
    grey.setColor(QPalette::WindowText, list.palette().color(QPalette::PlaceholderText));
    text_->setPalette(grey);
    paintLightYellow(*button_);
    QWidget::setTabOrder(&list, button_);
    connect(button_, &QPushButton::clicked, this, &ListNote::chosen);

    const QAbstractItemModel* lines = list.model();
    // Lines that come take any note away; any other change only the note about the lines.
    const auto linesCame = [this] {
        if (list_.model()->rowCount() > 0)
            withdraw();
    };
    const auto linesChanged = [this] {
        if (mode_ == Mode::UnderLines)
            withdraw();
    };
    connect(lines, &QAbstractItemModel::rowsInserted, this, linesCame);
    connect(lines, &QAbstractItemModel::modelReset, this, linesCame);
    connect(lines, &QAbstractItemModel::modelReset, this, linesChanged);
    connect(lines, &QAbstractItemModel::rowsRemoved, this, linesChanged);
    connect(lines, &QAbstractItemModel::dataChanged, this, linesChanged);
    connect(lines, &QAbstractItemModel::layoutChanged, this, linesChanged);
    // The list moves, its lines' place follows its size, laid out once it is shown.
    list.installEventFilter(this);
    list.viewport()->installEventFilter(this);
    QWidget::hide();
}

void ListNote::showOverEmptyList(const QString& text, const QString& caption)
{
    show(Mode::OverEmptyList, text, caption);
}

void ListNote::showUnderLines(const QString& caption)
{
    show(Mode::UnderLines, {}, caption);
}

void ListNote::withdraw()
{
    show(Mode::None, {}, {});
}

QString ListNote::text() const
{
    return mode_ == Mode::None ? QString() : text_->text();
}

QString ListNote::caption() const
{
    return mode_ == Mode::None ? QString() : button_->text();
}

void ListNote::show(Mode mode, const QString& text, const QString& caption)
{
    mode_ = mode;
    text_->setText(text);
    nameControl(*text_, text_->objectName(), text);
    text_->setVisible(!text.isEmpty());
    button_->setText(caption);
    nameControl(*button_, button_->objectName(), caption);
    button_->setVisible(!caption.isEmpty());
    follow();
}

bool ListNote::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Move && watched == &list_) ||
        (event->type() == QEvent::Resize && watched == viewport_))
        follow();
    return QWidget::eventFilter(watched, event);
}

void ListNote::follow()
{
    const int margin = list_.fontMetrics().height() / 2;
    // Some room around the caption, as the window's own buttons have.
    button_->resize(button_->sizeHint() + QSize(2 * margin, margin));
    const int band = mode_ == Mode::UnderLines ? button_->height() + margin : 0;
    list_.setBottomBand(band);
    if (mode_ == Mode::None) {
        hide();
        return;
    }
    const QRect lines = list_.viewport()->geometry().translated(list_.pos());
    if (mode_ == Mode::UnderLines) {
        // The band between the lines and the list's frame, painted as the list is.
        setGeometry(lines.left(), lines.bottom() + 1, lines.width(), band);
        setAutoFillBackground(true);
        QPalette base = palette();
        base.setColor(QPalette::Window, list_.palette().color(QPalette::Base));
        setPalette(base);
        button_->move((width() - button_->width()) / 2, (band - button_->height()) / 2);
    } else {
        setGeometry(lines);
        setAutoFillBackground(false);
        const QRect area = rect().adjusted(margin, margin, -margin, -margin);
        const int textHeight = text_->isHidden() ? 0 : text_->heightForWidth(area.width());
        const int below = button_->isHidden() ? 0 : margin + button_->height();
        const int top = area.top() + qMax(0, (area.height() - textHeight - below) / 2);
        text_->setGeometry(area.left(), top, area.width(), textHeight);
        button_->move(area.center().x() - button_->width() / 2, top + textHeight + margin);
    }
    raise();
    QWidget::show();
}
