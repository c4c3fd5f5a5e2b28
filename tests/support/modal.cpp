#include "support/modal.h"

#include <QApplication>

#include <gtest/gtest.h>

ModalWatcher::ModalWatcher(std::function<void(QWidget *)> action) : m_action(std::move(action))
{
    // The timer dies with the watcher: a watcher that never fired cannot
    // answer a later test's window.
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    m_timer.stop();
    m_fired = true;
    m_title = modal->windowTitle();
    if (m_action)
        m_action(modal);
    else
        modal->close();
}

QString whileOpen(const std::function<void()> &open, const std::function<void(QWidget *)> &action)
{
    ModalWatcher watcher([action](QWidget *w) {
        if (action)
            action(w);
        if (w->isVisible())
            w->close();
    });
    open();
    EXPECT_TRUE(watcher.fired());
    return watcher.seenTitle();
}
