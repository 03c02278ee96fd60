#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "Plateforme.h"

namespace ardoine {
namespace {

QMessageBox::Icon IconeQt(Icone icone) {
    switch (icone) {
        case Icone::Critique:
            return QMessageBox::Critical;
        case Icone::Question:
            return QMessageBox::Question;
        case Icone::Exclamation:
            return QMessageBox::Warning;
        case Icone::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

class MessagesQt : public Messages {
  public:
    void Afficher(const QString& texte, Icone icone, const QString& titre) override {
        QMessageBox boite(IconeQt(icone), titre, texte, QMessageBox::Ok,
                          QApplication::activeWindow());
        boite.exec();
    }
};

class AvertisseurQt : public Avertisseur {
  public:
    void Bip() override { QApplication::beep(); }
};

// The hourglass is application-wide, as the screen pointer it stands for; only one level of
// override is ever kept so that any number of hourglass requests ends with one reset.
class PointeurQt : public Pointeur {
  public:
    void Definir(int numero) override {
        if (numero == PointeurSablier) {
            MontrerSablier();
        } else {
            while (QApplication::overrideCursor() != nullptr) {
                QApplication::restoreOverrideCursor();
            }
        }
    }

  private:
    static void MontrerSablier() {
        if (QApplication::overrideCursor() != nullptr) {
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
};

class BoucleEvenementsQt : public BoucleEvenements {
  public:
    void Traiter_En_Attente() override { QApplication::processEvents(); }
};

class FormeHoteQt : public FormeHote {
  public:
    void Decharger(QWidget& controle) override { controle.window()->close(); }
};

class CalendrierQt : public Calendrier {
  public:
    QDate Aujourdhui() override { return QDate::currentDate(); }
};

}  // namespace

Plateforme PlateformeQt() {
    return Plateforme{std::make_shared<MessagesQt>(),  std::make_shared<AvertisseurQt>(),
                      std::make_shared<PointeurQt>(),  std::make_shared<BoucleEvenementsQt>(),
                      std::make_shared<FormeHoteQt>(), std::make_shared<CalendrierQt>()};
}

}  // namespace ardoine
