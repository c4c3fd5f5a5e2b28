#pragma once
// Answers the next modal window the code under test opens: once it shows, the
// action runs on it (by default it is closed), and its title is recorded.

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class ModalWatcher
{
public:
    explicit ModalWatcher(std::function<void(QWidget *)> action = {});
    // The title of the modal window that was answered, empty if none showed.
    QString seenTitle() const { return m_title; }
    bool fired() const { return m_fired; }

private:
    void poll();
    std::function<void(QWidget *)> m_action;
    QString m_title;
    bool m_fired = false;
    QTimer m_timer;
};

// Runs `open`, which shows a modal window, while `action` works on that
// window; the window is closed after it, unless the action closed it. A window
// that never showed fails the test. The window's title.
QString whileOpen(const std::function<void()> &open, const std::function<void(QWidget *)> &action = {});
