#include "EcritureXlsx.h"

#include <stdlib.h>
#include <xlsxwriter.h>

#include <QDate>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "Echeancier.h"
#include "ErreursRetenues.h"
#include "dba/CauseSysteme.h"
#include "dba/Erreur.h"
#include "outils/DossierTemporaire.h"
#include "outils/FichierEntier.h"

namespace rapport {

namespace {

constexpr lxw_row_t LigneTitres = 8;
constexpr lxw_row_t LigneTitresEcheancier = 3;
constexpr const char* FeuilleEcheancier = "Échéancier";
constexpr uint8_t PapierA4 = 9;

// The library writes only to a path, and makes its own temporary files: both go to a folder of
// this run alone, made with mkdtemp (mode 0700) under the temporary folder and removed after,
// from where the workbook is copied to its target through the one writer of the program.
class DossierPrive {
  public:
    explicit DossierPrive(const outils::FichierEntier& cible) {
        const std::string temporaire = outils::Dossier_Temporaire(dba::ErrImprimante);
        std::string modele = temporaire + "/ardoine-classeur-XXXXXX";
        if (::mkdtemp(modele.data()) == nullptr) {
            throw cible.Erreur("le dossier provisoire du classeur n'a pas pu être créé dans « " +
                               temporaire + " » (" + dba::Cause_Systeme(errno) + ")");
        }
        chemin_ = modele;
    }
    ~DossierPrive() {
        std::error_code ignoree;
        std::filesystem::remove_all(chemin_, ignoree);
    }
    DossierPrive(const DossierPrive&) = delete;
    DossierPrive& operator=(const DossierPrive&) = delete;

    const std::string& Chemin() const { return chemin_; }

  private:
    std::string chemin_;
};

double Largeur(const std::string& texte) {
    return static_cast<double>(QString::fromStdString(texte).size());
}

// What the library could not do, and the system's cause when it gave one.
dba::Erreur Echec_Classeur(const outils::FichierEntier& cible, const std::string& detail,
                           int erreur) {
    return cible.Erreur("le classeur n'a pas pu être préparé (" +
                        (erreur != 0 ? dba::Cause_Systeme(erreur) : detail) + ")");
}

// A call of the library, its English reports on the standard error held back: the user is told
// in French by the exception its failure raises. errno is as the call left it.
template <class Appel>
auto Appeler(Appel&& appel) {
    const ErreursRetenues enAnglais;
    errno = 0;
    return appel();
}

class Classeur {
  public:
    Classeur(const DossierPrive& dossier, const outils::FichierEntier& cible)
        : cible_(cible), chemin_(dossier.Chemin() + "/classeur.xlsx"), dossier_(dossier.Chemin()) {
        lxw_workbook_options options{};
        // Rows go to disk as they are written, and strings stay inline in the sheet.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = dossier_.data();
        classeur_ = Appeler([&] { return workbook_new_opt(chemin_.c_str(), &options); });
        if (classeur_ == nullptr) {
            throw Echec_Classeur(cible_, "création impossible", errno);
        }
        gras_ = workbook_add_format(classeur_);
        format_set_bold(gras_);
        date_ = workbook_add_format(classeur_);
        format_set_num_format(date_, "dd/mm/yyyy");
    }
    // Abandoned: nothing written (closing a workbook that failed to add a sheet would crash
    // the library), its memory freed and its sheets' row files closed, which the library's
    // freeing leaves open.
    ~Classeur() {
        if (classeur_ == nullptr) {
            return;
        }
        for (lxw_worksheet* feuille : feuilles_) {
            if (feuille->optimize_tmpfile != nullptr) {
                std::fclose(std::exchange(feuille->optimize_tmpfile, nullptr));
            }
        }
        lxw_workbook_free(classeur_);
    }
    Classeur(const Classeur&) = delete;
    Classeur& operator=(const Classeur&) = delete;

    // Each sheet's rows go to a temporary file, which may not be made.
    lxw_worksheet* Feuille(const char* nom) {
        lxw_worksheet* feuille = Appeler([&] { return workbook_add_worksheet(classeur_, nom); });
        if (feuille == nullptr) {
            throw Echec_Classeur(cible_, "feuille impossible à créer", errno);
        }
        return feuilles_.emplace_back(feuille);
    }
    lxw_chart* Graphique(uint8_t genre) { return workbook_add_chart(classeur_, genre); }
    lxw_format* Gras() const { return gras_; }
    lxw_format* Date() const { return date_; }

    // The workbook complete in the private folder; its path.
    const std::string& Fermer() {
        Verifier_Lignes();
        const lxw_error erreur =
            Appeler([this] { return workbook_close(std::exchange(classeur_, nullptr)); });
        if (erreur != LXW_NO_ERROR) {
            throw Echec_Classeur(cible_, lxw_strerror(erreur), errno);
        }
        return chemin_;
    }

