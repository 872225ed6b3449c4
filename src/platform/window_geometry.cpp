#include "platform/window_geometry.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

WindowPlacement placeWindow(QSize size, QSize knownFrameSize, QMargins frame, QRect screen, QRect available,
                            int scrollBarExtent)
{
    const QSize room = available.size().shrunkBy(frame);
    if (size.width() <= room.width() && size.height() <= room.height())
        return {false, QRect(QPoint(screen.left() + (screen.width() - knownFrameSize.width()) / 2,
                                    screen.top() + (screen.height() - knownFrameSize.height()) / 2),
                             size)};
    // A scroll bar along one side takes room from the other: it gets it where the screen has it.
    QSize fitted = size;
    if (size.height() > room.height())
        fitted.rwidth() += scrollBarExtent;
    if (size.width() > room.width())
        fitted.rheight() += scrollBarExtent;
    fitted = fitted.boundedTo(room);
    const QPoint topLeft(available.left() + (room.width() - fitted.width()) / 2,
                         available.top() + (room.height() - fitted.height()) / 2);
    return {true, QRect(topLeft, fitted)};
}

namespace
{

// The widget holding the window's controls, taken out of the window for a scroll area.
QWidget* takeContent(QWidget& window)
{
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        return main->takeCentralWidget();
    if (QLayout* layout = window.layout()) {
        QLayoutItem* item = layout->count() == 1 ? layout->itemAt(0) : nullptr;
        QWidget* content = item ? item->widget() : nullptr;
        if (content)
            layout->removeWidget(content);
        return content;
    }
    // Controls placed one by one: they move, in their order and places, onto one widget.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    content->setFixedSize(window.size());
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        const bool hidden = widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden();
        const QRect place = widget->geometry();
        widget->setParent(content);
        widget->setGeometry(place);
        if (!hidden)
            widget->show();
    }
    return content;
}

void putInScrollArea(QWidget& window, QWidget* content)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Defilement"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        main->setCentralWidget(scroll);
        return;
    }
    QLayout* layout = window.layout();
    if (!layout) {
        layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(scroll);
}

} // namespace

void placeOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize frameSize = window.frameGeometry().size();
    const QMargins frame = frameSize != window.size()
                               ? QMargins(window.geometry().left() - window.frameGeometry().left(),
                                          window.geometry().top() - window.frameGeometry().top(),
                                          window.frameGeometry().right() - window.geometry().right(),
                                          window.frameGeometry().bottom() - window.geometry().bottom())
                               : kUsualWindowFrame;
    const WindowPlacement place =
        placeWindow(window.size(), frameSize, frame, screen->geometry(), screen->availableGeometry(),
                    window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window));
    if (!place.scrolls) {
        window.move(place.geometry.topLeft());
        return;
    }
    QWidget* content = takeContent(window);
    if (!content)
        return;
    const bool fixed = window.minimumSize() == window.maximumSize();
    // The window may now be smaller than its content, down to what the screen allows.
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    putInScrollArea(window, content);
    if (fixed)
        window.setFixedSize(place.geometry.size());
    else
        window.resize(place.geometry.size());
    window.move(place.geometry.topLeft());
}

QVBoxLayout* addWindowContent(QWidget& window)
{
    auto* windowLayout = new QVBoxLayout(&window);
    // The margins a layout has on the window itself, kept by the content's layout.
    const QMargins margins = windowLayout->contentsMargins();
    windowLayout->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget(&window);
    content->setObjectName(QStringLiteral("content"));
    windowLayout->addWidget(content);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(margins);
    return layout;
}
