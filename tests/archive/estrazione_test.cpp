#include "archive/Estrazione.h"

#include <gtest/gtest.h>

#include "archive/ArchivioEstrazioni.h"
#include "support/ArchivioProva.h"

namespace ruotario {
namespace {

TEST(Estrazione, CopiesOutliveTheArchiveTheyCameFrom) {
  std::optional<ArchivioEstrazioni> archivio = ArchivioEstrazioni::DaTesto(prova::Unisci({prova::kR1, prova::kR2}));
  Estrazione copia = (*archivio)[2];
  Estrazione assegnata;
  assegnata = (*archivio)[1];
  archivio.reset();
  EXPECT_EQ(copia.Riga, prova::kR2);
  EXPECT_EQ(copia.Data(), "14/01/1939");
  EXPECT_EQ(assegnata.Valore(1, 1), 58);
  EXPECT_EQ(std::string(assegnata.Riga), prova::kR1);
}

TEST(Estrazione, WritingACharacterLeavesTheArchiveAlone) {
  const ArchivioEstrazioni archivio = ArchivioEstrazioni::DaTesto(prova::kR1);
  const ArchivioEstrazioni stessa = archivio;  // copies share the text
  Estrazione e = archivio[1];
  e.Riga[11] = '9';
  EXPECT_EQ(e.Valore(1, 1), 98);
  EXPECT_EQ(archivio[1].Valore(1, 1), 58);
  EXPECT_EQ(stessa[1].Riga.data(), archivio[1].Riga.data());
}

TEST(Estrazione, MovedAndEmptyRecordsReadAsEmptyText) {
  Estrazione a{3, "07/01/1939|58"};
  Estrazione b = std::move(a);
  EXPECT_EQ(b.Data(), "07/01/1939");
  EXPECT_EQ(b.Valore(1, 1), 58);
  EXPECT_TRUE(a.Riga.empty());  // a moved-from record holds nothing, not a dangling view
  EXPECT_EQ(a.Data(), "");
  const Estrazione vuota;
  EXPECT_EQ(vuota.Blocco(10), "");
  EXPECT_EQ(vuota.Valore(10, 5), 0);
}

}  // namespace
}  // namespace ruotario
