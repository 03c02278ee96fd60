#include "CommandeImprimer.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "BaseDemandee.h"
#include "FenetreHote.h"
#include "PlateformeEnregistree.h"
#include "dba/Erreur.h"
#include "mvdb/TheClient.h"
#include "outils/Outils.h"
#include "printer/ChoixImprimanteScripte.h"
#include "printer/ImprimantesSysteme.h"

namespace demo {

namespace {

using Regroupement = DemandeImpression::Regroupement;

// How much of a code too long for its box a message shows.
constexpr int DebutMontre = 10;

[[noreturn]] void Refuser(const QString& texte) {
    throw dba::Erreur(dba::ErrSaisie, texte.toStdString());
}

// The control's child of that name, found as any host finds it.
template <class Enfant>
Enfant& Enfant_Nomme(const Ctr_Ardoine& controle, const char* nom) {
    auto* enfant = controle.findChild<Enfant*>(QString::fromLatin1(nom));
    if (enfant == nullptr) {
        throw dba::Erreur(dba::ErrArgument, std::string("Le contrôle n'a pas d'enfant ") + nom);
    }
    return *enfant;
}

// The output file's kind, by its extension; no file (a printer) is a PDF.
imprimante::Destination::Genre Genre_Sortie(const QString& sortie) {
    using Genre = imprimante::Destination::Genre;
    const QString extension = QFileInfo(sortie).suffix().toLower();
    if (sortie.isEmpty() || extension == QLatin1String("pdf")) {
        return Genre::FichierPdf;
    }
    if (extension == QLatin1String("xlsx")) {
        return Genre::FichierXlsx;
    }
    if (extension == QLatin1String("csv")) {
        return Genre::FichierCsv;
    }
    Refuser(QStringLiteral("Extension inconnue pour --sortie : « %1 » (.pdf, .xlsx ou .csv).")
                .arg(sortie));
}

// The system printer of the request's name, or the file entry of its output's kind.
std::int32_t Entree_Demandee(const DemandeImpression& demande,
                             const std::vector<imprimante::Destination>& liste) {
    using Genre = imprimante::Destination::Genre;
    const std::string nom = demande.imprimante.toStdString();
    const Genre genre =
        demande.imprimante.isEmpty() ? Genre_Sortie(demande.sortie) : Genre::Systeme;
    const auto entree = std::find_if(liste.begin(), liste.end(), [&](const auto& destination) {
        return destination.genre == genre && (genre != Genre::Systeme || destination.nom == nom);
    });
    if (entree != liste.end()) {
        return static_cast<std::int32_t>(entree - liste.begin());
    }
    if (genre != Genre::Systeme) {
        Refuser(QStringLiteral("Aucune imprimante ne produit ce genre de fichier."));
    }
    QStringList connues;
    for (const auto& destination : liste) {
        if (destination.genre == Genre::Systeme) {
            connues << QString::fromStdString(destination.nom);
        }
    }
    Refuser(QStringLiteral("Imprimante inconnue : « %1 ». Imprimantes disponibles : %2.")
                .arg(demande.imprimante,
                     connues.isEmpty() ? QStringLiteral("aucune") : connues.join(", ")));
}

// The printer choice answers at once: the entry asked for, the file and the copies.
void Repondre_Choix_Imprimante(const DemandeImpression& demande,
                               std::shared_ptr<imprimante::Imprimantes> imprimantes) {
    const imprimante::Choix choix{Entree_Demandee(demande, imprimantes->Liste()), demande.copies,
                                  imprimante::Reglages{"A4", false, demande.sortie.toStdString()}};
    outils::Outils::Partage().RemplacerServices(
        std::move(imprimantes), std::make_shared<imprimante::ChoixImprimanteScripte>(choix));
}

// The keys reach the form only through the window that has the focus, as the keyboard's do.
void Activer(FenetreHote& forme) {
    forme.show();
    forme.activateWindow();
    const QDeadlineTimer delai(5000);
    while (!forme.isActiveWindow() && !delai.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!forme.isActiveWindow()) {
        Refuser(QStringLiteral("Le formulaire n'a pas pu recevoir le clavier."));
    }
}

void Appuyer(QWidget& controle, Qt::Key touche, const QString& texte = {}) {
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(&controle, &appui);
    QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(&controle, &relache);
}

// The form as the print command uses it: the control, what it showed, the user's login.
struct Poste {
    Ctr_Ardoine& controle;
    ardoine::PlateformeEnregistree& plateforme;
    QString login;

