#include "tools/ui/tblocnotes.h"

#include "print/printing.h"
#include "print/ui/windowparts.h"
#include "tools/notepad.h"
#include "tools/textclean.h"

#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Takes in only what the note file can hold, typed or pasted.
class NoteEdit : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->text().isEmpty() && TextClean::cp1252Only(event->text()) != event->text())
            return;
        QPlainTextEdit::keyPressEvent(event);
    }
    void insertFromMimeData(const QMimeData *source) override
    {
        if (source->hasText())
            insertPlainText(TextClean::cp1252Only(source->text()));
    }
    void inputMethodEvent(QInputMethodEvent *event) override
    {
        if (TextClean::cp1252Only(event->commitString()) != event->commitString())
            return;
        QPlainTextEdit::inputMethodEvent(event);
    }
};

} // namespace

TBlocnotes::TBlocnotes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Blocnotes"));
    setWindowTitle(QStringLiteral("Bloc-notes"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    QFrame *top = WindowParts::panel(this, QStringLiteral("Panel1"));
    top->setFixedHeight(40);
    m_print = WindowParts::button(top, QStringLiteral("Imprimer"), QStringLiteral("SpeedButton9"));
    m_print->move(8, 6);
    m_close = WindowParts::button(top, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    layout->addWidget(top);

    m_memo = new NoteEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    layout->addWidget(m_memo, 1);

    connect(m_print, &QPushButton::clicked, this, &TBlocnotes::Imprimer);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(560, 420);
}

void TBlocnotes::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // "Fermer" stays 125 pixels from the right edge.
    m_close->move(width() - 125, 6);
}

bool TBlocnotes::Charge(const QString &path, QString *error)
{
    QString text;
    if (!Notepad::load(path, &text, error))
        return false;
    m_memo->setPlainText(text);
    m_memo->document()->setModified(false);
    return true;
}

bool TBlocnotes::Sauve(const QString &path, QString *error)
{
    if (!m_memo->document()->isModified())
        return true;
    if (!Notepad::save(path, m_memo->toPlainText(), error))
        return false;
    m_memo->document()->setModified(false);
    return true;
}

void TBlocnotes::Imprimer()
{
    const QString text = m_memo->toPlainText();
    const Notepad::PrintFont font{m_memo->font().family(), std::max(1, m_memo->font().pointSize())};
    PrintService::current().print({QStringLiteral("Bloc-notes"), false},
                                  [&](Canvas &canvas) { return Notepad::draw(canvas, text, font); });
}
