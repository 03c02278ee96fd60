#include "EnTetePage.h"

#include <string>

#include "printer/Imprimante.h"

namespace rapport {

void Ecrire_Date_Et_Page(imprimante::Imprimante& imprimante, const QDate& aujourdhui,
                         std::int64_t page) {
    const std::string date = aujourdhui.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    imprimante.Print("");
    imprimante.Print("");
    imprimante.Print("Date : " + date + std::string(65, ' ') + "Page : " + std::to_string(page));
    imprimante.Print("");
    imprimante.Print("");
}

}  // namespace rapport
