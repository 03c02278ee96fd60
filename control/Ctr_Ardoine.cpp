#include "Ctr_Ardoine.h"

#include <utility>

#include "Accessibilite.h"
#include "Ctr_ArdoinePrivate.h"
#include "dba/Erreur.h"
#include "outils/Outils.h"
#include "printer/ChoixImpressionImprimantes.h"

// The public face: each procedure is the entry point of the work its private part does.

Ctr_Ardoine::Ctr_Ardoine(QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Ctr_ArdoinePrivate>(*this)) {
    outils::Outils::Equiper(outils::FabriquesImprimantes());
    d_->Construire_Formulaire();
    d_->Relier_Evenements();
    ardoine::Rendre_Accessible(*this);
}

Ctr_Ardoine::~Ctr_Ardoine() = default;

bool Ctr_Ardoine::W_Sortir() const {
    return d_->W_Sortir;
}

void Ctr_Ardoine::W_Sortir(bool valeur) {
    d_->W_Sortir = valeur;
}

void Ctr_Ardoine::DroitsUtilisateur(std::shared_ptr<droits::DroitsUtilisateur> droits) {
    d_->DroitsUtilisateur(std::move(droits));
}

void Ctr_Ardoine::TheClient(std::shared_ptr<dba::TheClient> client) {
    d_->Module.TheClient = std::move(client);
}

void Ctr_Ardoine::TheDatabase(std::shared_ptr<dba::TheDatabase> base) {
    d_->Module.TheDatabase = std::move(base);
}

void Ctr_Ardoine::Init() {
    d_->Init();
}

void Ctr_Ardoine::Remplir_Asso() {
    d_->Remplir_Asso();
}

void Ctr_Ardoine::Remplir_Responsable() {
    d_->Remplir_Responsable();
}

void Ctr_Ardoine::Vider_Champs() {
    d_->Vider_Champs();
}

void Ctr_Ardoine::Remplir_Activites() {
    d_->Remplir_Activites();
}

void Ctr_Ardoine::Remplir_Secteur() {
    d_->Remplir_Secteur();
}

void Ctr_Ardoine::Remplir_Organisme() {
    d_->Remplir_Organisme();
}

void Ctr_Ardoine::Lecture_Accord() {
    d_->Impression_En_Cours().Lecture_Accord();
}

void Ctr_Ardoine::Lecture_Demandacc() {
    d_->Impression_En_Cours().Lecture_Demandacc();
}

void Ctr_Ardoine::Entete_Page() {
    d_->Impression_En_Cours().Entete_Page();
}

void Ctr_Ardoine::Entete_Tableau() {
    d_->Impression_En_Cours().Entete_Tableau();
}

void Ctr_Ardoine::Verif_Ligne() {
    d_->Impression_En_Cours().Verif_Ligne();
}

void Ctr_Ardoine::New_Page() {
    d_->Impression_En_Cours().New_Page();
}

void Ctr_Ardoine::Imprime_Detail() {
    d_->Impression_En_Cours().Imprime_Detail();
}

void Ctr_Ardoine::Edition_Fin_Tableau() {
    d_->Impression_En_Cours().Edition_Fin_Tableau();
}

QDate Ctr_Ardoine::Periode_Affichee() const {
    return d_->Mois_Affiche;
}

bool Ctr_Ardoine::Liste_Imprimee() const {
    return d_->Impression_Liste && d_->Impression_Liste->Ligne_Imprimee();
}

void Ctr_Ardoine::Mois_Imprimes(int nombre) {
    if (nombre < 1 || nombre > MoisImprimesMaximum) {
        throw dba::Erreur(dba::ErrArgument,
                          "Nombre de mois à imprimer invalide : " + std::to_string(nombre) +
                              " (de 1 à " + std::to_string(MoisImprimesMaximum) + ").");
    }
    d_->Nombre_Mois_Imprimes = nombre;
}

int Ctr_Ardoine::Mois_Imprimes() const {
    return d_->Nombre_Mois_Imprimes;
}

QStringList Ctr_Ardoine::Fichiers_Ecrits() const {
    QStringList fichiers;
    if (!d_->Impression_Liste) {
        return fichiers;
    }
    for (const std::string& fichier : d_->Impression_Liste->Fichiers_Ecrits()) {
        fichiers << QString::fromStdString(fichier);
    }
    return fichiers;
}

void Ctr_Ardoine::Un_Fichier_Par_Groupe(bool unParGroupe) {
    d_->Un_Fichier_Par_Groupe = unParGroupe;
}

void Ctr_Ardoine::Observateur_Liste(rapport::DestinationListe* observateur) {
    d_->Observateur_Liste_ = observateur;
}

void Ctr_Ardoine::Plateforme(const ardoine::Plateforme& services) {
    d_->Services = services;
}

void Ctr_Ardoine::GestionnaireErreurs(std::function<void(const std::exception&)> gestionnaire) {
    d_->Erreurs.Definir_Gestionnaire(std::move(gestionnaire));
}

void Ctr_Ardoine::Executer_Evenement(const std::function<void()>& gestionnaire) noexcept {
    d_->Erreurs.Executer(gestionnaire);
}
