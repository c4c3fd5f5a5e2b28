#include "tools/messagebook.h"

#include "core/cp1252.h"
#include "core/textfile.h"
#include "store/recordstore.h"
#include "tools/textclean.h"

#include <algorithm>

namespace {

QByteArrayView trimSpaces(QByteArrayView v)
{
    while (!v.isEmpty() && v.front() == ' ')
        v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ')
        v.chop(1);
    return v;
}

} // namespace

int Message::maxLength(int field)
{
    static const int lengths[kFields] = {30, 30, 30, 20, 10, 10, 50};
    return field >= 0 && field < kFields ? lengths[field] : 0;
}

Message Message::parse(QByteArrayView line)
{
    Message m;
    QByteArrayView rest = line;
    for (int f = 0; f < kFields; ++f) {
        const qsizetype tab = rest.indexOf('\t');
        if (tab < 0)
            return m;
        m.fields[size_t(f)] = Cp1252::decode(rest.first(tab));
        rest = trimSpaces(rest.sliced(tab + 1));
    }
    for (int i = 0; i < kFlags && i < rest.size(); ++i)
        m.flags[size_t(i)] = rest[i] == 'T';
    return m;
}

QString Message::line() const
{
    QString text;
    for (const QString &field : fields)
        text += TextClean::oneLine(field) + QLatin1Char('\t');
    for (bool flag : flags)
        text += flag ? QLatin1Char('T') : QLatin1Char('F');
    return text;
}

MessageBook::MessageBook()
{
    m_lines.append(Message().line());
}

QString MessageBook::fileName(const QString &memberFile)
{
    return RecordStore::withExtension(memberFile, QStringLiteral("oms"));
}

bool MessageBook::Charge(const QString &path, QString *error)
{
    if (!TextFile::exists(path))
        return true;
    RecordList loaded;
    if (!loaded.load(path, error))
        return false;
    m_lines = std::move(loaded);
    moveTo(std::max(0, m_lines.size() - 1));
    return true;
}

bool MessageBook::Sauve(const QString &path, const Message &shown, QString *error)
{
    EcritFiche(shown);
    if (path.isEmpty())
        return true;
    return m_lines.save(path, error);
}

Message MessageBook::current() const
{
    return m_index < m_lines.size() ? Message::parse(m_lines.view(m_index)) : Message();
}

void MessageBook::EcritFiche(const Message &shown)
{
    if (!m_edited)
        return;
    if (m_index < m_lines.size())
        m_lines.replace(m_index, shown.line());
    else
        m_lines.append(shown.line());
    m_edited = false;
}

void MessageBook::moveTo(int index)
{
    m_index = std::clamp(index, 0, std::max(0, m_lines.size() - 1));
    m_edited = false;
}

void MessageBook::previous(const Message &shown)
{
    EcritFiche(shown);
    moveTo(m_index - 1);
}

void MessageBook::next(const Message &shown)
{
    EcritFiche(shown);
    moveTo(m_index + 1);
}

void MessageBook::add(const Message &shown)
{
    EcritFiche(shown);
    m_lines.append(Message().line());
    moveTo(m_lines.size() - 1);
}

void MessageBook::remove(const Message &shown)
{
    EcritFiche(shown);
    if (m_index < m_lines.size())
        m_lines.removeAt(m_index);
    moveTo(m_index);
}
