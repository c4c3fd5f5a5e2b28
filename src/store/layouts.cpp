#include "store/layouts.h"

namespace Layouts {

namespace {

QStringList utf8(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

} // namespace

const RecordLayout &of(Kind kind)
{
    static const RecordLayout layouts[] = {
        {Kind::Member, MemberField::Count, true, QByteArrayLiteral("DATA"), 3, QStringLiteral("adh"),
         utf8({"Numéro", "Titre", "Nom", "Prénom", "Adresse", "Adresse", "Cp", "Ville", "Téléphone", "Fax",
               "Portable", "Web", "Email", "Naissance", "Profession", "Echéance", "Catégorie"})},
        {Kind::Partner, PartnerField::Count, true, QByteArrayLiteral("DATA"), 3, QStringLiteral("par"),
         utf8({"Code", "Société", "Nom", "Prénom", "Adresse", "Adresse", "C.P.", "Ville", "Téléphone", "Fax", "Web",
               "Email"})},
        {Kind::Activity, ActivityField::Count, true, QByteArrayLiteral("DATA"), 3, QStringLiteral("atv"),
         utf8({"Code", "Intitulé", "Type", "Partenaire", "", "Début le", "à", "Fin le", "à", "Prix HT", "Prix TTC",
               "TVA", "Places", "Vendu"})},
        {Kind::Receipt, ReceiptField::Count, false, QByteArrayLiteral("FACT"), 2, QStringLiteral("rcu"),
         utf8({"N° de reçu", "Date", "Mode de réglement", "", "Coordonnées du payeur", "", "", ""})},
    };
    return layouts[int(kind)];
}

const QStringList &memberTitles()
{
    static const QStringList titles = utf8({"M.", "Mme", "Mlle", "Sté", "Asso"});
    return titles;
}

const QStringList &categoryNames()
{
    static const QStringList names = utf8({"Membre actif", "Membre bienfaiteur", "Membre honoraire", "Ancien membre"});
    return names;
}

QString categoryName(const QString &code)
{
    if (code.size() != 1 || code[0] < QLatin1Char('0') || code[0] > QLatin1Char('3'))
        return QString();
    return categoryNames().at(code[0].unicode() - '0');
}

} // namespace Layouts
