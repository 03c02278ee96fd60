#include "Installation.h"

#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace essai {

Installation::Installation(const std::vector<std::string>& lignes)
    : donnees(lignes),
      base(std::make_shared<BaseEnregistreuse>(donnees.Client()->base(), journal)) {
    plateforme->Fixer_Date(QDate(2018, 5, 15));
}

std::unique_ptr<Ctr_Ardoine> Installation::Creer(const std::string& login) {
    auto controle = std::make_unique<Ctr_Ardoine>();
    controle->Plateforme(plateforme->Services());
    controle->DroitsUtilisateur(
        std::make_shared<droits::DroitsFichier>(donnees.Client()->base(), login));
    controle->TheClient(donnees.Client());
    controle->TheDatabase(base);
    return controle;
}

std::unique_ptr<Ctr_Ardoine> Installation::Initialiser(const std::string& login) {
    auto controle = Creer(login);
    controle->Init();
    return controle;
}

QStringList Entrees(const QComboBox& liste) {
    QStringList entrees;
    for (int i = 0; i < liste.count(); ++i) {
        entrees.append(liste.itemText(i));
    }
    return entrees;
}

}  // namespace essai
