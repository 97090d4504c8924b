// aggiorna: the archive brought up to date from the published archives (the
// official address, or the files, folders and addresses given with --da).

#include <unistd.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/Comandi.h"
#include "update/Aggiornamento.h"
#include "update/RapportoAggiornamento.h"

namespace ruotario::cli {

namespace {

// One line on the terminal, rewritten as the download goes on.
bool mostraAvanzamento(const AvanzamentoAggiornamento& a) {
  if (a.Fase != FaseAggiornamento::Scaricamento) return true;
  if (a.Totale > 0)
    std::fprintf(stderr, "\rScaricamento di %s: %lld KB di %lld KB ", a.Fonte.c_str(),
                 static_cast<long long>(a.Fatto / 1024), static_cast<long long>(a.Totale / 1024));
  else
    std::fprintf(stderr, "\rScaricamento di %s: %lld KB ", a.Fonte.c_str(), static_cast<long long>(a.Fatto / 1024));
  return true;
}

nlohmann::ordered_json testoONull(const std::string& t) {
  return t.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(t);
}

}  // namespace

int ComandoAggiorna(Argomenti& a, std::ostream& out, std::ostream& err) {
  const Formato formato = a.formato();
  const std::string archivio = a.archivio();
  std::vector<std::string> fonti;
  while (auto da = a.valore("--da")) fonti.push_back(*da);
  OpzioniUnione opzioni;
  opzioni.Sostituisci = a.flag("--sostituisci");
  opzioni.Inserisci = a.flag("--inserisci");
  const bool prova = a.flag("--prova");
  a.fine();
  if (formato == Formato::Csv) throw ErroreUso("aggiorna scrive il riepilogo come testo o json");

  const bool terminale = ::isatty(STDERR_FILENO) == 1;
  const EsitoAggiornamento e =
      AggiornaArchivio(archivio, fonti, opzioni, prova, terminale ? FunzioneAvanzamento(mostraAvanzamento) : nullptr);
  if (terminale) std::fputs("\r\033[K", stderr);

  if (formato == Formato::Json) {
    nlohmann::ordered_json j;
    j["Aggiunte"] = e.Archivio.Aggiunte;
    j["PrimaData"] = testoONull(e.Archivio.PrimaData);
    j["UltimaData"] = testoONull(e.Archivio.UltimaData);
    j["Conflitti"] = e.Archivio.Conflitti.size() + e.Nazionale.Conflitti.size();
    j["Scartate"] = e.Lettura.Scartate;
    j["Copia"] = testoONull(e.Copia);
    j["Inserite"] = e.Archivio.Inserite;
    j["Mancanti"] = e.Archivio.Mancanti.size();
    j["Precedenti"] = e.Archivio.Precedenti;
    j["Sostituite"] = e.Archivio.Sostituite + e.Nazionale.Sostituite;
    j["Nazionale"] = e.Nazionale.Aggiunte + e.Nazionale.Inserite;
    j["Scritto"] = e.Scritto;
    if (!e.Messaggio.empty()) j["Errore"] = e.Messaggio;
    out << j.dump(2) << '\n';
  } else {
    out << RapportoAggiornamento(e);
  }
  switch (e.Stato) {
    case StatoAggiornamento::Aggiornato:
    case StatoAggiornamento::GiaAggiornato: return 0;
    case StatoAggiornamento::Conflitti:
      err << "Conflitti non risolti: l'archivio non è stato modificato (--sostituisci per prendere la versione delle "
             "fonti).\n";
      return 3;
    case StatoAggiornamento::Errore:
    case StatoAggiornamento::Annullato: break;
  }
  if (formato == Formato::Json) err << e.Messaggio << '\n';
  return 1;
}

}  // namespace ruotario::cli
