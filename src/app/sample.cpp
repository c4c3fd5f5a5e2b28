#include "app/sample.h"

#include "core/formats.h"
#include "core/textfile.h"
#include "store/receipts.h"
#include "store/recordstore.h"
#include "store/settingsfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// The figures of the sample: the same seed, the same association.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    int below(int n)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_state >> 33) % quint64(n));
    }
    int between(int low, int high) { return low + below(high - low + 1); }
    template <typename T>
    const T &pick(const std::vector<T> &from) { return from[size_t(below(int(from.size())))]; }

private:
    quint64 m_state;
};

constexpr quint64 kSeed = 20261207;

QString cents(int c)
{
    return Formats::amount(c / 100.0);
}

QString dateText(const QDate &d)
{
    return Formats::date(d);
}

QString phone(Random &r, const QString &prefix)
{
    QString number = prefix;
    for (int group = 0; group < 4; ++group)
        number += QStringLiteral(" %1").arg(r.between(10, 99));
    return number;
}

// Letters without accents, for addresses of mail.
QString plain(const QString &text)
{
    QString out = text.normalized(QString::NormalizationForm_D);
    out.remove(QRegularExpression(QStringLiteral("[^a-zA-Z0-9.-]")));
    return out.toLower();
}

struct Town
{
    QString cp;
    QString name;
};

const std::vector<Town> &towns()
{
    static const std::vector<Town> list = {
        {"35000", "Rennes"},          {"35700", "Rennes"},           {"35510", "Cesson-Sévigné"},
        {"35135", "Chantepie"},       {"35760", "Saint-Grégoire"},   {"35830", "Betton"},
        {"35400", "Saint-Malo"},      {"22000", "Saint-Brieuc"},     {"56000", "Vannes"},
        {"29200", "Brest"},           {"44000", "Nantes"},           {"75011", "Paris"},
    };
    return list;
}

const std::vector<QString> kStreets = {
    "rue des Tilleuls", "avenue de la Gare", "rue du Moulin", "place de l'Église", "allée des Chênes",
    "boulevard de la Liberté", "rue Victor Hugo", "chemin des Prés", "impasse des Lilas",
    "rue de la Fontaine", "quai de la Vilaine", "rue des Écoles",
};

struct Member
{
    BlockData block;
    int category = 0;
    QDate lastPayment;           // invalid: never paid
    QList<QDate> payments;
    QList<int> amounts;          // cents
    QList<QString> labels;
    QString name;                // "Nom Prénom"
};

struct Partner
{
    BlockData block;
    QString company;
};

struct Activity
{
    BlockData block;
    QDate start;
    int priceCents = 0;
    int sold = 0;
    QString title;
    int costCents = 0;
};

// One line of the journal, before it is laid out month by month.
struct Entry
{
    QDate date;
    QString account;
    QString label;
    int expense = 0;  // cents; 0: none
    int receipt = 0;
};

// The chart: classes 5 (money), 6 (expenses) and 7 (income) of an association.
const std::vector<std::pair<QString, QString>> &accounts()
{
    static const std::vector<std::pair<QString, QString>> list = {
        {"51200", "Banque"},
        {"53000", "Caisse"},
        {"60630", "Petit équipement"},
        {"60640", "Fournitures administratives"},
        {"61320", "Locations de salles"},
        {"61600", "Assurances"},
        {"62300", "Publicité, impressions"},
        {"62510", "Déplacements"},
        {"62570", "Réceptions"},
        {"62600", "Frais postaux et télécommunications"},
        {"62700", "Services bancaires"},
        {"65800", "Charges diverses"},
        {"70600", "Prestations de services"},
        {"70800", "Produits des activités annexes"},
        {"74000", "Subventions"},
        {"75400", "Dons"},
        {"75600", "Cotisations"},
        {"75800", "Partenariats"},
        {"76800", "Produits financiers"},
    };
    return list;
}

const QStringList kTypes = {"Sortie", "Atelier", "Conférence", "Repas", "Stage", "Fête", "Tournoi"};

