#pragma once
// A forecast (previsione): numbers to play on some wheels for a number of
// draws (colpi), and what became of it. It plays for the draws dated after
// the last stored draw when it was saved (DataChiave), so draws inserted or
// corrected later never move it onto other draws.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

// Estratto 1, ambo 2, terno 3, quaterna 4, cinquina 5: how many of the
// numbers must come out together on one wheel in one draw.
inline constexpr int kSorteMassima = 5;
inline constexpr int kNumeriMassimi = 10;  // numbers a forecast plays at most
inline constexpr int kColpiPrevisione = 99;

// "Estratto", "Ambo", ... ; empty outside 1..5.
std::string_view NomeSorte(int sorte);
// The sorte named (case does not matter), or nullopt.
std::optional<int> SorteDaNome(std::string_view nome);

struct Previsione {
  long long Id = 0;         // given by the ledger; 0 before it is saved
  std::vector<int> Numeri;  // distinct, 1..90, ascending
  std::vector<int> Ruote;   // distinct, 1..10, ascending
  int Sorte = 1;            // 1..5, not above the count of numbers
  int Colpi = 1;            // 1..99
  std::string DataChiave;   // "dd/mm/yyyy" of the last stored draw when saved; empty: none was
  std::string Origine;      // the study and its choices, frozen as text
  std::string Nota;         // the user's own
  std::string Salvata;      // when it was saved, "yyyy-mm-dd hh:mm"
};

// Why a forecast cannot be saved, in the user's words; empty when it can.
// Numbers and wheels are checked as given (sorted or not, no repeats).
std::string ControllaPrevisione(const Previsione& p);
// Sorts numbers and wheels and drops repeats.
void NormalizzaPrevisione(Previsione& p);

enum class EsitoPrevisione { InGioco, Vinta, Scaduta };

// "in gioco", "vinta", "scaduta".
std::string_view NomeEsito(EsitoPrevisione e);

struct StatoPrevisione {
  EsitoPrevisione Esito = EsitoPrevisione::InGioco;
  int Colpo = 0;          // colpi played so far; the winning colpo when won
  int RuotaVinta = 0;     // the wheel of the win (the first with the most numbers)
  int SorteVinta = 0;     // how many of the numbers came out there together
  std::string DataEsito;  // date of the draw that won or closed it
  int RecordEsito = 0;    // its record in the archive read (not stored)

  bool Saldata() const { return Esito != EsitoPrevisione::InGioco; }
  friend bool operator==(const StatoPrevisione& a, const StatoPrevisione& b) {
    return a.Esito == b.Esito && a.Colpo == b.Colpo && a.RuotaVinta == b.RuotaVinta && a.SorteVinta == b.SorteVinta &&
           a.DataEsito == b.DataEsito;
  }
};

// A forecast of the ledger with its state.
struct VocePrevisione {
  Previsione Dati;
  StatoPrevisione Stato;
};

// "05 17 62": numbers as two digits separated by blanks.
std::string TestoNumeri(const std::vector<int>& numeri);
// Numbers typed by the user, separated by blanks, commas, dots or dashes;
// nullopt when something else is there or a number is outside 1..90.
std::optional<std::vector<int>> NumeriDaTesto(std::string_view testo);
// "Bari, Napoli"; "Tutte" for all ten.
std::string TestoRuote(const std::vector<int>& ruote);

// yyyymmdd of a stored "dd/mm/yyyy" date, or -1 when it is no calendar date.
long OrdinaleData(std::string_view data);

}  // namespace ruotario
