#pragma once

#include <functional>
#include <iosfwd>
#include <memory>

#include <QString>
#include <QStringList>

#include "DemandeImpression.h"
#include "Options.h"

class Ctr_Ardoine;

namespace dba {
class TheClient;
class TheDatabase;
}  // namespace dba

namespace imprimante {
class Imprimantes;
}

namespace demo {

// Exit status of the print command.
enum SortieImpression : int { ListeImprimee = 0, RienImprime = 1, EchecImpression = 2 };

// Prints the list asked for, driving the control on a host form as a user would: each code
// typed key by key into its box and the box left with Tab (so a short code is completed and
// checked as at the form), the grouping option clicked, the spinner stepped to the month,
// "Imprimer" pressed, for the months asked from that one (Mois_Imprimes); the printer choice
// answers the entry of the collection the request names (the system printer of that name, or the
// file entry of the output file's extension) with the file and the copies. The form is shown, to
// take the keys: run it on the offscreen platform. With a capture asked, the form is saved as a
// picture instead of "Imprimer" being pressed. Every message the control shows is written to
// `messages`, one line each. A code the control refuses, or a button the user could not press, or a
// printer or a file kind the collection does not have, raises dba::Erreur. `preparer` sees the
// control just before "Imprimer" is pressed; `fichiersEcrits`, when given, receives the files
// the run wrote. Needs a running QApplication.
SortieImpression Imprimer_Liste(const DemandeImpression& demande,
                                std::shared_ptr<dba::TheClient> client,
                                std::shared_ptr<dba::TheDatabase> base, const QString& login,
                                std::shared_ptr<imprimante::Imprimantes> imprimantes,
                                std::ostream& messages,
                                const std::function<void(Ctr_Ardoine&)>& preparer = {},
                                QStringList* fichiersEcrits = nullptr);

// The "print" command: the options read, the database opened, the list printed to the file
// (PDF, XLSX or CSV) or the printer with the system's printer collection (or, with --screenshot,
// the form filled in saved as a picture). With one file per group, the files' full names are
// written to `sortie`, one per line, in the order of the groups. Errors are written to
// `messages`.
SortieImpression Commande_Imprimer(const Options& options, std::ostream& sortie,
                                   std::ostream& messages);

}  // namespace demo
