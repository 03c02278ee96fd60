#include "Impression.h"

// What the run tells the user, in the message boxes of the platform.

void rapport::Impression::Signaler_Liste_Vide() {
    Message_Impression(ardoine::Icone::Information,
                       QStringLiteral("Aucun accord non renouvelé sur ") +
                           (Plusieurs_Mois() ? QStringLiteral("la période ") : QString()) +
                           periodeImprimee_);
}

void rapport::Impression::Message_Impression(ardoine::Icone icone, const QString& texte) {
    contexte_.services.messages->Afficher(texte, icone, QStringLiteral("Message KORVANE"));
}