std::vector<Member> makeMembers(Random &r, const QDate &today)
{
    static const std::vector<std::pair<QString, bool>> firstNames = {
        {"Jean", false},    {"Marie", true},      {"Pierre", false},  {"Sophie", true},
        {"Luc", false},     {"Claire", true},     {"Michel", false},  {"Anne", true},
        {"Philippe", false}, {"Isabelle", true},  {"Alain", false},   {"Catherine", true},
        {"Nicolas", false}, {"Émilie", true},     {"Julien", false},  {"Camille", true},
        {"François", false}, {"Hélène", true},    {"Thomas", false},  {"Céline", true},
        {"Bernard", false}, {"Nathalie", true},   {"Olivier", false}, {"Élodie", true},
        {"Daniel", false},  {"Agnès", true},      {"Laurent", false}, {"Chantal", true},
        {"Hugo", false},    {"Maëlle", true},
    };
    static const QStringList lastNames = {
        "Martin", "Le Gall", "Dubois", "Thomas", "Robert", "Le Roux", "Petit", "Durand", "Leroy",
        "Moreau", "Simon", "Guillou", "Lefèvre", "Michel", "Garnier", "David", "Bertrand", "Roux",
        "Vincent", "Fournier", "Morel", "Girard", "André", "Mercier", "Hamon", "Lambert", "Bonnet",
        "Tanguy", "Le Corre", "Legrand",
    };
    static const std::vector<QString> jobs = {
        "Enseignant", "Infirmière", "Retraité", "Ingénieur", "Artisan", "Comptable", "Étudiant",
        "Commerçant", "Agriculteur", "Médecin", "Employé", "Sans profession",
    };
    static const QStringList remarks = {
        "Membre du bureau", "Bénévole pour la fête d'été", "Préfère être contacté par courriel",
        "Apporte le matériel de pique-nique", "Photographe de l'association",
    };

    std::vector<Member> members;
    for (int i = 0; i < int(firstNames.size()); ++i) {
        Member m;
        const bool woman = firstNames[size_t(i)].second;
        const QString first = firstNames[size_t(i)].first;
        const QString last = lastNames[i];
        const Town &town = r.pick(towns());
        // Most are active; a few benefactors, two honorary members, two former ones.
        m.category = i % 10 == 3 ? 1 : (i == 7 || i == 21) ? 2 : (i == 12 || i == 26) ? 3 : 0;
        m.name = last + QLatin1Char(' ') + first;

        BlockData &b = m.block;
        b.setField(MemberField::Numero, QString::number(10001 + i));
        b.setField(MemberField::Titre, woman ? (i % 7 == 5 ? QStringLiteral("Mlle") : QStringLiteral("Mme"))
                                             : QStringLiteral("M."));
        b.setField(MemberField::Nom, last);
        b.setField(MemberField::Prenom, first);
        b.setField(MemberField::Adresse1, QStringLiteral("%1 %2").arg(r.between(1, 60)).arg(r.pick(kStreets)));
        b.setField(MemberField::Adresse2, i % 6 == 2 ? QStringLiteral("Résidence Les Glycines, bât. B") : QString());
        b.setField(MemberField::Cp, town.cp);
        b.setField(MemberField::Ville, town.name);
        b.setField(MemberField::Telephone, phone(r, QStringLiteral("02")));
        b.setField(MemberField::Fax, QString());
        b.setField(MemberField::Portable, i % 3 == 0 ? QString() : phone(r, QString::fromLatin1(i % 2 ? "06" : "07")));
        b.setField(MemberField::Web, QString());
        b.setField(MemberField::Email, i % 5 == 4 ? QString()
                                                  : plain(first) + QLatin1Char('.') + plain(last)
                                                        + QStringLiteral("@courriel.example"));
        b.setField(MemberField::Naissance, dateText(today.addYears(-r.between(19, 82)).addDays(-r.below(365))));
        b.setField(MemberField::Profession, r.pick(jobs));
        b.setField(MemberField::Categorie, QString::number(m.category));
        if (i % 4 == 1)
            b.memo << remarks[(i / 4) % remarks.size()];

        // Two years of subscriptions, paid on the day of joining; some did
        // not renew this year, and the newest joined less than a year ago.
        const int fee = m.category == 1 ? 8000 : 3000;
        const int daysAgo = r.below(365);
        const bool lapsed = i % 8 == 6 || m.category == 3;
        const bool newcomer = i % 9 == 8;
        QList<QDate> paid;
        if (m.category != 2) {
            const QDate last = today.addDays(-daysAgo).addYears(lapsed ? -1 : 0);
            if (!newcomer || lapsed)
                paid << last.addYears(-1);
            paid << last;
            if (m.category == 3)
                paid.removeLast();
        }
        for (const QDate &d : paid) {
            m.payments << d;
            m.amounts << fee;
            m.labels << QStringLiteral("Cotisation %1").arg(d.year());
        }
        if (m.category == 1 && !paid.isEmpty()) {
            m.payments << paid.last().addDays(r.between(10, 40));
            m.amounts << 5000;
            m.labels << QStringLiteral("Don");
            if (m.payments.last() > today) {
                m.payments.removeLast();
                m.amounts.removeLast();
                m.labels.removeLast();
            }
        }
        if (!paid.isEmpty())
            m.lastPayment = paid.last();
        const QDate renewal = paid.isEmpty() ? QDate(today.year() + 1, 12, 31) : paid.last().addYears(1);
        b.setField(MemberField::Echeance, dateText(renewal));
        for (int p = 0; p < m.payments.size(); ++p)
            b.rows.append({dateText(m.payments[p]), m.labels[p], cents(m.amounts[p])});
        members.push_back(m);
    }
    return members;
}

