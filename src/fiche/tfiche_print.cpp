#include "fiche/tfiche.h"

#include "core/dialogs.h"
#include "fiche/memberspage.h"
#include "fiche/partnerspage.h"
#include "fiche/receiptspage.h"
#include "print/card.h"
#include "print/lists.h"
#include "print/pdf/tprintpdf.h"
#include "print/printing.h"
#include "print/receiptprint.h"
#include "print/sheet.h"
#include "print/ui/tmpage.h"

#include <QButtonGroup>
#include <QLineEdit>

namespace {

BlockData shownMember(const TFiche &fiche)
{
    const MembersPage *page = fiche.membersPage();
    BlockData member = page->record();
    // A member without a category has no category name on the card.
    if (page->categoryGroup()->checkedId() < 0)
        member.setField(MemberField::Categorie, QString());
    return member;
}

// The blocks of the records chosen in the print dialog; none when there is
// no record or the dialog was cancelled.
QList<BlockRef> chosenRecords(TFiche &fiche, Kind k)
{
    // The record shown goes into the list as the user sees it.
    fiche.writeBack(k);
    const int count = fiche.store().state(k).count;
    int from = 0, to = 0;
    if (count <= 0 || !Dialogs::current().printRange(count, &from, &to))
        return {};
    return RecordRange::of(from, to, count).blocks(fiche.store().lines(k));
}

bool print(const QString &title, bool landscape, const std::function<bool(Canvas &)> &draw)
{
    return PrintService::current().print(PrintJob{title, landscape}, draw);
}

} // namespace

void TFiche::ParM()
{
    openMiseEnPage(this, &m_settings.PaperType, &m_settings.EnvOrientation, &m_settings.EnvGuide);
}

void TFiche::ImpFiche()
{
    switch (shownKind()) {
    case Kind::Member: {
        const BlockData member = shownMember(*this);
        print(QStringLiteral("Fiche adhérent"), false,
              [&member](Canvas &c) { return RecordSheet::member(c, member); });
        break;
    }
    case Kind::Partner: {
        const BlockData partner = partnersPage()->record();
        print(QStringLiteral("Fiche partenaire"), false,
              [&partner](Canvas &c) { return RecordSheet::partner(c, partner); });
        break;
    }
    case Kind::Receipt:
        Button4Click();
        break;
    case Kind::Activity:
        break;
    }
}

void TFiche::Imprime()
{
    const QList<BlockRef> members = chosenRecords(*this, Kind::Member);
    if (!members.isEmpty())
        print(QStringLiteral("Liste adhérents"), true, [&members](Canvas &c) { return ListPrint::Imprime(c, members); });
}

void TFiche::Imprime2()
{
    const QList<BlockRef> partners = chosenRecords(*this, Kind::Partner);
    if (!partners.isEmpty())
        print(QStringLiteral("Liste partenaires"), true,
              [&partners](Canvas &c) { return ListPrint::Imprime2(c, partners); });
}

void TFiche::Enveloppes()
{
    const QList<BlockRef> members = chosenRecords(*this, Kind::Member);
    if (members.isEmpty())
        return;
    const QStringList &header = m_settings.Header;
    const int guide = m_settings.EnvGuide;
    print(QStringLiteral("Enveloppes"), true,
          [&](Canvas &c) { return Envelopes::Enveloppes(c, header, members, guide); });
}

void TFiche::ImpEnv()
{
    QStringList recipient;
    switch (shownKind()) {
    case Kind::Member: recipient = Envelopes::memberRecipient(shownMember(*this)); break;
    case Kind::Partner: recipient = Envelopes::partnerRecipient(partnersPage()->record()); break;
    case Kind::Receipt: recipient = receiptsPage()->fields().payer; break;
    case Kind::Activity: return;
    }
    Dialogs::current().message(QStringLiteral("Insérez une enveloppe dans l'imprimante"));
    const QStringList &header = m_settings.Header;
    const int guide = m_settings.EnvGuide;
    print(QStringLiteral("Enveloppe"), m_settings.EnvOrientation == 1,
          [&](Canvas &c) { return Envelopes::ImpEnv(c, header, recipient, guide); });
}

void TFiche::Carte()
{
    if (shownKind() != Kind::Member)
        return;
    const BlockData member = shownMember(*this);
    const QStringList &header = m_settings.Header;
    print(QStringLiteral("Carte d'adhérent"), false, [&](Canvas &c) { return Card::Carte(c, header, member); });
}

void TFiche::CartePdf()
{
    if (shownKind() != Kind::Member)
        return;
    const QString file =
        Dialogs::current().fileToWrite(QStringLiteral("Fichier pdf (*.pdf)"), QStringLiteral("pdf"), QString());
    if (file.isEmpty())
        return;
    TPrintPDF pdf;
    pdf.Compress = true;
    pdf.PageWidth = 612;
    pdf.PageHeight = 792;
    pdf.OutputFile = file;
    pdf.BeginDoc();
    Card::CartePdf(pdf, m_settings.Header, shownMember(*this));
    QString error;
    if (!pdf.EndDoc(&error))
        Dialogs::current().error(error);
}

void TFiche::Button4Click()
{
    ReceiptsPage *page = receiptsPage();
    // The totals printed are those of the lines printed, as the page then shows them.
    page->Calculef();
    const ReceiptPrint::Data receipt = ReceiptPrint::Data::of(page->fields(), page->ReceiptLineCount());
    const QStringList &header = m_settings.Header;
    const int paper = m_settings.PaperType;
    print(QStringLiteral("Reçu"), false,
          [&](Canvas &c) { return ReceiptPrint::Button4Click(c, receipt, header, paper); });
}
