#include "Outils.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "ChoixImpression.h"
#include "JourInterne.h"
#include "dba/Erreur.h"

namespace outils {

namespace {

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

// Exactly two digits of day, two of month and four of year: no spaces, no shortened forms.
QDate lireDate(const std::string& texte) {
    static const QRegularExpression forme(QStringLiteral("^\\d{2}/\\d{2}/\\d{4}$"));
    const auto date = QString::fromStdString(texte);
    return forme.match(date).hasMatch() ? QDate::fromString(date, FormatDate) : QDate();
}

// "dd/MM/yyyy"; the years of four digits, nearly all, without Qt's format parser.
std::string texteDate(const QDate& date) {
    if (date.year() < 1000 || date.year() > 9999) {
        return date.toString(FormatDate).toStdString();
    }
    std::string texte = "00/00/0000";
    const auto ecrire = [&texte](std::size_t fin, int valeur) {
        for (std::size_t rang = fin; valeur > 0; --rang, valeur /= 10) {
            texte[rang] = static_cast<char>('0' + valeur % 10);
        }
    };
    ecrire(1, date.day());
    ecrire(4, date.month());
    ecrire(9, date.year());
    return texte;
}

std::optional<FabriquesImpression>& fabriquesEquipees() {
    static std::optional<FabriquesImpression> fabriques;
    return fabriques;
}

const FabriquesImpression& fabriques() {
    const auto& equipees = fabriquesEquipees();
    if (!equipees) {
        throw std::logic_error("outils::Outils: printer makers not handed in (Outils::Equiper)");
    }
    return *equipees;
}

}  // namespace

Outils::Outils(std::unique_ptr<ChoixImpression> impression) : impression_(std::move(impression)) {}

Outils::~Outils() = default;

Outils& Outils::Partage() {
    static Outils partage(nullptr);
    return partage;
}

void Outils::Equiper(FabriquesImpression fabriques) {
    fabriquesEquipees() = fabriques;
}

void Outils::RemplacerServices(std::shared_ptr<imprimante::Imprimantes> imprimantes,
                               std::shared_ptr<imprimante::ChoixImprimante> choix) {
    impression_ = fabriques().sur(std::move(imprimantes), std::move(choix));
}

ChoixImpression& Outils::Impression() const {
    if (!impression_) {
        impression_ = fabriques().systeme();
    }
    return *impression_;
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
    const auto date = dateDuTexte(jour);
    if (!date.isValid()) {
        throw dba::Erreur(dba::ErrArgument, "« " + jour + " » n'est pas un numéro de jour.");
    }
    return texteDate(date);
}

std::string Outils::ChoisirImprimante(const std::string& format, const std::string& nomDocument) {
    return Impression().ChoisirImprimante(format, nomDocument);
}

std::int16_t Outils::NbCopies() const {
    return Impression().NbCopies();
}

imprimante::Imprimantes& Outils::Imprimantes() {
    return Impression().Imprimantes();
}

const imprimante::Reglages& Outils::ReglagesChoisis() const {
    return Impression().ReglagesChoisis();
}

std::shared_ptr<imprimante::Imprimante> Outils::OuvrirImprimante(std::int32_t index) {
    return Impression().OuvrirImprimante(index);
}

}  // namespace outils