std::vector<Partner> makePartners(Random &r, const QDate &today)
{
    struct Def
    {
        QString company, last, first, web;
        int yearly; // cents
    };
    static const std::vector<Def> defs = {
        {"Imprimerie du Ponant", "Kerhervé", "Yann", "imprimerie-ponant", 25000},
        {"Boulangerie Le Bon Grain", "Le Bihan", "Soizic", QString(), 10000},
        {"Garage des Lices", "Perrin", "Marc", "garage-lices", 15000},
        {"Librairie La Plume", "Cadiou", "Armelle", "librairie-laplume", 8000},
        {"Traiteur Saveurs d'Ille", "Rault", "Gwenaël", "saveurs-ille", 0},
        {"Jardinerie Les Quatre Saisons", "Briand", "Odile", "quatre-saisons", 12000},
    };
    std::vector<Partner> partners;
    for (int i = 0; i < int(defs.size()); ++i) {
        const Def &d = defs[size_t(i)];
        const Town &town = towns()[size_t(i % 7)];
        Partner p;
        p.company = d.company;
        BlockData &b = p.block;
        b.setField(PartnerField::Code, QString::number(10001 + i));
        b.setField(PartnerField::Societe, d.company);
        b.setField(PartnerField::Nom, d.last);
        b.setField(PartnerField::Prenom, d.first);
        b.setField(PartnerField::Adresse1, QStringLiteral("%1 %2").arg(r.between(1, 90)).arg(r.pick(kStreets)));
        b.setField(PartnerField::Adresse2, i == 3 ? QStringLiteral("Zone artisanale du Haut-Bois") : QString());
        b.setField(PartnerField::Cp, town.cp);
        b.setField(PartnerField::Ville, town.name);
        b.setField(PartnerField::Telephone, phone(r, QStringLiteral("02")));
        b.setField(PartnerField::Fax, i % 2 ? QString() : phone(r, QStringLiteral("02")));
        b.setField(PartnerField::Web, d.web.isEmpty() ? QString() : QStringLiteral("www.") + d.web + ".example");
        b.setField(PartnerField::Email, d.web.isEmpty() ? QString() : QStringLiteral("contact@") + d.web + ".example");
        if (i == 4)
            b.memo << QStringLiteral("Fournit le repas de fin d'année à prix coûtant");
        // A sponsorship each of the last two years.
        for (int y = 1; y >= 0 && d.yearly > 0; --y) {
            const QDate paid = today.addYears(-y).addDays(-r.between(20, 200));
            b.rows.append({dateText(paid), QStringLiteral("Partenariat %1").arg(paid.year()), cents(d.yearly)});
        }
        partners.push_back(p);
    }
    return partners;
}

