#include "core/recordlist.h"

#include "core/cp1252.h"
#include "core/textfile.h"

#include <algorithm>
#include <atomic>
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

uint32_t RecordList::tagBits(const char *line, qsizetype length)
{
    if (length < 5 || line[0] != '<')
        return 0;
    const bool close = line[1] == '/';
    const qsizetype from = close ? 2 : 1;
    if (length < from + 4)
        return 0;
    static const char bloc[] = "BLOC";
    bool exact = true;
    for (int k = 0; k < 4; ++k) {
        const char c = line[from + k];
        if (c == bloc[k])
            continue;
        if (c != bloc[k] + ('a' - 'A'))
            return 0;
        exact = false;
    }
    if (close)
        return kCloseTagAnyCase | (exact ? kCloseTag : 0);
    return kOpenTagAnyCase | (exact ? kOpenTag : 0);
}

void RecordList::touch()
{
    // One counter for all lists, so that a value never names two contents.
    static std::atomic<quint64> counter{0};
    m_generation = ++counter;
}

RecordList::Entry RecordList::store(QByteArrayView bytes)
{
    touch();
    Q_ASSERT(bytes.size() <= maxLineLength());
    Entry e{uint32_t(m_arena.size()), uint32_t(bytes.size()) | tagBits(bytes.data(), bytes.size())};
    if (!bytes.isEmpty())
        std::memcpy(grow(bytes.size()), bytes.data(), size_t(bytes.size()));
    return e;
}

RecordList::Entry RecordList::store(const QString &line)
{
    touch();
    Q_ASSERT(line.size() <= maxLineLength());
    Entry e{uint32_t(m_arena.size()), uint32_t(line.size())};
    if (!line.isEmpty()) {
        char *to = grow(line.size());
        Cp1252::encodeInto(line, to);
        e.length |= tagBits(to, line.size());
    }
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
    const bool wasOpen = isOpenTagAnyCase(i);
    const quint64 before = m_generation;
    const bool tagsKnown = m_openTagsGeneration == m_generation;
    const bool numbersKnown = m_openTagNumbersGeneration == m_generation;
    release(m_index[size_t(i)]);
    m_index[size_t(i)] = store(line);
    // A line that neither was nor became an opening tag leaves every block
    // where it was: typing in a record keeps the positions of the blocks.
    rewritten(before, tagsKnown, numbersKnown, i, 1, !wasOpen && !isOpenTagAnyCase(i));
    compactIfWorthIt();
}

void RecordList::rewritten(quint64 before, bool tagsKnown, bool numbersKnown, int first, int count, bool tagsKept)
{
    if (!tagsKept)
        return;
    if (tagsKnown)
        m_openTagsGeneration = m_generation;
    if (numbersKnown)
        m_openTagNumbersGeneration = m_generation;
    m_rewrite = Rewrite{before, m_generation, first, count};
}

bool RecordList::rewrittenSince(quint64 since, int *first, int *count) const
{
    if (m_rewrite.after != m_generation || m_rewrite.before != since)
        return false;
    *first = m_rewrite.first;
    *count = m_rewrite.count;
    return true;
}

void RecordList::removeAt(int i)
{
    touch();
    release(m_index[size_t(i)]);
    m_index.erase(m_index.begin() + i);
    compactIfWorthIt();
}

void RecordList::replaceRange(int first, int n, const QStringList &lines)
{
    const quint64 before = m_generation;
    const bool tagsKnown = m_openTagsGeneration == m_generation;
    const bool numbersKnown = m_openTagNumbersGeneration == m_generation;
    touch();
    for (int k = 0; k < n; ++k)
        release(m_index[size_t(first + k)]);
    std::vector<Entry> fresh;
    fresh.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        fresh.push_back(store(line));
    // Writing a record back usually gives it as many lines as it had, its
    // tag unchanged: the blocks then stay where they were.
    bool tagsKept = n == int(fresh.size());
    for (int k = 0; tagsKept && k < n; ++k) {
        const Entry &was = m_index[size_t(first + k)];
        const Entry &now = fresh[size_t(k)];
        if ((was.length | now.length) & kOpenTagAnyCase)
            tagsKept = was.length == now.length
                       && std::memcmp(m_arena.constData() + was.offset, m_arena.constData() + now.offset,
                                      size_t(now.length & kLengthMask)) == 0;
    }
    const auto pos = m_index.begin() + first;
    const int common = std::min<int>(n, int(fresh.size()));
    std::copy(fresh.begin(), fresh.begin() + common, pos);
    if (n > common)
        m_index.erase(pos + common, pos + n);
    else
        m_index.insert(pos + common, fresh.begin() + common, fresh.end());
    rewritten(before, tagsKnown, numbersKnown, first, n, tagsKept);
    compactIfWorthIt();
}

