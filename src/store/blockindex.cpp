#include "store/blockindex.h"

#include "core/cp1252.h"
#include "core/formats.h"

namespace {

bool equalsIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = char(x - 32);
        if (y >= 'a' && y <= 'z')
            y = char(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

BlockRef::BlockRef(const RecordList *lines, int open) : m_lines(lines), m_open(open)
{
    if (open < 0 || open >= lines->size()) {
        m_open = -1;
        return;
    }
    m_number = BlockIndex::number(lines->view(open));
}

void BlockRef::scanTo(int k) const
{
    while (!m_ended && m_scanned < k) {
        const int j = m_open + 1 + m_scanned;
        if (j >= m_lines->size() || m_lines->isOpenTag(j) || m_lines->isCloseTag(j)) {
            m_ended = true;
            m_closed = j < m_lines->size() && m_lines->isCloseTag(j);
            return;
        }
        ++m_scanned;
    }
}

QString BlockRef::text(int k) const
{
    return has(k) ? m_lines->at(m_open + k) : QString();
}

BlockRef BlockIndex::find(int n) const
{
    const QByteArray tag = openTag(n).toLatin1();
    for (int i = 0; i < m_lines.size(); ++i) {
        // The tag is whole, so only a line the index marks can equal it.
        if (m_lines.isOpenTagAnyCase(i) && m_lines.length(i) == tag.size()
            && equalsIgnoringCase(m_lines.view(i), tag))
            return at(i);
    }
    return BlockRef();
}

QString BlockIndex::openTag(int n)
{
    return QStringLiteral("<BLOC") + Formats::blockNumber(n) + QLatin1Char('>');
}

QString BlockIndex::closeTag(int n)
{
    return QStringLiteral("</BLOC") + Formats::blockNumber(n) + QLatin1Char('>');
}

int BlockIndex::number(QByteArrayView tagLine)
{
    return RecordList::tagNumber(tagLine);
}