std::vector<Activity> makeActivities(Random &r, const QDate &today, const std::vector<Member> &members,
                                     const std::vector<Partner> &partners)
{
    struct Def
    {
        QString title;
        int type;       // in kTypes
        int partner;    // index, or -1
        int startDays;  // from today
        int days;       // how long
        int hour;       // start
        int price;      // cents, tax included
        int places;
        int cost;       // what it costs the association, cents
        QString memo;
    };
    static const std::vector<Def> defs = {
        {"Randonnée en forêt de Paimpont", 0, -1, -300, 1, 9, 500, 40, 0, "Rendez-vous sur le parking de la mairie"},
        {"Atelier cuisine bretonne", 1, 4, -230, 1, 14, 2500, 12, 18000, QString()},
        {"Sortie au Mont-Saint-Michel", 0, 2, -160, 1, 7, 3500, 50, 95000, "Départ en car à 7 h 30"},
        {"Conférence sur les oiseaux du littoral", 2, 3, -95, 1, 20, 0, 80, 15000, QString()},
        {"Fête d'été de l'association", 5, 1, -45, 1, 11, 1200, 120, 42000, "Prévoir les tables et les bancs"},
        {"Stage de photographie", 4, 0, -12, 2, 9, 6000, 10, 20000, QString()},
        {"Tournoi de pétanque", 6, -1, 18, 1, 14, 500, 32, 3000, QString()},
        {"Repas de fin d'année", 3, 4, 55, 1, 19, 2800, 60, 0, "Menu à confirmer avec le traiteur"},
    };
    std::vector<Activity> activities;
    for (int i = 0; i < int(defs.size()); ++i) {
        const Def &d = defs[size_t(i)];
        Activity a;
        a.title = d.title;
        a.start = today.addDays(d.startDays);
        a.priceCents = d.price;
        a.costCents = d.cost;
        // Past activities were well attended; the coming ones are filling up.
        a.sold = std::min(d.places, d.startDays < 0 ? d.places * r.between(60, 100) / 100
                                                    : d.places * r.between(20, 50) / 100);
        const int ht = int(std::lround(d.price / 1.2));
        BlockData &b = a.block;
        b.setField(ActivityField::Code, QString::number(10001 + i));
        b.setField(ActivityField::Intitule, d.title);
        b.setField(ActivityField::Type, kTypes[d.type]);
        b.setField(ActivityField::Partenaire, d.partner < 0 ? QString() : QString::number(10001 + d.partner));
        b.setField(ActivityField::PartnerName, d.partner < 0 ? QString() : partners[size_t(d.partner)].company);
        b.setField(ActivityField::Debut, dateText(a.start));
        b.setField(ActivityField::DebutHeure, Formats::time(QTime(d.hour, 0)));
        b.setField(ActivityField::Fin, dateText(a.start.addDays(d.days - 1)));
        b.setField(ActivityField::FinHeure, Formats::time(QTime(std::min(d.hour + 5, 23), 30)));
        b.setField(ActivityField::PrixHT, cents(ht));
        b.setField(ActivityField::PrixTTC, cents(d.price));
        b.setField(ActivityField::TVA, cents(d.price - ht));
        b.setField(ActivityField::Places, QString::number(d.places));
        b.setField(ActivityField::Vendu, QString::number(a.sold));
        if (!d.memo.isEmpty())
            b.memo << d.memo;
        // The first registrations, by name, in the order they came.
        std::vector<std::pair<QDate, QString>> registrations;
        for (int k = 0; k < std::min(a.sold, 5); ++k)
            registrations.emplace_back(std::min(today, a.start.addDays(-r.between(3, 30))),
                                       members[size_t((i * 7 + k * 3) % members.size())].name);
        std::stable_sort(registrations.begin(), registrations.end(),
                         [](const auto &x, const auto &y) { return x.first < y.first; });
        for (const auto &[on, name] : registrations)
            b.rows.append({dateText(on), QStringLiteral("Inscription ") + name, cents(d.price)});
        activities.push_back(a);
    }
    return activities;
}

// Receipts for subscriptions and gifts, invoices to partners, and a credit
// note, numbered by month as the receipt page numbers them.
std::vector<BlockData> makeReceipts(const QDate &today, const std::vector<Member> &members,
                                    const std::vector<Partner> &partners, const std::vector<Activity> &activities)
{
    struct Doc
    {
        QDate date;
        Receipts::Fields fields;
    };
    std::vector<Doc> docs;
    static const QStringList modes = {"Chèque", "Espèces", "Virement", "Carte bancaire"};
    for (int i = 0; i < int(members.size()) && docs.size() < 8; i += 3) {
        const Member &m = members[size_t(i)];
        if (m.payments.isEmpty())
            continue;
        Receipts::Fields f;
        f.kind = QStringLiteral("Reçu");
        f.date = dateText(m.payments.last());
        f.mode = modes[i % modes.size()];
        f.payer = Receipts::payerFromMember(QStringList(4), m.block);
        f.rows.append({m.labels.last(), cents(m.amounts.last())});
        docs.push_back({m.payments.last(), f});
    }
    for (int i = 0; i < 3; ++i) {
        const Partner &p = partners[size_t(i)];
        Receipts::Fields f;
        f.kind = QStringLiteral("Facture");
        const QDate on = today.addDays(-20 - 70 * i);
        f.date = dateText(on);
        f.mode = QStringLiteral("Virement");
        const BlockData &b = p.block;
        f.payer = {p.company, b.field(PartnerField::Adresse1), b.field(PartnerField::Adresse2),
                   b.field(PartnerField::Cp) + QLatin1Char(' ') + b.field(PartnerField::Ville)};
        f.rows.append({QStringLiteral("Encart publicitaire, programme annuel"), cents(12000)});
        if (i == 0)
            f.rows.append({QStringLiteral("Logo sur les affiches de la fête d'été"), cents(8000)});
        docs.push_back({on, f});
    }
    {
        // A registration refunded after a cancelled place.
        const Activity &a = activities[2];
        const Member &m = members[4];
        Receipts::Fields f;
        f.kind = QStringLiteral("Avoir     ");
        const QDate on = std::min(today, a.start.addDays(2));
        f.date = dateText(on);
        f.mode = QStringLiteral("Chèque");
        f.payer = Receipts::payerFromMember(QStringList(4), m.block);
        f.rows.append({QStringLiteral("Remboursement : ") + a.title.left(26), cents(a.priceCents)});
        docs.push_back({on, f});
    }
    std::stable_sort(docs.begin(), docs.end(), [](const Doc &a, const Doc &b) { return a.date < b.date; });
    std::map<int, int> perMonth;
    std::vector<BlockData> blocks;
    for (Doc &d : docs) {
        const int month = d.date.year() * 100 + d.date.month();
        d.fields.number = QString::number(month * 1000LL + ++perMonth[month]);
        blocks.push_back(Receipts::toBlock(d.fields, int(d.fields.rows.size())));
    }
    return blocks;
}

