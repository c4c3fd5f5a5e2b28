// The text of the help, in French, as the user reads it.

#include "tools/help.h"

namespace Help {

namespace {

HelpPage make(const char *id, const char *title, const char *keywords, const char *body)
{
    return {QString::fromLatin1(id), QString::fromUtf8(title),
            QString::fromUtf8(keywords).split(QLatin1Char('|'), Qt::SkipEmptyParts), QString::fromUtf8(body)};
}

} // namespace

QList<HelpPage> builtInPages()
{
    return {
make("sommaire", "Sommaire", "sommaire|table des matières", R"(
<p>Velmora tient le fichier d'une association : ses adhérents, ses partenaires, ses activités, les reçus
qu'elle délivre et sa comptabilité. Des outils de bureau l'accompagnent : traitement de texte, planning,
messages, bloc-notes, calculatrices.</p>
<p>Pour débuter, lisez <a href="page:demarrer">Démarrer une nouvelle association</a>. Pour savoir
comment vous servir de cette fenêtre, lisez <a href="page:aide">Utiliser l'aide</a>.</p>
)"),

make("aide", "Utiliser l'aide", "aide|utiliser l'aide|index|rechercher|sommaire", R"(
<p>La fenêtre d'aide montre une page à la fois, à droite. À gauche, trois onglets :</p>
<ul>
<li><b>Sommaire</b> : la liste de toutes les pages ; cliquez sur un titre pour l'afficher.</li>
<li><b>Index</b> : la liste des mots clés. Tapez les premières lettres du mot cherché dans la zone du haut,
qui est vide à l'ouverture : la liste ne garde que les mots qui commencent ainsi (majuscules et accents
ne comptent pas). Double-cliquez sur un mot, ou choisissez-le et appuyez sur Entrée, pour afficher la page
qui en parle.</li>
<li><b>Rechercher</b> : tapez un ou plusieurs mots puis Entrée ; la liste montre les pages qui contiennent
tous ces mots.</li>
</ul>
<p>Dans une page, les mots soulignés mènent à une autre page. Le bouton <b>Précédent</b> revient à la page
lue avant, <b>Suivant</b> retourne à celle d'où vous reveniez, <b>Sommaire</b> affiche la liste des pages et
<b>Fermer</b> (ou Échap) ferme l'aide.</p>
<p>Dans le menu <b>Aide</b> du programme, « Index » ouvre l'aide sur le sommaire, « Rechercher... » sur
l'index des mots clés et « Utiliser l'aide » sur cette page.</p>
)"),

make("demarrer", "Démarrer une nouvelle association", "démarrer|nouvelle association|premier lancement|créer un fichier|nouveau", R"(
<p>Au premier lancement, aucun fichier n'est ouvert. Pour commencer le fichier d'une association :</p>
<ol>
<li>Dans le menu <b>Paramètres</b>, choisissez <b>Association</b> et tapez l'en-tête de l'association
(nom, adresse, téléphone...) : il figure sur les reçus et les lettres.</li>
<li>Toujours dans <b>Paramètres</b>, remplissez le <b>Bureau</b> (président, trésorier, secrétaire, début et
fin de l'exercice) et la liste des <b>Types d'activités</b>.</li>
<li>Dans le menu <b>Fichier</b>, choisissez <b>Nouveau</b> : une base vide s'ouvre sur la page des
adhérents.</li>
<li>Tapez la première fiche, puis ajoutez les suivantes avec <b>Nouvelle fiche</b> (menu <b>Base</b> ou
bouton de la barre d'outils).</li>
<li>Choisissez <b>Enregistrer sous...</b> dans le menu <b>Fichier</b> et donnez un nom au fichier, par
exemple <i>club.adh</i>. Tant que ce premier enregistrement n'est pas fait, le planning et les messages
ne peuvent pas être conservés.</li>
<li>Pour que ce fichier s'ouvre de lui-même au prochain lancement, cochez <b>Ouvrir automatiquement</b>
dans le menu <b>Paramètres</b>.</li>
</ol>
<p>Le plan comptable se prépare dans <b>Trésorerie</b>, <b>Plan comptable</b>, avant de saisir le
journal. Voir aussi <a href="page:fichiers">Les fichiers de Velmora</a>.</p>
)"),

make("fichiers", "Les fichiers de Velmora", "fichiers|sauvegardes|copies de sécurité|adh|par|atv|rcu|jnl|pdt|opl|oms|nte|ini|extension", R"(
<p>Les données d'une association tiennent dans quelques fichiers texte rangés ensemble, qui portent le
nom du fichier des adhérents avec une autre extension. Pour <i>club.adh</i> :</p>
<ul>
<li><b>club.adh</b> : les adhérents ;</li>
<li><b>club.par</b> : les partenaires ;</li>
<li><b>club.atv</b> : les activités ;</li>
<li><b>club.rcu</b> : les reçus ;</li>
<li><b>club.jnl</b> : le journal comptable ;</li>
<li><b>club.pdt</b> : le plan de trésorerie ;</li>
<li><b>club.opl</b> : le planning ;</li>
<li><b>club.oms</b> : le carnet de messages.</li>
</ul>
<p>Les cinq premiers sont écrits ensemble par <b>Enregistrer</b> ; le plan de trésorerie, le planning et
les messages sont écrits à la fermeture de leur fenêtre.</p>
<p><b>Sauvegardes</b> : à chaque enregistrement, les versions précédentes sont gardées dans un dossier
« Sauvegardes » placé à côté du fichier des adhérents ; les cinq dernières y restent, les plus anciennes
sont effacées. En cas d'erreur, vous pouvez y reprendre une version antérieure.</p>
<p>Dans le dossier de démarrage du programme se trouvent les fichiers communs à toutes les associations :
<b>Velmora.ini</b> (dernier fichier ouvert, ouverture automatique, mise en page), <b>Velmora.soc</b>
(en-tête de l'association), <b>Velmora.bur</b> (bureau), <b>Velmora.cbx</b> (types d'activités),
<b>Velmora.plc</b> (plan comptable) et <b>Velmora.nte</b> (bloc-notes). Ils sont écrits à la fermeture
du programme.</p>
<p>Pour copier une association sur un autre ordinateur, copiez tous les fichiers qui portent son nom.</p>
)"),

make("menu-fichier", "Le menu Fichier", "fichier|ouvrir|enregistrer|enregistrer sous|nouveau|importer|exporter|mise en page|imprimante|quitter", R"(
<ul>
<li><b>Nouveau</b> : ferme le fichier ouvert (après vous avoir proposé de l'enregistrer) et ouvre une
base vide.</li>
<li><b>Ouvrir...</b> : ouvre un fichier d'adhérents (extension .adh) et ses compagnons.</li>
<li><b>Enregistrer</b> : écrit le fichier ouvert ; un fichier sans nom passe par « Enregistrer sous ».</li>
<li><b>Enregistrer sous...</b> : écrit la base sous un autre nom ; un fichier du même nom n'est remplacé
qu'après confirmation.</li>
<li><b>Mise en page</b> : orientation des enveloppes, repère et type de papier.</li>
<li><b>Configurer imprimante...</b> : choix et réglage de l'imprimante.</li>
<li><b>Imprimer</b> : liste des adhérents, liste des partenaires, enveloppes.</li>
<li><b>Importer...</b> et <b>Exporter...</b> : échange d'adhérents ou de partenaires avec un tableur,
dans un fichier texte dont les champs sont séparés par des tabulations.</li>
<li><b>Quitter</b> (Alt+X) : ferme le programme, après la question d'enregistrement.</li>
</ul>
)"),

make("menu-edition", "Le menu Edition", "edition|copier|coller|rechercher|trier|nom|téléphone|numéro|société|code", R"(
<p><b>Copier</b> garde l'identité et l'adresse de la fiche affichée ; <b>Coller</b> les recopie dans la
fiche affichée (pratique pour plusieurs membres d'une même famille).</p>
<p>Sur la page des adhérents : <b>Rechercher nom...</b>, <b>Rechercher téléphone...</b>,
<b>Rechercher numéro...</b> et <b>Trier...</b>. Sur la page des partenaires : <b>Rechercher
société...</b>, <b>Rechercher code...</b>, <b>Rechercher nom</b> et <b>Trier</b>. Chaque recherche
demande le texte cherché puis affiche la fiche trouvée.</p>
)"),

make("menu-base", "Le menu Base", "base|adhérents|partenaires|activités|reçus|fiche|nouvelle fiche|supprimer fiche|liste|carte d'adhérent|pdf|navigation|précédent|suivant|premier|dernier", R"(
<p>La fenêtre principale contient quatre pages : <b>Adhérents</b>, <b>Partenaires</b>, <b>Activités</b>
et <b>Reçus</b>. Les quatre premières commandes du menu (et les boutons de la barre d'outils) passent
de l'une à l'autre.</p>
<ul>
<li><b>Précédent</b> (PgUp), <b>Suivant</b> (PgDn), <b>Premier</b>, <b>Dernier</b> : parcourent les
fiches de la page affichée, en tenant compte de la sélection en cours (menu <a href="page:menu-selection">
Sélection</a>).</li>
<li><b>Nouvelle fiche</b> : ajoute une fiche vide avec le numéro suivant.</li>
<li><b>Supprimer fiche</b> : efface la fiche affichée après confirmation.</li>
<li><b>Liste</b> (F2) : la liste des fiches ; un double-clic affiche la fiche choisie.</li>
<li><b>Imprimer fiche</b>, <b>Carte d'adhérent</b> et <b>Carte d'adhérent PDF</b> : impressions de la
fiche affichée.</li>
</ul>
<p>Une fiche d'adhérent porte l'identité, l'adresse, les téléphones, le courriel, la date de naissance,
la profession, l'échéance de la cotisation, la catégorie, des remarques et les versements. Toute
modification est gardée en mémoire quand vous changez de fiche, et écrite sur le disque par
<b>Enregistrer</b>.</p>
)"),

make("menu-recus", "Le menu Reçus", "reçus|nouveau reçu|supprimer reçu|imprimer reçu|liste des reçus|supprimer ligne|montant en lettres", R"(
<p>La page des reçus établit les reçus et factures de l'association. <b>Nouveau reçu</b> en commence un,
<b>Supprimer reçu</b> l'efface après confirmation, <b>Imprimer reçu</b> l'imprime avec l'en-tête de
l'association et le montant écrit en toutes lettres, <b>Liste des reçus</b> (F2) les montre tous et
<b>Supprimer ligne</b> efface la ligne choisie du reçu affiché. Les commandes de déplacement sont
les mêmes que celles du menu Base.</p>
)"),

make("menu-selection", "Le menu Sélection", "sélection|code postal|ville|rappel de cotisation|échéance|toutes les fiches", R"(
<p>Une sélection limite le parcours des fiches à celles qui répondent à une condition.</p>
<ul>
<li>Adhérents : <b>Toutes les fiches</b>, <b>Code postal</b>, <b>Ville</b> et <b>Rappel de
cotisaton</b> (les adhérents dont l'échéance tombe dans le nombre de jours indiqué).</li>
<li>Partenaires : <b>Toutes les fiches</b>, <b>Code postal</b> et <b>Ville</b>.</li>
</ul>
<p>La sélection en cours est cochée dans le menu.</p>
)"),

make("menu-tresorerie", "Le menu Trésorerie", "trésorerie|comptabilité|plan comptable|liste des comptes|journal|grand livre|plan de trésorerie|résultat annuel|écriture", R"(
<ul>
<li><b>Plan comptable</b> : les comptes de l'association, commun à tous les fichiers.</li>
<li><b>Liste des comptes</b> : le plan comptable en lecture.</li>
<li><b>Journal</b> : la saisie des écritures (date, compte, libellé, montant).</li>
<li><b>Grand livre</b> : les écritures compte par compte, avec leurs totaux.</li>
<li><b>Plan de trésorerie</b> : les prévisions de recettes et de dépenses mois par mois, gardées dans le
fichier .pdt.</li>
<li><b>Résultat annuel</b> : charges et produits de l'exercice et leur solde.</li>
</ul>
)"),

make("menu-outils", "Le menu Outils", "outils|traitement de texte|lettre|enveloppe courante|statistiques|stats|départements|catégories|chiffre d'affaires", R"(
<ul>
<li><b>Traitement de texte</b> : des lettres sur le papier à en-tête de l'association.</li>
<li><b>Enveloppe courante</b> : imprime l'enveloppe de la fiche affichée.</li>
<li><a href="page:planning">Planning</a> et <a href="page:messages">Messages</a>.</li>
<li><b>Stats départements</b>, <b>Stats catégories</b>, <b>Stats CA adhérents</b>, <b>Stats CA
partenaires</b>, <b>Stats CA activités</b> : comptes et chiffres d'affaires en tableaux et en
graphiques.</li>
<li><a href="page:emprunts">Emprunts</a> et <a href="page:placements">Placement</a>.</li>
</ul>
<p>Ces commandes sont disponibles dès qu'un fichier est ouvert ou créé.</p>
)"),

make("menu-parametres", "Le menu Paramètres", "paramètres|association|en-tête|bureau|exercice|types d'activités|ouvrir automatiquement", R"(
<ul>
<li><b>Association</b> : les sept lignes de l'en-tête imprimé sur les reçus et les lettres.</li>
<li><b>Bureau</b> : les membres du bureau et les dates de l'exercice.</li>
<li><b>Types d'activités</b> : la liste proposée sur la page des activités.</li>
<li><b>Ouvrir automatiquement</b> : le dernier fichier est rouvert au lancement suivant.</li>
</ul>
<p>Ces réglages sont communs à tous les fichiers et écrits à la fermeture du programme.</p>
)"),

make("menu-utilitaires", "Le menu Utilitaires", "utilitaires", R"(
<p>Petits outils toujours disponibles, même sans fichier ouvert :
<a href="page:calendrier">Calendrier</a>, <a href="page:calculatrice">Calculatrice</a>,
<a href="page:horloge">Horloge</a>, <a href="page:euro">Euro conversion</a>,
<a href="page:blocnotes">Bloc-notes</a>, <a href="page:peselettres">Pèse lettres</a> et
<a href="page:departements">Départements</a>.</p>
)"),

make("menu-aide", "Le menu Aide", "menu aide|a propos|version", R"(
<p><b>Index</b> ouvre cette aide sur son sommaire, <b>Rechercher...</b> sur l'index des mots clés,
<b>Utiliser l'aide</b> sur la page <a href="page:aide">Utiliser l'aide</a>. <b>A propos</b> affiche le
nom et la version du programme.</p>
)"),

make("planning", "Le planning", "planning|calendrier annuel|vacances|réunion|formation|salon|projet|catégorie|opl", R"(
<p>Le planning montre une année : une ligne par mois, une colonne par jour. Choisissez une catégorie en
cliquant sur sa couleur sous le tableau (Vacances, Réunion, Formation, Salon, Projet1 à Projet4), puis
cliquez sur les jours à marquer ; un clic sur un jour marqué le libère. Les jours qui n'existent pas
(30 février) ne se marquent pas.</p>
<p>Un double-clic sur une couleur permet de renommer sa catégorie ; le nom est gardé dans le fichier.</p>
<p><b>Année précédente</b> et <b>Année suivante</b> (ou PgUp et PgDn) changent d'année. Le planning est
écrit à la fermeture de la fenêtre dans le fichier .opl de l'association, s'il a changé. Pour une base
qui n'a jamais été enregistrée, rien n'est gardé : enregistrez d'abord le fichier des adhérents.</p>
)"),

make("messages", "Les messages", "messages|téléphone|appel|carnet|urgent|rappeler|oms", R"(
<p>Le carnet de messages note les appels reçus : pour qui, de qui, sa société et son téléphone, la date,
l'heure, l'objet et cinq cases (A téléphoné, Est venu, A rappeler, Rappellera, URGENT). En quittant
une zone Date ou Heure vide, elle prend la date ou l'heure du moment.</p>
<p><b>&lt;</b> et <b>&gt;</b> (ou PgUp et PgDn) passent d'un message à l'autre, <b>+</b> en ajoute un,
<b>-</b> efface celui qui est affiché. Le carnet s'ouvre sur le dernier message et il est écrit à la
fermeture dans le fichier .oms de l'association. Pour une base jamais enregistrée, rien n'est gardé.</p>
)"),

make("blocnotes", "Le bloc-notes", "bloc-notes|notes|nte|imprimer", R"(
<p>Un seul bloc-notes, commun à toutes les associations, gardé dans le fichier Velmora.nte du dossier de
démarrage. Tapez librement ; le texte est enregistré à la fermeture s'il a changé. <b>Imprimer</b>
l'envoie à l'imprimante ; les lignes trop longues continuent à la ligne suivante.</p>
)"),

make("peselettres", "Le pèse-lettres", "pèse lettres|poids|affranchissement|timbre|tarif|courrier|enveloppe", R"(
<p>Comptez ce que contient l'envoi (enveloppes, feuilles, disquettes et CD, photos), ajoutez au besoin
un poids en grammes et choisissez le tarif : le poids total et le prix en francs et en euros s'affichent
aussitôt. Un envoi plus lourd que la dernière tranche du tarif affiche un prix nul.</p>
)"),

make("emprunts", "Les emprunts", "emprunts|prêt|crédit|mensualité|intérêts|tableau d'amortissement|taux", R"(
<p>Tapez le montant emprunté, le taux annuel en pour cent et la durée en mois, laissez Mensualités vide
et cliquez sur Calculer (ou Entrée) : la mensualité et le tableau mois par mois (capital remboursé,
intérêt, reste dû) s'affichent, puis la ligne Totaux avec le coût du crédit. Si vous tapez une
mensualité, la durée devient le nombre de mois nécessaires.</p>
<p>Les colonnes s'additionnent exactement jusqu'aux totaux. Le taux doit être d'au moins 1 % et la
mensualité doit dépasser les intérêts du premier mois. Le tableau compte au plus 1200 mois.</p>
)"),

make("placements", "Les placements", "placement|épargne|apport|versement|capital|intérêts", R"(
<p>Tapez l'apport de départ, le taux annuel, la durée en mois et le versement mensuel, puis Calculer :
le tableau montre chaque mois le capital atteint, les intérêts gagnés et le versement, puis les totaux.
Sans versement mensuel, le tableau reste vide. Le tableau compte au plus 1200 mois.</p>
)"),

make("euro", "Le convertisseur euro", "euro|franc|conversion|convertisseur|taux", R"(
<p>Tapez un montant au clavier ou avec les touches de la fenêtre, choisissez Fr&gt;Euro ou Euro&gt;Fr et
appuyez sur = ou Entrée. Le taux est de 6,55957 francs pour un euro ; les flèches à côté permettent de le
changer pour un essai, il revient à sa valeur à l'ouverture suivante. Les euros sont arrondis au
centime, les francs au dixième de franc.</p>
)"),

make("calculatrice", "La calculatrice", "calculatrice|calcul|racine carrée|inverse|opérations|clavier", R"(
<p>Une calculatrice de poche : les opérations se font dans l'ordre où vous les tapez (2 + 3 × 4 = donne
20). Touches : chiffres, virgule (ou point), + - * /, = , x pour 1/x, s pour la racine carrée, c pour
effacer, Échap pour fermer. Appuyer de nouveau sur = répète la dernière opération. Une division par zéro
ou la racine d'un nombre négatif affiche un message et laisse le calcul où il en était.</p>
)"),

make("calendrier", "Le calendrier", "calendrier|mois|date|jour", R"(
<p>Le calendrier s'ouvre sur le mois en cours, le jour présent choisi. Les boutons Mois (ou PgUp et
PgDn) passent au mois précédent ou suivant ; le jour reste le même, ou devient le dernier du mois quand
celui-ci est plus court.</p>
)"),

make("horloge", "L'horloge", "horloge|heure|régler l'heure|date système", R"(
<p>L'horloge montre l'heure et la date de l'ordinateur. Pour les régler : cliquez sur <b>Set</b>,
choisissez la partie à changer (Hr, Mn, Jo, Mo, An) et modifiez-la avec les flèches, puis cliquez de
nouveau sur <b>Set</b> et confirmez. Le système peut refuser : il faut avoir le droit de régler
l'horloge, et la synchronisation automatique de l'heure doit être arrêtée.</p>
)"),

make("departements", "Les départements", "départements|codes postaux|numéro de département", R"(
<p>La liste des départements, avec leur numéro, telle que l'utilisent les statistiques par département.
Entrée ou Échap ferme la fenêtre.</p>
)"),

make("clavier", "Les touches du clavier", "clavier|raccourcis|touches|pgup|pgdn|f2|échap", R"(
<ul>
<li>PgUp et PgDn : fiche précédente et suivante ; année, mois ou message précédent et suivant dans le
planning, le calendrier et les messages.</li>
<li>F2 : la liste des fiches de la page affichée, ou des reçus.</li>
<li>Alt+X : quitter le programme.</li>
<li>Échap : ferme la calculatrice, le convertisseur, le calendrier, l'horloge et l'aide.</li>
</ul>
)"),
    };
}

} // namespace Help
