#include "LectureOrdonnee.h"

namespace mvdb {

LectureOrdonnee::LectureOrdonnee(Instruction& suite, IdFichier fichier)
    : suite_(suite), remise_(suite) {
    suite_.reinitialiser();
    suite_.lier(1, fichier);
}

void LectureOrdonnee::chercher(std::string_view cle) {
    suite_.reinitialiser();
    suite_.lierOctets(2, cle);
    placee_ = true;
    avancer();
}

void LectureOrdonnee::avancer() {
    auBout_ = !suite_.avancer();
    cleCourante_ = auBout_ ? std::string_view() : suite_.octets(0);
}

std::optional<std::string> LectureOrdonnee::lire(std::string_view cle) {
    if (!placee_) {
        chercher(cle);
    } else if (!auBout_ && cleCourante_ < cle) {
        avancer();
        if (!auBout_ && cleCourante_ < cle) {
            chercher(cle);
        }
    }
    if (auBout_ || cleCourante_ != cle) {
        return std::nullopt;
    }
    return std::string(suite_.octets(1));
}

}  // namespace mvdb