// A year of bookkeeping: the twelve months up to this one, nothing after today.
std::vector<Entry> makeEntries(Random &r, const QDate &today, const QDate &from, const std::vector<Member> &members,
                               const std::vector<Partner> &partners, const std::vector<Activity> &activities)
{
    std::vector<Entry> entries;
    auto add = [&](const QDate &d, const char *account, const QString &label, int expense, int receipt) {
        if (d >= from && d <= today)
            entries.push_back({d, QString::fromLatin1(account), label, expense, receipt});
    };
    for (QDate month = from; month <= today; month = month.addMonths(1)) {
        add(month, "61320", QStringLiteral("Loyer de la salle"), 12000, 0);
        add(month.addDays(4), "62700", QStringLiteral("Frais de tenue de compte"), 450, 0);
        if (month.month() % 3 == 0) {
            add(month.addDays(9), "60640", QStringLiteral("Fournitures de bureau"), r.between(1500, 6000), 0);
            add(month.addDays(14), "62600", QStringLiteral("Timbres et téléphone"), r.between(1200, 4000), 0);
            add(month.addDays(20), "53000", QStringLiteral("Remise d'espèces en banque"), 15000, 0);
            add(month.addDays(20), "51200", QStringLiteral("Remise d'espèces en banque"), 0, 15000);
        }
        if (month.month() == 1)
            add(month.addDays(11), "61600", QStringLiteral("Assurance responsabilité civile"), 28500, 0);
        if (month.month() == 4)
            add(month.addDays(17), "74000", QStringLiteral("Subvention municipale"), 0, 80000);
        if (month.month() == 9)
            add(month.addDays(6), "62300", QStringLiteral("Impression du programme annuel"), 34000, 0);
        if (month.month() == 12)
            add(month.addDays(15), "76800", QStringLiteral("Intérêts du livret"), 0, 1235);
    }
    for (const Member &m : members)
        for (int p = 0; p < m.payments.size(); ++p)
            add(m.payments[p], m.labels[p] == QStringLiteral("Don") ? "75400" : "75600",
                m.labels[p] + QStringLiteral(" ") + m.name, 0, m.amounts[p]);
    for (const Partner &p : partners)
        for (const QStringList &row : p.block.rows) {
            double amount = 0;
            QDate d;
            if (Formats::parseAmount(row.value(2), &amount) && Formats::parseDate(row.value(0), &d))
                add(d, "75800", row.value(1) + QStringLiteral(" ") + p.company, 0, int(std::lround(amount * 100)));
        }
    for (const Activity &a : activities) {
        if (a.sold > 0 && a.priceCents > 0)
            add(a.start, "70600", QStringLiteral("Inscriptions ") + a.title, 0, a.sold * a.priceCents);
        if (a.costCents > 0)
            add(a.start, "62570", QStringLiteral("Frais : ") + a.title, a.costCents, 0);
    }
    return entries;
}

