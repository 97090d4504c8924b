#pragma once
// The check of a system against the past (spoglio): the tickets played on the
// chosen wheels over a span of draws, each play covering c colpi (the c draws
// after it, as in the spy studies), one stake per ticket, sorte and colpo, every
// win paid, the next play starting after it. A ticket of k numbers played for
// sorte t pays, on each wheel where j >= t of its numbers are drawn,
// stake * M(t) * C(j, t) / (C(k, t) * w), w the wheels it is played on.
// Only draws that really happened count: a record where none of the chosen
// wheels was drawn is no colpo, and w is the chosen wheels drawn in it.
// Beside every figure, what chance alone would give.

#include <cstdint>
#include <string>
#include <vector>

#include "archive/ArchivioEstrazioni.h"
#include "systems/Colonne.h"
#include "systems/Premi.h"

namespace ruotario {

struct ParametriSpoglio {
  Sistema Colonne;
  std::vector<int> Ruote = {1};  // 1..10
  int Inizio = 1;                // records, both ends included
  int Fine = 0;                  // 0: the last record
  int Colpi = 1;                 // colpi of one play
  double Posta = 1.0;            // per ticket, sorte and colpo
  // Sorti played, 1..5, each by the tickets long enough for it; empty: from
  // ambo to the ticket's size (estratto for a ticket of one number).
  std::vector<int> Sorti;
};

struct FigureSorte {
  int Sorte = 0;
  std::int64_t Prove = 0;    // wheel draws played
  std::int64_t Vincite = 0;  // wheel draws in which it won
  double Costo = 0.0;
  double Lordo = 0.0;  // paid before the withholding
  double Netto = 0.0;
  double Probabilita = 0.0;  // of a win on one wheel draw
  double VinciteAttese = 0.0;
  double NettoAtteso = 0.0;
  double Coda = 1.0;  // P(wins >= Vincite) by chance
  double Saldo() const { return Netto - Costo; }
  double SaldoAtteso() const { return NettoAtteso - Costo; }
};

struct SpoglioColonna {
  Colonna Numeri;
  std::vector<FigureSorte> Sorti;  // the sorti it plays, ascending
  double Costo = 0.0, Lordo = 0.0, Netto = 0.0, NettoAtteso = 0.0;
  std::int64_t Vincite = 0;
};

struct GiocataSpoglio {
  int Primo = 0, Ultimo = 0;  // records of its first and last colpo
  int Colpi = 0;
  std::int64_t Vincite = 0;
  double Costo = 0.0, Lordo = 0.0, Netto = 0.0;
};

struct PuntoSpoglio {
  int Record = 0;            // the colpo's record
  double Saldo = 0.0;        // since the start of the span
  double SaldoAtteso = 0.0;  // what chance would give on average
};

struct EsitoSpoglio {
  std::string Errore;
  TabellaPremi Premi;
  int Inizio = 0, Fine = 0;
  int Colpi = 0;  // records played in
  std::vector<SpoglioColonna> Colonne;
  std::vector<GiocataSpoglio> Giocate;
  std::vector<PuntoSpoglio> Andamento;  // one point a colpo
  std::vector<FigureSorte> Sorti;       // all tickets together; Coda left at 1
  double Costo = 0.0, Lordo = 0.0, Netto = 0.0, NettoAtteso = 0.0;
  std::int64_t Vincite = 0;
  double Saldo() const { return Netto - Costo; }
  double SaldoAtteso() const { return NettoAtteso - Costo; }
};

EsitoSpoglio Spoglio(const ParametriSpoglio& p, const TabellaPremi& premi, const ArchivioEstrazioni& archivio);

}  // namespace ruotario
