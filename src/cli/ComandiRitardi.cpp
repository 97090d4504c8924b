// ritardi: frequencies and delays of numbers, pairs, triples or a group, on a
// wheel, at a fixed place, on the ten wheels together, or the tabellone
// analitico of every wheel; with their chance figures.

#include <nlohmann/json.hpp>

#include <iomanip>

#include "app/NumeriLotto.h"
#include "cli/Comandi.h"
#include "cli/Studio.h"
#include "cli/Tabella.h"
#include "ritardi/GruppoNumeri.h"
#include "ritardi/Ritardi.h"
#include "ritardi/Tabellone.h"
#include "ritardi/VociRitardi.h"

namespace ruotario::cli {

namespace {

using Json = nlohmann::ordered_json;

// --ruota as the other studies read it, and "nazionale" besides; nullopt when absent.
std::optional<int> ruotaRitardi(Argomenti& a) {
  const auto v = a.valore("--ruota");
  if (!v) return std::nullopt;
  std::string minuscolo = *v;
  for (char& c : minuscolo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (minuscolo == "nazionale") return kRuotaNazionale;
  Argomenti sola({"--ruota", *v});
  return sola.ruotaOTutte();
}

Json jsonData(int data) { return data > 0 ? Json(TestoDataNumerica(data)) : Json(nullptr); }

void scriviJson(const EsitoRitardi& esito, const std::vector<VoceRitardo>& voci, const std::string& nomeGruppo,
                bool conRuota, std::ostream& out) {
  const ParametriRitardi& p = esito.Parametri;
  Json j;
  j["Ruota"] = NomeRuotaRitardi(p.Ruota);
  j["Inizio"] = p.Inizio;
  j["Fine"] = p.Fine;
  j["Ambi"] = p.Tipo == TipoRitardo::Ambo;
  j["Tipo"] = NomeTipo(p.Tipo);
  if (p.Posizione > 0) j["Posizione"] = p.Posizione;
  j["Estrazioni"] = Json::object();
  for (const RitardiRuota& r : esito.Ruote) j["Estrazioni"][NomeRuotaRitardi(r.Ruota)] = r.Estrazioni;
  j["Numeri"] = Json::array();
  for (const VoceRitardo& v : voci) {
    Json o;
    if (p.Tipo == TipoRitardo::Numero)
      o["Numero"] = v.Numeri[0];
    else
      o[NomeTipo(p.Tipo)] = TestoVoce(v, nomeGruppo);
    if (conRuota) o["Ruota"] = NomeRuotaRitardi(v.Ruota);
    if (p.Posizione > 0) o["Posizione"] = p.Posizione;
    o["Frequenza"] = v.Figure.Frequenza;
    o["RitardoAttuale"] = v.Figure.RitardoAttuale;
    o["RitardoMassimo"] = v.Figure.RitardoMassimo;
    o["DataUltima"] = jsonData(v.Figure.DataUltima);
    o["DataRecord"] = jsonData(v.Figure.DataRecord);
    o["Probabilita"] = v.Probabilita;
    o["Attesi"] = v.Attesi;
    j["Numeri"].push_back(std::move(o));
  }
  out << j.dump(2) << '\n';
}

// The grid of current delays: a row per number, a column per wheel; "*" marks
// a number at its own record.
void scriviTabellone(const EsitoRitardi& t, const std::vector<VoceRitardo>& voci, std::ostream& out) {
  out << "     ";
  for (const RitardiRuota& r : t.Ruote) out << std::setw(6) << SiglaRuota(r.Ruota);
  out << '\n';
  for (std::size_t n = 0; n < 90; ++n) {
    out << "  " << DueCifre(static_cast<int>(n) + 1) << ' ';
    for (std::size_t r = 0; r < t.Ruote.size(); ++r) {
      const VoceRitardo& v = voci[r * 90 + n];
      out << std::setw(5) << v.Figure.RitardoAttuale << (AlRecord(v.Figure) ? '*' : ' ');
    }
    out << '\n';
  }
  out << "\n* = al proprio record (ritardo attuale pari al massimo del periodo)\n";
}

void scriviTesto(const EsitoRitardi& esito, const ArchivioEstrazioni& archivio, const GruppoNumeri& gruppo,
                 std::ostream& out) {
  const ParametriRitardi& p = esito.Parametri;
  out << "Ruota: " << NomeRuotaRitardi(p.Ruota);
  if (p.Posizione > 0) out << " - Posizione: " << p.Posizione;
  out << " - Periodo DA: " << archivio.EtichettaData(p.Inizio) << " A: " << archivio.EtichettaData(p.Fine) << '\n';
  if (p.Tipo == TipoRitardo::Gruppo) {
    out << "Gruppo: " << gruppo.Nome << " (";
    for (std::size_t i = 0; i < gruppo.Numeri.size(); ++i) out << (i ? " " : "") << DueCifre(int{gruppo.Numeri[i]});
    out << ")\n";
  }
  out << "Estrazioni della ruota:";
  for (const RitardiRuota& r : esito.Ruote)
    out << (esito.Ruote.size() > 1 ? " " + NomeRuotaRitardi(r.Ruota) + " " : " ") << r.Estrazioni;
  out << "\n\n";
}

}  // namespace

int ComandoRitardi(Argomenti& a, std::ostream& out, std::ostream& err) {
  const std::string percorso = a.archivio();
  const Formato formato = a.formato();
  const bool tabellone = a.flag("--tabellone");
  const bool insieme = a.flag("--ruote-insieme");
  const std::optional<int> ruota = ruotaRitardi(a);
  const bool ambi = a.flag("--ambi");
  const bool terni = a.flag("--terni");
  const auto testoGruppo = a.valore("--gruppo");
  const auto posizione = a.interoOpzionale("--posizione", 1, kNumeriPerRuota);
  const auto top = a.interoOpzionale("--top", 1, kTerniPerRuota * kNumeroRuote);
  const auto inizio = a.interoOpzionale("--inizio", 1, kMassimoRecord);
  const auto fine = a.interoOpzionale("--fine", 1, kMassimoRecord);
  const auto ultime = a.interoOpzionale("--ultime", 1, kMassimoRecord);
  a.fine();

  if (int{ambi} + int{terni} + int{testoGruppo.has_value()} > 1)
    throw ErroreUso("--ambi, --terni e --gruppo si escludono a vicenda");
  if (insieme && ruota) throw ErroreUso("--ruote-insieme e --ruota si escludono a vicenda");
  if (tabellone && (ruota || insieme || ambi || terni || testoGruppo || posizione || top))
    throw ErroreUso("--tabellone si usa solo con --archivio, --inizio, --fine, --ultime e --formato");
  if (posizione && (ambi || terni)) throw ErroreUso("--posizione vale solo per i numeri e per i gruppi");
  if (ultime && inizio) throw ErroreUso("--ultime e --inizio si escludono a vicenda");
  if (inizio && fine && *inizio > *fine) throw ErroreUso(MessaggioPeriodoInvertito(*inizio, *fine));
  GruppoNumeri gruppo;
  if (testoGruppo) {
    const auto letto = LeggiGruppo(*testoGruppo);
    if (!letto) throw ErroreUso("gruppo non valido: \"" + *testoGruppo + "\" (ammessi " + kUsoGruppo + ")");
    gruppo = *letto;
  }

  const auto caricato = CaricaArchivioStudio(percorso, err);
  if (!caricato) return 1;
  const ArchivioEstrazioni& archivio = *caricato;
  ParametriRitardi p;
  p.Ruota = insieme ? kRuoteInsieme : ruota.value_or(1);
  p.Tipo = ambi          ? TipoRitardo::Ambo
           : terni       ? TipoRitardo::Terno
           : testoGruppo ? TipoRitardo::Gruppo
                         : TipoRitardo::Numero;
  p.Posizione = posizione.value_or(0);
  p.Gruppo = gruppo.Numeri;
  const Periodo periodo = PeriodoStudio(inizio, fine, 1, archivio.Conta());
  p.Inizio = ultime ? std::max(1, periodo.Fine - *ultime + 1) : periodo.Inizio;
  p.Fine = periodo.Fine;

  std::vector<EstrazioneNazionale> nazionale;
  if (tabellone || p.Ruota == kRuotaNazionale) nazionale = LeggiNazionale(PercorsoNazionale(percorso));
  if (p.Ruota == kRuotaNazionale && nazionale.empty()) {
    err << "Ruota Nazionale non disponibile: " << PercorsoNazionale(percorso) << " manca o non contiene estrazioni\n";
    return 1;
  }
  const EsitoRitardi esito =
      tabellone ? CalcolaTabellone(archivio, nazionale, p.Inizio, p.Fine) : CalcolaRitardi(p, archivio, nazionale);
  std::vector<VoceRitardo> voci = VociRitardi(esito);
  if (top) voci = PiuRitardatari(std::move(voci), *top);
  const bool conRuota = esito.Ruote.size() > 1;

  if (formato == Formato::Json) {
    scriviJson(esito, voci, gruppo.Nome, conRuota, out);
    return 0;
  }
  Tabella t;
  t.Intestazioni = TitoliRitardi(p.Tipo, conRuota);
  for (auto& riga : RigheRitardi(voci, conRuota, '.', gruppo.Nome)) t.Righe.push_back(std::move(riga));
  if (formato == Formato::Csv) {
    StampaCsv(t, out);
    return 0;
  }
  scriviTesto(esito, archivio, gruppo, out);
  if (tabellone)
    scriviTabellone(esito, voci, out);
  else
    StampaTesto(t, out);
  return 0;
}

}  // namespace ruotario::cli
