#include "store/blockindex.h"

#include "core/cp1252.h"
#include "core/formats.h"

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
    BlockRef found;
    forEachWholeTag([&](int line, int number) {
        if (number != n)
            return true;
        found = BlockRef(&m_lines, line, number);
        return false;
    });
    return found;
}

QList<BlockRef> BlockIndex::range(int first, int last) const
{
    QList<BlockRef> out;
    if (last < first)
        return out;
    std::vector<BlockRef> found(size_t(last - first + 1));
    forEachWholeTag([&](int line, int n) {
        if (n >= first && n <= last && !found[size_t(n - first)].exists())
            found[size_t(n - first)] = BlockRef(&m_lines, line, n);
        return true;
    });
    for (const BlockRef &b : found)
        if (b.exists())
            out.append(b);
    return out;
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

int BlockIndex::wholeTagNumber(QByteArrayView v, bool *closing)
{
    const bool closes = v.startsWith("</");
    if (closing)
        *closing = closes;
    const QByteArrayView prefix = closes ? QByteArrayView("</BLOC") : QByteArrayView("<BLOC");
    if (v.size() != prefix.size() + 5 || v.back() != '>'
        || v.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0)
        return -1;
    return number(v);
}
