#include "stats/FuoriCampione.h"

#include <algorithm>
#include <cmath>

#include "app/Formato.h"

namespace ruotario {

std::optional<DivisionePeriodo> DividiPeriodo(int inizio, int fine, int conta, double quota) {
  if (!(quota > 0.0 && quota < 1.0)) return std::nullopt;
  const int primo = std::max(inizio, 1);
  const int ultimo = std::min(fine, conta);
  const int n = ultimo - primo + 1;
  if (n < 2) return std::nullopt;
  // A small allowance so that 0.7 * 10 gives 7 despite its binary form.
  int campione = static_cast<int>(std::floor(n * quota + 1e-9));
  campione = std::clamp(campione, 1, n - 1);
  return DivisionePeriodo{primo, primo + campione - 1, primo + campione, ultimo};
}

RisultatoFuoriCampione CercaFuoriCampione(const ParametriMiglioreAmbata& p, const ArchivioEstrazioni& archivio,
                                          double quota, const RichiestaStop& fermare,
                                          const AvanzamentoCandidati& avanzamento) {
  RisultatoFuoriCampione r;
  if (!AlmenoUnaAttiva(p.Statistica)) {
    r.Errore = ErroreFuoriCampione::NessunaAmbataAttiva;
    return r;
  }
  const auto periodi = DividiPeriodo(p.Statistica.Inizio, p.Statistica.Fine, archivio.Conta(), quota);
  if (!periodi) {
    r.Errore = ErroreFuoriCampione::PeriodoTroppoCorto;
    return r;
  }
  EsitoFuoriCampione& e = r.Esito;
  e.Periodi = *periodi;

  ParametriMiglioreAmbata ricerca = p;
  ricerca.Statistica.Inizio = periodi->InizioCampione;
  ricerca.Statistica.Fine = periodi->FineCampione;
  e.Ricerca = CercaMiglioreAmbata(ricerca, archivio, fermare, avanzamento);
  e.CasoCampione = BaseCasoStatistica(e.Ricerca.Parametri, e.Ricerca.Esito);

  ParametriStatistica verifica = e.Ricerca.Parametri;
  verifica.Inizio = periodi->InizioVerifica;
  verifica.Fine = periodi->FineVerifica;
  e.Verifica = CalcolaStatisticaCompleta(verifica, archivio);
  e.CasoVerifica = BaseCasoStatistica(verifica, e.Verifica);
  return r;
}

std::string TestoRigaFuoriCampione(const EsitoFuoriCampione& e, double quota, char separatore) {
  auto pc = [separatore](double x) { return FormattaNumero(x, "##0.0", separatore) + "%"; };
  const double campione = std::round(quota * 1000.0) / 10.0;
  const std::string resto = "; sul restante " + TestoGenerale(100.0 - campione, separatore) + "% ";
  return "Fuori campione: cercata sul primo " + TestoGenerale(campione, separatore) + "% del periodo, l'ambata " +
         std::to_string(e.Ricerca.Migliore) + " vince il " + pc(e.Ricerca.Esito.PercentualeVincita) + resto +
         (e.Verifica.CasiConclusi == 0 ? std::string("nessun caso si è concluso")
                                       : "vince il " + pc(e.Verifica.PercentualeVincita) + " (per puro caso " +
                                             pc(e.CasoVerifica.AttesoPercentuale) + ")");
}

}  // namespace ruotario
