#include "ritardi/Ritardi.h"

#include <algorithm>

#include "app/NumeriLotto.h"
#include "archive/ControlloData.h"
#include "ritardi/SequenzaRitardi.h"

namespace ruotario {

namespace {

RitardiRuota conta(const SequenzaRitardi& s, int ruota, int voci) {
  RitardiRuota esito;
  esito.Ruota = ruota;
  esito.Voci.resize(static_cast<std::size_t>(voci));
  // For every item the draw (1-based) of its last appearance, 0 = not yet;
  // and the wheels drawn up to each draw, for the exposure of the current delay.
  std::vector<int> ultima(static_cast<std::size_t>(voci), 0);
  std::vector<int> pesi(s.Passi.size() + 1, 0);
  const int totale = static_cast<int>(s.Passi.size());
  for (int k = 1; k <= totale; ++k) {
    const PassoRitardi& passo = s.Passi[static_cast<std::size_t>(k - 1)];
    pesi[static_cast<std::size_t>(k)] = pesi[static_cast<std::size_t>(k - 1)] + passo.Peso;
    if (passo.NelPeriodo) ++esito.Estrazioni;
    for (int i = passo.Primo; i < passo.Oltre; ++i) {
      const auto v = static_cast<std::size_t>(s.Elementi[static_cast<std::size_t>(i)]);
      Ritardo& r = esito.Voci[v];
      if (passo.NelPeriodo) {
        ++r.Frequenza;
        const int intervallo = k - ultima[v] - 1;
        if (intervallo >= r.RitardoMassimo) {
          r.RitardoMassimo = intervallo;
          r.DataRecord = passo.Data;
        }
      }
      ultima[v] = k;
      r.DataUltima = passo.Data;
    }
  }
  if (totale == 0) return esito;
  const int oggi = s.Passi.back().Data;
  for (std::size_t v = 0; v < esito.Voci.size(); ++v) {
    Ritardo& r = esito.Voci[v];
    r.RitardoAttuale = totale - ultima[v];
    r.Esposizione = pesi.back() - pesi[static_cast<std::size_t>(ultima[v])];
    if (r.RitardoAttuale >= r.RitardoMassimo) {
      r.RitardoMassimo = r.RitardoAttuale;
      r.DataRecord = oggi;
    }
  }
  return esito;
}

}  // namespace

int VociPerRuota(TipoRitardo tipo) {
  switch (tipo) {
    case TipoRitardo::Numero: return 90;
    case TipoRitardo::Ambo: return kAmbiPerRuota;
    case TipoRitardo::Terno: return kTerniPerRuota;
    case TipoRitardo::Gruppo: return 1;
  }
  return 0;
}

int EsitoRitardi::VociPerRuota() const { return ruotario::VociPerRuota(Parametri.Tipo); }

double EsitoRitardi::Assenza() const {
  const bool posto = Parametri.Tipo == TipoRitardo::Numero || Parametri.Tipo == TipoRitardo::Gruppo;
  return AssenzaPerEstrazione(Parametri.Tipo, posto ? Parametri.Posizione : 0,
                              static_cast<int>(Parametri.Gruppo.size()));
}

EsitoRitardi CalcolaRitardi(const ParametriRitardi& parametri, const ArchivioEstrazioni& archivio,
                            std::span<const EstrazioneNazionale> nazionale) {
  EsitoRitardi esito;
  esito.Parametri = Delimita(parametri, archivio.Conta());
  const ParametriRitardi& p = esito.Parametri;
  if (p.Fine >= 1) esito.DataFine = DataNumerica(archivio[p.Fine].Data());

  std::vector<int> ruote;
  if (p.Ruota == kTutteLeRuote)
    for (int r = 1; r <= kNumeroRuote; ++r) ruote.push_back(r);
  else
    ruote.push_back(p.Ruota);
  for (int r : ruote) {
    const SequenzaRitardi s = CostruisciSequenza(p, r, archivio, nazionale);
    esito.Ruote.push_back(conta(s, r, VociPerRuota(p.Tipo)));
  }
  return esito;
}

int DataNumerica(std::string_view data) {
  const auto cifra = [&data](std::size_t i) { return data[i] >= '0' && data[i] <= '9'; };
  // The stored layout "dd/mm/yyyy" straight away; anything else through the date reader.
  if (data.size() >= 10 && data[2] == '/' && data[5] == '/' && cifra(0) && cifra(1) && cifra(3) && cifra(4) &&
      cifra(6) && cifra(7) && cifra(8) && cifra(9)) {
    const auto n = [&data](std::size_t i, std::size_t l) { return ValoreTesto(data.substr(i, l)); };
    return n(6, 4) * 10000 + n(3, 2) * 100 + n(0, 2);
  }
  const auto d = DataDaTesto(data);
  return d ? d->anno * 10000 + d->mese * 100 + d->giorno : 0;
}

std::string TestoDataNumerica(int data) {
  if (data <= 0) return {};
  return DueCifre(data % 100) + "/" + DueCifre(data / 100 % 100) + "/" + std::to_string(data / 10000);
}

std::string MessaggioPeriodoInvertito(int inizio, int fine) {
  return "L'estrazione di inizio (" + std::to_string(inizio) + ") è successiva all'estrazione di fine (" +
         std::to_string(fine) + "): scegliere un inizio che non venga dopo la fine.";
}

std::string NomeRuotaRitardi(int ruota) {
  if (ruota >= 1 && ruota <= kNumeroRuote) return std::string(kNomiRuote[static_cast<std::size_t>(ruota - 1)]);
  if (ruota == kRuotaNazionale) return "Nazionale";
  if (ruota == kRuoteInsieme) return "Tutte insieme";
  return "Tutte";
}

}  // namespace ruotario
