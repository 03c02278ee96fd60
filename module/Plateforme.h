#pragma once

#include <memory>

#include <QDate>
#include <QString>

#include "ExportControle.h"

class QWidget;

namespace ardoine {

// Icons of the message boxes, as the classic message-box styles name them.
enum class Icone { Critique, Question, Exclamation, Information };

// Mouse pointer numbers of the classic toolkit.
inline constexpr int PointeurDefaut = 0;
inline constexpr int PointeurSablier = 11;

// Modal message box with one OK button.
class CONTROLE_ARDOINE_EXPORT Messages {
  public:
    virtual ~Messages() = default;
    virtual void Afficher(const QString& texte, Icone icone, const QString& titre) = 0;
};

class CONTROLE_ARDOINE_EXPORT Avertisseur {
  public:
    virtual ~Avertisseur() = default;
    virtual void Bip() = 0;
};

class CONTROLE_ARDOINE_EXPORT Pointeur {
  public:
    virtual ~Pointeur() = default;
    virtual void Definir(int numero) = 0;
};

// Lets the window events that wait in the queue run.
class CONTROLE_ARDOINE_EXPORT BoucleEvenements {
  public:
    virtual ~BoucleEvenements() = default;
    virtual void Traiter_En_Attente() = 0;
};

// The host's form that holds the control.
class CONTROLE_ARDOINE_EXPORT FormeHote {
  public:
    virtual ~FormeHote() = default;
    virtual void Decharger(QWidget& controle) = 0;
};

class CONTROLE_ARDOINE_EXPORT Calendrier {
  public:
    virtual ~Calendrier() = default;
    virtual QDate Aujourdhui() = 0;
};

// Everything the control asks of the platform, one object per service.
struct Plateforme {
    std::shared_ptr<Messages> messages;
    std::shared_ptr<Avertisseur> avertisseur;
    std::shared_ptr<Pointeur> pointeur;
    std::shared_ptr<BoucleEvenements> evenements;
    std::shared_ptr<FormeHote> forme;
    std::shared_ptr<Calendrier> calendrier;
};

// The services of the running Qt application.
CONTROLE_ARDOINE_EXPORT Plateforme PlateformeQt();

}  // namespace ardoine
