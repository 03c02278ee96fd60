#pragma once

class QWidget;

namespace ardoine {

// Gives every control of the criteria form what a screen reader needs: a French name that says
// what the control is, the width and completion rule of each code box as its description, and
// each caption as the label of the box it names. Reaches the controls by their object names.
void Rendre_Accessible(QWidget& formulaire);

}  // namespace ardoine
