#include "print/sheet.h"

#include "print/mmcanvas.h"

namespace {

// A label, or the value of a field, at a place of the sheet.
struct Item
{
    int x;
    int y;
    const char16_t *label; // null for a field
    int field;
};

constexpr int kLabelX = 5;
constexpr int kValueX = 35;
constexpr int kRemarksX = 135;
constexpr int kRemarksY = 45;
constexpr int kRemarksTopOfNextPage = 5;
constexpr int kLineStep = 5;

const Item kMember[] = {
    {kLabelX, 5, u"Numéro", 0}, {kValueX, 5, nullptr, MemberField::Numero},
    {60, 5, u"Titre", 0}, {75, 5, nullptr, MemberField::Titre},
    {110, 5, u"Naissance", 0}, {135, 5, nullptr, MemberField::Naissance},
    {kLabelX, 10, u"Nom", 0}, {kValueX, 10, nullptr, MemberField::Nom},
    {110, 10, u"Profession", 0}, {135, 10, nullptr, MemberField::Profession},
    {kLabelX, 15, u"Prénom", 0}, {kValueX, 15, nullptr, MemberField::Prenom},
    {110, 15, u"Echeance", 0}, {135, 15, nullptr, MemberField::Echeance},
    {kLabelX, 20, u"Adresse", 0}, {kValueX, 20, nullptr, MemberField::Adresse1},
    {kLabelX, 25, u"Adresse", 0}, {kValueX, 25, nullptr, MemberField::Adresse2},
    {kLabelX, 30, u"Cp", 0}, {kValueX, 30, nullptr, MemberField::Cp},
    {kLabelX, 35, u"Ville", 0}, {kValueX, 35, nullptr, MemberField::Ville},
    {kLabelX, 40, u"Téléphone", 0}, {kValueX, 40, nullptr, MemberField::Telephone},
    {kRemarksX, 40, u"Remarques", 0},
    {kLabelX, 45, u"Fax", 0}, {kValueX, 45, nullptr, MemberField::Fax},
    {kLabelX, 50, u"Portable", 0}, {kValueX, 50, nullptr, MemberField::Portable},
    {kLabelX, 55, u"Web", 0}, {kValueX, 55, nullptr, MemberField::Web},
    {kLabelX, 60, u"EMail", 0}, {kValueX, 60, nullptr, MemberField::Email},
};

const Item kPartner[] = {
    {kLabelX, 5, u"Code", 0}, {kValueX, 5, nullptr, PartnerField::Code},
    {kLabelX, 10, u"Nom", 0}, {kValueX, 10, nullptr, PartnerField::Nom},
    {kLabelX, 15, u"Prénom", 0}, {kValueX, 15, nullptr, PartnerField::Prenom},
    {kLabelX, 20, u"Adresse", 0}, {kValueX, 20, nullptr, PartnerField::Adresse1},
    {kLabelX, 25, u"Adresse", 0}, {kValueX, 25, nullptr, PartnerField::Adresse2},
    {kLabelX, 30, u"Cp", 0}, {kValueX, 30, nullptr, PartnerField::Cp},
    {kLabelX, 35, u"Ville", 0}, {kValueX, 35, nullptr, PartnerField::Ville},
    {kLabelX, 40, u"Téléphone", 0}, {kValueX, 40, nullptr, PartnerField::Telephone},
    {kRemarksX, 40, u"Remarques", 0},
    {kLabelX, 45, u"Fax", 0}, {kValueX, 45, nullptr, PartnerField::Fax},
    {kLabelX, 50, u"Web", 0}, {kValueX, 50, nullptr, PartnerField::Web},
    {kLabelX, 55, u"EMail", 0}, {kValueX, 55, nullptr, PartnerField::Email},
    // The company under the other fields, where it covers nothing.
    {kLabelX, 60, u"Société", 0}, {kValueX, 60, nullptr, PartnerField::Societe},
};

template <size_t N>
bool draw(Canvas &canvas, const BlockData &record, const Item (&items)[N])
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    for (const Item &item : items)
        m.text(item.x, item.y, item.label ? QString::fromUtf16(item.label) : record.field(item.field));

    // The remarks keep to their column, from its left edge to the paper's.
    const int width = canvas.widthPx() - m.Mh(kRemarksX);
    int y = kRemarksY;
    for (const QString &remark : record.memo) {
        for (const QString &line : TextFit::wrap(canvas, remark, width)) {
            // A page too short for even one line still takes one a page.
            if (!m.fits(y) && y > kRemarksTopOfNextPage) {
                if (!m.newPage())
                    return false;
                y = kRemarksTopOfNextPage;
            }
            m.text(kRemarksX, y, line);
            y += kLineStep;
        }
    }
    return true;
}

} // namespace

bool RecordSheet::member(Canvas &canvas, const BlockData &member)
{
    return draw(canvas, member, kMember);
}

bool RecordSheet::partner(Canvas &canvas, const BlockData &partner)
{
    return draw(canvas, partner, kPartner);
}
