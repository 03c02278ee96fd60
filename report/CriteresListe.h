#pragma once

#include <string>

#include <QDate>

namespace rapport {

// The criteria of one print run, as the form showed them when the user pressed the print
// button: the run reads them here, once taken, and never from the form again.
struct CriteresListe {
    enum class Regroupement { Responsable, Secteur, Commune };

    std::string entite;
    std::string activite;
    Regroupement regroupement = Regroupement::Responsable;
    // The manager's, sector's or commune's code typed; empty: every group.
    std::string groupe;
    // The funding body's code while its label is shown; empty otherwise.
    std::string organisme;
    // The month of the list, the first of a range: the date of its first day.
    QDate mois;
};

}  // namespace rapport
