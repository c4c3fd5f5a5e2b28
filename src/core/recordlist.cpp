#include "core/recordlist.h"

#include "core/cp1252.h"
#include "core/textfile.h"

#include <algorithm>
#include <cstring>

RecordList::RecordList(const QStringList &lines)
{
    setStringList(lines);
}

QString RecordList::at(int i) const
{
    return Cp1252::decode(view(i));
}

char *RecordList::grow(qsizetype n)
{
    // Doubling keeps appending line after line linear in the total size.
    const qsizetype off = m_arena.size();
    if (off + n > m_arena.capacity())
        m_arena.reserve(std::max<qsizetype>(2 * m_arena.capacity(), off + n + 256));
    m_arena.resize(off + n);
    return m_arena.data() + off;
}

RecordList::Entry RecordList::store(QByteArrayView bytes)
{
    Entry e{uint32_t(m_arena.size()), uint32_t(bytes.size())};
    if (!bytes.isEmpty())
        std::memcpy(grow(bytes.size()), bytes.data(), size_t(bytes.size()));
    return e;
}

RecordList::Entry RecordList::store(const QString &line)
{
    Entry e{uint32_t(m_arena.size()), uint32_t(line.size())};
    if (!line.isEmpty())
        Cp1252::encodeInto(line, grow(line.size()));
    return e;
}

void RecordList::append(const QString &line)
{
    m_index.push_back(store(line));
}

void RecordList::appendRaw(QByteArrayView bytes)
{
    m_index.push_back(store(bytes));
}

void RecordList::insert(int i, const QString &line)
{
    m_index.insert(m_index.begin() + i, store(line));
}

void RecordList::replace(int i, const QString &line)
{
    release(m_index[size_t(i)]);
    m_index[size_t(i)] = store(line);
    compactIfWorthIt();
}

void RecordList::removeAt(int i)
{
    release(m_index[size_t(i)]);
    m_index.erase(m_index.begin() + i);
    compactIfWorthIt();
}

void RecordList::replaceRange(int first, int n, const QStringList &lines)
{
    for (int k = 0; k < n; ++k)
        release(m_index[size_t(first + k)]);
    std::vector<Entry> fresh;
    fresh.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        fresh.push_back(store(line));
    const auto pos = m_index.begin() + first;
    const int common = std::min<int>(n, int(fresh.size()));
    std::copy(fresh.begin(), fresh.begin() + common, pos);
    if (n > common)
        m_index.erase(pos + common, pos + n);
    else
        m_index.insert(pos + common, fresh.begin() + common, fresh.end());
    compactIfWorthIt();
}

void RecordList::clear()
{
    m_arena.clear();
    m_index.clear();
    m_garbage = 0;
}

QStringList RecordList::toStringList() const
{
    QStringList out;
    out.reserve(size());
    for (int i = 0; i < size(); ++i)
        out.append(at(i));
    return out;
}

void RecordList::setStringList(const QStringList &lines)
{
    clear();
    m_index.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        append(line);
}

void RecordList::setBytes(const QByteArray &bytes)
{
    clear();
    m_arena = bytes;
    TextFile::forEachLine(bytes.constData(), bytes.size(), [&](qsizetype off, qsizetype len) {
        m_index.push_back(Entry{uint32_t(off), uint32_t(len)});
    });
    // Line breaks are not part of any line.
    m_garbage = bytes.size();
    for (const Entry &e : m_index)
        m_garbage -= e.length;
}

QByteArray RecordList::toBytes() const
{
    qsizetype total = 0;
    for (const Entry &e : m_index)
        total += e.length + 2;
    QByteArray out;
    out.reserve(total);
    for (const Entry &e : m_index) {
        out.append(m_arena.constData() + e.offset, e.length);
        out.append("\r\n", 2);
    }
    return out;
}

bool RecordList::load(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!TextFile::readBytes(path, &bytes, error))
        return false;
    setBytes(bytes);
    return true;
}

bool RecordList::save(const QString &path, QString *error) const
{
    return TextFile::writeBytes(path, toBytes(), error);
}

bool RecordList::operator==(const RecordList &other) const
{
    if (size() != other.size())
        return false;
    for (int i = 0; i < size(); ++i)
        if (view(i) != other.view(i))
            return false;
    return true;
}

void RecordList::compactIfWorthIt()
{
    // Rewriting lines leaves their old bytes behind; reclaim them once they
    // outweigh the live text, so the buffer stays within twice the text.
    if (m_garbage < (1 << 16) || m_garbage < m_arena.size() / 2)
        return;
    QByteArray fresh;
    fresh.reserve(m_arena.size() - m_garbage);
    for (Entry &e : m_index) {
        const uint32_t off = uint32_t(fresh.size());
        fresh.append(m_arena.constData() + e.offset, e.length);
        e.offset = off;
    }
    m_arena = fresh;
    m_garbage = 0;
}
