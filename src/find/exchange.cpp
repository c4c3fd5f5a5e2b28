#include "find/exchange.h"

#include "core/cp1252.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "core/textfile.h"
#include "store/blockindex.h"

#include <QStringDecoder>

#include <optional>

namespace {

// The seven exchanged fields, "Nom" to "Téléphone", stand at the same places
// in members and partners.
constexpr int kFirstExported = MemberField::Nom;
constexpr int kLastExported = MemberField::Telephone;
static_assert(kFirstExported == PartnerField::Nom && kLastExported == PartnerField::Telephone);
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
    BlockIndex(lines).forEach([&out](const BlockRef &b) {
        for (int k = kFirstExported; k <= kLastExported; ++k) {
            if (k > kFirstExported)
                out += '\t';
            QByteArray field = b.view(k).toByteArray();
            // A TAB inside a field would shift every field after it.
            field.replace('\t', ' ');
            out += field;
        }
        out += "\r\n";
    });
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

namespace {

// Text saved as "Unicode" by spreadsheets is UTF-16, usually with a
// byte-order mark; without one, the zero bytes of its ASCII characters tell
// which half of each pair holds them.
std::optional<QStringDecoder::Encoding> utf16(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder::Utf16BE;
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 256);
    if (pairs == 0)
        return std::nullopt;
    int evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenZeros += bytes[2 * i] == 0;
        oddZeros += bytes[2 * i + 1] == 0;
    }
    if (oddZeros * 4 >= pairs * 3 && evenZeros == 0)
        return QStringDecoder::Utf16LE;
    if (evenZeros * 4 >= pairs * 3 && oddZeros == 0)
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

} // namespace

QStringList Exchange::decodeLines(const QByteArray &bytes)
{
    QString text;
    bool decoded = false;
    if (const auto encoding = utf16(bytes)) {
        QStringDecoder decoder(*encoding);
        text = decoder.decode(bytes);
        decoded = true;
    }
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!decoded && !ascii) {
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
    // Records appended and never filled in have no block: the import takes
    // their numbers, so that none is left as a gap, and real records are kept.
    s.count = std::min(s.count, store.firstFree(kind));
    QStringList block;
    for (int l = 0; l < lines.size(); ++l) {
        if (s.count >= kImportBound) {
            report.truncated = true;
            break;
        }
        const QString &line = lines[l];
        // A zero character would end up as a zero byte inside a record.
        if (!Cp1252::canEncode(line) || line.contains(QChar(0))) {
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
        // The code first, then the title or company left empty, then the
        // fields from "Nom" on.
        block.append(RecordStore::openTag(n));
        block.append(QString::number(code));
        for (int p = MemberField::Numero + 1; p < kFirstExported; ++p)
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
    store.markModified();
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
        store.markModified();
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
