#pragma once
// Where the records of a block list stand. Every reader of blocks goes through
// here, so that a block is the same thing for reading, writing back,
// deleting, sorting, listing, counting and exporting:
//  - it opens at a line starting with "<BLOC" and is numbered by the four
//    digits that follow;
//  - it ends at its closing tag, or at the next opening tag when the closing
//    tag is missing, whichever comes first (a block that lost its closing tag
//    never takes the records after it);
//  - its fixed line k is the k-th line after the opening tag, and a block cut
//    short has none beyond its end.

#include "core/recordlist.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <climits>

class BlockRef
{
public:
    BlockRef() = default;
    BlockRef(const RecordList *lines, int open);
    // The same when the number is already known.
    BlockRef(const RecordList *lines, int open, int number) : m_lines(lines), m_open(open), m_number(number) {}

    bool exists() const { return m_open >= 0; }
    int open() const { return m_open; }
    // The block number, -1 when the tag does not hold four digits.
    int number() const { return m_number; }
    // Lines between the tags.
    int span() const
    {
        scanTo(INT_MAX);
        return m_scanned;
    }
    bool closed() const
    {
        scanTo(INT_MAX);
        return m_closed;
    }
    // Index just past the block: past its closing tag, or at the line that
    // ended it.
    int end() const { return m_open + 1 + span() + (closed() ? 1 : 0); }

    // Whether the block reaches its line k. Only the lines up to k are
    // looked at, so reading the first fields of every block costs no more
    // than those fields.
    bool has(int k) const
    {
        if (k < 1 || m_open < 0)
            return false;
        scanTo(k);
        return k <= m_scanned;
    }
    QByteArrayView view(int k) const { return has(k) ? m_lines->view(m_open + k) : QByteArrayView(); }
    QString text(int k) const;

private:
    // Looks at the lines after the tag up to line k, or to the block's end.
    void scanTo(int k) const;

    const RecordList *m_lines = nullptr;
    int m_open = -1;
    int m_number = -1;
    mutable int m_scanned = 0;     // lines known to belong to the block
    mutable bool m_ended = false;  // the line that ends the block was found
    mutable bool m_closed = false;
};

class BlockIndex
{
public:
    explicit BlockIndex(const RecordList &lines) : m_lines(lines) {}

    // The block whose opening tag stands at line i.
    BlockRef at(int i) const { return BlockRef(&m_lines, i); }
    // The block numbered n: the first line equal to its opening tag, letter
    // case ignored; !exists() when there is none.
    BlockRef find(int n) const;
    // The blocks numbered first to last, each found as find() finds it, in
    // the order of their numbers; numbers without a block are left out.
    QList<BlockRef> range(int first, int last) const;
    // Calls f(line, number) for every line equal to an opening tag, letter
    // case ignored, in list order (the tags a look-up by number can find),
    // until f returns false.
    template <typename F>
    void forEachWholeTag(F f) const
    {
        if (m_lines.looseOpenTags() == 0) {
            const std::vector<int> &tags = m_lines.openTags();
            const std::vector<int> &numbers = m_lines.openTagNumbers();
            for (size_t t = 0; t < tags.size(); ++t)
                if (numbers[t] >= 0 && m_lines.length(tags[t]) == kTagLength && m_lines.view(tags[t]).back() == '>'
                    && !f(tags[t], numbers[t]))
                    return;
            return;
        }
        for (int i = 0; i < m_lines.size(); ++i) {
            if (!m_lines.isOpenTagAnyCase(i))
                continue;
            const int n = wholeTagNumber(m_lines.view(i));
            if (n >= 0 && !f(i, n))
                return;
        }
    }
    // Each block in list order.
    template <typename F>
    void forEach(F f) const
    {
        const std::vector<int> &tags = m_lines.openTags();
        const std::vector<int> &numbers = m_lines.openTagNumbers();
        for (size_t t = 0; t < tags.size(); ++t)
            f(BlockRef(&m_lines, tags[t], numbers[t]));
    }
    // The first block, in list order, for which pred holds; !exists() when none.
    template <typename F>
    BlockRef findIf(F pred) const
    {
        const std::vector<int> &tags = m_lines.openTags();
        const std::vector<int> &numbers = m_lines.openTagNumbers();
        for (size_t t = 0; t < tags.size(); ++t) {
            const BlockRef b(&m_lines, tags[t], numbers[t]);
            if (pred(b))
                return b;
        }
        return BlockRef();
    }
    int count() const { return int(m_lines.openTags().size()); }

    static QString openTag(int n);
    static QString closeTag(int n);
    // The four characters after "<BLOC" or "</BLOC" read as a number, or -1.
    static int number(QByteArrayView tagLine);
    // The number of a line that is exactly "<BLOCnnnn>" or "</BLOCnnnn>",
    // letter case aside, and whether it closes; -1 for any other line.
    static int wholeTagNumber(QByteArrayView v, bool *closing = nullptr);

private:
    static constexpr qsizetype kTagLength = 10; // "<BLOC0000>"

    const RecordList &m_lines;
};
