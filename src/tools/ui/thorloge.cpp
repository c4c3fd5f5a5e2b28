#include "tools/ui/thorloge.h"

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "print/ui/windowparts.h"
#include "tools/ui/toolui.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using ClockSetting::Part;

namespace {

QLabel *framedBox(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(2);
    ToolUi::paint(label, Qt::white, Qt::black);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(24);
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

THorloge::THorloge(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Horloge"));
    setWindowTitle(QStringLiteral("Horloge"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    ToolUi::paint(panel, Qt::black, Qt::white);
    outer->addWidget(panel);
    auto *layout = new QVBoxLayout(panel);

    m_time = framedBox(panel, QStringLiteral("Label1"));
    m_date = framedBox(panel, QStringLiteral("Label2"));
    layout->addWidget(m_time);
    auto *line = new QFrame(panel);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: white"));
    layout->addWidget(line);
    layout->addWidget(m_date);

    auto *controls = new QHBoxLayout;
    auto *brand = new QLabel(QStringLiteral("ORB"), panel);
    brand->setObjectName(QStringLiteral("Label3"));
    brand->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    controls->addWidget(brand, 0, Qt::AlignBottom);
    auto *parts = new QGroupBox(panel);
    parts->setObjectName(QStringLiteral("RadioGroup1"));
    auto *partRow = new QHBoxLayout(parts);
    const char *const captions[] = {"Hr", "Mn", "Jo", "Mo", "An"};
    for (int i = 0; i < 5; ++i) {
        m_parts[i] = new QRadioButton(QString::fromLatin1(captions[i]), parts);
        m_parts[i]->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        partRow->addWidget(m_parts[i]);
    }
    m_parts[0]->setChecked(true);
    controls->addWidget(parts, 1);
    auto *up = new QToolButton(panel);
    up->setObjectName(QStringLiteral("SpinButton1Up"));
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(panel);
    down->setObjectName(QStringLiteral("SpinButton1Down"));
    down->setArrowType(Qt::DownArrow);
    auto *spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up);
    spin->addWidget(down);
    controls->addLayout(spin);
    m_set = WindowParts::button(panel, QStringLiteral("Set"), QStringLiteral("Button2"));
    m_set->setCheckable(true);
    QPushButton *close = WindowParts::button(panel, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    controls->addWidget(m_set);
    controls->addWidget(close);
    layout->addLayout(controls);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &THorloge::Timer1Timer);
    connect(up, &QToolButton::clicked, this, &THorloge::SpinButton1UpClick);
    connect(down, &QToolButton::clicked, this, &THorloge::SpinButton1DownClick);
    connect(m_set, &QPushButton::clicked, this, &THorloge::Button2Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    Timer1Timer();
}

void THorloge::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_setting = false;
    m_set->setChecked(false);
    Timer1Timer();
    m_timer->start();
}

void THorloge::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

void THorloge::Timer1Timer()
{
    const QDateTime now = Clock::now();
    m_time->setText(Formats::time(now.time()));
    m_date->setText(Formats::date(now.date()));
}

Part THorloge::part() const
{
    for (int i = 0; i < 5; ++i)
        if (m_parts[i]->isChecked())
            return Part(i);
    return Part::Hour;
}

void THorloge::stepShown(int delta)
{
    // The shown values move only while they stand still for setting.
    if (!m_setting)
        return;
    QString time = m_time->text();
    QString date = m_date->text();
    ClockSetting::step(&time, &date, part(), delta);
    m_time->setText(time);
    m_date->setText(date);
}

void THorloge::SpinButton1UpClick()
{
    stepShown(1);
}

void THorloge::SpinButton1DownClick()
{
    stepShown(-1);
}

void THorloge::Button2Click()
{
    m_setting = !m_setting;
    m_set->setChecked(m_setting);
    if (m_setting) {
        m_timer->stop();
        return;
    }
    Modifie();
    Timer1Timer();
    m_timer->start();
}

void THorloge::Modifie()
{
    QDateTime local;
    if (!ClockSetting::moment(m_time->text(), m_date->text(), &local)) {
        Dialogs::current().error(ClockSetting::invalidText());
        return;
    }
    if (!Dialogs::current().okCancel(ClockSetting::confirmText(local)))
        return;
    QString error;
    if (!SystemClock::current().setLocalTime(local, &error))
        Dialogs::current().error(error);
}
