#pragma once
// An ordered list of text lines kept as Windows-1252 bytes in one buffer.
//
// A store holds hundreds of thousands of short lines; one QString per line
// costs several times the bytes of the file. Here a line costs its bytes plus
// eight bytes of index, and the stored bytes are exactly those of the file,
// so a file loads and saves back byte for byte.
//
// Every scan of the program looks for block tags. Reading the first bytes of
// each line from the buffer makes a scan of a large store memory-bound, so
// each index entry also says whether its line starts a tag: a scan that only
// looks for tags touches the index alone.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Part of a view, clipped to it (Qt 6.4's view has no mid()).
inline QByteArrayView midView(QByteArrayView v, qsizetype pos, qsizetype len = -1)
{
    if (pos >= v.size() || pos < 0)
        return QByteArrayView();
    const qsizetype rest = v.size() - pos;
    return v.sliced(pos, len < 0 || len > rest ? rest : len);
}

class RecordList
{
public:
    RecordList() = default;
    explicit RecordList(const QStringList &lines);

    int size() const { return int(m_index.size()); }
    int count() const { return size(); }
    bool isEmpty() const { return m_index.empty(); }

    // The raw bytes of line i; valid until the list changes.
    QByteArrayView view(int i) const
    {
        const Entry &e = m_index[size_t(i)];
        return QByteArrayView(m_arena.constData() + e.offset, e.length & kLengthMask);
    }
    QString at(int i) const;
    QString operator[](int i) const { return at(i); }
    int length(int i) const { return int(m_index[size_t(i)].length & kLengthMask); }
    // Tag kinds of line i, read from the index only. The first two match
    // "<BLOC" and "</BLOC" exactly; the other two ignore the letter case of
    // "BLOC", for the look-ups that compare whole tags that way.
    bool isOpenTag(int i) const { return m_index[size_t(i)].length & kOpenTag; }
    bool isCloseTag(int i) const { return m_index[size_t(i)].length & kCloseTag; }
    bool isOpenTagAnyCase(int i) const { return m_index[size_t(i)].length & kOpenTagAnyCase; }
    bool isCloseTagAnyCase(int i) const { return m_index[size_t(i)].length & kCloseTagAnyCase; }
    // The longest line a list can hold.
    static constexpr qsizetype maxLineLength() { return kLengthMask; }
    bool startsWith(int i, QByteArrayView prefix) const { return view(i).startsWith(prefix); }

    void append(const QString &line);
    void appendRaw(QByteArrayView bytes);
    void insert(int i, const QString &line);
    void replace(int i, const QString &line);
    void removeAt(int i);
    void removeFirst() { removeAt(0); }
    // Replaces lines [first, first + n) by the given lines in one move.
    void replaceRange(int first, int n, const QStringList &lines);
    void clear();

    QStringList toStringList() const;
    void setStringList(const QStringList &lines);

    // Whole text of a file: a CR, an LF or a CR LF ends a line. False, with
    // the list left empty, for a text too large for the index to address.
    bool setBytes(const QByteArray &bytes);
    // Whether setBytes can take this text (each line shorter than
    // maxLineLength(), the whole under 4 GiB); immediate for any real file.
    static bool canHold(const QByteArray &bytes);
    // Each line followed by CR LF.
    QByteArray toBytes() const;

    bool load(const QString &path, QString *error = nullptr);
    bool save(const QString &path, QString *error = nullptr) const;

    bool operator==(const RecordList &other) const;
    bool operator!=(const RecordList &other) const { return !(*this == other); }

    // Changes whenever the lines change, and two lists with the same value hold
    // the same lines: a value computed from a list stays good while it holds.
    quint64 generation() const { return m_generation; }

    // Indexes of the lines that start with "<BLOC", in list order; made again
    // only after the list changed, so repeated scans for blocks cost the
    // number of blocks, not of lines.
    const std::vector<int> &openTags() const;
    // How many lines open a tag only when letter case is ignored ("<bloc").
    // Loading makes them "<BLOC", so a look-up that ignores case reads
    // openTags() alone unless there are some.
    int looseOpenTags() const
    {
        openTags();
        return m_looseOpenTags;
    }
    // The block number of each of those tags (the four digits after "<BLOC",
    // -1 when they are not digits), kept with them, so that a walk over the
    // blocks by number reads neither the lines nor the index.
    const std::vector<int> &openTagNumbers() const;
    // When the one change made since generation `since` rewrote lines in
    // place, leaving every opening tag as it was, the lines it rewrote:
    // values kept per block need to look at those blocks only.
    bool rewrittenSince(quint64 since, int *first, int *count) const;
    // The four characters after "<BLOC" or "</BLOC" read as a number, or -1.
    static int tagNumber(QByteArrayView tagLine);

    // Bytes held, for the memory figures of the benchmarks.
    qsizetype bytesHeld() const { return m_arena.capacity() + qsizetype(m_index.capacity() * sizeof(Entry)); }

private:
    // The top bits of an entry's length hold the line's tag kinds.
    static constexpr uint32_t kOpenTag = 1u << 31;
    static constexpr uint32_t kCloseTag = 1u << 30;
    static constexpr uint32_t kOpenTagAnyCase = 1u << 29;
    static constexpr uint32_t kCloseTagAnyCase = 1u << 28;
    static constexpr uint32_t kLengthMask = kCloseTagAnyCase - 1;

    struct Entry
    {
        uint32_t offset;
        uint32_t length; // with the tag bits
    };
    static uint32_t tagBits(const char *line, qsizetype length);
    char *grow(qsizetype n);
    Entry store(QByteArrayView bytes);
    Entry store(const QString &line);
    void release(const Entry &e) { m_garbage += e.length & kLengthMask; }
    void compactIfWorthIt();

    QByteArray m_arena;
    std::vector<Entry> m_index;
    qsizetype m_garbage = 0;
    quint64 m_generation = 0;
    mutable std::vector<int> m_openTags;
    mutable int m_looseOpenTags = 0;
    mutable std::vector<int> m_openTagNumbers;
    mutable quint64 m_openTagNumbersGeneration = ~quint64(0);
    mutable quint64 m_openTagsGeneration = ~quint64(0);
    struct Rewrite
    {
        quint64 before = ~quint64(0), after = ~quint64(0);
        int first = 0, count = 0;
    };
    Rewrite m_rewrite;
    void touch();
    // Records a change that rewrote lines in place; when it left the opening
    // tags alone, the tag positions stay known.
    void rewritten(quint64 before, bool tagsKnown, bool numbersKnown, int first, int count, bool tagsKept);
};
