// TUpDown: a pair of arrow buttons that steps a position inside a range,
// wrapping around at the ends. A press steps at once and, while held,
// repeats after a short delay. Each step first asks OnChanging (which may
// refuse it), then moves the position and reports OnClick.
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget *parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Sets the position (clamped to the range) without asking or reporting.
    void SetPosition(int position);

    // One step as a click on an arrow does: +1 up, -1 down.
    void StepBy(int direction);
    // Ends a press: the held arrow no longer repeats until pressed again.
    void ReleaseCapture();
    bool IsRepeating() const { return pressed_ != 0; }

    std::function<bool()> OnChanging;       // false refuses the step
    std::function<void(bool up)> OnClick;   // after the position moved
    std::function<void()> OnMouseDown;      // before a press steps

    QSize sizeHint() const override { return QSize(16, 21); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Repeat();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pressed_ = 0; // arrow held: +1 up, -1 down, 0 none
    QTimer repeat_;
};
