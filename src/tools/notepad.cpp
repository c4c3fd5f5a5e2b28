#include "tools/notepad.h"

#include "core/textfile.h"
#include "print/mmcanvas.h"
#include "tools/textclean.h"

#include <algorithm>

namespace Notepad {

QString fileName(const QString &startDir)
{
    // A folder written the Windows way keeps its backslashes.
    const QChar separator = startDir.contains(QLatin1Char('\\')) && !startDir.contains(QLatin1Char('/'))
                                ? QLatin1Char('\\')
                                : QLatin1Char('/');
    QString dir = startDir;
    while (dir.endsWith(separator))
        dir.chop(1);
    return dir + separator + QStringLiteral("Velmora.nte");
}

bool load(const QString &path, QString *text, QString *error)
{
    text->clear();
    if (!TextFile::exists(path))
        return true;
    QStringList lines;
    if (!TextFile::readLines(path, &lines, error))
        return false;
    *text = lines.join(QLatin1Char('\n'));
    return true;
}

bool save(const QString &path, const QString &text, QString *error)
{
    QString clean = TextClean::cp1252Only(text);
    clean.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clean.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // An empty note is an empty file, not one empty line.
    const QStringList lines = clean.isEmpty() ? QStringList() : clean.split(QLatin1Char('\n'));
    return TextFile::writeLines(path, lines, error);
}

namespace {

QString expandTabs(const QString &line)
{
    if (!line.contains(QLatin1Char('\t')))
        return line;
    QString out;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            out += QString(8 - out.size() % 8, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

// The pieces of one line that fit `width` pixels each.
QStringList wrap(const Canvas &canvas, const QString &line, int width)
{
    QStringList pieces;
    QString rest = expandTabs(line);
    while (canvas.textWidth(rest) > width && rest.size() > 1) {
        // The longest head that fits, and one character at least, or nothing would end.
        const int lo = std::max(1, int(TextFit::cut(canvas, rest, width).size()));
        int cut = lo;
        const int space = int(rest.left(lo + 1).lastIndexOf(QLatin1Char(' ')));
        if (space > 0)
            cut = space;
        pieces.append(rest.left(cut));
        rest = rest.mid(cut);
        // The space where the line was cut starts no printed line.
        if (space > 0 && rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
    }
    pieces.append(rest);
    return pieces;
}

} // namespace

bool draw(Canvas &canvas, const QString &text, const PrintFont &font)
{
    const std::optional<Placement> place = Placement::of(canvas);
    if (!place)
        return false;
    canvas.setFont(font.family, font.pointSize);
    const int left = place->x(kMarginMm);
    const int top = place->y(kMarginMm);
    const int width = canvas.widthPx() - 2 * left;
    const int bottom = canvas.heightPx() - top;
    const int lineHeight = std::max(1, canvas.textHeight(QStringLiteral("Ég")));
    int y = top;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        for (const QString &piece : wrap(canvas, line, width)) {
            if (y + lineHeight > bottom && y > top) {
                if (!canvas.newPage())
                    return false;
                canvas.setFont(font.family, font.pointSize);
                y = top;
            }
            if (!piece.isEmpty())
                canvas.textOut(left, y, piece);
            y += lineHeight;
        }
    }
    return true;
}

} // namespace Notepad
