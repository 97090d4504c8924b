#pragma once
// The study's figures as one list of rows, an item (a number, a pair, a
// triple or the group) of a wheel each, with what chance says about its
// current delay; their order, the filters on them, and their texts. Shared by
// the window and the command line.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ritardi/Ritardi.h"
#include "spy/RigheTabella.h"

namespace ruotario {

struct VoceRitardo {
  int Ruota = 0;
  TipoRitardo Tipo = TipoRitardo::Numero;
  int Indice = 0;               // in RitardiRuota::Voci
  std::array<int, 3> Numeri{};  // ascending, 0 where the item has fewer; none for a group
  Ritardo Figure;
  double Probabilita = 1;  // of a current delay at least this long, by chance
  double Attesi = 0;       // how many of the items watched would be this overdue by chance
};

// Every item of every wheel studied, wheel by wheel, each wheel in item order.
std::vector<VoceRitardo> VociRitardi(const EsitoRitardi& esito);
// The row of item `indice` of the study's wheel at `posto` (0 = the first).
VoceRitardo VoceDi(const EsitoRitardi& esito, std::size_t posto, int indice);

// The columns of the table, in order; Ruota only when several wheels are listed.
enum class ColonnaRitardi { Voce, Ruota, Frequenza, Attuale, Massimo, Ultima, Record, Probabilita, Attesi };

// Sorts by a column either way (the current delay with the maximum delay as a
// second key); rows with equal values stay in wheel and item order, whatever
// the direction.
void OrdinaVoci(std::vector<VoceRitardo>& voci, ColonnaRitardi colonna, Verso verso);

// The most overdue first: longest current delay, then longest maximum delay,
// then wheel and item order. Keeps the first `quante` (0 = all).
std::vector<VoceRitardo> PiuRitardatari(std::vector<VoceRitardo> voci, int quante);

// Filters on the numbers of the rows; -1 lets every value pass. A row passes
// when every one of its numbers does (a pair "of the decade" has both in it).
struct FiltroNumeri {
  int Decina = -1;   // 0..8, as Decina()
  int Cadenza = -1;  // 0..9
  int Figura = -1;   // 1..9
  bool Attivo() const { return Decina >= 0 || Cadenza >= 0 || Figura >= 0; }
};
bool PassaFiltro(const VoceRitardo& v, const FiltroNumeri& f);

// "07", "07-35", "07-35-80", or `nomeGruppo` for the group.
std::string TestoVoce(const VoceRitardo& v, std::string_view nomeGruppo = {});
// "Numero", "Ambo", "Terno", "Gruppo".
std::string NomeTipo(TipoRitardo tipo);

// The headings of the table and its rows as texts: figures, dates
// ("dd/mm/yyyy"), chance in percent, expected count.
std::vector<std::string> TitoliRitardi(TipoRitardo tipo, bool conRuota);
RigheTabella RigheRitardi(std::span<const VoceRitardo> voci, bool conRuota, char separatore,
                          std::string_view nomeGruppo = {});

// Two-letter wheel names for the tabellone: "BA" .. "VE", "NZ".
std::string SiglaRuota(int ruota);

}  // namespace ruotario
