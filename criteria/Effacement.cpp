#include <utility>

#include "Ctr_ArdoinePrivate.h"

namespace {

// A message box that shows nothing.
class Silence : public ardoine::Messages {
  public:
    void Afficher(const QString& /*texte*/, ardoine::Icone /*icone*/,
                  const QString& /*titre*/) override {}
};

// Sets a flag for the length of a scope, whatever ends it.
class Drapeau {
  public:
    explicit Drapeau(bool& drapeau) : drapeau_(drapeau), avant_(std::exchange(drapeau, true)) {}
    ~Drapeau() { drapeau_ = avant_; }
    Drapeau(const Drapeau&) = delete;
    Drapeau& operator=(const Drapeau&) = delete;

  private:
    bool& drapeau_;
    bool avant_;
};

}  // namespace

// Emptying the legal entity empties the activity, whose change refills the funding bodies:
// that refill must not tell the user that no funding body serves an entity the user did not
// choose.
void Ctr_ArdoinePrivate::Vider_Champs() {
    const Drapeau effacement(Criteres_En_Effacement);
    Txt_Association->setText(QString());
    Cbo_Association->Definir_Texte(QString());
    Txt_Activites->setText(QString());
    Cbo_Activites->Vider();
    Opt_Responsable->setChecked(true);
    Txt_Responsable->setText(QString());
    Cbo_RespSect->Definir_Texte(QString());
    Cmd_Imprimer->setEnabled(false);
}

ardoine::Messages& Ctr_ArdoinePrivate::Messages_Criteres() {
    static Silence silence;
    return Criteres_En_Effacement ? static_cast<ardoine::Messages&>(silence) : *Services.messages;
}
