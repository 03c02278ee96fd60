// Any text as a selection sentence on a small database: selected, or refused with the
// engine's own error. Anything else (a crash, a sanitizer report, a foreign exception) is a
// fault.
#include <cstdint>
#include <string>

#include "FuzzCommun.h"
#include "dba/Erreur.h"

namespace {

mvdb::Base& base() {
    static mvdb::Base base = [] {
        mvdb::Base nouvelle = fuzz::baseNeuve("phrase.db");
        fuzz::importer(nouvelle,
                       fuzz::ligne("ACCORD", "00001001", {"001", "041", "", "", "1", "21520"}) +
                           fuzz::ligne("ACCORD", "00002001", {"002", "041", "", "", "2", "21549"}) +
                           fuzz::ligne("DICT ACCORD", "Fin", {"D", "6", "", "", "R"}) +
                           fuzz::ligne("DICT ACCORD", "Code", {"I", "@ID[1,5]"}));
        nouvelle.declarerIndex("ACCORD", "Fin");
        return nouvelle;
    }();
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string phrase(reinterpret_cast<const char*>(octets), taille);
    try {
        base().selectionner(phrase, "0 Fin Code");
    } catch (const dba::Erreur&) {
    }
    return 0;
}
