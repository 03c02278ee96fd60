#include "Ctr_ArdoinePrivate.h"
#include "PeriodeImprimee.h"

// Each change of the spinner moves the period one month, in the direction of the change,
// across year ends; the spinner's value itself means nothing else.
void Ctr_ArdoinePrivate::Bdh_Periode_Change() {
    int mois = Mois_Courant.toInt();
    const auto valeur = static_cast<std::int16_t>(Bdh_Periode->value());
    if (Val_Periode < valeur) {
        ++mois;
    }
    if (Val_Periode > valeur) {
        --mois;
    }
    Mois_Courant = QString::number(mois).rightJustified(2, QLatin1Char('0'));
    Val_Periode = valeur;
    if (mois > 12) {
        Annee_Courante = QString::number(Annee_Courante.toInt() + 1);
        Mois_Courant = QStringLiteral("01");
    }
    if (mois < 1) {
        Annee_Courante = QString::number(Annee_Courante.toInt() - 1);
        Mois_Courant = QStringLiteral("12");
    }
    Txt_Periode->setText(Libelle_Periode());
}

// "MAI 2018": the month's full French name in capitals, a space, the year.
QString Ctr_ArdoinePrivate::Libelle_Periode() const {
    return rapport::Libelle_Mois(Mois_Courant.toInt(), Annee_Courante.toInt());
}

// Month as characters 4 and 5 of today written "dd/mm/yyyy"; the year in full.
void Ctr_ArdoinePrivate::Prendre_Mois_Courant() {
    const QDate aujourdhui = Services.calendrier->Aujourdhui();
    Mois_Courant = aujourdhui.toString(QStringLiteral("dd/MM/yyyy")).mid(3, 2);
    Annee_Courante = QString::number(aujourdhui.year());
}

// Setting the spinner to the value it already holds still shows the period, as a change does.
void Ctr_ArdoinePrivate::Placer_Periode(int valeur) {
    if (Bdh_Periode->value() == valeur) {
        Bdh_Periode_Change();
    } else {
        Bdh_Periode->setValue(valeur);
    }
}
