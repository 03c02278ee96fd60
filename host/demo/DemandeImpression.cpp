#include "DemandeImpression.h"

#include <QRegularExpression>

#include "Ctr_Ardoine.h"
#include "EntierDecimal.h"
#include "dba/Erreur.h"
#include "printer/DossierPdf.h"

namespace demo {

namespace {

using Regroupement = DemandeImpression::Regroupement;

constexpr int CopiesMaximum = 999;

[[noreturn]] void Refuser(const QString& texte) {
    throw dba::Erreur(dba::ErrArgument, texte.toStdString());
}

QString Obligatoire(const QString& valeur, const char* option) {
    if (valeur.isEmpty()) {
        Refuser(QStringLiteral("L'option --%1 est obligatoire.").arg(QLatin1String(option)));
    }
    return valeur;
}

// The first day of the month the text names.
QDate Mois_Nomme(const QString& texte, const QDate& aujourdhui) {
    const QDate courant(aujourdhui.year(), aujourdhui.month(), 1);
    if (texte == QLatin1String("courant")) {
        return courant;
    }
    if (texte == QLatin1String("precedent")) {
        return courant.addMonths(-1);
    }
    // Anchored at the very end: "$" alone would also take "2026-12" followed by a line end.
    static const QRegularExpression relatif(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]\\d{1,4}")));
    if (relatif.match(texte).hasMatch()) {
        return courant.addMonths(texte.toInt());
    }
    static const QRegularExpression forme(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{4})-(\\d{2})")));
    const auto lu = forme.match(texte);
    const int mois = lu.hasMatch() ? lu.captured(2).toInt() : 0;
    if (mois < 1 || mois > 12) {
        Refuser(QStringLiteral("Mois invalide : « %1 » (attendu AAAA-MM, courant, precedent, +N "
                               "ou -N).")
                    .arg(texte));
    }
    // The calendar knows no year 0: the dates the system shows run from year 1 to 9999.
    const QDate premier(lu.captured(1).toInt(), mois, 1);
    if (!premier.isValid()) {
        Refuser(QStringLiteral("Mois hors des dates possibles : « %1 » (de 0001-01 à 9999-12).")
                    .arg(texte));
    }
    return premier;
}

int Rang_Mois(const QDate& mois) {
    return mois.year() * 12 + mois.month() - 1;
}

QString Texte_Mois(const QDate& mois) {
    return mois.toString(QStringLiteral("yyyy-MM"));
}

// --mois alone, or --du and --au together: at most MoisImprimesMaximum months, in order.
void Lire_Periode(const OptionsImpression& options, const QDate& aujourdhui,
                  DemandeImpression& demande) {
    const bool du = !options.du.isEmpty();
    const bool au = !options.au.isEmpty();
    if (!options.mois.isEmpty() && (du || au)) {
        Refuser(QStringLiteral("--mois et --du/--au s'excluent."));
    }
    if (du != au) {
        Refuser(QStringLiteral("--du et --au vont ensemble : l'option --%1 manque.")
                    .arg(du ? QStringLiteral("au") : QStringLiteral("du")));
    }
    if (!du && options.mois.isEmpty()) {
        Refuser(QStringLiteral("L'option --mois, ou --du et --au, est obligatoire."));
    }
    const QDate premier = Mois_Nomme(du ? options.du : options.mois, aujourdhui);
    const QDate dernier = du ? Mois_Nomme(options.au, aujourdhui) : premier;
    const int nombre = Rang_Mois(dernier) - Rang_Mois(premier) + 1;
    if (nombre < 1) {
        Refuser(QStringLiteral("Période inversée : --au %1 précède --du %2.")
                    .arg(Texte_Mois(dernier), Texte_Mois(premier)));
    }
    if (nombre > Ctr_Ardoine::MoisImprimesMaximum) {
        Refuser(QStringLiteral("Période trop longue : %1 mois de %2 à %3 (%4 au plus).")
                    .arg(nombre)
                    .arg(Texte_Mois(premier), Texte_Mois(dernier))
                    .arg(Ctr_Ardoine::MoisImprimesMaximum));
    }
    demande.annee = premier.year();
    demande.mois = premier.month();
    demande.moisImprimes = nombre;
}

std::int16_t Lire_Copies(const QString& texte) {
    if (texte.isEmpty()) {
        return 1;
    }
    const auto copies = hote::Entier_Decimal(texte.toStdString());
    if (!copies || *copies < 1 || *copies > CopiesMaximum) {
        Refuser(QStringLiteral("Nombre d'exemplaires invalide : « %1 » (de 1 à %2).")
                    .arg(texte)
                    .arg(CopiesMaximum));
    }
    return static_cast<std::int16_t>(*copies);
}

Regroupement Regroupement_Nomme(const QString& nom) {
    if (nom == QLatin1String("responsable")) {
        return Regroupement::Responsable;
    }
    if (nom == QLatin1String("secteur")) {
        return Regroupement::Secteur;
    }
    if (nom == QLatin1String("commune")) {
        return Regroupement::Commune;
    }
    Refuser(QStringLiteral("Regroupement inconnu : « %1 » (responsable, secteur ou commune).")
                .arg(nom));
}

// One group code at most; --par, when given as well, names the same grouping.
void Lire_Groupe(const OptionsImpression& options, DemandeImpression& demande) {
    const std::pair<Regroupement, QString> codes[] = {
        {Regroupement::Responsable, options.responsable},
        {Regroupement::Secteur, options.secteur},
        {Regroupement::Commune, options.commune},
    };
    int donnes = 0;
    for (const auto& [regroupement, code] : codes) {
        if (!code.isEmpty()) {
            ++donnes;
            demande.regroupement = regroupement;
            demande.groupe = code;
        }
    }
    if (donnes > 1) {
        Refuser(QStringLiteral("--responsable, --secteur et --commune s'excluent."));
    }
    if (options.par.isEmpty()) {
        return;
    }
    const Regroupement par = Regroupement_Nomme(options.par);
    if (donnes == 1 && par != demande.regroupement) {
        Refuser(
            QStringLiteral("--par %1 contredit le code de regroupement donné.").arg(options.par));
    }
    demande.regroupement = par;
}

// A file or a printer, never both.
void Lire_Sortie(const OptionsImpression& options, bool requise, DemandeImpression& demande) {
    if (!options.sortie.isEmpty() && !options.imprimante.isEmpty()) {
        Refuser(QStringLiteral("--sortie et --imprimante s'excluent."));
    }
    if (requise && options.sortie.isEmpty() && options.imprimante.isEmpty()) {
        Refuser(QStringLiteral("L'option --sortie ou --imprimante est obligatoire."));
    }
    demande.sortie = options.sortie;
    demande.imprimante = options.imprimante;
}

// The files of the groups are named from the output file: a name, then its extension.
void Verifier_Fichier_Par_Groupe(const OptionsImpression& options) {
    if (!options.unFichierParGroupe) {
        return;
    }
    if (!options.imprimante.isEmpty()) {
        Refuser(
            QStringLiteral("--un-fichier-par-groupe n'écrit que des fichiers : il exclut "
                           "--imprimante."));
    }
    const QString nom = options.sortie.section(QLatin1Char('/'), -1);
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    if (point <= 0 || point == nom.size() - 1) {
        Refuser(
            QStringLiteral("--un-fichier-par-groupe demande --sortie DOSSIER/NOM.ext (pdf, "
                           "xlsx ou csv) : chaque fichier s'appelle DOSSIER/NOM-<code du "
                           "groupe>.ext."));
    }
}

}  // namespace

DemandeImpression Lire_Demande(const OptionsImpression& options, const QString& capture,
                               const QDate& aujourdhui, bool sortieRequise) {
    DemandeImpression demande;
    demande.entite = Obligatoire(options.entite, "entite");
    demande.activite = options.activite;
    Lire_Groupe(options, demande);
    demande.organisme = options.organisme;
    Lire_Periode(options, aujourdhui, demande);
    demande.copies = Lire_Copies(options.copies);
    demande.capture = capture;
    if (!capture.isEmpty()) {
        return demande;
    }
    demande.unFichierParGroupe = options.unFichierParGroupe;
    if (sortieRequise) {
        Verifier_Fichier_Par_Groupe(options);
    }
    Lire_Sortie(options, sortieRequise, demande);
    if (demande.sortie.isEmpty()) {
        return demande;
    }
    if (const auto probleme = imprimante::Probleme_Fichier_Pdf(demande.sortie.toStdString())) {
        Refuser(QString::fromStdString(*probleme));
    }
    return demande;
}

}  // namespace demo
