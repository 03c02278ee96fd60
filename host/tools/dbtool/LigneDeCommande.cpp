#include "LigneDeCommande.h"

#include <ostream>

#include "Commandes.h"
#include "ErreurUsage.h"
#include "Parametres.h"
#include "Version.h"
#include "dba/Erreur.h"

namespace dbtool {

namespace {

constexpr int CodeErreur = 1;
constexpr int CodeUsage = 2;

void aideGenerale(std::ostream& sortie) {
    sortie << "Utilisation : " << NomProgramme << " COMMANDE [options] [arguments]\n\n"
           << "Outil de la base de données MultiValue : création, import et export JSON Lines, "
              "sélections, lectures, index et base de démonstration.\n\nCommandes :\n";
    for (const auto& c : commandes()) {
        sortie << "  " << c.nom << std::string(10 - std::string(c.nom).size(), ' ') << c.resume
               << '\n';
    }
    sortie << "\n« " << NomProgramme << " COMMANDE --help » décrit une commande ; « "
           << NomProgramme << " --version » donne sa version et celles de Qt et de SQLite.\n"
           << "Code de sortie : 0 en cas de succès, 1 en cas d'échec, 2 pour une ligne de "
              "commande incorrecte.\n";
}

const Commande* trouver(const QString& nom) {
    for (const auto& c : commandes()) {
        if (nom == QLatin1String(c.nom)) {
            return &c;
        }
    }
    return nullptr;
}

int erreurUsage(const std::string& texte, const QString& commande, Console& console) {
    console.erreurs << "erreur : " << texte << "\n« " << NomProgramme << ' '
                    << commande.toStdString() << " --help » décrit la commande.\n";
    return CodeUsage;
}

}  // namespace

int executer(const QStringList& arguments, Console& console) {
    const QString nom = arguments.value(0);
    if (nom.isEmpty() || nom == QLatin1String("--help") || nom == QLatin1String("-h")) {
        aideGenerale(nom.isEmpty() ? console.erreurs : console.sortie);
        return nom.isEmpty() ? CodeUsage : 0;
    }
    if (nom == QLatin1String("--version")) {
        console.sortie << NomProgramme << ' ' << hote::Version_Complete().toStdString() << '\n';
        return 0;
    }
    const Commande* commande = trouver(nom);
    if (commande == nullptr) {
        console.erreurs << "erreur : commande inconnue : " << nom.toStdString() << '\n';
        aideGenerale(console.erreurs);
        return CodeUsage;
    }
    try {
        return commande->executer(arguments.mid(1), console);
    } catch (const ErreurUsage& e) {
        return erreurUsage(e.what(), nom, console);
    } catch (const dba::Erreur& e) {
        console.erreurs << "erreur : " << e.texte() << '\n';
        // A server name given to a program without the server store, or a misspelled one, is
        // the line's mistake.
        if (e.numero() == dba::ErrSansServeur || e.numero() == dba::ErrNomBase) {
            return CodeUsage;
        }
    } catch (const std::exception& e) {
        console.erreurs << "erreur : échec inattendu : " << e.what() << '\n';
    }
    return CodeErreur;
}

}  // namespace dbtool