void RecordList::clear()
{
    touch();
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

bool RecordList::canHold(const QByteArray &bytes)
{
    if (bytes.size() <= maxLineLength())
        return true;
    if (bytes.size() > qsizetype(UINT32_MAX))
        return false;
    bool fits = true;
    TextFile::forEachLine(bytes.constData(), bytes.size(), [&](qsizetype, qsizetype len) {
        fits = fits && len <= maxLineLength();
    });
    return fits;
}

bool RecordList::setBytes(const QByteArray &bytes)
{
    touch();
    clear();
    // An offset or a length cut short would show other bytes as this text.
    if (!canHold(bytes))
        return false;
    m_arena = bytes;
    const char *data = m_arena.constData();
    qsizetype held = 0;
    TextFile::forEachLine(data, bytes.size(), [&](qsizetype off, qsizetype len) {
        m_index.push_back(Entry{uint32_t(off), uint32_t(len) | tagBits(data + off, len)});
        held += len;
    });
    // Line breaks are not part of any line.
    m_garbage = bytes.size() - held;
    return true;
}

QByteArray RecordList::toBytes() const
{
    qsizetype total = 0;
    for (const Entry &e : m_index)
        total += (e.length & kLengthMask) + 2;
    QByteArray out;
    out.reserve(total);
    for (const Entry &e : m_index) {
        out.append(m_arena.constData() + e.offset, e.length & kLengthMask);
        out.append("\r\n", 2);
    }
    return out;
}

bool RecordList::load(const QString &path, QString *error)
{
    QByteArray bytes;
    if (!TextFile::readBytes(path, &bytes, error))
        return false;
    if (!setBytes(bytes)) {
        if (error)
            *error = TextFile::readErrorText(path);
        return false;
    }
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
    // The tag bits follow from the bytes: equal lines have equal length words,
    // so a difference there settles it without reading the buffer.
    for (int i = 0; i < size(); ++i)
        if (m_index[size_t(i)].length != other.m_index[size_t(i)].length || view(i) != other.view(i))
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
        fresh.append(m_arena.constData() + e.offset, e.length & kLengthMask);
        e.offset = off;
    }
    m_arena = fresh;
    m_garbage = 0;
}

const std::vector<int> &RecordList::openTags() const
{
    if (m_openTagsGeneration != m_generation) {
        m_openTags.clear();
        m_looseOpenTags = 0;
        for (int i = 0; i < size(); ++i) {
            if (isOpenTag(i))
                m_openTags.push_back(i);
            else if (isOpenTagAnyCase(i))
                ++m_looseOpenTags;
        }
        m_openTagsGeneration = m_generation;
    }
    return m_openTags;
}

int RecordList::tagNumber(QByteArrayView tagLine)
{
    const qsizetype start = tagLine.startsWith("</") ? 6 : 5;
    const QByteArrayView digits = midView(tagLine, start, 4);
    if (digits.size() != 4)
        return -1;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

const std::vector<int> &RecordList::openTagNumbers() const
{
    const std::vector<int> &tags = openTags();
    if (m_openTagNumbersGeneration != m_generation) {
        m_openTagNumbers.clear();
        m_openTagNumbers.reserve(tags.size());
        for (const int i : tags)
            m_openTagNumbers.push_back(tagNumber(view(i)));
        m_openTagNumbersGeneration = m_generation;
    }
    return m_openTagNumbers;
}
