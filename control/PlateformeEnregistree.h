#pragma once

#include <iosfwd>
#include <memory>

#include <QStringList>

#include "Plateforme.h"

namespace ardoine {

// A platform that never blocks: every call is written down, in order, as one line
// ("message Exclamation | Message KORVANE | Cette ...", "bip", "pointeur 11", "evenements",
// "dechargement", "date"). Messages can also be echoed, as "title : text", to a stream, for
// runs without a screen. Today is the real date unless a date is fixed.
class PlateformeEnregistree : public std::enable_shared_from_this<PlateformeEnregistree>,
                              public Messages,
                              public Avertisseur,
                              public Pointeur,
                              public BoucleEvenements,
                              public FormeHote,
                              public Calendrier {
  public:
    explicit PlateformeEnregistree(std::ostream* echo = nullptr);

    // The services, all answered by this object.
    Plateforme Services();

    const QStringList& Appels() const { return appels_; }
    void Oublier_Appels() { appels_.clear(); }
    void Fixer_Date(QDate date) { date_ = date; }

    void Afficher(const QString& texte, Icone icone, const QString& titre) override;
    void Bip() override;
    void Definir(int numero) override;
    void Traiter_En_Attente() override;
    void Decharger(QWidget& controle) override;
    QDate Aujourdhui() override;

  private:
    std::ostream* echo_;
    QStringList appels_;
    QDate date_;
};

QString NomIcone(Icone icone);

}  // namespace ardoine