  private:
    // Rows go to a temporary file of the library's own, which does not look at what its writes
    // return: a full disk or a file-size limit met there would give a sheet cut short that the
    // library then puts together without a word.
    void Verifier_Lignes() const {
        for (lxw_worksheet* feuille : feuilles_) {
            FILE* lignes = feuille->optimize_tmpfile;
            errno = 0;
            if (lignes != nullptr && (std::fflush(lignes) != 0 || std::ferror(lignes) != 0)) {
                throw Echec_Classeur(cible_, "lignes non écrites", errno);
            }
        }
    }

    const outils::FichierEntier& cible_;
    std::string chemin_;
    std::string dossier_;
    lxw_workbook* classeur_ = nullptr;
    lxw_format* gras_ = nullptr;
    lxw_format* date_ = nullptr;
    std::vector<lxw_worksheet*> feuilles_;
};

// A date that could not be read stays an empty cell, as it stays blank on the page.
void Ecrire_Date(lxw_worksheet* feuille, lxw_row_t ligne, lxw_col_t colonne, const QDate& date,
                 lxw_format* format) {
    if (!date.isValid()) {
        return;
    }
    lxw_datetime jour{date.year(), date.month(), date.day(), 0, 0, 0};
    worksheet_write_datetime(feuille, ligne, colonne, &jour, format);
}

// Printed from a spreadsheet program, a sheet comes out as the paper list does: A4 landscape,
// every column on the width of one page however many pages tall, the column titles again at the
// top of each page, the list's title and month above and the page number below.
void Mise_En_Page(lxw_worksheet* feuille, lxw_row_t ligneTitres, const EnTeteListe& enTete) {
    worksheet_set_paper(feuille, PapierA4);
    worksheet_set_landscape(feuille);
    worksheet_fit_to_pages(feuille, 1, 0);
    worksheet_repeat_rows(feuille, ligneTitres, ligneTitres);
    // A month reads "SUR MAI 2018"; a range's period ("DE MAI 2018 A JUILLET 2018") reads alone.
    const std::string titre = "&CLISTE DES ACCORDS NON RENOUVELES " +
                              std::string(enTete.plusieursMois ? "" : "SUR ") + enTete.periode;
    worksheet_set_header(feuille, titre.c_str());
    worksheet_set_footer(feuille, "&CPage &P sur &N");
}

// One bar per group beside the counts, the first group on top, so that the weight of each group
// shows at a glance; the chart grows with the number of groups so that every name stays legible.
void Graphique_Groupes(Classeur& classeur, lxw_worksheet* feuille, const TableauListe& tableau) {
    const std::size_t groupes = tableau.Groupes().size();
    if (groupes == 0) {
        return;
    }
    lxw_chart* graphique = classeur.Graphique(LXW_CHART_BAR);
    const std::string derniere = std::to_string(groupes + 1);
    lxw_chart_series* serie =
        chart_add_series(graphique, ("=Effectifs!$B$2:$B$" + derniere).c_str(),
                         ("=Effectifs!$C$2:$C$" + derniere).c_str());
    // Rows go to disk as they are written, so the library cannot look at the names to learn
    // they are text; without this the spreadsheet would read them as numbers.
    serie->categories->has_string_cache = LXW_TRUE;
    chart_series_set_name(serie, "Accords non renouvelés");
    const std::string titre =
        "Accords non renouvelés par " +
        QString::fromStdString(tableau.EnTete().regroupement).toLower().toStdString();
    chart_title_set_name(graphique, titre.c_str());
    chart_legend_set_position(graphique, LXW_CHART_LEGEND_NONE);
    chart_axis_set_reverse(graphique->y_axis);
    lxw_chart_options place{};
    place.x_scale = 1.5;
    place.y_scale = std::max(1.0, (100.0 + 20.0 * static_cast<double>(groupes)) / 288.0);
    worksheet_insert_chart_opt(feuille, 0, 4, graphique, &place);
}

void Feuille_Effectifs(Classeur& classeur, const TableauListe& tableau) {
    lxw_worksheet* feuille = classeur.Feuille("Effectifs");
    worksheet_set_column(feuille, 0, 0, 14, nullptr);
    double largeurNom = 8;
    for (const GroupeTableau& groupe : tableau.Groupes()) {
        largeurNom = std::max(largeurNom, Largeur(groupe.nom) + 2);
    }
    worksheet_set_column(feuille, 1, 1, largeurNom, nullptr);
    worksheet_set_column(feuille, 2, 2, 10, nullptr);
    worksheet_write_string(feuille, 0, 0, "Code groupe", classeur.Gras());
    worksheet_write_string(feuille, 0, 1, "Groupe", classeur.Gras());
    worksheet_write_string(feuille, 0, 2, "Accords", classeur.Gras());
    lxw_row_t ligne = 1;
    int total = 0;
    for (const GroupeTableau& groupe : tableau.Groupes()) {
        worksheet_write_string(feuille, ligne, 0, groupe.code.c_str(), nullptr);
        worksheet_write_string(feuille, ligne, 1, groupe.nom.c_str(), nullptr);
        worksheet_write_number(feuille, ligne, 2, groupe.lignes, nullptr);
        total += groupe.lignes;
        ++ligne;
    }
    worksheet_write_string(feuille, ligne, 0, "Total", classeur.Gras());
    worksheet_write_number(feuille, ligne, 2, total, nullptr);
    Graphique_Groupes(classeur, feuille, tableau);
    Mise_En_Page(feuille, 0, tableau.EnTete());
}

// One column per month, so that the weeks ahead of each renewal show at a glance.
void Graphique_Mois(Classeur& classeur, lxw_worksheet* feuille, const Echeancier& echeancier,
                    lxw_row_t ligneTotal) {
    const auto derniere = static_cast<lxw_col_t>(1 + echeancier.Mois().size());
    lxw_chart* graphique = classeur.Graphique(LXW_CHART_COLUMN);
    lxw_chart_series* serie = chart_add_series(graphique, nullptr, nullptr);
    chart_series_set_categories(serie, FeuilleEcheancier, LigneTitresEcheancier, 2,
                                LigneTitresEcheancier, derniere);
    chart_series_set_values(serie, FeuilleEcheancier, ligneTotal, 2, ligneTotal, derniere);
    // As for the groups' chart: the months' names are text, which the library cannot see.
    serie->categories->has_string_cache = LXW_TRUE;
    chart_series_set_name(serie, "Accords non renouvelés");
    chart_title_set_name(graphique, "Accords non renouvelés par mois");
    chart_legend_set_position(graphique, LXW_CHART_LEGEND_NONE);
    lxw_chart_options place{};
    place.x_scale = std::max(1.5, 0.25 * static_cast<double>(echeancier.Mois().size()));
    worksheet_insert_chart_opt(feuille, ligneTotal + 2, 0, graphique, &place);
}

// The schedule of a range of months: groups down, months across, each count a number, the
// totals of each group and each month; the chart of the months below.
void Feuille_Echeancier(Classeur& classeur, const Echeancier& echeancier,
                        const EnTeteListe& enTete) {
    lxw_worksheet* feuille = classeur.Feuille(FeuilleEcheancier);
    const auto colonneTotal = static_cast<lxw_col_t>(2 + echeancier.Mois().size());
    const std::vector<GroupeEcheancier> groupes = echeancier.Groupes();
    double largeurNom = 8;
    for (const GroupeEcheancier& groupe : groupes) {
        largeurNom = std::max(largeurNom, Largeur(groupe.nom) + 2);
    }
    worksheet_set_column(feuille, 0, 0, 14, nullptr);
    worksheet_set_column(feuille, 1, 1, largeurNom, nullptr);
    worksheet_set_column(feuille, 2, colonneTotal, 16, nullptr);
    worksheet_write_string(feuille, 0, 0, "ECHEANCIER", classeur.Gras());
    worksheet_write_string(feuille, 1, 0, enTete.periode.c_str(), nullptr);
    worksheet_write_string(feuille, LigneTitresEcheancier, 0, "Code groupe", classeur.Gras());
    worksheet_write_string(feuille, LigneTitresEcheancier, 1, "Groupe", classeur.Gras());
    lxw_col_t colonne = 2;
    for (const MoisEcheancier& mois : echeancier.Mois()) {
        worksheet_write_string(feuille, LigneTitresEcheancier, colonne++, mois.periode.c_str(),
                               classeur.Gras());
    }
    worksheet_write_string(feuille, LigneTitresEcheancier, colonneTotal, "Total", classeur.Gras());
    lxw_row_t ligne = LigneTitresEcheancier + 1;
    for (const GroupeEcheancier& groupe : groupes) {
        worksheet_write_string(feuille, ligne, 0, groupe.code.c_str(), nullptr);
        worksheet_write_string(feuille, ligne, 1, groupe.nom.c_str(), nullptr);
        colonne = 2;
        for (const std::int64_t lignes : groupe.parMois) {
            worksheet_write_number(feuille, ligne, colonne++, static_cast<double>(lignes), nullptr);
        }
        worksheet_write_number(feuille, ligne, colonneTotal, static_cast<double>(groupe.total),
                               nullptr);
        ++ligne;
    }
    worksheet_write_string(feuille, ligne, 0, "Total", classeur.Gras());
    colonne = 2;
    for (const MoisEcheancier& mois : echeancier.Mois()) {
        worksheet_write_number(feuille, ligne, colonne++, static_cast<double>(mois.lignes),
                               nullptr);
    }
    worksheet_write_number(feuille, ligne, colonneTotal, static_cast<double>(echeancier.Total()),
                           nullptr);
    Graphique_Mois(classeur, feuille, echeancier, ligne);
    worksheet_freeze_panes(feuille, LigneTitresEcheancier + 1, 2);
    Mise_En_Page(feuille, LigneTitresEcheancier, enTete);
}

void Copier(const std::string& classeur, outils::FichierEntier& cible) {
    std::ifstream source(classeur, std::ios::binary);
    std::string morceau(64 * 1024, '\0');
    while (source.read(morceau.data(), static_cast<std::streamsize>(morceau.size())) ||
           source.gcount() > 0) {
        cible.Ecrire(std::string_view(morceau.data(), static_cast<std::size_t>(source.gcount())));
    }
    if (source.bad() || !source.eof()) {
        throw cible.Erreur("le classeur préparé n'a pas pu être relu");
    }
}

// Sheet "Liste" row by row as the walk gives them: its heading first, each row then, and what
// depends on every row (the columns' widths, the filters' range) once the walk is over, which
// the library writes before the rows when it puts the sheet together.
class EcritureXlsx : public EcritureTableau {
  public:
    EcritureXlsx(const std::string& fichier, const EnTeteListe& enTete)
        : sortie_(fichier), dossier_(sortie_), classeur_(dossier_, sortie_) {
        feuille_ = classeur_.Feuille("Liste");
        worksheet_write_string(feuille_, 0, 0, "LISTE DES ACCORDS NON RENOUVELES",
                               classeur_.Gras());
        lxw_row_t ligne = 1;
        for (const auto& [libelle, valeur] : Criteres_En_Tete(enTete)) {
            worksheet_write_string(feuille_, ligne, 0, libelle.c_str(), nullptr);
            worksheet_write_string(feuille_, ligne, 2, valeur.c_str(), nullptr);
            ++ligne;
        }
        const auto& colonnes = Colonnes_Tableau();
        for (std::size_t c = 0; c < colonnes.size(); ++c) {
            worksheet_write_string(feuille_, LigneTitres, static_cast<lxw_col_t>(c),
                                   colonnes[c].c_str(), classeur_.Gras());
            largeurs_.push_back(Largeur(colonnes[c]));
        }
    }

