#include "constants/ScelteKostanti.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

std::string pulito(const std::string& s) {
  const auto inizio = s.find_first_not_of(" \t");
  if (inizio == std::string::npos) return {};
  const auto fine = s.find_last_not_of(" \t");
  return s.substr(inizio, fine - inizio + 1);
}

bool cifre(std::string_view s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// A whole number made of digits only, within minimo..massimo.
std::optional<int> intero(const std::string& testo, int minimo, int massimo) {
  const std::string s = pulito(testo);
  if (!cifre(s) || s.size() > 6) return std::nullopt;
  const int v = std::stoi(s);
  if (v < minimo || v > massimo) return std::nullopt;
  return v;
}

// A date list item "N: dd/mm/yyyy", or the record number alone.
std::optional<int> record(const std::string& testo, int conta) {
  const std::string s = pulito(testo);
  const auto duePunti = s.find(':');
  return intero(duePunti == std::string::npos ? s : s.substr(0, duePunti), 1, conta);
}

std::string errore(std::string_view campo, const std::string& testo, const std::string& ammessi) {
  return std::string(campo) + " \"" + pulito(testo) + "\" non è un valore valido (" + ammessi + ").";
}

bool uguale(std::string a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

constexpr std::array<std::string_view, 3> kNomiAmbate = {"AMBATA PRINCIPALE:", "AMBATA SECONDARIA:", "TERZA AMBATA:"};

}  // namespace

int InizioPredefinitoKostanti(int contaRecord) { return contaRecord >= kInizioKostanti ? kInizioKostanti : 1; }

ScelteKostanti LeggiScelteKostanti(const TestiKostanti& t) {
  ScelteKostanti r;
  ParametriStatistica& p = r.Parametri;
  p.Attiva = t.Attive;
  p.Separatore = t.Separatore;
  if (!AlmenoUnaAttiva(p)) {
    r.Errore = kMsgNessunaAmbata;
    return r;
  }
  if (t.ContaRecord <= 0) {
    r.Errore = kMsgArchivioVuoto;
    return r;
  }

  const std::string ruota = pulito(t.Ruota);
  p.Ruota = 0;
  for (std::size_t i = 0; i < kNomiRuote.size(); ++i)
    if (uguale(ruota, kNomiRuote[i])) p.Ruota = static_cast<int>(i) + 1;
  if (p.Ruota == 0) {
    r.Errore = errore("Ruota:", t.Ruota, "scegliere una ruota dall'elenco");
    return r;
  }
  const auto spia = intero(t.Spia, 1, 90);
  if (!spia) {
    r.Errore = errore("Numero Spia:", t.Spia, "scegliere un numero da 1 a 90");
    return r;
  }
  p.NumeroSpia = *spia;
  const std::string posizione = pulito(t.Posizione);
  if (posizione.empty() || uguale(posizione, "TUTTE")) {
    p.Posizione = 0;
  } else if (const auto k = intero(posizione, 1, 5)) {
    p.Posizione = *k;
  } else {
    r.Errore = errore("Posizione:", t.Posizione, "TUTTE oppure un numero da 1 a 5");
    return r;
  }
  const auto colpi = intero(t.Colpi, 1, 99);
  if (!colpi) {
    r.Errore = errore("Colpi:", t.Colpi, "scegliere un numero da 1 a 99");
    return r;
  }
  p.Colpi = *colpi;

  const std::string ammessiData = "scegliere un'estrazione da 1 a " + std::to_string(t.ContaRecord);
  const auto inizio = record(t.Inizio, t.ContaRecord);
  if (!inizio) {
    r.Errore = errore("Estrazione Inizio Ricerca:", t.Inizio, ammessiData);
    return r;
  }
  const auto fine = record(t.Fine, t.ContaRecord);
  if (!fine) {
    r.Errore = errore("Estrazione Fine Ricerca:", t.Fine, ammessiData);
    return r;
  }
  p.Inizio = *inizio;
  p.Fine = *fine;

  for (std::size_t j = 0; j < 3; ++j) {
    // An inactive box takes no part, nor does the one a search fills: whatever
    // it holds is read as typed.
    if (!p.Attiva[j] || static_cast<int>(j) == t.Variata) {
      p.Ambata[j] = ValoreTesto(t.Ambate[j]);
      continue;
    }
    const auto v = intero(t.Ambate[j], 1, 90);
    if (!v) {
      r.Errore = errore(kNomiAmbate[j], t.Ambate[j], "scrivere un numero da 1 a 90");
      return r;
    }
    p.Ambata[j] = *v;
  }

  if (p.Inizio > p.Fine) {
    r.Errore = "L'estrazione di inizio ricerca (" + std::to_string(p.Inizio) + ") viene dopo quella di fine ricerca (" +
               std::to_string(p.Fine) + "): scegliere un inizio che non superi la fine.";
    return r;
  }
  return r;
}

}  // namespace ruotario
