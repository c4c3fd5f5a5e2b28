#pragma once
// The four record kinds as their blocks hold them: the fixed lines by name
// (position 1 is the line after the opening tag), the marker of their rows,
// and the lists of values some fields take. Every reader of records names
// positions from here.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class Kind { Member = 0, Partner = 1, Activity = 2, Receipt = 3 };

namespace MemberField {
enum : int {
    Numero = 1, Titre, Nom, Prenom, Adresse1, Adresse2, Cp, Ville, Telephone, Fax, Portable, Web, Email,
    Naissance, Profession, Echeance, Categorie,
    Count = Categorie
};
}

namespace PartnerField {
enum : int {
    Code = 1, Societe, Nom, Prenom, Adresse1, Adresse2, Cp, Ville, Telephone, Fax, Web, Email,
    Count = Email
};
}

namespace ActivityField {
enum : int {
    Code = 1, Intitule, Type, Partenaire, PartnerName, Debut, DebutHeure, Fin, FinHeure, PrixHT, PrixTTC, TVA,
    Places, Vendu,
    Count = Vendu
};
}

namespace ReceiptField {
enum : int {
    Numero = 1, Date, Mode, DocKind, Payer1, Payer2, Payer3, Payer4,
    Count = Payer4
};
}

struct RecordLayout
{
    Kind kind;
    int fixedCount;          // fixed lines after the opening tag
    bool hasMemo;            // "MEMO" lines (remarks)
    QByteArray rowMarker;    // "DATA" (date, label, amount) or "FACT" (designation, amount)
    int rowCells;
    QString fileExtension;   // of the kind's file, derived from the member file
    // Captions of the fixed lines as the kind's page shows them, position 1 first.
    QStringList captions;
};

namespace Layouts {

const RecordLayout &of(Kind kind);

// "Titre" of a member: the choices offered (free text is allowed too).
const QStringList &memberTitles();
// "Catégorie" of a member, stored as the index of its name: 0 "Membre actif"
// to 3 "Ancien membre". The page, the printouts and the statistics say the same.
const QStringList &categoryNames();
// The name of a stored category code; empty for any other code.
QString categoryName(const QString &code);

} // namespace Layouts