    void Ligne(const LigneTableau& detail) override {
        const auto cellules = Cellules(detail);
        const auto fin = static_cast<lxw_col_t>(ColonneFin);
        for (lxw_col_t c = 0; c < fin; ++c) {
            worksheet_write_string(feuille_, ligne_, c, cellules[c].c_str(), nullptr);
        }
        Ecrire_Date(feuille_, ligne_, fin, detail.fin, classeur_.Date());
        for (std::size_t c = 0; c < cellules.size(); ++c) {
            largeurs_[c] = std::max(largeurs_[c], Largeur(cellules[c]));
        }
        ++ligne_;
    }

    void Terminer(const TableauListe& tableau, const Echeancier* echeancier) override {
        Finir_Liste(tableau.EnTete());
        Feuille_Effectifs(classeur_, tableau);
        if (echeancier != nullptr) {
            Feuille_Echeancier(classeur_, *echeancier, tableau.EnTete());
        }
        Copier(classeur_.Fermer(), sortie_);
        sortie_.Terminer();
    }

  private:
    // Each column as wide as its longest text, with a little room.
    void Finir_Liste(const EnTeteListe& enTete) {
        for (std::size_t c = 0; c < largeurs_.size(); ++c) {
            worksheet_set_column(feuille_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 largeurs_[c] + 2, nullptr);
        }
        const auto derniere = static_cast<lxw_col_t>(largeurs_.size() - 1);
        worksheet_autofilter(feuille_, LigneTitres, 0, std::max(LigneTitres, ligne_ - 1), derniere);
        worksheet_freeze_panes(feuille_, LigneTitres + 1, 0);
        Mise_En_Page(feuille_, LigneTitres, enTete);
    }

    // Destroyed in the reverse order: the workbook closed before its folder goes, the
    // provisional file last.
    outils::FichierEntier sortie_;
    DossierPrive dossier_;
    Classeur classeur_;
    lxw_worksheet* feuille_ = nullptr;
    lxw_row_t ligne_ = LigneTitres + 1;
    std::vector<double> largeurs_;
};

}  // namespace

std::unique_ptr<EcritureTableau> Ecrire_Xlsx(const std::string& fichier,
                                             const EnTeteListe& enTete) {
    return std::make_unique<EcritureXlsx>(fichier, enTete);
}

}  // namespace rapport
