#include "spy/Zevedive.h"

#include <algorithm>
#include <numeric>

#include "app/NumeriLotto.h"
#include "spy/ProvaSpia.h"

namespace ruotario {

int InizioDaVelocita(int velocita, int contaRecord) {
  const int inizio = velocita == 1 ? 2723 : velocita == 2 ? 3594 : 1;
  return contaRecord >= inizio ? inizio : 1;
}

int PrimiDaRaccogliere(bool soloTop, int top) {
  if (!soloTop) return kNumeriLotto;
  return (top < 1 || top > kNumeriLotto) ? 5 : top;
}

int TopDaTesto(std::string_view testo) { return ValoreTesto(testo); }

void RaccogliStudio(const EsitoRicerca& studio, int primi, SommeZevedive& somme) {
  const auto ordine = OrdinePerSortite(studio);
  const int quanti = std::clamp(primi, 0, kNumeriLotto);
  for (int q = 0; q < quanti; ++q) {
    const int n = ordine[static_cast<std::size_t>(q)];
    const int c = studio.Sortite[n];
    somme.SommaSortite[n] = somme.SommaSortite[n].value_or(0) + c;
    if (q < 3 && c > 2) ++somme.Convergenze[n];
  }
}

std::array<VoceConvergenza, kNumeriLotto> ClassificaConvergenze(const SommeZevedive& somme) {
  std::array<VoceConvergenza, kNumeriLotto> voci;
  for (int n = 1; n <= kNumeriLotto; ++n) voci[static_cast<std::size_t>(n - 1)] = {n, somme.Convergenze[n]};
  // Not a stable sort: an exchange can move an entry behind later equals,
  // and the shown ranking depends on exactly this order.
  for (std::size_t i = 0; i + 1 < voci.size(); ++i)
    for (std::size_t j = i + 1; j < voci.size(); ++j)
      if (voci[j].Convergenze > voci[i].Convergenze) std::swap(voci[i], voci[j]);
  return voci;
}

std::array<VoceSomma, 5> MiglioriSomme(const SommeZevedive& somme) {
  std::array<int, kNumeriLotto> ordine;
  std::iota(ordine.begin(), ordine.end(), 1);
  std::stable_sort(ordine.begin(), ordine.end(),
                   [&](int a, int b) { return somme.SommaSortite[a].value_or(0) > somme.SommaSortite[b].value_or(0); });
  std::array<VoceSomma, 5> migliori;
  for (std::size_t k = 0; k < migliori.size(); ++k) migliori[k] = {ordine[k], somme.SommaSortite[ordine[k]]};
  return migliori;
}

EsitoZevedive Zevedive(const ParametriZevedive& parametri, const ArchivioEstrazioni& archivio, SommeZevedive& somme,
                       const Avanzamento& avanzamento) {
  if (!parametri.Somma) somme = {};
  EsitoZevedive esito;
  const int conta = archivio.Conta();
  if (conta > 0) {
    const int p = (parametri.EstrazioneSpia < 1 || parametri.EstrazioneSpia > conta) ? conta : parametri.EstrazioneSpia;
    // List positions, as the date lists count them: record = position + 1.
    int a = InizioDaVelocita(parametri.Velocita, conta) - 1;
    const int e = p - 1;
    if (e <= a) a = std::max(e - 200, 1);
    esito.EstrazioneSpia = p;
    esito.Inizio = a + 1;
    esito.Fine = e;  // list position e - 1 is record e

    // A place not holding a number 1..90 ("00", blanks) is no spy, and no
    // pair sum is made with it.
    const Estrazione& spia = archivio[p];
    std::array<int, 6> v{};
    for (int k = 1; k <= 5; ++k) {
      const int valore = ValoreTesto(spia.TestoNumero(parametri.Ruota, k));
      v[static_cast<std::size_t>(k)] = (valore >= 1 && valore <= kNumeriLotto) ? valore : 0;
    }

    ParametriRicerca studio;
    studio.Ruota = parametri.Ruota;
    studio.Colpi = parametri.Colpi;
    studio.Inizio = esito.Inizio;
    studio.Fine = esito.Fine;
    studio.SortiteUniche = true;
    studio.Posizione = 0;
    studio.Coppia = {};
    const int primi = PrimiDaRaccogliere(parametri.SoloTop, parametri.Top);
    const auto ruota = LeggiRuota(archivio, parametri.Ruota);  // read once for all fifteen
    auto esegui = [&](TipoSpia tipo, int valoreSpia) {
      studio.Tipo = tipo;
      studio.NumeriSpia = {valoreSpia, 0, 0};
      RaccogliStudio(RicercaSuRuota(studio, ruota, avanzamento), primi, somme);
    };

    std::size_t s = 0;
    for (int k = 1; k <= 5; ++k, ++s) {
      if (v[static_cast<std::size_t>(k)] == 0) continue;
      esito.Spie[s] = v[static_cast<std::size_t>(k)];
      esegui(TipoSpia::Numero, v[static_cast<std::size_t>(k)]);
    }
    for (std::size_t i = 1; i <= 4; ++i) {
      for (std::size_t j = i + 1; j <= 5; ++j, ++s) {
        if (v[i] == 0 || v[j] == 0) continue;
        esito.Spie[s] = Fuori90(v[i] + v[j]);
        esegui(TipoSpia::Somma, *esito.Spie[s]);
      }
    }
  }
  esito.MiglioriSomme = MiglioriSomme(somme);
  const auto classifica = ClassificaConvergenze(somme);
  for (std::size_t k = 0; k < esito.MiglioriConvergenze.size(); ++k) esito.MiglioriConvergenze[k] = classifica[k];
  return esito;
}

std::vector<RigaGriglia> RigheZevedive(const SommeZevedive& somme) {
  std::vector<RigaGriglia> righe;
  righe.reserve(kNumeriLotto);
  for (int n = 1; n <= kNumeriLotto; ++n) {
    const auto& s = somme.SommaSortite[n];
    righe.push_back({DueCifre(n), s ? std::to_string(*s) : std::string(), std::string(), std::string()});
  }
  return righe;
}

}  // namespace ruotario