// The journal as its window writes it: each month's entries in day order, all
// six columns of each, a mark on those the bank statement already showed.
QStringList journalLines(std::vector<Entry> entries, const QDate &today)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.date < b.date; });
    QStringList lines;
    int row = 0;
    QString key;
    for (const Entry &e : entries) {
        const QString k = e.date.toString(QStringLiteral("yyyyMM"));
        row = k == key ? row + 1 : 0;
        key = k;
        const QStringList cells = {dateText(e.date), e.account, e.label,
                                   e.expense ? cents(e.expense) : QString(), e.receipt ? cents(e.receipt) : QString(),
                                   e.date.daysTo(today) > 45 ? QString(QChar(0xD7)) : QString()};
        for (int c = 0; c < cells.size(); ++c)
            lines << key + QStringLiteral("%1%2").arg(row, 3, 10, QLatin1Char('0')).arg(c) + cells[c];
    }
    return lines;
}

template <typename T>
QStringList blockList(Kind kind, const std::vector<T> &records, const BlockData T::*block)
{
    QStringList lines;
    for (int n = 0; n < int(records.size()); ++n)
        lines << RecordStore::blockLines(kind, n, records[size_t(n)].*block);
    return lines;
}

} // namespace

QString Sample::memberFileName()
{
    return QStringLiteral("exemple.adh");
}

QString Sample::defaultFolder()
{
    // The program's own data folder (~/.local/share/Velmora), whatever the
    // running program is called.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora/Exemple");
}

QList<Sample::File> Sample::files(const QDate &today)
{
    Random r(kSeed);
    const std::vector<Member> members = makeMembers(r, today);
    const std::vector<Partner> partners = makePartners(r, today);
    const std::vector<Activity> activities = makeActivities(r, today, members, partners);
    const QDate from = QDate(today.year(), today.month(), 1).addMonths(-11);
    const QStringList journal =
        journalLines(makeEntries(r, today, from, members, partners, activities), today);

    QStringList receipts;
    const std::vector<BlockData> docs = makeReceipts(today, members, partners, activities);
    for (int n = 0; n < int(docs.size()); ++n)
        receipts << RecordStore::blockLines(Kind::Receipt, n, docs[size_t(n)]);

    const QStringList header = {"Les Amis de la Vilaine", "Association loi 1901", "12 rue des Tanneurs",
                                "35000 Rennes", "Tél. 02 99 00 12 34", "contact@amis-vilaine.example",
                                "Déclarée en préfecture d'Ille-et-Vilaine"};
    // The financial year is the year of the journal; the officers are members.
    QStringList bureau = {dateText(from) + QLatin1Char('\t') + dateText(from.addYears(1).addDays(-1))};
    for (const int m : {0, 3, 8, 13, 17, 24})
        bureau << members[size_t(m)].block.field(MemberField::Prenom) + QLatin1Char(' ')
                      + members[size_t(m)].block.field(MemberField::Nom) + QLatin1Char('\t')
                      + members[size_t(m)].block.field(MemberField::Telephone);
    while (bureau.size() < SettingsFiles::kBureauLines)
        bureau << QStringLiteral("\t");
    QStringList chart;
    for (const auto &[number, label] : accounts())
        chart << number + QStringLiteral("  ") + label;

    const QString member = memberFileName();
    return {
        {SettingsFiles::socName(), header},
        {SettingsFiles::burName(), bureau},
        {SettingsFiles::cbxName(), QStringList{SettingsFiles::typeSection()} + kTypes},
        {SettingsFiles::plcName(), chart},
        {RecordStore::withExtension(member, kindExtension(Kind::Partner)),
         blockList(Kind::Partner, partners, &Partner::block)},
        {RecordStore::withExtension(member, kindExtension(Kind::Activity)),
         blockList(Kind::Activity, activities, &Activity::block)},
        {RecordStore::withExtension(member, kindExtension(Kind::Receipt)), receipts},
        {RecordStore::journalName(member), journal},
        {member, blockList(Kind::Member, members, &Member::block)},
    };
}

std::optional<QString> Sample::ensure(const QString &folder, const QDate &today, QString *error)
{
    const QDir dir(folder);
    const QString member = dir.filePath(memberFileName());
    if (TextFile::exists(member))
        return member;
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Impossible de créer le dossier %1.").arg(QDir::toNativeSeparators(folder));
        return std::nullopt;
    }
    for (const File &f : files(today)) {
        const QString path = dir.filePath(f.name);
        if (!QFileInfo::exists(path) && !TextFile::writeLines(path, f.lines, error))
            return std::nullopt;
    }
    return member;
}
