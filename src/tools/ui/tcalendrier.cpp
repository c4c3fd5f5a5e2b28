#include "tools/ui/tcalendrier.h"

#include "core/clock.h"
#include "print/ui/windowparts.h"
#include "tools/calendarmath.h"
#include "tools/ui/toolui.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TCalendrier::TCalendrier(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Calendrier"));
    setWindowTitle(QStringLiteral("Calendrier"));
    auto *layout = new QVBoxLayout(this);

    QFrame *top = WindowParts::panel(this, QStringLiteral("Panel1"));
    ToolUi::paint(top, ToolUi::teal(), Qt::red);
    auto *row = new QHBoxLayout(top);
    m_title = new QLabel(top);
    m_title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    auto *previous = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("Mois"), top);
    previous->setObjectName(QStringLiteral("BitBtn1"));
    auto *next = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Mois"), top);
    next->setObjectName(QStringLiteral("BitBtn2"));
    QPushButton *close = WindowParts::button(top, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    row->addWidget(m_title, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(close);
    layout->addWidget(top);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    QPalette calendarPalette = m_calendar->palette();
    calendarPalette.setColor(QPalette::Base, QColor(0, 255, 0));
    m_calendar->setPalette(calendarPalette);
    m_calendar->setSelectedDate(Clock::today());
    layout->addWidget(m_calendar, 1);

    connect(previous, &QPushButton::clicked, this, &TCalendrier::BitBtn1Click);
    connect(next, &QPushButton::clicked, this, &TCalendrier::BitBtn2Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TCalendrier::Calendar1Change);
    for (QWidget *w : {static_cast<QWidget *>(m_calendar), static_cast<QWidget *>(previous),
                       static_cast<QWidget *>(next), static_cast<QWidget *>(close)})
        w->installEventFilter(this);
    // The grid inside the calendar takes the keys first.
    for (QAbstractItemView *view : m_calendar->findChildren<QAbstractItemView *>())
        view->installEventFilter(this);
    Calendar1Change();
}

void TCalendrier::Calendar1Change()
{
    const QDate d = m_calendar->selectedDate();
    m_title->setText(CalendarMath::title(d));
    m_calendar->setCurrentPage(d.year(), d.month());
}

void TCalendrier::BitBtn1Click()
{
    m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(-1));
}

void TCalendrier::BitBtn2Click()
{
    m_calendar->setSelectedDate(m_calendar->selectedDate().addMonths(1));
}

bool TCalendrier::eventFilter(QObject *watched, QEvent *event)
{
    if (const int step = WindowParts::pageStep(event)) {
        step > 0 ? BitBtn2Click() : BitBtn1Click();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
