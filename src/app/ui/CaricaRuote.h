#pragma once

class QComboBox;

namespace ruotario {

// Empties the list and appends the ten wheel names, Bari first; selects nothing.
void CaricaRuote(QComboBox& lista);

}  // namespace ruotario
