#include "PlateformeEnregistree.h"

#include <ostream>

namespace ardoine {

QString NomIcone(Icone icone) {
    switch (icone) {
        case Icone::Critique:
            return QStringLiteral("Critique");
        case Icone::Question:
            return QStringLiteral("Question");
        case Icone::Exclamation:
            return QStringLiteral("Exclamation");
        case Icone::Information:
            return QStringLiteral("Information");
    }
    return {};
}

PlateformeEnregistree::PlateformeEnregistree(std::ostream* echo) : echo_(echo) {}

Plateforme PlateformeEnregistree::Services() {
    const std::shared_ptr<PlateformeEnregistree> moi = shared_from_this();
    return Plateforme{moi, moi, moi, moi, moi, moi};
}

void PlateformeEnregistree::Afficher(const QString& texte, Icone icone, const QString& titre) {
    appels_.append(QStringLiteral("message %1 | %2 | %3").arg(NomIcone(icone), titre, texte));
    if (echo_ != nullptr) {
        *echo_ << titre.toStdString() << " : " << texte.toStdString() << std::endl;
    }
}

void PlateformeEnregistree::Bip() {
    appels_.append(QStringLiteral("bip"));
}

void PlateformeEnregistree::Definir(int numero) {
    appels_.append(QStringLiteral("pointeur %1").arg(numero));
}

void PlateformeEnregistree::Traiter_En_Attente() {
    appels_.append(QStringLiteral("evenements"));
}

void PlateformeEnregistree::Decharger(QWidget& /*controle*/) {
    appels_.append(QStringLiteral("dechargement"));
}

QDate PlateformeEnregistree::Aujourdhui() {
    appels_.append(QStringLiteral("date"));
    return date_.isValid() ? date_ : QDate::currentDate();
}

}  // namespace ardoine
