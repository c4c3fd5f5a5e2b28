#pragma once
// A telephone message book: one message per line of a text file beside the
// member file. A line holds the seven fields, each followed by a TAB, then
// five characters "T" or "F" for the five ticks.

#include "core/recordlist.h"

#include <QString>

#include <array>

struct Message
{
    static constexpr int kFields = 7;
    static constexpr int kFlags = 5;

    // "Pour", "De", "Société", "N° tél.", "Date", "Heure", "Objet".
    std::array<QString, kFields> fields;
    // "A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT".
    std::array<bool, kFlags> flags{};

    // The longest text each field takes.
    static int maxLength(int field);

    // A line read as a message. Only spaces are trimmed between fields, so an
    // empty field keeps its place; a field without its TAB is empty and so is
    // every later one, and then no tick is read either (a line written by hand
    // shows an empty message).
    static Message parse(QByteArrayView line);
    // The line of a message; TABs and line breaks in a field become spaces and
    // characters the file cannot hold are dropped.
    QString line() const;

    bool operator==(const Message &other) const { return fields == other.fields && flags == other.flags; }
};

class MessageBook
{
public:
    // A new book holds one empty message.
    MessageBook();

    // The book file of a member file; empty for a store never saved.
    static QString fileName(const QString &memberFile);

    // Loads the book when the file exists and shows its last message; false
    // with *error when it cannot be read (the book stays as it was).
    bool Charge(const QString &path, QString *error = nullptr);
    // Writes the shown message back if it was edited, then the whole book.
    bool Sauve(const QString &path, const Message &shown, QString *error = nullptr);

    // Messages in the book; a book whose last message was deleted holds none
    // and shows a fresh empty one, which joins the book once it is edited.
    int count() const { return m_lines.size(); }
    int index() const { return m_index; }
    // The message number shown, from 1.
    int number() const { return m_index + 1; }
    Message current() const;

    // The message shown was changed by the user; only then is it written back.
    void markEdited() { m_edited = true; }
    bool edited() const { return m_edited; }
    void EcritFiche(const Message &shown);

    // Each writes the shown message back first (when edited), then moves.
    void previous(const Message &shown);
    void next(const Message &shown);
    void add(const Message &shown);
    void remove(const Message &shown);

    const RecordList &lines() const { return m_lines; }

private:
    void moveTo(int index);

    RecordList m_lines;
    int m_index = 0;
    bool m_edited = false;
};
