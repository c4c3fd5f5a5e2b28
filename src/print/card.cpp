#include "print/card.h"

#include "print/lists.h"
#include "print/mmcanvas.h"
#include "print/pdf/tprintpdf.h"

namespace {

const QString kTitle = QStringLiteral("Carte d'adhérent");

// The member's lines under the title: the number, the lines of an envelope,
// the category and the due date.
QStringList memberLines(const BlockData &member)
{
    return QStringList{QStringLiteral("Numéro ") + member.field(MemberField::Numero)}
           + Envelopes::memberRecipient(member)
           + QStringList{QStringLiteral("Catégorie"), Layouts::categoryName(member.field(MemberField::Categorie)),
                         QStringLiteral("Echéance ") + member.field(MemberField::Echeance)};
}

// Nominal heights of those lines on the printed card: a blank line above the
// category.
constexpr int kCardY[] = {40, 45, 50, 55, 60, 70, 75, 80};

} // namespace

bool Card::Carte(Canvas &canvas, const QStringList &header, const BlockData &member)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    m.rectangle(5, 0, 80, 110);
    for (int i = 0; i < 4; ++i)
        m.text(10, 5 + 5 * i, header.value(i));
    m.font(14, true);
    m.text(10, 30, kTitle);
    m.font(10);
    const QStringList lines = memberLines(member);
    for (int i = 0; i < lines.size(); ++i)
        m.text(10, kCardY[i], lines[i]);
    return true;
}

void Card::CartePdf(TPrintPDF &pdf, const QStringList &header, const BlockData &member)
{
    enum { TimesRoman = 8, TimesBold = 9 };
    pdf.LineWidth = 1;
    pdf.DrawRectangle(10, 10, 250, 330);
    pdf.Font.setIndex(TimesBold);
    pdf.Font.Size = 12;
    pdf.TextOut(20, 30, header.value(0));
    pdf.Font.setIndex(TimesRoman);
    pdf.Font.Size = 10;
    for (int i = 1; i < 4; ++i)
        pdf.TextOut(20, 30 + 20 * i, header.value(i));
    pdf.Font.setIndex(TimesBold);
    pdf.Font.Size = 14;
    pdf.TextOut(20, 130, kTitle);
    pdf.Font.setIndex(TimesRoman);
    pdf.Font.Size = 10;
    const QStringList lines = memberLines(member);
    for (int i = 0; i < lines.size(); ++i)
        pdf.TextOut(20, 170 + 20 * i, lines[i]);
}
