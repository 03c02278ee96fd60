#include "ExplicationNoms.h"

#include <charconv>
#include <optional>

#include "dba/Erreur.h"
#include "dba/Requete.h"
#include "dba/TheDatabase.h"

namespace rapport {

namespace {

std::optional<int> Numero(const std::string& texte) {
    int numero = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), numero);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return numero;
}

// The D items of a file's dictionary, keys in byte order, with their attribute number.
dba::ListeResultat Items_D(dba::TheDatabase& base, const std::string& dictionnaire) {
    dba::Requete requete;
    requete.definir(1, "SSELECT " + dictionnaire + " AVEC 1 = \"D\"");
    requete.definir(2, dictionnaire);
    requete.definir(3, "0 2");
    std::string sortie;
    dba::ListeResultat items;
    base.ExecuterSelection(requete.texte(), std::string(), sortie, items);
    return items;
}

}  // namespace

NomsAttributs NomsAttributs::Lire(dba::TheDatabase& base,
                                  const std::vector<std::string>& fichiers) {
    NomsAttributs noms;
    for (const std::string& fichier : fichiers) {
        dba::ListeResultat items;
        try {
            items = Items_D(base, "DICT " + fichier);
        } catch (const dba::Erreur& erreur) {
            if (erreur.numero() != dba::ErrFichierInconnu) {
                throw;
            }
        }
        auto& parNumero = noms.noms_[fichier];
        for (int rang = 1; rang <= items.DCount(); ++rang) {
            if (const auto numero = Numero(items(rang, 2))) {
                parNumero.emplace(*numero, items(rang, 1));
            }
        }
    }
    return noms;
}

std::string NomsAttributs::Nom(const std::string& fichier, int attribut) const {
    const auto items = noms_.find(fichier);
    if (items != noms_.end()) {
        const auto item = items->second.find(attribut);
        if (item != items->second.end()) {
            return item->second;
        }
    }
    return "attribut " + std::to_string(attribut) + " du fichier " + fichier;
}

std::string NomsAttributs::Nom(const std::string& fichier, const std::string& attribut) const {
    const auto numero = Numero(attribut);
    return numero ? Nom(fichier, *numero) : attribut;
}

}  // namespace rapport
