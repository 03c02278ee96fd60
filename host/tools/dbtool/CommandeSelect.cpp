#include <ostream>
#include <sstream>

#include "Commandes.h"
#include "Parametres.h"
#include "TexteLisible.h"
#include "mvdb/Base.h"

namespace dbtool {

namespace {

int nombreDeColonnes(const std::string& colonnes) {
    std::istringstream mots(colonnes);
    int n = 0;
    for (std::string mot; mots >> mot;) {
        ++n;
    }
    return n;
}

void afficher(const dba::ListeResultat& lignes, int colonnes, std::ostream& sortie) {
    for (int ligne = 1; ligne <= lignes.DCount(); ++ligne) {
        for (int colonne = 1; colonne <= colonnes; ++colonne) {
            if (colonne > 1) {
                sortie << '\t';
            }
            sortie << colonneLisible(lignes(ligne, colonne));
        }
        sortie << '\n';
    }
}

}  // namespace

int commandeSelect(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("select"),
                 QStringLiteral("Exécute une phrase de sélection (« SSELECT ACCORD AVEC 6 >= "
                                "\"21519\" PAR 1 ») et affiche une ligne par enregistrement "
                                "choisi : les colonnes séparées par une tabulation, les valeurs "
                                "d'une colonne par « ] ». Dans une colonne, la barre oblique "
                                "inverse, la tabulation, le saut de ligne et le retour chariot "
                                "s'écrivent « \\\\ », « \\t », « \\n » et « \\r », les autres "
                                "caractères de commande (NUL compris) « \\xHH » en "
                                "hexadécimal : une ligne affichée est toujours un "
                                "enregistrement."));
    p.argument(QStringLiteral("BASE"), aideBase());
    p.argument(QStringLiteral("PHRASE"),
               QStringLiteral("La phrase, entre guillemets pour le shell."));
    const QCommandLineOption colonnes(
        QStringLiteral("columns"),
        QStringLiteral("Les attributs affichés, numéros ou noms du dictionnaire séparés par des "
                       "blancs ; 0 est la clé (par défaut : « 0 »)."),
        QStringLiteral("ATTRIBUTS"), QStringLiteral("0"));
    p.option(colonnes);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule);
    const std::string attributs = p.valeur(colonnes);
    afficher(base.selectionner(p.positionnel(1), attributs), nombreDeColonnes(attributs),
             console.sortie);
    return 0;
}

}  // namespace dbtool
