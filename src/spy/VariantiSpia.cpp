#include "spy/VariantiSpia.h"

namespace ruotario {

namespace {

constexpr VarianteSpia singola(std::string_view nome, std::string_view titolo, std::string_view menu,
                               std::string_view azione, std::string_view etichetta, int minima, int massima,
                               ElencoPosizioni posizioni, TipoSpia tipo) {
  VarianteSpia v;
  v.NomeFinestra = nome;
  v.Titolo = titolo;
  v.VoceMenu = menu;
  v.AzioneMenu = azione;
  v.EtichettaSpia = etichetta;
  v.SpiaMinima = minima;
  v.SpiaMassima = massima;
  v.Predefiniti = {minima, minima, minima};
  v.Posizioni = posizioni;
  v.Tipo = tipo;
  return v;
}

constexpr VarianteSpia multipla(std::string_view nome, std::string_view titolo, std::string_view menu,
                                std::string_view azione, int elenchi, Combinazione predefinita, TipoSpia tipo) {
  VarianteSpia v;
  v.NomeFinestra = nome;
  v.Titolo = titolo;
  v.VoceMenu = menu;
  v.AzioneMenu = azione;
  v.EtichettaSpia = "Numeri Spia:";
  v.ElenchiSpia = elenchi;
  v.Predefiniti = {1, 2, 3};
  v.Posizioni = ElencoPosizioni::Nessuno;
  v.ConCombinazione = true;
  v.CombinazionePredefinita = predefinita;
  v.Tipo = tipo;
  return v;
}

}  // namespace

const std::array<VarianteSpia, 10> kVariantiSpia = {
    singola("FrmSPY1", "Numero Spia", "&1 Numero Spia", "mnuspia1", "Numero Spia:", 1, 90, ElencoPosizioni::Posti,
            TipoSpia::Numero),
    multipla("FrmSPY2", "1,2 Numeri Spia", "&2 Numeri Spia (ambo spia)", "mnuspia2", 2, Combinazione::And,
             TipoSpia::Ambo),
    multipla("FrmSPY3", "1,2,3 Numeri Spia", "&3 Numeri Spia", "mnuspia", 3, Combinazione::Or, TipoSpia::Terno),
    singola("FrmSPYCa", "Cadenza Spia", "&Cadenza Spia", "mnuambispiacadenza", "Cadenza Spia:", 0, 9,
            ElencoPosizioni::Posti, TipoSpia::Cadenza),
    singola("FrmSPYDe", "Decina Spia", "D&ecina Spia", "mnuspiadecina", "Decina Spia:", 0, 8, ElencoPosizioni::Posti,
            TipoSpia::Decina),
    singola("FrmSPYFi", "Figura Spia", "&Figura Spia", "mnuambispiafigura", "Figura Spia:", 1, 9,
            ElencoPosizioni::Posti, TipoSpia::Figura),
    singola("FrmSPY1Somma", "Somma Ambo Spia", "Somma &Ambo Spia", "mnuspiasomma", "Somma Spia:", 1, 90,
            ElencoPosizioni::Coppie, TipoSpia::Somma),
    singola("FrmSPYDifferenzaPIU", "Differfenza (positiva) Ambo Spia", "&Differenza Ambo Spia", "mnudiffambo",
            "Differenza Spia:", 1, 89, ElencoPosizioni::Coppie, TipoSpia::Differenza),
    singola("FrmSPYDistanza", "Distanza Ambo Spia", "D&istanza Ambo Spia", "mnudistanzaambo", "Differenza Spia:", 1, 89,
            ElencoPosizioni::Coppie, TipoSpia::Distanza),
    singola("FrmSPYDISTANZAciclo", "Distanza Ciclometrica", "Dis&tanza Ciclometrica Ambo Spia", "mnudistanzaciclo",
            "Differenza Spia:", 1, 45, ElencoPosizioni::Coppie, TipoSpia::Ciclometrica),
};

const VarianteSpia* VariantePerNome(std::string_view nomeFinestra) {
  for (const VarianteSpia& v : kVariantiSpia)
    if (v.NomeFinestra == nomeFinestra) return &v;
  return nullptr;
}

std::vector<std::string> VociSpia(const VarianteSpia& variante) {
  std::vector<std::string> voci;
  for (int n = variante.SpiaMinima; n <= variante.SpiaMassima; ++n) voci.push_back(std::to_string(n));
  return voci;
}

std::vector<std::string> VociPosizione(ElencoPosizioni elenco) {
  std::vector<std::string> voci;
  if (elenco == ElencoPosizioni::Nessuno) return voci;
  voci.emplace_back("TUTTE");
  if (elenco == ElencoPosizioni::Posti) {
    for (int k = 1; k <= 5; ++k) voci.push_back(std::to_string(k));
  } else {
    for (int a = 1; a <= 4; ++a)
      for (int b = a + 1; b <= 5; ++b) voci.push_back(std::to_string(a) + " - " + std::to_string(b));
  }
  return voci;
}

}  // namespace ruotario
