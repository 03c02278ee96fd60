#include <QCoreApplication>
#include <QDir>
#include <limits>

#include "BaseDemo.h"
#include "Commandes.h"
#include "EntierDecimal.h"
#include "ErreurUsage.h"
#include "Parametres.h"
#include "Progression.h"
#include "dba/Erreur.h"

namespace dbtool {

namespace {

std::uint64_t graine(const std::string& texte) {
    const auto valeur = hote::Entier_Decimal(texte);
    if (!valeur) {
        throw ErreurUsage("graine invalide : " + texte + " (entier positif attendu)");
    }
    return *valeur;
}

int entierPositif(const std::string& texte, const char* quoi) {
    const auto valeur = hote::Entier_Decimal(texte);
    if (!valeur || *valeur < 1 || *valeur > std::numeric_limits<int>::max()) {
        throw ErreurUsage(std::string(quoi) + " invalide : " + texte + " (entier positif attendu)");
    }
    return static_cast<int>(*valeur);
}

// A size the generator does not know, or outside its bounds, is a fault of the command line.
demogen::TailleDemo tailleDemandee(const Parametres& p, const QCommandLineOption& taille,
                                   const QCommandLineOption& aides,
                                   const QCommandLineOption& annees) {
    try {
        if (!p.estPose(aides) && !p.estPose(annees)) {
            return demogen::TailleDemo::parNom(p.valeur(taille));
        }
        return demogen::TailleDemo::surMesure(
            p.estPose(aides) ? entierPositif(p.valeur(aides), "nombre d'aidés")
                             : demogen::TailleDemo::AidesBench,
            p.estPose(annees) ? entierPositif(p.valeur(annees), "nombre d'années")
                              : demogen::TailleDemo::AnneesBench);
    } catch (const dba::Erreur& e) {
        throw ErreurUsage(e.texte());
    }
}

// The demo data installed with the program, else the source tree's (a program of the build).
QString dossierDonneesParDefaut() {
    const QDir installees(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                          QStringLiteral(ARDOINE_DATA_INSTALLEES));
    return installees.exists(QStringLiteral("communes.tsv")) ? installees.absolutePath()
                                                             : QStringLiteral(ARDOINE_DATA_DIR);
}

}  // namespace

int commandeDemo(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("demo"),
                 QStringLiteral("Crée une base de démonstration : données générées (toujours les "
                                "mêmes pour une graine et une taille), importées en une "
                                "transaction, puis l'index sur DateFinAccord. En cas d'échec, "
                                "aucun fichier n'est laissé."));
    p.argument(QStringLiteral("BASE"), aideBaseNouvelle());
    const QCommandLineOption taille(
        QStringLiteral("size"),
        QStringLiteral(
            "demo (600 aidés, accords finissant de janvier 2025 à décembre 2027), "
            "bench-1an (environ 100 000 accords finissant en 2026) ou bench-10ans "
            "(125 000 aidés, environ un million d'accords sur 2017 à 2026) ou bench-140ans "
            "(125 000 aidés, environ dix millions d'accords sur 2017 à 2156)."),
        QStringLiteral("TAILLE"), QStringLiteral("demo"));
    const QCommandLineOption optionGraine(QStringLiteral("seed"),
                                          QStringLiteral("Graine du hasard (par défaut : 1)."),
                                          QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption donnees(
        QStringLiteral("data"),
        QStringLiteral("Dossier des communes, noms et prénoms (par défaut : %1).")
            .arg(dossierDonneesParDefaut()),
        QStringLiteral("DOSSIER"), dossierDonneesParDefaut());
    const QCommandLineOption aides(
        QStringLiteral("aides"),
        QStringLiteral("Nombre d'aidés (1 à %1) d'une base faite sur mesure, dont "
                       "les accords courent depuis janvier 2017 ; remplace --size (par défaut : "
                       "%2).")
            .arg(demogen::TailleDemo::MaximumAides)
            .arg(demogen::TailleDemo::AidesBench),
        QStringLiteral("N"));
    const QCommandLineOption annees(
        QStringLiteral("annees"),
        QStringLiteral("Nombre d'années (1 à %1) de cette base sur mesure ; remplace --size "
                       "(par défaut : %2).")
            .arg(demogen::TailleDemo::MaximumAnnees)
            .arg(demogen::TailleDemo::AnneesBench),
        QStringLiteral("N"));
    p.option(taille);
    p.option(aides);
    p.option(annees);
    p.option(optionGraine);
    p.option(donnees);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const demogen::TailleDemo choisie = tailleDemandee(p, taille, aides, annees);
    creerBaseDemo(p.positionnel(0), choisie, graine(p.valeur(optionGraine)), p.valeur(donnees),
                  Terminal_Erreurs(console.erreurs));
    return 0;
}

}  // namespace dbtool
