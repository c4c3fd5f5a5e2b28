#include "store/ui/recordpage.h"

#include "core/cp1252.h"
#include "core/cp1252validator.h"
#include "store/ui/tfiche.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

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

void RecordPage::markEdited(bool storeModified)
{
    if (m_filling)
        return;
    state().edited = true;
    if (storeModified)
        store().StoreModified = true;
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
            connect(memo, &QPlainTextEdit::textChanged, memo, [memo] {
                const QString text = memo->toPlainText();
                if (Cp1252::canEncode(text))
                    return;
                QString kept;
                for (QChar c : text)
                    if (Cp1252::canEncode(c) || c == QChar::ParagraphSeparator)
                        kept += c;
                memo->setPlainText(kept);
                memo->moveCursor(QTextCursor::End);
            });
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
