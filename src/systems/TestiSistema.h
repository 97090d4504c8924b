#pragma once
// The tables and lines of the systems as the command line and the window show
// them, so both write the same texts. Figures use the given decimal separator.

#include <string>
#include <vector>

#include "systems/Garanzia.h"
#include "systems/SistemaRidotto.h"
#include "systems/Spoglio.h"

namespace ruotario {

struct TabellaSistema {
  std::vector<std::string> Intestazioni;
  std::vector<std::vector<std::string>> Righe;
};

// Money with two decimals: "-1234.50".
std::string TestoEuro(double v, char separatore = '.');
// A probability in percent, three significant digits below 1: "0.0123".
std::string TestoPercento(double p, char separatore = '.');

// The tickets: "Colonna", "N1".."Nk" (k the longest ticket).
TabellaSistema TabellaColonne(const Sistema& colonne);
// The strongest guarantee for each m, with the case that denies the next sorte.
TabellaSistema TabellaGaranzie(const EsitoGaranzie& e);
// The spoglio: all tickets per sorte; each ticket and sorte; each play.
TabellaSistema TabellaTotaliSpoglio(const EsitoSpoglio& e, char separatore = '.');
TabellaSistema TabellaColonneSpoglio(const EsitoSpoglio& e, char separatore = '.');
TabellaSistema TabellaGiocateSpoglio(const EsitoSpoglio& e, const ArchivioEstrazioni& archivio, char separatore = '.');

// "garanzia verificata su tutte le 45 combinazioni"
std::string TestoVerifica(const EsitoVerificaGaranzia& v);
// "Limite inferiore (Schönheim): 17 - migliore noto: 17 (Fort e Hedlund ...)",
// or what holds when no bound applies.
std::string TestoLimiti(const EsitoRiduzione& e);
// "Premi: /path/premi.txt, validi dal 01/10/2017: estratto 11.23, ambo 250, ... volte la posta; ritenuta 8%"
std::string TestoPremi(const TabellaPremi& p, char separatore = '.');
// "Costo 120.00 - netto 75.30 - saldo -44.70 (atteso -31.20)"
std::string TestoSaldo(const EsitoSpoglio& e, char separatore = '.');

}  // namespace ruotario
