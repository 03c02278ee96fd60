#pragma once

#include "CriteresListe.h"

class Ctr_Ardoine;

// The criteria a press of the print button would give the run, as the form shows them now. No
// host needs them, so this header is not installed; the in-tree tools that explain a run
// through the sentence it selects with read them here.
rapport::CriteresListe Criteres_Affiches(const Ctr_Ardoine& controle);
