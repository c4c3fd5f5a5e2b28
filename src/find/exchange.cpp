#include "find/exchange.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "find/blockscan.h"

#include <QStringDecoder>

namespace {

constexpr int kFirstExported = 3;
constexpr int kLastExported = 9;
constexpr int kBlankLines = 20;

QString numberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts.append(QString::number(n));
    return parts.join(QStringLiteral(", "));
}

// A field that the record window would take for a tag would cut the block
// it lands in, or be found in place of the block it names.
bool looksLikeTag(const QString &field)
{
    const QString upper = Formats::upperAZ(field);
    return upper.startsWith(QLatin1String("<BLOC")) || upper.startsWith(QLatin1String("</BLOC"));
}

} // namespace

QByteArray Exchange::exportBytes(const RecordList &lines)
{
    QByteArray out;
    for (const int i : lines.openTags()) {
        const int span = BlockScan::span(lines, i, kLastExported);
        for (int k = kFirstExported; k <= kLastExported; ++k) {
            if (k > kFirstExported)
                out += '\t';
            QByteArray field = BlockScan::view(lines, i, k, span).toByteArray();
            // A TAB inside a field would shift every field after it.
            field.replace('\t', ' ');
            out += field;
        }
        out += "\r\n";
    }
    return out;
}

bool Exchange::Exporter(RecordStore &store, Kind shownKind)
{
    Dialogs &d = Dialogs::current();
    const QString path = d.saveFile(QStringLiteral("Fichers texte (*.txt)"), QStringLiteral("txt"), QString());
    if (path.isEmpty())
        return false;
    QByteArray bytes;
    if (shownKind == Kind::Member || shownKind == Kind::Partner)
        bytes = exportBytes(store.lines(shownKind));
    QString error;
    if (!TextFile::writeBytes(path, bytes, &error)) {
        d.error(error);
        return false;
    }
    return true;
}

QStringList Exchange::decodeLines(const QByteArray &bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    QString text;
    bool decoded = false;
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString candidate = utf8.decode(bytes);
        if (!utf8.hasError()) {
            text = candidate;
            decoded = true;
        }
    }
    if (!decoded)
        text = Cp1252::decode(bytes);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QStringList Exchange::splitFields(const QString &line)
{
    QStringList fields;
    QString rest = line;
    for (;;) {
        const int tab = rest.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            fields.append(rest);
            break;
        }
        fields.append(rest.left(tab));
        rest = rest.mid(tab + 1, kFieldLimit);
    }
    return fields;
}

Exchange::ImportReport Exchange::importLines(RecordStore &store, Kind kind, const QStringList &lines)
{
    ImportReport report;
    KindState &s = store.state(kind);
    int code = store.nextCode(kind);
    // A count of 1 without block 0000 is a record appended and never filled
    // in: the import takes its number. A real record 0000 is kept apart.
    if (s.count == 1 && store.findBlock(kind, 0) < 0)
        s.count = 0;
    QStringList block;
    for (int l = 0; l < lines.size(); ++l) {
        if (s.count >= kImportBound) {
            report.truncated = true;
            break;
        }
        const QString &line = lines[l];
        if (!Cp1252::canEncode(line)) {
            report.unencodableLines.append(l + 1);
            continue;
        }
        const QStringList fields = splitFields(line);
        bool tag = false;
        for (const QString &f : fields)
            tag = tag || looksLikeTag(f);
        if (tag) {
            report.tagLines.append(l + 1);
            continue;
        }
        const int n = s.count;
        block.clear();
        block.reserve(fields.size() + kBlankLines + 4);
        block.append(RecordStore::openTag(n));
        block.append(QString::number(code));
        block.append(QString());
        block.append(fields);
        for (int b = 0; b < kBlankLines; ++b)
            block.append(QString());
        block.append(RecordStore::closeTag(n));
        for (const QString &b : block)
            s.lines.append(b);
        s.count += 1;
        s.current = n;
        ++code;
        ++report.imported;
    }
    store.StoreModified = true;
    return report;
}

bool Exchange::Importer(RecordStore &store, Kind shownKind)
{
    Dialogs &d = Dialogs::current();
    const QString path = d.openFile(QStringLiteral("fichiers texte (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty())
        return false;
    if (!TextFile::exists(path)) {
        d.message(QStringLiteral("Le ficher ") + path + QStringLiteral("n'existe pas"));
        return false;
    }
    if (shownKind != Kind::Member && shownKind != Kind::Partner) {
        store.StoreModified = true;
        return true;
    }
    QByteArray bytes;
    QString error;
    if (!TextFile::readBytes(path, &bytes, &error)) {
        d.error(error);
        return false;
    }
    const ImportReport report = importLines(store, shownKind, decodeLines(bytes));
    if (report.truncated)
        d.message(QStringLiteral("Trop de lignes, le fichier a été tronqué"));
    if (!report.unencodableLines.isEmpty())
        d.message(QStringLiteral("Lignes non importées (caractères non pris en charge) : ")
                  + numberList(report.unencodableLines));
    if (!report.tagLines.isEmpty())
        d.message(QStringLiteral("Lignes non importées (balises de fiche) : ") + numberList(report.tagLines));
    return true;
}
