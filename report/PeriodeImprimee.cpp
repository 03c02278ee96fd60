#include "PeriodeImprimee.h"

#include <QDate>
#include <QLocale>

namespace rapport {

namespace {

QDate Premier_Jour(const CriteresListe& criteres) {
    return QDate(criteres.annee.toInt(), criteres.mois.toInt(), 1);
}

}  // namespace

QString Libelle_Mois(int mois, int annee) {
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.monthName(mois, QLocale::LongFormat).toUpper() + QLatin1Char(' ') +
           QString::number(annee);
}

CriteresListe Criteres_Du_Mois(const CriteresListe& criteres, int decalage) {
    const QDate mois = Premier_Jour(criteres).addMonths(decalage);
    CriteresListe suivant = criteres;
    suivant.mois = QString::number(mois.month()).rightJustified(2, QLatin1Char('0'));
    suivant.annee = QString::number(mois.year());
    suivant.periode = Libelle_Mois(mois.month(), mois.year());
    return suivant;
}

QString Periode_Imprimee(const CriteresListe& premier, int mois) {
    if (mois == 1) {
        return premier.periode;
    }
    return QStringLiteral("DE %1 A %2")
        .arg(premier.periode, Criteres_Du_Mois(premier, mois - 1).periode);
}

std::string Mois_Abrege(const CriteresListe& criteres) {
    return Premier_Jour(criteres).toString(QStringLiteral("MM/yy")).toStdString();
}

}  // namespace rapport
