#include "PeriodeImprimee.h"

#include <QLocale>

namespace rapport {

QString Libelle_Mois(const QDate& mois) {
    if (!mois.isValid()) {
        return {};
    }
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.monthName(mois.month(), QLocale::LongFormat).toUpper() + QLatin1Char(' ') +
           QString::number(mois.year());
}

QString Periode_Imprimee(const QDate& premier, int nombre) {
    if (nombre == 1) {
        return Libelle_Mois(premier);
    }
    return QStringLiteral("DE %1 A %2")
        .arg(Libelle_Mois(premier), Libelle_Mois(premier.addMonths(nombre - 1)));
}

std::string Mois_Abrege(const QDate& mois) {
    return mois.toString(QStringLiteral("MM/yy")).toStdString();
}

QString Mois_Fichier(const QDate& mois) {
    return QStringLiteral("%1-%2").arg(
        QString::number(mois.year()),
        QString::number(mois.month()).rightJustified(2, QLatin1Char('0')));
}

}  // namespace rapport
