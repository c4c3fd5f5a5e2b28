#include "tools/ui/tpocket.h"

#include "core/dialogs.h"
#include "print/ui/windowparts.h"
#include "tools/ui/toolui.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Key
{
    char key;
    const char *caption;
    int component;
    int row, column;
};

constexpr Key kKeys[] = {
    {'7', "7", 7, 0, 0},  {'8', "8", 8, 0, 1},   {'9', "9", 9, 0, 2},   {'/', "/", 15, 0, 3}, {'C', "C", 18, 0, 4},
    {'4', "4", 4, 1, 0},  {'5', "5", 5, 1, 1},   {'6', "6", 6, 1, 2},   {'*', "*", 14, 1, 3}, {'x', "1/x", 16, 1, 4},
    {'1', "1", 1, 2, 0},  {'2', "2", 2, 2, 1},   {'3', "3", 3, 2, 2},   {'-', "-", 13, 2, 3}, {'s', "sqr", 17, 2, 4},
    {'0', "0", 0, 3, 0},  {',', ",", 10, 3, 1},  {'=', "=", 11, 3, 2},  {'+', "+", 12, 3, 3},
};

} // namespace

TPocket::TPocket(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Pocket"));
    setWindowTitle(QStringLiteral("Calculatrice"));
    auto *layout = new QVBoxLayout(this);
    m_display = ToolUi::displayLine(this, QStringLiteral("Label1"));
    layout->addWidget(m_display);
    auto *keys = new QGridLayout;
    for (const Key &k : kKeys) {
        QPushButton *b = WindowParts::button(this, QString::fromLatin1(k.caption), QStringLiteral("Button%1").arg(k.component));
        const QChar key = QLatin1Char(k.key);
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        b->installEventFilter(this);
        keys->addWidget(b, k.row, k.column);
        m_buttons.insert(key, b);
    }
    QPushButton *close = WindowParts::button(this, QStringLiteral("Fermer"), QStringLiteral("Button19"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->installEventFilter(this);
    keys->addWidget(close, 3, 4);
    layout->addLayout(keys);
    installEventFilter(this);
    FormActivate();
}

void TPocket::FormActivate()
{
    m_calc.clear();
    m_display->clear();
    if (QPushButton *equals = m_buttons.value(QLatin1Char('=')))
        equals->setFocus(Qt::OtherFocusReason);
}

void TPocket::press(QChar key)
{
    if (key == QLatin1Char('C')) {
        FormActivate();
        return;
    }
    const QString failure = m_calc.press(key);
    m_display->setText(m_calc.display);
    if (!failure.isEmpty())
        Dialogs::current().error(failure);
}

bool TPocket::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QChar c = ToolUi::keyChar(static_cast<QKeyEvent *>(event));
        if (c.unicode() == 27) {
            accept();
            return true;
        }
        // Enter works the button that has the focus at opening, "=".
        const QChar button = c.unicode() == 13 ? QChar(u'=') : PocketCalculator::buttonOfKey(c);
        if (!button.isNull()) {
            press(button);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPocket::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}
