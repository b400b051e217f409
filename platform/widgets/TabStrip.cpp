#include "platform/widgets/TabStrip.h"

#include "platform/core/Measures.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"

#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace platform {

namespace {

int MouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int MouseShiftNumber(Qt::KeyboardModifiers mods) {
    return ((mods & Qt::ShiftModifier) ? 1 : 0) | ((mods & Qt::ControlModifier) ? 2 : 0) |
           ((mods & Qt::AltModifier) ? 4 : 0);
}

} // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setObjectName(QStringLiteral("tabBar"));
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->installEventFilter(this);
    connect(bar_, &QTabBar::currentChanged, this, &TabStrip::onBarChanged);
}

int TabStrip::tabs() const {
    return bar_->count();
}

void TabStrip::setTabs(int count) {
    if (count < 1)
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
    while (bar_->count() > count)
        bar_->removeTab(bar_->count() - 1);
    while (bar_->count() < count)
        bar_->addTab(QStringLiteral("Tab %1").arg(bar_->count()));
    layoutBar();
}

void TabStrip::checkIndex(int index) const {
    if (index < 0 || index >= bar_->count())
        throw RuntimeError(ErrInvalidPropertyValue, QStringLiteral("Invalid property value"));
}

void TabStrip::setTab(int index) {
    checkIndex(index);
    if (index == tab_)
        return;
    const int previous = tab_;
    tab_ = index;
    settingTab_ = true;
    bar_->setCurrentIndex(index); // may stay where it is for a hidden tab
    settingTab_ = false;
    emit Click(previous);
}

void TabStrip::onBarChanged(int index) {
    // The user's choice, or the bar moving off a tab that was hidden.
    if (settingTab_ || index < 0 || index == tab_)
        return;
    const int previous = tab_;
    tab_ = index;
    RunGuarded([&] { emit Click(previous); });
}

bool TabStrip::tabVisible(int index) const {
    checkIndex(index);
    return bar_->isTabVisible(index);
}

void TabStrip::setTabVisible(int index, bool visible) {
    checkIndex(index);
    bar_->setTabVisible(index, visible);
    layoutBar();
}

QString TabStrip::tabCaption(int index) const {
    checkIndex(index);
    return bar_->tabText(index);
}

void TabStrip::setTabCaption(int index, const QString& caption) {
    checkIndex(index);
    bar_->setTabText(index, caption);
    layoutBar();
}

int TabStrip::tabHeight() const {
    return PixelsToTwips(bar_->sizeHint().height());
}

bool TabStrip::eventFilter(QObject* watched, QEvent* event) {
    // The wheel is the window's (it scrolls the shown grid), not a tab switch.
    if (watched == bar_ && event->type() == QEvent::Wheel) {
        event->ignore(); // on to the parents
        return true;
    }
    if (watched == bar_ && event->type() == QEvent::MouseButtonPress && bar_->isEnabled()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        raiseMouseDown(*mouse, bar_->mapTo(this, mouse->position().toPoint()));
    }
    return QWidget::eventFilter(watched, event);
}

void TabStrip::raiseMouseDown(const QMouseEvent& mouse, const QPoint& pos) {
    RunGuarded([&] {
        emit MouseDown(MouseButtonNumber(mouse.button()), MouseShiftNumber(mouse.modifiers()),
                       PixelsToTwips(pos.x()), PixelsToTwips(pos.y()));
    });
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    event->accept();
    raiseMouseDown(*event, event->position().toPoint());
}

// The second press of a double click is no MouseDown of its own.
void TabStrip::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void TabStrip::layoutBar() {
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
    update();
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBar();
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = bar_->height() - 1;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.tabBarSize = bar_->size();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace platform
