#include "UpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
constexpr int kFirstRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;
} // namespace

TUpDown::TUpDown(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &TUpDown::Repeat);
}

void TUpDown::SetRange(int minimum, int maximum)
{
    min_ = minimum;
    max_ = qMax(minimum, maximum);
    SetPosition(position_);
}

void TUpDown::SetPosition(int position)
{
    position_ = qBound(min_, position, max_);
}

void TUpDown::StepBy(int direction)
{
    if (direction == 0)
        return;
    if (OnChanging && !OnChanging())
        return;
    int next = position_ + (direction > 0 ? 1 : -1);
    if (next > max_)
        next = min_;
    else if (next < min_)
        next = max_;
    position_ = next;
    if (OnClick)
        OnClick(direction > 0);
}

void TUpDown::ReleaseCapture()
{
    pressed_ = 0;
    repeat_.stop();
    if (mouseGrabber() == this)
        releaseMouse();
    update();
}

void TUpDown::Repeat()
{
    if (pressed_ == 0) {
        repeat_.stop();
        return;
    }
    repeat_.setInterval(kRepeatIntervalMs);
    StepBy(pressed_);
}

void TUpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (OnMouseDown)
        OnMouseDown();
    pressed_ = event->position().y() < height() / 2.0 ? 1 : -1;
    update();
    StepBy(pressed_);
    // A question box shown by the step may have ended the press already.
    if (pressed_ != 0)
        repeat_.start(kFirstRepeatDelayMs);
}

void TUpDown::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        ReleaseCapture();
    else
        QWidget::mouseReleaseEvent(event);
}

void TUpDown::hideEvent(QHideEvent *event)
{
    ReleaseCapture();
    QWidget::hideEvent(event);
}

void TUpDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool down = (i == 0 && pressed_ > 0) || (i == 1 && pressed_ < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
                               &painter, this);
    }
}
