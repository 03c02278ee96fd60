#include "Outils.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <charconv>
#include <utility>

#include "JourInterne.h"
#include "dba/Erreur.h"
#include "printer/ChoixImprimanteQt.h"
#include "printer/ImprimantesSysteme.h"

namespace outils {

namespace {

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

std::string fichierPdfParDefaut() {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.filePath(QStringLiteral("impression.pdf")).toStdString();
}

// Exactly two digits of day, two of month and four of year: no spaces, no shortened forms.
QDate lireDate(const std::string& texte) {
    static const QRegularExpression forme(QStringLiteral("^\\d{2}/\\d{2}/\\d{4}$"));
    const auto date = QString::fromStdString(texte);
    return forme.match(date).hasMatch() ? QDate::fromString(date, FormatDate) : QDate();
}

// A whole number of days as the database compares numbers: an optional sign, digits and
// an optional decimal part of zeros ("21690", "+21690", "21690.0" are the same day).
std::optional<std::int64_t> lireNombre(const std::string& texte) {
    static const QRegularExpression forme(QStringLiteral("^([+-]?\\d+)(\\.0+)?$"));
    const auto correspondance = forme.match(QString::fromStdString(texte));
    if (!correspondance.hasMatch()) {
        return std::nullopt;
    }
    const std::string chiffres = correspondance.captured(1).toStdString();
    const char* debut = chiffres.data() + (chiffres.front() == '+' ? 1 : 0);
    const char* fin = chiffres.data() + chiffres.size();
    std::int64_t nombre = 0;
    const auto [arret, erreur] = std::from_chars(debut, fin, nombre);
    if (erreur != std::errc() || arret != fin) {
        return std::nullopt;
    }
    return nombre;
}

}  // namespace

Outils::Outils(std::shared_ptr<imprimante::Imprimantes> imprimantes,
               std::shared_ptr<imprimante::ChoixImprimante> choix)
    : imprimantes_(std::move(imprimantes)), choix_(std::move(choix)) {}

Outils& Outils::Partage() {
    static Outils partage(std::make_shared<imprimante::ImprimantesSysteme>(),
                          std::make_shared<imprimante::ChoixImprimanteQt>(fichierPdfParDefaut()));
    return partage;
}

void Outils::RemplacerServices(std::shared_ptr<imprimante::Imprimantes> imprimantes,
                               std::shared_ptr<imprimante::ChoixImprimante> choix) {
    imprimantes_ = std::move(imprimantes);
    choix_ = std::move(choix);
    dernierChoix_.reset();
}

std::string Outils::DateInterne(const std::string& date) const {
    if (date.empty()) {
        return {};
    }
    const auto jour = lireDate(date);
    if (!jour.isValid()) {
        throw dba::Erreur(dba::ErrArgument,
                          "Date invalide : « " + date + " » (attendu jj/mm/aaaa).");
    }
    return std::to_string(jourInterne(jour));
}

std::string Outils::DateExterne(const std::string& jour) const {
    if (jour.empty()) {
        return {};
    }
    const auto nombre = lireNombre(jour);
    const auto date = nombre ? dateDuJour(*nombre) : QDate();
    if (!date.isValid()) {
        throw dba::Erreur(dba::ErrArgument, "« " + jour + " » n'est pas un numéro de jour.");
    }
    return date.toString(FormatDate).toStdString();
}

std::string Outils::ChoisirImprimante(const std::string& format) {
    dernierChoix_ = choix_->Choisir(*imprimantes_, format);
    return dernierChoix_ ? std::to_string(dernierChoix_->index) : "-1";
}

std::int16_t Outils::NbCopies() const {
    return dernierChoix_ ? dernierChoix_->copies : 1;
}

std::shared_ptr<imprimante::Imprimante> Outils::OuvrirImprimante(std::int32_t index) {
    return imprimantes_->Ouvrir(index,
                                dernierChoix_ ? dernierChoix_->reglages : imprimante::Reglages{});
}

}  // namespace outils
