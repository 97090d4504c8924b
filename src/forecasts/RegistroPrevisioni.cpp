#include "forecasts/RegistroPrevisioni.h"

#include <sqlite3.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <sstream>

#include "forecasts/SaldaPrevisione.h"

namespace ruotario {

namespace {

namespace fs = std::filesystem;

struct ChiudiDb {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct ChiudiIstruzione {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, ChiudiDb>;
using Istruzione = std::unique_ptr<sqlite3_stmt, ChiudiIstruzione>;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS previsioni ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " salvata TEXT NOT NULL,"
    " data_chiave TEXT NOT NULL,"
    " numeri TEXT NOT NULL,"
    " ruote TEXT NOT NULL,"
    " sorte INTEGER NOT NULL CHECK (sorte BETWEEN 1 AND 5),"
    " colpi INTEGER NOT NULL CHECK (colpi >= 1),"
    " origine TEXT NOT NULL DEFAULT '',"
    " nota TEXT NOT NULL DEFAULT '',"
    " esito INTEGER NOT NULL DEFAULT 0,"
    " colpo INTEGER NOT NULL DEFAULT 0,"
    " ruota_vinta INTEGER NOT NULL DEFAULT 0,"
    " sorte_vinta INTEGER NOT NULL DEFAULT 0,"
    " data_esito TEXT NOT NULL DEFAULT '');";

std::string erroreDb(sqlite3* db, const std::string& cosa) {
  return "Registro delle previsioni: " + cosa + " (" + (db ? sqlite3_errmsg(db) : "memoria esaurita") + ")";
}

// Opens the ledger. Without `crea` a missing file gives no database and no
// error (an empty ledger). The layout is created or checked.
Db apri(const std::string& percorso, bool crea, std::string& errore) {
  std::error_code ec;
  if (!crea && !fs::exists(percorso, ec)) return nullptr;
  sqlite3* grezzo = nullptr;
  const int flag = SQLITE_OPEN_READWRITE | (crea ? SQLITE_OPEN_CREATE : 0);
  const int rc = sqlite3_open_v2(percorso.c_str(), &grezzo, flag, nullptr);
  Db db(grezzo);
  if (rc != SQLITE_OK) {
    errore = erroreDb(db.get(), "impossibile aprire " + percorso);
    return nullptr;
  }
  sqlite3_busy_timeout(db.get(), 5000);
  sqlite3_exec(db.get(), "PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);

  sqlite3_stmt* s = nullptr;
  int versione = -1;
  if (sqlite3_prepare_v2(db.get(), "PRAGMA user_version;", -1, &s, nullptr) == SQLITE_OK) {
    Istruzione v(s);
    if (sqlite3_step(v.get()) == SQLITE_ROW) versione = sqlite3_column_int(v.get(), 0);
  }
  if (versione < 0) {
    errore = erroreDb(db.get(), percorso + " non è leggibile");
    return nullptr;
  }
  if (versione > kVersioneRegistro) {
    errore = "Il registro delle previsioni " + percorso + " viene da una versione più recente del programma.";
    return nullptr;
  }
  if (versione < kVersioneRegistro && crea) {
    const std::string sql = std::string("BEGIN IMMEDIATE;") + kSchema +
                            "PRAGMA user_version=" + std::to_string(kVersioneRegistro) + ";COMMIT;";
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
      errore = erroreDb(db.get(), "impossibile preparare " + percorso);
      sqlite3_exec(db.get(), "ROLLBACK;", nullptr, nullptr, nullptr);
      return nullptr;
    }
  }
  return db;
}

Istruzione prepara(sqlite3* db, const char* sql) {
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
  return Istruzione(s);
}

void legaTesto(sqlite3_stmt* s, int i, const std::string& t) {
  sqlite3_bind_text(s, i, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
}

std::string colonnaTesto(sqlite3_stmt* s, int i) {
  const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
  return t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(s, i))) : std::string();
}

std::vector<int> interiDaTesto(const std::string& testo) {
  std::vector<int> v;
  std::istringstream in(testo);
  for (int n; in >> n;) v.push_back(n);
  return v;
}

std::string testoInteri(const std::vector<int>& v) {
  std::string t;
  for (int n : v) t += (t.empty() ? "" : " ") + std::to_string(n);
  return t;
}

std::string adesso() {
  const std::time_t t = std::time(nullptr);
  std::tm locale{};
  localtime_r(&t, &locale);
  char testo[32];
  std::strftime(testo, sizeof testo, "%Y-%m-%d %H:%M", &locale);
  return testo;
}

// Runs `corpo` inside BEGIN IMMEDIATE ... COMMIT; rolls back when it fails.
template <typename Corpo>
std::string inTransazione(sqlite3* db, const std::string& cosa, Corpo&& corpo) {
  if (sqlite3_exec(db, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr) != SQLITE_OK) return erroreDb(db, cosa);
  if (!corpo() || sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK) {
    std::string e = erroreDb(db, cosa);
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    return e;
  }
  return {};
}

bool aggiornaStato(sqlite3_stmt* s, long long id, const StatoPrevisione& st) {
  sqlite3_reset(s);
  sqlite3_bind_int(s, 1, static_cast<int>(st.Esito));
  sqlite3_bind_int(s, 2, st.Colpo);
  sqlite3_bind_int(s, 3, st.RuotaVinta);
  sqlite3_bind_int(s, 4, st.SorteVinta);
  legaTesto(s, 5, st.DataEsito);
  sqlite3_bind_int64(s, 6, id);
  return sqlite3_step(s) == SQLITE_DONE;
}

}  // namespace

std::string PercorsoRegistro(const std::string& percorsoArchivio) {
  return (fs::path(percorsoArchivio).parent_path() / kNomeRegistro).string();
}

LetturaRegistro LeggiRegistro(const std::string& percorso) {
  LetturaRegistro r;
  const Db db = apri(percorso, false, r.Errore);
  if (!db) return r;
  const Istruzione s =
      prepara(db.get(),
              "SELECT id, salvata, data_chiave, numeri, ruote, sorte, colpi, origine, nota, esito, colpo,"
              " ruota_vinta, sorte_vinta, data_esito FROM previsioni ORDER BY id;");
  if (!s) {
    // A database without the table yet (an empty file) is an empty ledger.
    if (sqlite3_errcode(db.get()) != SQLITE_ERROR) r.Errore = erroreDb(db.get(), "lettura non riuscita");
    return r;
  }
  int rc;
  while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
    VocePrevisione v;
    Previsione& p = v.Dati;
    p.Id = sqlite3_column_int64(s.get(), 0);
    p.Salvata = colonnaTesto(s.get(), 1);
    p.DataChiave = colonnaTesto(s.get(), 2);
    p.Numeri = interiDaTesto(colonnaTesto(s.get(), 3));
    p.Ruote = interiDaTesto(colonnaTesto(s.get(), 4));
    p.Sorte = sqlite3_column_int(s.get(), 5);
    p.Colpi = sqlite3_column_int(s.get(), 6);
    p.Origine = colonnaTesto(s.get(), 7);
    p.Nota = colonnaTesto(s.get(), 8);
    const int esito = sqlite3_column_int(s.get(), 9);
    v.Stato.Esito = esito == 1   ? EsitoPrevisione::Vinta
                    : esito == 2 ? EsitoPrevisione::Scaduta
                                 : EsitoPrevisione::InGioco;
    v.Stato.Colpo = sqlite3_column_int(s.get(), 10);
    v.Stato.RuotaVinta = sqlite3_column_int(s.get(), 11);
    v.Stato.SorteVinta = sqlite3_column_int(s.get(), 12);
    v.Stato.DataEsito = colonnaTesto(s.get(), 13);
    r.Voci.push_back(std::move(v));
  }
  if (rc != SQLITE_DONE) {
    r.Voci.clear();
    r.Errore = erroreDb(db.get(), "lettura non riuscita");
  }
  return r;
}

EsitoAggiunta AggiungiPrevisione(const std::string& percorso, Previsione p, const StatoPrevisione& stato) {
  EsitoAggiunta e;
  e.Errore = ControllaPrevisione(p);
  if (!e.Errore.empty()) return e;
  NormalizzaPrevisione(p);
  if (p.Salvata.empty()) p.Salvata = adesso();
  const Db db = apri(percorso, true, e.Errore);
  if (!db) return e;
  e.Errore = inTransazione(db.get(), "salvataggio non riuscito", [&] {
    const Istruzione s = prepara(db.get(),
                                 "INSERT INTO previsioni (salvata, data_chiave, numeri, ruote, sorte, colpi, origine,"
                                 " nota) VALUES (?, ?, ?, ?, ?, ?, ?, ?);");
    if (!s) return false;
    legaTesto(s.get(), 1, p.Salvata);
    legaTesto(s.get(), 2, p.DataChiave);
    legaTesto(s.get(), 3, testoInteri(p.Numeri));
    legaTesto(s.get(), 4, testoInteri(p.Ruote));
    sqlite3_bind_int(s.get(), 5, p.Sorte);
    sqlite3_bind_int(s.get(), 6, p.Colpi);
    legaTesto(s.get(), 7, p.Origine);
    legaTesto(s.get(), 8, p.Nota);
    if (sqlite3_step(s.get()) != SQLITE_DONE) return false;
    e.Id = sqlite3_last_insert_rowid(db.get());
    const Istruzione u = prepara(db.get(),
                                 "UPDATE previsioni SET esito=?, colpo=?, ruota_vinta=?, sorte_vinta=?, data_esito=?"
                                 " WHERE id=?;");
    return u && aggiornaStato(u.get(), e.Id, stato);
  });
  if (!e.Errore.empty()) e.Id = 0;
  return e;
}

std::string EliminaPrevisione(const std::string& percorso, long long id) {
  std::string errore;
  const Db db = apri(percorso, false, errore);
  if (!db) return errore.empty() ? "Il registro delle previsioni è vuoto." : errore;
  bool trovata = false;
  errore = inTransazione(db.get(), "eliminazione non riuscita", [&] {
    const Istruzione s = prepara(db.get(), "DELETE FROM previsioni WHERE id=?;");
    if (!s) return false;
    sqlite3_bind_int64(s.get(), 1, id);
    if (sqlite3_step(s.get()) != SQLITE_DONE) return false;
    trovata = sqlite3_changes(db.get()) > 0;
    return true;
  });
  if (errore.empty() && !trovata) return "La previsione N. " + std::to_string(id) + " non è nel registro.";
  return errore;
}

std::string SalvaStati(const std::string& percorso, const std::vector<std::pair<long long, StatoPrevisione>>& stati) {
  if (stati.empty()) return {};
  std::string errore;
  const Db db = apri(percorso, false, errore);
  if (!db) return errore;
  return inTransazione(db.get(), "aggiornamento non riuscito", [&] {
    const Istruzione u = prepara(db.get(),
                                 "UPDATE previsioni SET esito=?, colpo=?, ruota_vinta=?, sorte_vinta=?, data_esito=?"
                                 " WHERE id=?;");
    if (!u) return false;
    for (const auto& [id, st] : stati)
      if (!aggiornaStato(u.get(), id, st)) return false;
    return true;
  });
}

RegistroSaldato SaldaRegistro(const std::string& percorso, const ArchivioEstrazioni& archivio) {
  RegistroSaldato r;
  LetturaRegistro letto = LeggiRegistro(percorso);
  r.Errore = std::move(letto.Errore);
  if (!r.Errore.empty()) return r;
  const std::vector<long> date = DateArchivio(archivio);
  std::vector<std::pair<long long, StatoPrevisione>> cambiati;
  for (VocePrevisione& v : letto.Voci) {
    const StatoPrevisione nuovo = SaldaPrevisione(v.Dati, archivio, date);
    if (!v.Stato.Saldata() && nuovo.Saldata()) ++r.NuoveSaldate;
    if (!(nuovo == v.Stato)) cambiati.emplace_back(v.Dati.Id, nuovo);
    v.Stato = nuovo;
  }
  r.Voci = std::move(letto.Voci);
  r.ErroreCache = SalvaStati(percorso, cambiati);
  return r;
}

}  // namespace ruotario
