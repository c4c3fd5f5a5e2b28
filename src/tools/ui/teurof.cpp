#include "tools/ui/teurof.h"

#include "print/ui/windowparts.h"
#include "tools/ui/toolui.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

TEurof::TEurof(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Eurof"));
    setWindowTitle(QStringLiteral("Euro convertisseur"));
    auto *layout = new QVBoxLayout(this);
    m_typed = ToolUi::displayLine(this, QStringLiteral("Label1"));
    m_result = ToolUi::displayLine(this, QStringLiteral("Label2"));
    layout->addWidget(m_typed);
    layout->addWidget(m_result);

    auto *keys = new QGridLayout;
    for (int d = 0; d <= 9; ++d) {
        QPushButton *b = WindowParts::button(this, QString::number(d), QStringLiteral("Button%1").arg(d));
        const QChar c(u'0' + d);
        connect(b, &QPushButton::clicked, this, [this, c] {
            m_converter.button(c);
            refresh();
        });
        if (d == 0)
            keys->addWidget(b, 3, 0);
        else
            keys->addWidget(b, 2 - (d - 1) / 3, (d - 1) % 3);
    }
    QPushButton *comma = WindowParts::button(this, QStringLiteral(","), QStringLiteral("Button12"));
    connect(comma, &QPushButton::clicked, this, [this] {
        m_converter.button(QLatin1Char(','));
        refresh();
    });
    keys->addWidget(comma, 3, 1);
    m_equals = WindowParts::button(this, QStringLiteral("="), QStringLiteral("Button11"));
    connect(m_equals, &QPushButton::clicked, this, [this] { FormKeyPress(QChar(13)); });
    keys->addWidget(m_equals, 3, 2);
    QPushButton *close = WindowParts::button(this, QStringLiteral("Fermer"), QStringLiteral("Button10"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    keys->addWidget(close, 4, 0, 1, 3);
    layout->addLayout(keys);

    auto *direction = new QGroupBox(this);
    direction->setObjectName(QStringLiteral("RadioGroup1"));
    auto *directionRow = new QHBoxLayout(direction);
    m_toEuros = new QRadioButton(QStringLiteral("Fr>Euro"), direction);
    m_toEuros->setObjectName(QStringLiteral("RadioButton1"));
    m_toFrancs = new QRadioButton(QStringLiteral("Euro>Fr"), direction);
    m_toFrancs->setObjectName(QStringLiteral("RadioButton2"));
    m_toEuros->setChecked(true);
    directionRow->addWidget(m_toEuros);
    directionRow->addWidget(m_toFrancs);
    connect(m_toFrancs, &QRadioButton::toggled, this, [this](bool on) { m_converter.euroToFranc = on; });
    layout->addWidget(direction);

    auto *rateRow = new QHBoxLayout;
    m_rate = new QLineEdit(this);
    m_rate->setObjectName(QStringLiteral("Edit3"));
    m_rate->setReadOnly(true);
    m_rate->setFocusPolicy(Qt::NoFocus);
    auto *up = new QToolButton(this);
    up->setObjectName(QStringLiteral("SpinButton1Up"));
    up->setArrowType(Qt::UpArrow);
    up->setFocusPolicy(Qt::NoFocus);
    auto *down = new QToolButton(this);
    down->setObjectName(QStringLiteral("SpinButton1Down"));
    down->setArrowType(Qt::DownArrow);
    down->setFocusPolicy(Qt::NoFocus);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    connect(up, &QToolButton::clicked, this, &TEurof::SpinButton1UpClick);
    connect(down, &QToolButton::clicked, this, &TEurof::SpinButton1DownClick);
    rateRow->addWidget(m_rate, 1);
    rateRow->addWidget(up);
    rateRow->addWidget(down);
    layout->addLayout(rateRow);

    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_equals), static_cast<QWidget *>(close)})
        w->installEventFilter(this);
    refresh();
}

void TEurof::refresh()
{
    m_typed->setText(m_converter.typed);
    m_result->setText(m_converter.result);
    m_rate->setText(m_converter.rateText());
}

void TEurof::FormKeyPress(QChar key)
{
    if (!m_converter.key(key)) {
        accept();
        return;
    }
    refresh();
}

void TEurof::SpinButton1UpClick()
{
    m_converter.rateUp();
    refresh();
}

void TEurof::SpinButton1DownClick()
{
    m_converter.rateDown();
    refresh();
}

bool TEurof::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QChar key = ToolUi::keyChar(static_cast<QKeyEvent *>(event));
        if (!key.isNull()) {
            FormKeyPress(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEurof::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_converter.shown = false;
    m_equals->setFocus(Qt::OtherFocusReason);
}
