// What the command line makes of damaged and unusual archives: info counts the
// draws, verifica refuses or lists the faults, a spy study either refuses with
// a message or reports every number, and none of them crashes.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "archive/ArchivioEstrazioni.h"
#include "support/ArchiviDifettosi.h"
#include "support/EseguiCli.h"

namespace ruotario {
namespace {

using prova::EseguiCli;
using prova::Uscita;

nlohmann::json json(const Uscita& u) { return nlohmann::json::parse(u.testo, nullptr, false); }

TEST(ArchiviDifettosiCli, EveryShapeIsReadOrRefusedWithAMessage) {
  const prova::CartellaTemporanea dir;
  for (const auto& a : prova::ArchiviDifettosi()) {
    SCOPED_TRACE(a.nome);
    const std::string f = dir.Scrivi("estrazioni.txt", a.testo);

    const Uscita info = EseguiCli("info --formato json --archivio " + f);
    ASSERT_EQ(info.stato, 0) << info.errori;
    EXPECT_EQ(json(info)["Estrazioni"], a.estrazioni);
    EXPECT_EQ(json(info)["Valido"], a.valido);

    const Uscita verifica = EseguiCli("verifica --formato json --archivio " + f);
    EXPECT_EQ(verifica.stato, a.valido ? 0 : 1) << verifica.errori;
    EXPECT_EQ(json(verifica)["Righe"], a.estrazioni);
    if (a.problemi >= 0) {
      EXPECT_EQ(json(verifica)["Problemi"].size(), std::size_t(a.problemi)) << verifica.testo;
    }

    const Uscita spia = EseguiCli("spia --spia 58 --colpi 1 --formato json --archivio " + f);
    if (a.estrazioni == 0) {
      EXPECT_EQ(spia.stato, 1);
      EXPECT_EQ(spia.errori, "L'archivio non contiene estrazioni: " + f + "\n");
      continue;
    }
    ASSERT_EQ(spia.stato, 0) << spia.errori;
    const auto j = json(spia);
    EXPECT_EQ(j["Fine"], a.estrazioni);
    ASSERT_EQ(j["Numeri"].size(), 90u);
    // Bari opens with 58 only in the first record; the second brings 18 unless overwritten.
    if (a.estrazioni == 2) {
      const bool diciotto = ArchivioEstrazioni::DaTesto(a.testo)[2].TestoNumero(1, 1) == "18";
      EXPECT_EQ(j["CasiGiocabili"], 1);
      EXPECT_EQ(j["Numeri"][17]["Sortite"], diciotto ? 1 : 0);
    }
  }
}

}  // namespace
}  // namespace ruotario
