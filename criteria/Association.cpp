
#include "Ctr_Ardoine.h"

// Read once, by Init, so the list box is not emptied first. A lone legal entity is chosen at
// once: its label, then its code, whose change validates it.
void Ctr_Ardoine::Remplir_Asso() {
    Liste_Asso = Lire_Selection("SSELECT ASSOCIATION PAR 1", "ASSOCIATION");
    Ajouter_Libelles(*Cbo_Association, *Liste_Asso);
    if (Cbo_Association->count() == 1) {
        Cbo_Association->Definir_Texte(Cbo_Association->itemText(0));
        Txt_Association->setText(QString::fromStdString((*Liste_Asso)(1, 1)));
    }
}
