#include "update/RapportoAggiornamento.h"

#include <algorithm>

#include "archive/ArchivioNazionale.h"

namespace ruotario {

namespace {

constexpr std::size_t kCitateNelRiepilogo = 3;

std::string riga(const Scarto& s) {
  return s.Fonte + ", riga " + std::to_string(s.Riga) + ": " + s.Motivo + ": \"" + s.Testo + "\"";
}

std::string elencoDate(const std::vector<std::string>& date) {
  std::string t;
  for (std::size_t i = 0; i < date.size(); ++i) t += (i == 0 ? "" : i % 8 == 0 ? ",\n  " : ", ") + date[i];
  return "  " + t + "\n";
}

std::string conflitti(const EsitoUnione& u, const std::string& file) {
  std::string t;
  for (const Conflitto& c : u.Conflitti)
    t += "  " + c.Data + " (record " + std::to_string(c.Numero) + " di " + file + ")\n    nel file:  " + c.InArchivio +
         "\n    nelle fonti: " + c.NellaFonte + "\n";
  return t;
}

}  // namespace

std::string RiepilogoAggiornamento(const EsitoAggiornamento& e) {
  if (e.Stato == StatoAggiornamento::Annullato) return "Aggiornamento annullato: l'archivio non è stato modificato.\n";
  if (e.Stato == StatoAggiornamento::Errore && e.Lettura.Fonti.empty()) return e.Messaggio + "\n";
  const EsitoUnione& a = e.Archivio;
  const EsitoUnione& n = e.Nazionale;
  const LetturaFonti& l = e.Lettura;
  const bool aperti = e.Stato == StatoAggiornamento::Conflitti;
  const bool errore = e.Stato == StatoAggiornamento::Errore;
  // An update that fails leaves the archive as it was; nazionale.txt, written
  // first, was replaced only when Scritto says so.
  const std::string saranno = e.Prova || aperti || errore ? "da aggiungere" : "aggiunte";
  const std::string sarannoNaz = e.Prova || aperti || (errore && !e.Scritto) ? "da aggiungere" : "aggiunte";
  std::string t;
  if (errore) t += e.Messaggio + "\n";
  if (a.Aggiunte > 0)
    t += "Estrazioni " + saranno + ": " + std::to_string(a.Aggiunte) + ", dal " + a.PrimaData + " al " + a.UltimaData +
         ".\n";
  else if (a.Inserite + a.Sostituite == 0 && !aperti && !errore)
    t += "Nessuna estrazione nuova: l'archivio è già aggiornato" +
         (a.UltimaPrima.empty() ? std::string(".") : " (ultima estrazione del " + a.UltimaPrima + ").") + "\n";
  if (a.Inserite > 0)
    t += "Estrazioni inserite prima dell'ultima: " + std::to_string(a.Inserite) +
         " (attenzione: i numeri delle estrazioni successive sono cambiati).\n";
  if (a.Inserite == 0 && !a.Mancanti.empty())
    t += "Date delle fonti che mancano nell'archivio prima della sua ultima estrazione: " +
         std::to_string(a.Mancanti.size()) + " (non inserite: vedere il rapporto completo).\n";
  if (a.Inserite == 0 && a.Precedenti > 0)
    t += "Le fonti hanno anche " + std::to_string(a.Precedenti) +
         " estrazioni precedenti alla prima dell'archivio (dal " + a.PrimaPrecedente + " al " + a.UltimaPrecedente +
         "): non inserite.\n";
  if (a.Sostituite + n.Sostituite > 0)
    t += "Estrazioni sostituite con la versione delle fonti: " + std::to_string(a.Sostituite + n.Sostituite) + ".\n";
  if (aperti)
    t += "Conflitti: " + std::to_string(a.Conflitti.size() + n.Conflitti.size()) +
         " date hanno numeri diversi nell'archivio e nelle fonti (vedere il rapporto completo). L'archivio non è "
         "stato modificato; per prendere la versione delle fonti scegliere la sostituzione.\n";
  if (l.Scartate > 0) {
    t += "Righe scartate: " + std::to_string(l.Scartate) + " (le loro date non sono state scritte)";
    t += l.Scarti.empty() ? ".\n" : ", ad esempio:\n";
    for (std::size_t i = 0; i < std::min(kCitateNelRiepilogo, l.Scarti.size()); ++i)
      t += "  " + riga(l.Scarti[i]) + "\n";
  }
  if (n.Aggiunte + n.Inserite > 0)
    t += "Ruota Nazionale: " + std::to_string(n.Aggiunte + n.Inserite) + " estrazioni " + sarannoNaz + " a " +
         kNomeNazionale + ".\n";
  if (!e.Copia.empty()) t += "Copia di riserva dell'archivio precedente: " + e.Copia + "\n";
  if (e.Prova) t += "Prova: nessun file è stato modificato.\n";
  return t;
}

std::string RapportoAggiornamento(const EsitoAggiornamento& e) {
  std::string t = RiepilogoAggiornamento(e);
  const LetturaFonti& l = e.Lettura;
  const EsitoUnione& a = e.Archivio;
  const EsitoUnione& n = e.Nazionale;
  t += "\nArchivio: " + e.PercorsoArchivio + "\n";
  if (!l.Fonti.empty()) t += "\nFonti lette:\n";
  for (const FonteLetta& f : l.Fonti)
    t += "  " + f.Nome + " (" + NomeFormato(f.Formato) + "): " + std::to_string(f.Righe) + " righe, " +
         std::to_string(f.Accettate) + " accettate\n";
  if (a.Aggiunte > 0)
    t += "\nEstrazioni nuove dopo l'ultima (" + a.UltimaPrima + "): dal " + a.PrimaData + " al " + a.UltimaData + "\n";
  if (a.Uguali > 0) t += "\nDate già presenti con gli stessi numeri: " + std::to_string(a.Uguali) + "\n";
  if (!a.Mancanti.empty())
    t += std::string("\nDate delle fonti che mancano nell'archivio prima della sua ultima estrazione") +
         (a.Inserite ? " (inserite)" : " (non inserite)") + ":\n" + elencoDate(a.Mancanti);
  if (!a.Conflitti.empty() || !n.Conflitti.empty())
    t += std::string("\nConflitti") + (a.Sostituite + n.Sostituite ? " (sostituiti con la versione delle fonti)" : "") +
         ":\n" + conflitti(a, "estrazioni.txt") + conflitti(n, kNomeNazionale);
  if (l.Scartate > 0) {
    t += "\nRighe scartate: " + std::to_string(l.Scartate) + "\n";
    for (int k = 0; k < kTipiScarto; ++k)
      if (l.ScartiPerTipo[static_cast<std::size_t>(k)])
        t += "  " + NomeScarto(static_cast<TipoScarto>(k)) + ": " +
             std::to_string(l.ScartiPerTipo[static_cast<std::size_t>(k)]) + "\n";
    for (const Scarto& s : l.Scarti) t += "  " + riga(s) + "\n";
    if (l.Scarti.size() < static_cast<std::size_t>(l.Scartate))
      t += "  ... e altre " + std::to_string(l.Scartate - static_cast<int>(l.Scarti.size())) + "\n";
  }
  if (l.Ripetute > 0) t += "\nRighe ripetute identiche, lette una volta: " + std::to_string(l.Ripetute) + "\n";
  if (l.ContaSospette > 0) {
    t += "\nDate fuori ordine nelle fonti (unite comunque): " + std::to_string(l.ContaSospette) + "\n";
    for (const DataSospetta& s : l.Sospette)
      t += "  " + s.Fonte + ", riga " + std::to_string(s.Riga) + ": " + TestoDataChiave(s.Data) + " dopo il " +
           TestoDataChiave(s.Precedente) + "\n";
  }
  if (!a.SoloNelFile.empty())
    t += "\nDate presenti solo nell'archivio (tenute), nel periodo coperto dalle fonti:\n" + elencoDate(a.SoloNelFile);
  if (n.Aggiunte + n.Inserite > 0)
    t += "\nRuota Nazionale: " + std::to_string(n.Aggiunte + n.Inserite) + " estrazioni\n";
  if (!e.CopiaNazionale.empty())
    t += "Copia di riserva di " + std::string(kNomeNazionale) + ": " + e.CopiaNazionale + "\n";
  return t;
}

}  // namespace ruotario
