#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>

#include "Commandes.h"
#include "ErreurUsage.h"
#include "Parametres.h"
#include "TexteLisible.h"
#include "demogen/LigneJsonl.h"
#include "mvdb/Base.h"

namespace dbtool {

namespace {

constexpr const char* FichierDelais = "DELAIORG";
constexpr int DelaiMaximal = 24;

// The lead times on file by funding body; a database that never had one set has no file.
std::map<std::string, std::string> delaisEnregistres(const mvdb::Base& base) {
    std::map<std::string, std::string> delais;
    const auto fichiers = base.fichiers();
    if (std::find(fichiers.begin(), fichiers.end(), FichierDelais) == fichiers.end()) {
        return delais;
    }
    const auto lignes = base.selectionner(std::string("SSELECT ") + FichierDelais, "0 1");
    for (int ligne = 1; ligne <= lignes.DCount(); ++ligne) {
        delais[lignes(ligne, 1)] = lignes(ligne, 2);
    }
    return delais;
}

void lister(const mvdb::Base& base, std::ostream& sortie) {
    const auto delais = delaisEnregistres(base);
    const auto organismes = base.selectionner("SSELECT ORGPRISECHARGE", "0 1");
    for (int ligne = 1; ligne <= organismes.DCount(); ++ligne) {
        const std::string code = organismes(ligne, 1);
        const auto delai = delais.find(code);
        sortie << colonneLisible(code) << '\t' << colonneLisible(organismes(ligne, 2)) << '\t'
               << (delai == delais.end() || delai->second.empty() ? "0" : delai->second) << '\n';
    }
}

// Digits only, so that "6", "06" and nothing else but a number of months is taken.
int moisLus(const std::string& texte) {
    const bool chiffres = !texte.empty() && texte.size() <= 3 &&
                          std::all_of(texte.begin(), texte.end(),
                                      [](unsigned char c) { return c >= '0' && c <= '9'; });
    const int mois = chiffres ? std::stoi(texte) : -1;
    if (mois < 0 || mois > DelaiMaximal) {
        throw ErreurUsage("le délai « " + texte + " » n'est pas un nombre de mois de 0 à " +
                          std::to_string(DelaiMaximal));
    }
    return mois;
}

void fixer(mvdb::Base& base, const std::string& code, const std::string& texteMois) {
    const int mois = moisLus(texteMois);
    if (!base.lire("ORGPRISECHARGE", code)) {
        throw ErreurUsage("l'organisme de prise en charge « " + code + " » n'existe pas");
    }
    std::string ligne;
    demogen::LigneJsonl(FichierDelais, code).definir(1, mois).ajouterA(ligne);
    std::istringstream lignes(ligne);
    base.importer(lignes);
}

}  // namespace

int commandeDelais(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("delais"),
                 QStringLiteral("Sans CODE, affiche une ligne par organisme de prise en charge : "
                                "son code, son sigle et son délai de renouvellement en mois, "
                                "séparés par une tabulation (0 quand aucun délai n'est fixé). "
                                "Avec CODE et MOIS, fixe le délai de cet organisme."));
    p.argument(QStringLiteral("BASE"), aideBase());
    p.argument(QStringLiteral("CODE"), QStringLiteral("Code de l'organisme de prise en charge."),
               true);
    p.argument(QStringLiteral("MOIS"), QStringLiteral("Délai en mois, de 0 à 24."), true);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const std::string code = p.positionnel(1);
    if (code.empty()) {
        lister(mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule), console.sortie);
        return 0;
    }
    if (p.positionnel(2).empty()) {
        throw ErreurUsage("le délai en mois de l'organisme " + code + " manque");
    }
    auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureEcriture);
    fixer(base, code, p.positionnel(2));
    return 0;
}

}  // namespace dbtool
