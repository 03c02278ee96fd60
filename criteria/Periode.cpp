#include "Ctr_ArdoinePrivate.h"
#include "PeriodeImprimee.h"

// Each change of the spinner moves the period one month, in the direction of the change,
// across year ends; the spinner's value itself means nothing else.
void Ctr_ArdoinePrivate::Bdh_Periode_Change() {
    const auto valeur = static_cast<std::int16_t>(Bdh_Periode->value());
    if (Val_Periode < valeur) {
        Mois_Affiche = Mois_Affiche.addMonths(1);
    }
    if (Val_Periode > valeur) {
        Mois_Affiche = Mois_Affiche.addMonths(-1);
    }
    Val_Periode = valeur;
    Txt_Periode->setText(rapport::Libelle_Mois(Mois_Affiche));
}

void Ctr_ArdoinePrivate::Prendre_Mois_Courant() {
    const QDate aujourdhui = Services.calendrier->Aujourdhui();
    Mois_Affiche = QDate(aujourdhui.year(), aujourdhui.month(), 1);
}

// Setting the spinner to the value it already holds still shows the period, as a change does.
void Ctr_ArdoinePrivate::Placer_Periode(int valeur) {
    if (Bdh_Periode->value() == valeur) {
        Bdh_Periode_Change();
    } else {
        Bdh_Periode->setValue(valeur);
    }
}
