#include "Ctr_ArdoinePrivate.h"

void Ctr_ArdoinePrivate::Cmd_Sortir_Click() {
    W_Sortir = true;
    Services.forme->Decharger(q);
}
