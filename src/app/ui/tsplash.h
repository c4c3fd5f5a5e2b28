#pragma once
// The window shown while the program starts: borderless, yellow, centred.

#include <QWidget>

class TSplash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 318;
    static constexpr int kHeight = 221;

    explicit TSplash(QWidget *parent = nullptr);

    // Shows the window and paints it at once: the frame takes a moment to build
    // and the message loop does not run before it is done.
    void showNow();
};
