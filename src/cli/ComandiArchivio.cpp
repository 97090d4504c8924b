// info, verifica, esempio: the archive seen from the terminal.

#include <nlohmann/json.hpp>

#include <fstream>
#include <iomanip>
#include <sstream>

#include "app/Ambiente.h"
#include "archive/ArchivioEsempio.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/VerificaArchivio.h"
#include "cli/Comandi.h"
#include "cli/Tabella.h"

namespace ruotario::cli {

namespace {

const char* nomeTipo(TipoProblema t) {
  switch (t) {
    case TipoProblema::Lunghezza: return "lunghezza";
    case TipoProblema::DataNonValida: return "data";
    case TipoProblema::DataIndietro: return "ordine";
    case TipoProblema::DataRipetuta: return "doppia";
    case TipoProblema::NumeroFuoriIntervallo: return "numero";
    case TipoProblema::NumeroRipetuto: return "ripetuto";
  }
  return "";
}

std::string kilobyte(std::size_t byte) {
  std::ostringstream s;
  s << std::fixed << std::setprecision(1) << static_cast<double>(byte) / 1024.0;
  return s.str();
}

bool leggiTesto(const std::string& percorso, std::string& testo, std::ostream& err) {
  if (EsisteFile(percorso) && LeggiFile(percorso, testo)) return true;
  err << "Archivio non trovato: " << percorso << '\n';
  return false;
}

}  // namespace

int ComandoInfo(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  a.fine();
  if (!EsisteFile(percorso)) {
    err << "Archivio non trovato: " << percorso << '\n';
    return 1;
  }
  // One read: the archive keeps the text it was split from.
  const auto letto = ArchivioEstrazioni::LeggiArchivio(percorso);
  if (!letto) {
    err << "Impossibile leggere l'archivio: " << percorso << '\n';
    return 1;
  }
  const ArchivioEstrazioni& archivio = *letto;
  const std::string_view testo = archivio.Testo();
  const EsitoValidita validita = ControllaValidita(testo);
  const std::string prima = archivio.Vuoto() ? "" : std::string(archivio[1].Data());
  const std::string ultima = archivio.Vuoto() ? "" : std::string(archivio.Ultima().Data());

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Archivio"] = percorso;
    j["Estrazioni"] = archivio.Conta();
    j["PrimaData"] = prima;
    j["UltimaData"] = ultima;
    j["Byte"] = testo.size();
    j["Valido"] = validita.Valido;
    out << j.dump(2) << '\n';
    return 0;
  }
  Tabella t{{"Voce", "Valore"},
            {{"Archivio", percorso},
             {"Estrazioni", std::to_string(archivio.Conta())},
             {"Prima estrazione", prima},
             {"Ultima estrazione", ultima},
             {"Dimensione (KB)", kilobyte(testo.size())},
             {"Valido", validita.Valido ? "sì" : "no"}}};
  if (formato == Formato::Csv)
    StampaCsv(t, out);
  else
    StampaTesto(t, out);
  return 0;
}

int ComandoVerifica(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  a.fine();
  std::string testo;
  if (!leggiTesto(percorso, testo, err)) return 1;
  const EsitoValidita validita = ControllaValidita(testo);
  const ElencoProblemi problemi = ElencaProblemi(testo);

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Archivio"] = percorso;
    j["Righe"] = validita.Righe;
    j["Valido"] = validita.Valido;
    j["ProblemiTotali"] = problemi.Totale;
    j["PerTipo"] = nlohmann::ordered_json::object();
    for (std::size_t t = 0; t < kTipiProblema; ++t)
      j["PerTipo"][nomeTipo(static_cast<TipoProblema>(t))] = problemi.PerTipo[t];
    j["Problemi"] = nlohmann::ordered_json::array();
    for (const auto& p : problemi.Primi)
      j["Problemi"].push_back({{"Riga", p.Riga}, {"Tipo", nomeTipo(p.Tipo)}, {"Descrizione", p.Descrizione}});
    out << j.dump(2) << '\n';
  } else {
    Tabella t{{"Riga", "Tipo", "Problema"}, {}};
    for (const auto& p : problemi.Primi) t.Righe.push_back({std::to_string(p.Riga), nomeTipo(p.Tipo), p.Descrizione});
    const std::string troncato = problemi.Totale > static_cast<long long>(problemi.Primi.size())
                                     ? "Elencati i primi " + std::to_string(problemi.Primi.size()) + " problemi su " +
                                           std::to_string(problemi.Totale) + ".\n"
                                     : "";
    if (formato == Formato::Csv) {
      StampaCsv(t, out);
      err << troncato;  // the table alone would look complete
    } else {
      out << "Righe lette: " << validita.Righe << '\n'
          << "Controllo di validità: " << (validita.Valido ? "superato" : "NON superato") << '\n';
      if (problemi.Nessuno()) {
        out << "Nessun problema trovato.\n";
      } else {
        out << "Problemi trovati: " << problemi.Totale << "\n\n";
        StampaTesto(t, out);
        if (!troncato.empty()) out << '\n' << troncato;
        Tabella totali{{"Tipo", "Problemi"}, {}};
        for (std::size_t k = 0; k < kTipiProblema; ++k)
          if (problemi.PerTipo[k] > 0)
            totali.Righe.push_back({nomeTipo(static_cast<TipoProblema>(k)), std::to_string(problemi.PerTipo[k])});
        out << '\n';
        StampaTesto(totali, out);
      }
    }
  }
  return validita.Valido ? 0 : 1;
}

int ComandoEsempio(Argomenti& a, std::ostream& out, std::ostream&) {
  OpzioniEsempio opzioni;
  opzioni.Estrazioni = a.intero("--estrazioni", 0, 1, 1000000);
  if (const auto s = a.valore("--seme")) {
    try {
      std::size_t usati = 0;
      opzioni.Seme = std::stoull(*s, &usati);
      if (usati != s->size()) throw std::invalid_argument(*s);
    } catch (const std::exception&) {
      throw ErroreUso("valore non numerico per --seme: \"" + *s + "\"");
    }
  }
  a.fine();
  out << GeneraArchivioEsempio(opzioni);
  return out.good() ? 0 : 1;
}

}  // namespace ruotario::cli
