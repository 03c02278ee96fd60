#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "CriteresListe.h"
#include "ObjetsModule.h"
#include "Plateforme.h"
#include "liste/DestinationListe.h"

namespace imprimante {
class Imprimante;
}

namespace rapport {

// Where the layout put a line: its page, and its number on that page.
struct PlacementLigne {
    std::int64_t page = 0;
    std::int64_t ligne = 0;
};

// The printed list on one printer: page header with its group block, boxed table header,
// detail lines and the closing of the frame, 51 lines to a page. As a destination of the walk,
// a group starts the walk's first page (on a new sheet when the document already has pages),
// or a new page after it, headed with that group; a line breaks a full page first. Each walk
// starts at page 1, as the list of a month or a group printed alone. Each line's placement is
// told to whoever the run gave.
class MiseEnPage : public DestinationListe {
  public:
    using Placement = std::function<void(const PlacementLigne&)>;

    // The pages are headed with the grouping of `criteres` and with `mois` as it stands at each
    // page: the month of the run's walk under way.
    MiseEnPage(ardoine::ObjetsModule& module, ardoine::Calendrier& calendrier,
               const CriteresListe& criteres, const QDate& mois,
               std::shared_ptr<imprimante::Imprimante> imprimante, Placement placement);

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const LigneListe& ligne) override;
    void Decision(const DecisionAccord& decision) override;
    void Fin_Liste() override;

    void Entete_Page(const std::string& groupe);
    void Entete_Tableau();
    PlacementLigne Verif_Ligne(const LigneListe& ligne);
    void New_Page(const std::string& groupe);
    void Imprime_Detail(const LigneListe& ligne);
    void Edition_Fin_Tableau();

    imprimante::Imprimante& Imprimante() const { return *imprimante_; }

  private:
    void Commencer_Pages(const std::string& groupe);
    void Bloc_Responsable(const std::string& responsable);
    void Bloc_Secteur(const std::string& secteur);
    void Bloc_Commune(const std::string& commune);
    void Tracer(double x1, double y1, double x2, double y2);

    ardoine::ObjetsModule& module_;
    ardoine::Calendrier& calendrier_;
    const CriteresListe& criteres_;
    const QDate& mois_;
    std::shared_ptr<imprimante::Imprimante> imprimante_;
    Placement placement_;
    // The page being printed and the lines it holds; wide, so that no list is ever too long to
    // be printed whole. Whether the walk's first page is started.
    std::int64_t page_ = 1;
    std::int64_t ligne_ = 0;
    bool commencee_ = false;
};

}  // namespace rapport
