// kostanti, migliore-ambata, abbinamenti: the constants method study from the terminal.

#include <nlohmann/json.hpp>

#include <random>

#include "cli/BaseCasoCli.h"
#include "cli/Comandi.h"
#include "cli/OpzioniKostanti.h"
#include "constants/MiglioreAmbata.h"
#include "constants/RicercaAbbinamenti.h"

namespace ruotario::cli {

namespace {

constexpr const char* kNomiVaria[] = {"principale", "secondaria", "terza"};

AmbataVariata varia(Argomenti& a) {
  const auto v = a.valore("--varia");
  if (!v) return AmbataVariata::Secondaria;
  for (int i = 0; i < 3; ++i)
    if (*v == kNomiVaria[i]) return static_cast<AmbataVariata>(i);
  throw ErroreUso("valore non ammesso per --varia: \"" + *v + "\" (ammessi principale, secondaria, terza)");
}

struct ModoScelto {
  ModoAbbinamenti Modo = ModoAbbinamenti::Auto;
  bool Frequenti = false;
  const char* Nome = "auto";
};

ModoScelto modo(Argomenti& a) {
  const auto v = a.valore("--modo");
  if (!v || *v == "auto") return {};
  if (*v == "frequenti") return {ModoAbbinamenti::Auto, true, "frequenti"};
  if (*v == "probabili") return {ModoAbbinamenti::Probabili, false, "probabili"};
  if (*v == "manuale") return {ModoAbbinamenti::Manuale, false, "manuale"};
  throw ErroreUso("valore non ammesso per --modo: \"" + *v + "\" (ammessi auto, frequenti, probabili, manuale)");
}

std::uint64_t seme(Argomenti& a, bool& dato) {
  const auto s = a.valore("--seme");
  dato = s.has_value();
  if (!s) return 0;
  try {
    std::size_t usati = 0;
    const auto v = std::stoull(*s, &usati);
    if (usati != s->size() || s->front() == '-') throw std::invalid_argument(*s);
    return v;
  } catch (const std::exception&) {
    throw ErroreUso("valore non numerico per --seme: \"" + *s + "\"");
  }
}

// --caso adds a line to the text and an object to the JSON; the CSV holds
// the number tables only, so it refuses the option rather than drop it.
bool leggiCaso(Argomenti& a, Formato formato) {
  const bool caso = a.flag("--caso");
  if (caso && formato == Formato::Csv)
    throw ErroreUso("--caso si usa con --formato testo o json: il CSV contiene solo le tabelle dei numeri");
  return caso;
}

// Text or number of the --fuori-campione quota: 0.7, 0,7, 70 or 70%; empty is the default.
double leggiQuota(const std::string& testo) {
  if (testo.empty()) return kQuotaCampione;
  std::string t = testo;
  bool percento = false;
  if (t.back() == '%') {
    percento = true;
    t.pop_back();
  }
  for (char& c : t)
    if (c == ',') c = '.';
  double v = 0.0;
  try {
    std::size_t usati = 0;
    v = std::stod(t, &usati);
    if (usati != t.size()) throw std::invalid_argument(t);
  } catch (const std::exception&) {
    throw ErroreUso("valore non numerico per --fuori-campione: \"" + testo + "\"");
  }
  if (percento || v >= 1.0) v /= 100.0;
  if (!(v > 0.0 && v < 1.0))
    throw ErroreUso("valore fuori intervallo per --fuori-campione: " + testo +
                    " (ammessi da 0 a 1 esclusi, o 1%..99%)");
  return v;
}

}  // namespace

int ComandoKostanti(Argomenti& a, std::ostream& out, std::ostream& err) {
  OpzioniKostanti o;
  if (!LeggiOpzioniKostanti(a, err, o)) return 1;
  const bool caso = leggiCaso(a, o.FormatoUscita);
  a.fine();
  const EsitoStatistica e = CalcolaStatisticaCompleta(o.Parametri, o.Archivio);
  if (o.FormatoUscita == Formato::Json) {
    nlohmann::ordered_json j = JsonStatistica(e);
    j["Ambate"] = o.Parametri.Ambata;
    j["Attive"] = o.Parametri.Attiva;
    if (caso) j["Caso"] = JsonBaseCasoKostanti(BaseCasoStatistica(o.Parametri, e), e.PercentualeVincita);
    out << j.dump(2) << '\n';
    return 0;
  }
  if (o.FormatoUscita == Formato::Testo) {
    const auto& a = o.Parametri.Ambata;
    out << "Ambate: " << a[0] << ' ' << a[1] << ' ' << a[2] << " (attive:";
    for (std::size_t i = 0; i < 3; ++i)
      if (o.Parametri.Attiva[i]) out << ' ' << i + 1;
    out << ")\n";
    if (caso) out << TestoBaseCasoKostanti(BaseCasoStatistica(o.Parametri, e), e.PercentualeVincita) << "\n";
  }
  StampaStatistica(e, o.FormatoUscita, out);
  return 0;
}

int ComandoMiglioreAmbata(Argomenti& a, std::ostream& out, std::ostream& err) {
  OpzioniKostanti o;
  ParametriMiglioreAmbata p;
  p.Varia = varia(a);
  p.ScegliVeloce = !a.flag("--senza-veloce");
  const auto fuori = a.valoreFacoltativo("--fuori-campione");
  if (!LeggiOpzioniKostanti(a, err, o)) return 1;
  const bool caso = leggiCaso(a, o.FormatoUscita);
  a.fine();
  p.Statistica = o.Parametri;
  const char* nome = kNomiVaria[static_cast<int>(p.Varia)];
  if (fuori) {
    if (o.FormatoUscita == Formato::Csv) throw ErroreUso("--fuori-campione si usa con --formato testo o json");
    const double quota = leggiQuota(*fuori);
    const RisultatoFuoriCampione f = CercaFuoriCampione(p, o.Archivio, quota);
    if (f.Errore == ErroreFuoriCampione::NessunaAmbataAttiva) {
      err << kMsgNessunaAmbata << '\n';
      return 1;
    }
    if (f.Errore == ErroreFuoriCampione::PeriodoTroppoCorto) {
      err << "Il periodo ha meno di due estrazioni: non si può dividere per la verifica fuori campione.\n";
      return 1;
    }
    if (o.FormatoUscita == Formato::Json) {
      nlohmann::ordered_json j = JsonFuoriCampione(f.Esito, quota);
      j["Varia"] = nome;
      out << j.dump(2) << '\n';
    } else {
      out << TestoFuoriCampione(f.Esito, quota);
    }
    return 0;
  }
  const EsitoMiglioreAmbata r = CercaMiglioreAmbata(p, o.Archivio);
  if (r.Errore != ErroreMiglioreAmbata::Nessuno) {
    err << kMsgNessunaAmbata << '\n';
    return 1;
  }
  if (o.FormatoUscita == Formato::Json) {
    nlohmann::ordered_json j;
    j["Migliore"] = r.Migliore;
    j["Varia"] = nome;
    j["CandidatiProvati"] = r.CandidatiProvati;
    j["Ambate"] = r.Parametri.Ambata;
    const nlohmann::ordered_json statistica = JsonStatistica(r.Esito);
    for (const auto& [k, v] : statistica.items()) j[k] = v;
    if (caso) j["Caso"] = JsonBaseCasoMiglioreAmbata(BaseCasoRicercaAmbata(r), r.Esito.PercentualeVincita);
    out << j.dump(2) << '\n';
    return 0;
  }
  if (o.FormatoUscita == Formato::Testo)
    out << "Migliore ambata (" << nome << "): " << r.Migliore << "\nCandidati provati: " << r.CandidatiProvati
        << "\nAmbate: " << r.Parametri.Ambata[0] << ' ' << r.Parametri.Ambata[1] << ' ' << r.Parametri.Ambata[2]
        << "\n\n";
  if (caso) out << TestoBaseCasoMiglioreAmbata(BaseCasoRicercaAmbata(r), r.Esito.PercentualeVincita) << "\n\n";
  StampaStatistica(r.Esito, o.FormatoUscita, out);
  return 0;
}

int ComandoAbbinamenti(Argomenti& a, std::ostream& out, std::ostream& err) {
  OpzioniKostanti o;
  const ModoScelto m = modo(a);
  const auto quanti = a.interoOpzionale("--quanti", 1, 5);
  const auto scelti = a.elencoInteri("--abbinamenti", 1, 90);
  const bool amboCapigioco = !a.flag("--senza-ambo-capigioco");
  bool semeDato = false;
  const std::uint64_t s = seme(a, semeDato);
  if (!LeggiOpzioniKostanti(a, err, o)) return 1;
  a.fine();
  if (scelti && m.Modo != ModoAbbinamenti::Manuale) throw ErroreUso("--abbinamenti vale solo con --modo manuale");
  if (m.Modo == ModoAbbinamenti::Manuale && !scelti) throw ErroreUso("--modo manuale richiede --abbinamenti");
  if (semeDato && m.Modo != ModoAbbinamenti::Probabili) throw ErroreUso("--seme vale solo con --modo probabili");

  ParametriAbbinamenti p;
  p.Modo = m.Modo;
  p.UsaFrequenti = m.Frequenti;
  p.AmboCapigioco = amboCapigioco;
  p.Attive = o.Parametri.Attiva;
  p.Quanti = quanti.value_or(3);
  if (scelti) {
    if (scelti->size() > 5) throw ErroreUso("--abbinamenti accetta al massimo cinque numeri");
    if (!quanti) p.Quanti = static_cast<int>(scelti->size());
    if (static_cast<int>(scelti->size()) > p.Quanti)
      throw ErroreUso("--abbinamenti ha più numeri di --quanti (" + std::to_string(p.Quanti) + ")");
    for (std::size_t i = 0; i < scelti->size(); ++i) p.Abbinamenti[i] = std::to_string((*scelti)[i]);
  }
  // The head numbers are the active ambate, as the statistic leaves them.
  for (std::size_t j = 0; j < 3; ++j)
    if (o.Parametri.Attiva[j]) p.Capigioco[j] = std::to_string(o.Parametri.Ambata[j]);

  const EsitoStatistica e = CalcolaStatisticaCompleta(o.Parametri, o.Archivio);
  GeneratoreCasuale casuale;
  if (semeDato) {
    auto motore = std::make_shared<std::mt19937_64>(s);
    casuale = [motore] { return std::uniform_real_distribution<double>(0.0, 1.0)(*motore); };
  }
  const EsitoAbbinamenti r = RicercaAbbinamenti(p, e, casuale);
  if (r.Errore == ErroreAbbinamenti::NessunaAmbataAttiva) {
    err << kMsgNessunaAmbataCapigioco << '\n';
    return 1;
  }
  if (r.Errore == ErroreAbbinamenti::NessunaVincita) {
    err << kMsgNessunaVincita << '\n';
    return 1;
  }

  std::vector<int> numeri;
  for (int i = 0; i < p.Quanti; ++i) {
    const auto& t = r.Abbinamenti[static_cast<std::size_t>(i)];
    if (!t.empty()) numeri.push_back(std::stoi(t));
  }
  if (o.FormatoUscita == Formato::Json) {
    nlohmann::ordered_json j = JsonStatistica(e);
    nlohmann::ordered_json ricerca;
    ricerca["Modo"] = m.Nome;
    ricerca["Abbinamenti"] = numeri;
    ricerca["CasiVincenti"] = r.Vincenti;
    ricerca["CasiAmboCapigioco"] = r.AmboCapigioco;
    ricerca["CasiAmboSecco"] = r.AmboSecco;
    ricerca["CandidatiEsauriti"] = r.CandidatiEsauriti;
    ricerca["Testo"] = r.Testo;
    j["Ricerca"] = std::move(ricerca);
    out << j.dump(2) << '\n';
    return 0;
  }
  if (o.FormatoUscita == Formato::Csv) {
    out << "Abbinamento,Numero\n";
    for (std::size_t i = 0; i < numeri.size(); ++i) out << i + 1 << ',' << numeri[i] << '\n';
    return 0;
  }
  out << RigheTerminale(TestoRiepilogoVincite(e)) << "Abbinamenti:";
  for (int i = 0; i < p.Quanti; ++i) out << ' ' << r.Abbinamenti[static_cast<std::size_t>(i)];
  out << "\n\n" << RigheTerminale(r.Testo) << '\n';
  return 0;
}

}  // namespace ruotario::cli
