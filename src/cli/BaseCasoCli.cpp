#include "cli/BaseCasoCli.h"

#include <cstdio>

#include "app/Formato.h"

namespace ruotario::cli {

std::string TestoProbabilita(double p) {
  if (p >= 1.0) return "1";
  if (p <= 0.0) return "0";
  char t[32];
  std::snprintf(t, sizeof t, "%.3g", p);
  return t;
}

nlohmann::ordered_json JsonBaseCasoSpia(const BaseCasoSpia& b) {
  nlohmann::ordered_json j;
  j["atteso"] = b.Atteso;
  j["atteso_percentuale"] = b.AttesoPercentuale;
  j["massimo_atteso"] = b.MassimoMediano;
  j["massimo_atteso_percentuale"] = b.MassimoMedianoPercentuale;
  j["massimo_95"] = b.Massimo95;
  j["massimo_95_percentuale"] = b.Massimo95Percentuale;
  j["migliore"] = b.Migliore;
  j["p_migliore"] = b.PMigliore;
  j["testo"] = TestoBaseCasoSpia(b);
  return j;
}

nlohmann::ordered_json JsonBaseCasoZevedive(const BaseCasoZevedive& b) {
  nlohmann::ordered_json j;
  j["studi"] = b.Studi;
  j["casi"] = b.Casi;
  j["atteso_percentuale"] = b.AttesoPercentuale;
  j["massimo_atteso_percentuale"] = b.MassimoMedianoPercentuale;
  j["massimo_95_percentuale"] = b.Massimo95Percentuale;
  j["testo"] = TestoBaseCasoZevedive(b);
  return j;
}

nlohmann::ordered_json JsonBaseCasoKostanti(const BaseCasoKostanti& b, double osservata) {
  nlohmann::ordered_json j;
  j["ambate"] = b.Ambate;
  j["casi"] = b.Casi;
  j["vincenti"] = b.Vincenti;
  j["atteso"] = b.Atteso;
  j["atteso_percentuale"] = b.AttesoPercentuale;
  j["osservato_percentuale"] = osservata;
  j["p"] = b.P;
  j["testo"] = TestoBaseCasoKostanti(b, osservata);
  return j;
}

nlohmann::ordered_json JsonBaseCasoMiglioreAmbata(const BaseCasoMiglioreAmbata& b, double osservata) {
  nlohmann::ordered_json j = JsonBaseCasoKostanti(b.Vincitore, osservata);
  j.erase("testo");
  j["candidati"] = b.Candidati;
  j["massimo_atteso_percentuale"] = b.MassimoMedianoPercentuale;
  j["massimo_95_percentuale"] = b.Massimo95Percentuale;
  j["p_migliore"] = b.PMigliore;
  j["testo"] = TestoBaseCasoMiglioreAmbata(b, osservata);
  return j;
}

nlohmann::ordered_json JsonFuoriCampione(const EsitoFuoriCampione& e, double quota) {
  auto parte = [](int inizio, int fine, const EsitoStatistica& s, const BaseCasoKostanti& b) {
    nlohmann::ordered_json j;
    j["inizio"] = inizio;
    j["fine"] = fine;
    j["casi_conclusi"] = s.CasiConclusi;
    j["casi_vincenti"] = s.CasiVincenti;
    j["percentuale"] = s.PercentualeVincita;
    j["atteso_percentuale"] = b.AttesoPercentuale;
    j["p"] = b.P;
    return j;
  };
  nlohmann::ordered_json j;
  j["quota"] = quota;
  j["migliore"] = e.Ricerca.Migliore;
  j["ambate"] = e.Ricerca.Parametri.Ambata;
  j["campione"] = parte(e.Periodi.InizioCampione, e.Periodi.FineCampione, e.Ricerca.Esito, e.CasoCampione);
  j["fuori_campione"] = parte(e.Periodi.InizioVerifica, e.Periodi.FineVerifica, e.Verifica, e.CasoVerifica);
  return j;
}

std::string TestoFuoriCampione(const EsitoFuoriCampione& e, double quota) {
  auto pc = [](double x) { return FormattaNumero(x, "##0.00", '.') + "%"; };
  auto riga = [&](const char* nome, int inizio, int fine, const EsitoStatistica& s, const BaseCasoKostanti& b) {
    return std::string(nome) + " (estrazioni " + std::to_string(inizio) + "-" + std::to_string(fine) +
           "): " + std::to_string(s.CasiVincenti) + " vincenti su " + std::to_string(s.CasiConclusi) + ", " +
           pc(s.PercentualeVincita) + "; per puro caso " + pc(b.AttesoPercentuale) + " (p = " + TestoProbabilita(b.P) +
           ")\n";
  };
  return "Verifica fuori campione: ricerca sul primo " + TestoGenerale(quota * 100) +
         "% del periodo, migliore ambata " + std::to_string(e.Ricerca.Migliore) + "\n" +
         riga("Nel campione", e.Periodi.InizioCampione, e.Periodi.FineCampione, e.Ricerca.Esito, e.CasoCampione) +
         riga("Fuori campione", e.Periodi.InizioVerifica, e.Periodi.FineVerifica, e.Verifica, e.CasoVerifica);
}

}  // namespace ruotario::cli