    int Messages_Montres() const {
        return static_cast<int>(plateforme.Appels().filter(QStringLiteral("message ")).size());
    }
};

// Why a code was taken out of its box. The control refuses a sector the user's rights hide
// without a word: the command says whose rights.
QString Raison_Du_Refus(const Poste& poste, const QLineEdit& zone, const QString& code,
                        bool sansMessage) {
    if (sansMessage && &zone == &Enfant_Nomme<QLineEdit>(poste.controle, "Txt_Responsable") &&
        Enfant_Nomme<QRadioButton>(poste.controle, "Opt_Secteur").isChecked()) {
        return QStringLiteral(
                   "Le secteur « %1 » est refusé par les droits de l'utilisateur "
                   "« %2 ».")
            .arg(code, poste.login);
    }
    return QStringLiteral("Le code « %1 » a été refusé.").arg(code);
}

// As a person does: the box clicked, the code typed key by key, then Tab to the next control,
// so that a short code is completed and checked as at the form. A code the control refuses is
// taken out of its box again.
void Taper(const Poste& poste, QLineEdit& zone, const QString& code) {
    // A full box takes no more keys: the rest of a longer code would be lost without a word,
    // or, where the control checks each full box, make it refuse one code after another.
    if (code.size() > zone.maxLength()) {
        Refuser(QStringLiteral("Le code « %1… » est trop long : %2 caractères au plus.")
                    .arg(code.left(std::min(zone.maxLength(), DebutMontre)))
                    .arg(zone.maxLength()));
    }
    const int messages = poste.Messages_Montres();
    zone.setFocus(Qt::MouseFocusReason);
    for (const QChar caractere : code) {
        // Qt's key codes of the printable Latin-1 characters are their capitals' codes.
        Appuyer(zone, static_cast<Qt::Key>(caractere.toUpper().unicode()), caractere);
    }
    Appuyer(zone, Qt::Key_Tab);
    if (zone.text().isEmpty()) {
        Refuser(Raison_Du_Refus(poste, zone, code, poste.Messages_Montres() == messages));
    }
}

QRadioButton& Option(Ctr_Ardoine& controle, Regroupement regroupement) {
    switch (regroupement) {
        case Regroupement::Secteur:
            return Enfant_Nomme<QRadioButton>(controle, "Opt_Secteur");
        case Regroupement::Commune:
            return Enfant_Nomme<QRadioButton>(controle, "Opt_Commune");
        case Regroupement::Responsable:
            break;
    }
    return Enfant_Nomme<QRadioButton>(controle, "Opt_Responsable");
}

void Saisir_Criteres(const Poste& poste, const DemandeImpression& demande) {
    Ctr_Ardoine& controle = poste.controle;
    Taper(poste, Enfant_Nomme<QLineEdit>(controle, "Txt_Association"), demande.entite);
    if (!demande.activite.isEmpty()) {
        Taper(poste, Enfant_Nomme<QLineEdit>(controle, "Txt_Activites"), demande.activite);
    }
    Option(controle, demande.regroupement).click();
    if (!demande.groupe.isEmpty()) {
        Taper(poste,
              demande.regroupement == Regroupement::Commune
                  ? Enfant_Nomme<QLineEdit>(controle, "Txt_Commune")
                  : Enfant_Nomme<QLineEdit>(controle, "Txt_Responsable"),
              demande.groupe);
    }
    if (!demande.organisme.isEmpty()) {
        Taper(poste, Enfant_Nomme<QLineEdit>(controle, "Txt_CodeOrg"), demande.organisme);
        // Without its label the funding body would not limit the list.
        if (Enfant_Nomme<QComboBox>(controle, "Cbo_SigleOrg").currentText().isEmpty()) {
            Refuser(
                QStringLiteral("L'organisme « %1 » n'a pas été reconnu.").arg(demande.organisme));
        }
    }
}

// One step of the spinner is one month, whatever its size.
void Choisir_Mois(Ctr_Ardoine& controle, const DemandeImpression& demande) {
    const auto rang = [](int annee, int mois) { return annee * 12 + mois - 1; };
    const auto rangAffiche = [&controle, &rang] {
        const QDate mois = controle.Periode_Affichee();
        return rang(mois.year(), mois.month());
    };
    const int ecart = rang(demande.annee, demande.mois) - rangAffiche();
    for (int pas = 0; pas < std::abs(ecart); ++pas) {
        Enfant_Nomme<QSpinBox>(controle, "Bdh_Periode").stepBy(ecart > 0 ? 1 : -1);
    }
    if (rangAffiche() != rang(demande.annee, demande.mois)) {
        Refuser(QStringLiteral("Le mois %1-%2 est hors de portée du sélecteur de période.")
                    .arg(demande.annee, 4, 10, QLatin1Char('0'))
                    .arg(demande.mois, 2, 10, QLatin1Char('0')));
    }
}

void Appuyer_Imprimer(FenetreHote& forme) {
    if (const std::optional<QString> refus = forme.Impression_Refusee()) {
        Refuser(*refus);
    }
    Ctr_Ardoine& controle = forme.Controle();
    if (!Enfant_Nomme<QPushButton>(controle, "Cmd_Imprimer").isEnabled()) {
        Refuser(QStringLiteral("Le bouton « Imprimer » n'est pas disponible : l'entité juridique "
                               "« %1 » n'a pas été acceptée.")
                    .arg(Enfant_Nomme<QLineEdit>(controle, "Txt_Association").text()));
    }
    Enfant_Nomme<QPushButton>(controle, "Cmd_Imprimer").click();
}

SortieImpression Capturer_Formulaire(FenetreHote& forme, const QString& fichier) {
    if (!forme.Capturer(fichier)) {
        Refuser(QStringLiteral("Impossible d'enregistrer la capture : ") + fichier);
    }
    return ListeImprimee;
}

}  // namespace

SortieImpression Imprimer_Liste(const DemandeImpression& demande,
                                std::shared_ptr<dba::TheClient> client,
                                std::shared_ptr<dba::TheDatabase> base, const QString& login,
                                std::shared_ptr<imprimante::Imprimantes> imprimantes,
                                std::ostream& messages,
                                const std::function<void(Ctr_Ardoine&)>& preparer,
                                QStringList* fichiersEcrits) {
    const auto plateforme = std::make_shared<ardoine::PlateformeEnregistree>(&messages);
    FenetreHote forme(std::move(client), std::move(base), login, plateforme->Services());
    Ctr_Ardoine& controle = forme.Controle();
    Activer(forme);
    bool echec = false;
    controle.GestionnaireErreurs([&](const std::exception& erreur) {
        echec = true;
        plateforme->Afficher(QString::fromUtf8(erreur.what()), ardoine::Icone::Critique,
                             QStringLiteral("Message KORVANE"));
    });
    Repondre_Choix_Imprimante(demande, std::move(imprimantes));
    Saisir_Criteres(Poste{controle, *plateforme, login}, demande);
    Choisir_Mois(controle, demande);
    controle.Mois_Imprimes(demande.moisImprimes);
    if (echec) {
        return EchecImpression;
    }
    if (!demande.capture.isEmpty()) {
        return Capturer_Formulaire(forme, demande.capture);
    }
    if (preparer) {
        preparer(controle);
    }
    controle.Un_Fichier_Par_Groupe(demande.unFichierParGroupe);
    Appuyer_Imprimer(forme);
    if (echec) {
        return EchecImpression;
    }
    if (fichiersEcrits != nullptr) {
        *fichiersEcrits = controle.Fichiers_Ecrits();
    }
    return controle.Liste_Imprimee() ? ListeImprimee : RienImprime;
}

SortieImpression Commande_Imprimer(const Options& options, std::ostream& sortie,
                                   std::ostream& messages) {
    try {
        const DemandeImpression demande = Lire_Demande(options.impression, options.capture);
        const auto client = Ouvrir_Base(options.base);
        QStringList fichiers;
        const SortieImpression resultat = Imprimer_Liste(
            demande, client, client->base(), options.login,
            std::make_shared<imprimante::ImprimantesSysteme>(), messages, {}, &fichiers);
        if (demande.unFichierParGroupe) {
            for (const QString& fichier : fichiers) {
                sortie << QFileInfo(fichier).absoluteFilePath().toStdString() << std::endl;
            }
        }
        return resultat;
    } catch (const dba::Erreur& erreur) {
        messages << erreur.texte() << std::endl;
        return EchecImpression;
    }
}

}  // namespace demo
