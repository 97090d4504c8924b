// filtra: a published draw pasted as text, filtered from a file or standard
// input, shown, and on request appended to the archive.

#include <nlohmann/json.hpp>

#include <iostream>
#include <iterator>

#include "app/Ambiente.h"
#include "archive/ArchivioEstrazioni.h"
#include "archive/BloccoArchivio.h"
#include "archive/ControlloData.h"
#include "archive/FiltroEstrazione.h"
#include "archive/ScritturaArchivio.h"
#include "cli/Comandi.h"
#include "cli/Tabella.h"

namespace ruotario::cli {

namespace {

// What keeps the draw from being complete, in Italian; empty when complete.
std::vector<std::string> mancanze(const EsitoFiltro& f) {
  std::vector<std::string> m;
  if (!f.Data) m.push_back("manca la data");
  for (int r = 1; r < kRuoteFiltrate; ++r) {
    const int trovati = f.Trovati(r);
    const std::string nome(kNomiRuoteFiltro[static_cast<std::size_t>(r)]);
    if (trovati == 0)
      m.push_back("manca la ruota di " + nome);
    else if (trovati < 5)
      m.push_back("ruota di " + nome + " incompleta (" + std::to_string(trovati) + " numeri su 5)");
  }
  return m;
}

std::string unisci(const std::vector<std::string>& parti) {
  std::string t;
  for (const auto& p : parti) t += (t.empty() ? "" : "; ") + p;
  return t;
}

struct Accodata {
  int Numero = 0;
  std::string Record;
};

// Appends the draw as the pasted-draw window saves it. Refuses, writing
// nothing, an incomplete draw or one not later than the last stored draw,
// unless `forza`; a draw without a date is always refused. The archive's lock
// is held from the reading of its last draw to the append.
std::optional<Accodata> accoda(const EsitoFiltro& f, const std::string& percorso, bool forza, std::ostream& err) {
  if (!f.Data) {
    err << "Impossibile accodare: nel testo manca la data dell'estrazione.\n";
    return std::nullopt;
  }
  if (!EsisteFile(percorso)) {
    err << "Archivio non trovato: " << percorso << '\n';
    return std::nullopt;
  }
  if (!forza && !f.Completo()) {
    err << "Estrazione non accodata perché incompleta (--forza per accodarla con 00 al posto dei numeri "
           "mancanti).\n";
    return std::nullopt;
  }
  const BloccoArchivio blocco(percorso);
  std::string testo;
  if (!blocco || !blocco.Leggi(testo)) {
    err << "Impossibile accodare: " << (blocco ? "impossibile leggere l'archivio " + percorso : blocco.Errore())
        << '\n';
    return std::nullopt;
  }
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(testo);
  if (!forza && !archivio.Vuoto()) {
    const std::string_view ultima = archivio.Ultima().Data();
    const auto data = DataDaTesto(ultima);
    if (!data) {
      err << "Estrazione non accodata: la data dell'ultima estrazione in archivio (\"" << ultima
          << "\") non è leggibile (--forza per accodarla comunque).\n";
      return std::nullopt;
    }
    if (ConfrontaDate(*f.Data, *data) <= 0) {
      err << "Estrazione non accodata: la data " << f.DataTrovata << " non è successiva a quella dell'ultima "
          << "estrazione in archivio (" << ultima << "; --forza per accodarla comunque).\n";
      return std::nullopt;
    }
  }
  CelleRuote celle = f.Celle();
  const RecordComposto composto = ComponiRecord(*f.Data, celle);
  if (const EsitoScrittura scritto = AccodaRecord(blocco, composto.Record); !scritto) {
    err << scritto.Messaggio << '\n';
    return std::nullopt;
  }
  return Accodata{archivio.Conta() + 1, composto.Record};
}

}  // namespace

int ComandoFiltra(Argomenti& a, std::ostream& out, std::ostream& err) {
  const Formato formato = a.formato();
  const bool accodare = a.flag("--accoda");
  const bool forza = a.flag("--forza");
  const std::string percorso = a.archivio();
  const std::optional<std::string> file = a.posizionale();
  a.fine();
  if (forza && !accodare) throw ErroreUso("--forza vale solo con --accoda");

  std::string testo;
  if (!file || *file == "-") {
    testo.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else if (!EsisteFile(*file) || !LeggiFile(*file, testo)) {
    err << "File non trovato: " << *file << '\n';
    return 1;
  }

  const EsitoFiltro f = FiltraEstrazione(testo);
  const std::vector<std::string> manca = mancanze(f);
  std::optional<Accodata> accodata;
  if (accodare) accodata = accoda(f, percorso, forza, err);

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Data"] = f.Data ? nlohmann::ordered_json(f.DataTrovata) : nlohmann::ordered_json(nullptr);
    j["Completa"] = f.Completo();
    j["Ruote"] = nlohmann::ordered_json::object();
    for (int r = 0; r < kRuoteFiltrate; ++r) {
      auto numeri = nlohmann::ordered_json::array();
      for (const auto& n : f.Numeri[static_cast<std::size_t>(r)])
        numeri.push_back(n.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(std::stoi(n)));
      j["Ruote"][std::string(kNomiRuoteFiltro[static_cast<std::size_t>(r)])] = numeri;
    }
    j["Mancanze"] = manca;
    if (accodare)
      j["Accodata"] = accodata ? nlohmann::ordered_json{{"Numero", accodata->Numero}, {"Record", accodata->Record}}
                               : nlohmann::ordered_json(nullptr);
    out << j.dump(2) << '\n';
  } else {
    Tabella t{{"Data", "Ruota", "1", "2", "3", "4", "5"}, {}};
    if (formato == Formato::Testo) t.Intestazioni.erase(t.Intestazioni.begin());
    for (int r = 0; r < kRuoteFiltrate; ++r) {
      std::vector<std::string> riga{std::string(kNomiRuoteFiltro[static_cast<std::size_t>(r)])};
      for (const auto& n : f.Numeri[static_cast<std::size_t>(r)]) riga.push_back(n);
      if (formato == Formato::Csv) riga.insert(riga.begin(), f.DataTrovata);
      t.Righe.push_back(std::move(riga));
    }
    if (formato == Formato::Csv) {
      StampaCsv(t, out);
    } else {
      out << "Data: " << (f.Data ? f.DataTrovata : "non trovata") << '\n';
      StampaTesto(t, out);
      if (accodata) out << "\nAccodata come estrazione num. " << accodata->Numero << ":\n" << accodata->Record << '\n';
    }
  }
  if (accodata && formato == Formato::Csv)
    err << "Accodata come estrazione num. " << accodata->Numero << ": " << accodata->Record << '\n';
  if (!manca.empty()) err << "Estrazione incompleta: " << unisci(manca) << ".\n";
  // A forced append that succeeded is what the user asked for.
  if (accodare) return accodata ? 0 : 1;
  return manca.empty() ? 0 : 1;
}

}  // namespace ruotario::cli
