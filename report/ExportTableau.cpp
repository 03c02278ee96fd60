#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "droits/DroitsUtilisateur.h"
#include "liste/EcritureCsv.h"
#include "liste/EcritureXlsx.h"
#include "outils/Outils.h"

// The list written to a table file instead of printed: the same walk as the pages, once
// whatever the copies asked, its lines kept as rows and the file written at the end. An empty
// list writes no file, as an empty list prints no page.

void Ctr_ArdoinePrivate::Exporter_Tableau() {
    rapport::TableauListe tableau(
        En_Tete_Liste(), [this](const std::string& groupe) { return Nom_Groupe(groupe); },
        [](const std::string& jour) { return ardoine::Date_Fin_Imprimable(jour); });
    {
        const Occupation occupation(*this);
        Parcourir_Liste(tableau);
        Services.evenements->Traiter_En_Attente();
    }
    if (tableau.Lignes().empty()) {
        Message_Impression(ardoine::Icone::Information,
                           QStringLiteral("Aucun accord non renouvelé sur ") + Txt_Periode->text());
        return;
    }
    const std::string fichier = outils::Outils::Partage().ReglagesChoisis().fichierPdf;
    if (Destination_Choisie.genre == imprimante::Destination::Genre::FichierXlsx) {
        rapport::Ecrire_Xlsx(tableau, fichier);
    } else {
        rapport::Ecrire_Csv(tableau, fichier);
    }
    Ligne_Imprimee = true;
}

rapport::EnTeteListe Ctr_ArdoinePrivate::En_Tete_Liste() const {
    const char* regroupement = Opt_Responsable->isChecked() ? "Responsable"
                               : Opt_Secteur->isChecked()   ? "Secteur"
                                                            : "Commune";
    const QLineEdit* groupe = Opt_Commune->isChecked() ? Txt_Commune : Txt_Responsable;
    return rapport::EnTeteListe{
        Txt_Periode->text().toStdString(),
        Txt_Association->text().toStdString(),
        Txt_Activites->text().toStdString(),
        regroupement,
        groupe->text().toStdString(),
        Organisme_Choisi() ? Txt_CodeOrg->text().toStdString() : std::string(),
        Droits_Utilisateur ? Droits_Utilisateur->Nom() : std::string()};
}

// The manager's or the sector's name, or the commune's; empty when not on file.
std::string Ctr_ArdoinePrivate::Nom_Groupe(const std::string& groupe) {
    const std::shared_ptr<dba::Fichier>& fichier = Opt_Responsable->isChecked()
                                                       ? Module.Fic_Responsable
                                                   : Opt_Secteur->isChecked() ? Module.Fic_Secteur
                                                                              : Module.Fic_Communes;
    auto enregistrement = std::make_shared<dba::Enregistrement>();
    Lire_Enregistrement(fichier, groupe, enregistrement);
    return (*enregistrement)(1);
}
