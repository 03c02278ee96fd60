#include "DemandeImpression.h"

#include <QRegularExpression>

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

void Lire_Mois(const QString& texte, const QDate& aujourdhui, DemandeImpression& demande) {
    if (texte == QLatin1String("precedent")) {
        const QDate precedent = aujourdhui.addMonths(-1);
        demande.annee = precedent.year();
        demande.mois = precedent.month();
        return;
    }
    // Anchored at the very end: "$" alone would also take "2026-12" followed by a line end.
    static const QRegularExpression forme(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{4})-(\\d{2})")));
    const auto lu = forme.match(texte);
    const int mois = lu.hasMatch() ? lu.captured(2).toInt() : 0;
    if (mois < 1 || mois > 12) {
        Refuser(QStringLiteral("Mois invalide : « %1 » (attendu AAAA-MM).").arg(texte));
    }
    demande.annee = lu.captured(1).toInt();
    demande.mois = mois;
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
    Lire_Mois(Obligatoire(options.mois, "mois"), aujourdhui, demande);
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
