#include "ErreurLecture.h"

#include <ios>
#include <system_error>

#include "dba/CauseSysteme.h"

namespace mvdb {

namespace {

std::string texteLecture(const std::string& source, int lignesLues, const std::string& cause) {
    const std::string lecture = "Lecture " + source;
    const std::string ou =
        lignesLues == 0 ? lecture + " impossible"
                        : lecture + " interrompue après la ligne " + std::to_string(lignesLues);
    return ou + " : " + cause + " ; rien n'a été importé.";
}

}  // namespace

ErreurLecture::ErreurLecture(int lignesLues, const std::string& cause)
    : dba::Erreur(dba::ErrImport, texteLecture("des lignes", lignesLues, cause)),
      lignesLues_(lignesLues),
      cause_(cause) {}

std::string ErreurLecture::texteNommant(const std::string& source) const {
    return texteLecture(source, lignesLues_, cause_);
}

std::string causeDeLecture(const std::exception& echec) {
    if (const auto* erreur = dynamic_cast<const dba::Erreur*>(&echec)) {
        return erreur->texte();
    }
    // A file stream reports the system's error number, whose own text is English.
    if (const auto* systeme = dynamic_cast<const std::system_error*>(&echec)) {
        const std::error_category& categorie = systeme->code().category();
        if (categorie == std::system_category() || categorie == std::generic_category()) {
            return dba::Cause_Systeme(systeme->code().value());
        }
    }
    return "erreur de lecture";
}

}  // namespace mvdb
