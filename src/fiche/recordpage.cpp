#include "fiche/recordpage.h"

#include "core/cp1252.h"
#include "core/cp1252validator.h"
#include "fiche/datedgrid.h"
#include "fiche/tfiche.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace PageText {

QString oneLine(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return out;
}

QStringList oneLine(QStringList lines)
{
    for (QString &line : lines)
        line = oneLine(line);
    return lines;
}

QString oneCell(const QString &text)
{
    QString out = oneLine(text);
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return out;
}

QStringList memoLines(const QPlainTextEdit *memo)
{
    QStringList out;
    if (memo->document()->isEmpty())
        return out;
    // Block by block rather than toPlainText(), which would turn a stored
    // non-breaking space into a plain one.
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        QString text = b.text();
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        out.append(text.split(QLatin1Char('\n')));
    }
    return out;
}

QString memoText(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

} // namespace PageText

namespace {

// What a memo may hold: Windows-1252, and the line separator that the memo
// lines turn into a line break.
bool memoKeeps(QChar c)
{
    return Cp1252::canEncode(c) || c == QChar::LineSeparator;
}

// Takes out what Windows-1252 cannot hold, in place: the rest of the text,
// its non-breaking spaces included, and the caret stay as they were, and
// undoing the typing or pasting takes the removal back with it.
void keepCp1252(QPlainTextEdit *memo)
{
    if (Cp1252::canEncode(memo->toPlainText()))
        return;
    QTextCursor cursor(memo->document());
    cursor.joinPreviousEditBlock();
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        // From the end, so that each removal leaves the positions before it.
        for (int end = int(text.size()); end > 0;) {
            if (memoKeeps(text[end - 1])) {
                --end;
                continue;
            }
            int start = end - 1;
            while (start > 0 && !memoKeeps(text[start - 1]))
                --start;
            cursor.setPosition(b.position() + start);
            cursor.setPosition(b.position() + end, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            end = start;
        }
    }
    cursor.endEditBlock();
}

} // namespace

RecordPage::RecordPage(TFiche *fiche, Kind kind, const QString &objectName)
    : QWidget(nullptr), m_fiche(fiche), m_kind(kind)
{
    setObjectName(objectName);
}

RecordStore &RecordPage::store() const
{
    return m_fiche->store();
}

KindState &RecordPage::state() const
{
    return store().state(m_kind);
}

void RecordPage::markEdited()
{
    if (!m_filling && !store().isReadOnly())
        store().markEdited(m_kind);
}

void RecordPage::setReadOnly(bool readOnly)
{
    for (QWidget *w : findChildren<QWidget *>()) {
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setReadOnly(readOnly);
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            memo->setReadOnly(readOnly);
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            spin->setReadOnly(readOnly);
        else if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w))
            w->setEnabled(!readOnly);
        else if (auto *grid = qobject_cast<QAbstractItemView *>(w)) {
            // The grid's own triggers come back with the store's writing.
            const char *kTriggers = "velmoraEditTriggers";
            if (readOnly && !grid->property(kTriggers).isValid()) {
                grid->setProperty(kTriggers, int(grid->editTriggers()));
                grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
            } else if (!readOnly && grid->property(kTriggers).isValid()) {
                grid->setEditTriggers(QAbstractItemView::EditTriggers(grid->property(kTriggers).toInt()));
                grid->setProperty(kTriggers, QVariant());
            }
        }
    }
}

void RecordPage::setNotes(QPlainTextEdit *memo, DatedGrid *grid)
{
    m_notesMemo = memo;
    m_notesGrid = grid;
    // Tab leaves the remarks for the next field: a keyboard user could not
    // get out of them otherwise.
    memo->setTabChangesFocus(true);
    connect(memo, &QPlainTextEdit::textChanged, this, [this] { markEdited(); });
    connect(grid, &DatedGrid::edited, this, [this] { markEdited(); });
}

void RecordPage::clearNotes()
{
    m_notesMemo->clear();
    m_notesGrid->clearRows();
}

void RecordPage::fillNotes(const BlockData &data)
{
    m_notesMemo->setPlainText(PageText::memoText(data.memo));
    m_notesGrid->setRows(data.rows);
}

void RecordPage::collectNotes(BlockData &data) const
{
    data.memo = PageText::memoLines(m_notesMemo);
    data.rows = m_notesGrid->rows();
}

void RecordPage::finishSetup()
{
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *w : children) {
        w->installEventFilter(this);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (edit->inputMask().isEmpty() && !edit->validator())
                edit->setValidator(new Cp1252Validator(edit));
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            connect(memo, &QPlainTextEdit::textChanged, memo, [memo] { keepCp1252(memo); });
        }
    }
}

bool RecordPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        switch (key->key()) {
        case Qt::Key_PageDown:
            m_fiche->Suivant();
            return true;
        case Qt::Key_PageUp:
            m_fiche->Precedent();
            return true;
        case Qt::Key_Home:
            if (mods == Qt::ControlModifier) {
                m_fiche->Premier();
                return true;
            }
            break;
        case Qt::Key_End:
            if (mods == Qt::ControlModifier) {
                m_fiche->Dernier();
                return true;
            }
            break;
        case Qt::Key_F2:
            m_fiche->listKey();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
