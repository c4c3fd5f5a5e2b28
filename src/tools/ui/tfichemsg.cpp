#include "tools/ui/tfichemsg.h"

#include "core/clock.h"
#include "core/cp1252validator.h"
#include "core/formats.h"
#include "print/ui/windowparts.h"
#include "tools/ui/toolui.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kFieldLabels[Message::kFields] = {"Pour", "De", "Société", "N° tél.", "Date", "Heure", "Objet"};
const char *const kFlagLabels[Message::kFlags] = {"A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT"};

// Keeps out what the book cannot hold; a TAB or line break pasted into a
// field becomes a space so that no field moves into the next.
class MessageFieldValidator : public Cp1252Validator
{
public:
    using Cp1252Validator::Cp1252Validator;
    State validate(QString &input, int &pos) const override
    {
        for (QChar &c : input)
            if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                c = QLatin1Char(' ');
        return Cp1252Validator::validate(input, pos);
    }
};

} // namespace

TFicheMsg::TFicheMsg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FicheMsg"));
    setWindowTitle(QStringLiteral("Messages"));
    auto *outer = new QHBoxLayout(this);

    auto *side = new QFrame(this);
    side->setObjectName(QStringLiteral("Panel1"));
    side->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolUi::paint(side, ToolUi::teal(), Qt::white);
    auto *sideLayout = new QVBoxLayout(side);
    auto *picture = new QLabel(QStringLiteral("☎"), side);
    picture->setObjectName(QStringLiteral("Image1"));
    ToolUi::enlarge(picture, 28, false);
    picture->setAlignment(Qt::AlignCenter);
    m_number = new QLabel(side);
    m_number->setObjectName(QStringLiteral("Label8"));
    ToolUi::enlarge(m_number, 6);
    m_number->setAlignment(Qt::AlignCenter);
    sideLayout->addWidget(picture);
    sideLayout->addStretch(1);
    sideLayout->addWidget(m_number);
    outer->addWidget(side);

    auto *main = new QVBoxLayout;
    outer->addLayout(main, 1);
    auto *form = new QGridLayout;
    for (int i = 0; i < Message::kFields; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setMaxLength(Message::maxLength(i));
        edit->setValidator(new MessageFieldValidator(edit));
        form->addWidget(new QLabel(QString::fromUtf8(kFieldLabels[i]), this), i, 0);
        form->addWidget(edit, i, 1);
        m_fields[size_t(i)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this] { m_book.markEdited(); });
        edit->installEventFilter(this);
    }
    main->addLayout(form);
    auto *ticks = new QGridLayout;
    for (int i = 0; i < Message::kFlags; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(kFlagLabels[i]), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        ticks->addWidget(box, i / 3, i % 3);
        m_flags[size_t(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_reading)
                m_book.markEdited();
        });
        box->installEventFilter(this);
    }
    main->addLayout(ticks);

    auto *buttons = new QHBoxLayout;
    const char *const captions[] = {"Fermer", "<", ">", "+", "-"};
    std::array<QPushButton *, 5> b{};
    for (int i = 0; i < 5; ++i) {
        b[size_t(i)] = WindowParts::button(this, QString::fromLatin1(captions[i]), QStringLiteral("Button%1").arg(i + 1));
        b[size_t(i)]->installEventFilter(this);
        buttons->addWidget(b[size_t(i)]);
    }
    main->addLayout(buttons);

    connect(b[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(b[1], &QPushButton::clicked, this, &TFicheMsg::Button2Click);
    connect(b[2], &QPushButton::clicked, this, &TFicheMsg::Button3Click);
    connect(b[3], &QPushButton::clicked, this, &TFicheMsg::Button4Click);
    connect(b[4], &QPushButton::clicked, this, &TFicheMsg::Button5Click);
    installEventFilter(this);
    LitFiche();
}

bool TFicheMsg::Charge(const QString &memberFile, QString *error)
{
    const bool ok = m_book.Charge(MessageBook::fileName(memberFile), error);
    LitFiche();
    return ok;
}

bool TFicheMsg::Sauve(const QString &memberFile, QString *error)
{
    return m_book.Sauve(MessageBook::fileName(memberFile), shown(), error);
}

Message TFicheMsg::shown() const
{
    Message m;
    for (int i = 0; i < Message::kFields; ++i)
        m.fields[size_t(i)] = m_fields[size_t(i)]->text();
    for (int i = 0; i < Message::kFlags; ++i)
        m.flags[size_t(i)] = m_flags[size_t(i)]->isChecked();
    return m;
}

void TFicheMsg::LitFiche()
{
    m_reading = true;
    const Message m = m_book.current();
    m_number->setText(QString::number(m_book.number()));
    for (int i = 0; i < Message::kFields; ++i)
        m_fields[size_t(i)]->setText(m.fields[size_t(i)]);
    for (int i = 0; i < Message::kFlags; ++i)
        m_flags[size_t(i)]->setChecked(m.flags[size_t(i)]);
    // Focus moved here is no leaving of a field by the user.
    m_fields[0]->setFocus(Qt::OtherFocusReason);
    m_reading = false;
}

void TFicheMsg::Button2Click()
{
    m_book.previous(shown());
    LitFiche();
}

void TFicheMsg::Button3Click()
{
    m_book.next(shown());
    LitFiche();
}

void TFicheMsg::Button4Click()
{
    m_book.add(shown());
    LitFiche();
}

void TFicheMsg::Button5Click()
{
    m_book.remove(shown());
    LitFiche();
}

void TFicheMsg::Edit5Exit()
{
    if (m_fields[4]->text().isEmpty()) {
        m_fields[4]->setText(Formats::date(Clock::today()));
        m_book.markEdited();
    }
}

void TFicheMsg::Edit6Exit()
{
    if (m_fields[5]->text().isEmpty()) {
        m_fields[5]->setText(Formats::time(Clock::time()));
        m_book.markEdited();
    }
}

bool TFicheMsg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window coming forward is no leaving of the field.
        if (m_reading || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return QDialog::eventFilter(watched, event);
        if (watched == m_fields[4])
            Edit5Exit();
        else if (watched == m_fields[5])
            Edit6Exit();
    } else if (const int step = WindowParts::pageStep(event)) {
        step > 0 ? Button3Click() : Button2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFicheMsg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_fields[0]->setFocus(Qt::OtherFocusReason);
}
