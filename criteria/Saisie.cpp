#include "Saisie.h"

#include <QLineEdit>

#include "ListeDeroulante.h"
#include "Plateforme.h"

namespace ardoine {

QString TitreKorvane() {
    return QStringLiteral("Message KORVANE");
}

QString Completer_Zeros(const QString& code, int largeur) {
    return code.rightJustified(largeur, QLatin1Char('0'));
}

void Completer_Sur_Entree(QLineEdit& zone, int largeur, std::int16_t KeyAscii) {
    if (KeyAscii == ToucheEntree) {
        zone.setText(Completer_Zeros(zone.text(), largeur));
    }
}

void Completer_En_Sortie(QLineEdit& zone, int largeur) {
    const QString code = zone.text();
    if (!code.isEmpty() && code.size() < largeur) {
        zone.setText(Completer_Zeros(code, largeur));
    }
}

// The scan stops at the first empty key: that is the end of every held list.
int Chercher_Ligne(const std::optional<dba::ListeResultat>& lignes, const QString& code,
                   int debut) {
    if (!lignes) {
        return 0;
    }
    for (int ligne = 1;; ++ligne) {
        const QString cle = QString::fromStdString((*lignes)(ligne, 1));
        if (cle.isEmpty()) {
            return 0;
        }
        if (cle.mid(debut) == code) {
            return ligne;
        }
    }
}

QString Colonne(const std::optional<dba::ListeResultat>& lignes, int ligne, int colonne) {
    return lignes ? QString::fromStdString((*lignes)(ligne, colonne)) : QString();
}

void Ecrire_Libelle_Si_Vide(ListeDeroulante& liste, const QString& libelle) {
    if (liste.currentText().isEmpty()) {
        liste.Definir_Texte(libelle);
    }
}

int Valider_Code(Messages& messages, QLineEdit& zone, ListeDeroulante& liste,
                 const std::optional<dba::ListeResultat>& lignes, const QString& inconnu,
                 int debut) {
    const int ligne = Chercher_Ligne(lignes, zone.text(), debut);
    if (ligne == 0) {
        Refuser_Code(messages, zone, inconnu, Focus::Rendu);
    } else {
        Ecrire_Libelle_Si_Vide(liste, Colonne(lignes, ligne, 2));
    }
    return ligne;
}

void Vider_Code_Si_Libelle_Vide(const ListeDeroulante& liste, QLineEdit& zone) {
    if (liste.currentText().isEmpty()) {
        zone.setText(QString());
    }
}

void Ecrire_Code(QLineEdit& zone, ListeDeroulante& liste, const QString& code) {
    if (code.size() > zone.maxLength()) {
        liste.Definir_Texte(QString());
        zone.setText(QString());
        return;
    }
    zone.setText(code);
}

void Refuser_Code(Messages& messages, QLineEdit& zone, const QString& texte, Focus focus,
                  const QString& titre) {
    messages.Afficher(texte, Icone::Exclamation, titre);
    zone.setText(QString());
    if (focus == Focus::Rendu) {
        zone.setFocus();
    }
}

}  // namespace ardoine
