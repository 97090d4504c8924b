#pragma once
// The ten spy study windows differ only in these descriptors: caption, menu
// entry, the spy list(s) with their defaults, the position list and, for the
// two- and three-number windows, how the spy numbers combine.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "spy/ParametriRicerca.h"

namespace ruotario {

enum class ElencoPosizioni {
  Posti,   // "TUTTE", "1" … "5"
  Coppie,  // "TUTTE", then the ten pairs "1 - 2" … "4 - 5"
  Nessuno  // the several-number windows always look at all five places
};

struct VarianteSpia {
  std::string_view NomeFinestra;   // the window's object name
  std::string_view Titolo;         // caption
  std::string_view VoceMenu;       // entry under "S&tatistiche Spie"
  std::string_view AzioneMenu;     // object name of that entry
  std::string_view EtichettaSpia;  // label of the spy list(s)
  int SpiaMinima = 1;              // first item of the spy list(s)
  int SpiaMassima = 90;            // last item
  int ElenchiSpia = 1;             // how many spy lists: 1, 2 or 3
  std::array<int, 3> Predefiniti = {1, 2, 3};
  ElencoPosizioni Posizioni = ElencoPosizioni::Posti;
  bool ConCombinazione = false;  // AND/OR/XOR options
  Combinazione CombinazionePredefinita = Combinazione::And;
  TipoSpia Tipo = TipoSpia::Numero;
};

// In main-menu order, FrmSPY1 first.
extern const std::array<VarianteSpia, 10> kVariantiSpia;

// The descriptor of a window by object name; nullptr for an unknown name.
const VarianteSpia* VariantePerNome(std::string_view nomeFinestra);

// The texts of the spy list: the decimal values SpiaMinima … SpiaMassima.
std::vector<std::string> VociSpia(const VarianteSpia& variante);
// The texts of the position list (empty for ElencoPosizioni::Nessuno).
std::vector<std::string> VociPosizione(ElencoPosizioni elenco);

}  // namespace ruotario
