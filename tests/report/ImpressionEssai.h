#pragma once

#include <memory>
#include <string>
#include <vector>

#include "BaseEssai.h"
#include "BasePiegee.h"
#include "Ctr_Ardoine.h"
#include "PlateformeEnregistree.h"
#include "printer/ChoixImprimanteScripte.h"
#include "printer/ImprimantesEnregistrees.h"

namespace essai {

// A control on a database of the test's own, initialised on 15 May 2018 (period "MAI 2018")
// with the rights of a login, whose printer choice answers a recording printer. The errors
// its handlers raise are kept.
class ImpressionEssai {
  public:
    // motDePasse: see BaseEssai.
    explicit ImpressionEssai(const std::vector<std::string>& lignes,
                             const std::string& login = "admin", std::int16_t copies = 1,
                             const std::string& motDePasse = "");
    ~ImpressionEssai();

    // Presses "Imprimer" (made available first, as a valid legal entity does). The platform's
    // calls written down before are forgotten: only the run's are kept.
    void Imprimer();

    // The recording printer opened by the run; raises when none was.
    imprimante::ImprimanteEnregistree& Imprimante() const;
    // The run's document, once ended (sent or abandoned).
    const imprimante::Document& Document() const;
    bool Envoye() const;

    // The messages shown by the run, as "Icon | text".
    std::vector<std::string> Messages() const;

    BaseEssai donnees;
    std::shared_ptr<BasePiegee> base;
    std::shared_ptr<ardoine::PlateformeEnregistree> plateforme =
        std::make_shared<ardoine::PlateformeEnregistree>();
    std::shared_ptr<imprimante::ImprimantesEnregistrees> imprimantes;
    std::shared_ptr<imprimante::ChoixImprimanteScripte> choix;
    std::unique_ptr<Ctr_Ardoine> controle;
    std::vector<std::string> erreurs;
};

// Presses "Imprimer" with the printer choice answering the entry of that kind of the system's
// collection with `fichier`; the first error the run raised, empty when none.
std::string Imprimer_Vers(ImpressionEssai& impression, imprimante::Destination::Genre genre,
                          const std::string& fichier);

// The lines of a page, each text printed up to its line end joined with the ones before it on
// the same line.
std::vector<std::string> Lignes(const imprimante::Document& document, int page);
// The detail lines of a page: those that start at 0.1 cm.
std::vector<std::string> Details(const imprimante::Document& document, int page);
// The codes of every detail line of the document, page after page.
std::vector<std::string> Codes(const imprimante::Document& document);

}  // namespace essai
