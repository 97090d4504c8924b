#include "archive/ControlloData.h"

#include <gtest/gtest.h>

#include "support/ArchivioProva.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(DataDaTesto, StoredAndLooseFormsOfRealDates) {
  const std::pair<const char*, const char*> casi[] = {{"30/12/2006", "30/12/2006"},
                                                      {"5/1/1999", "05/01/1999"},
                                                      {" 29/02/2000 ", "29/02/2000"},
                                                      {"29/02/1900", ""},
                                                      {"31/04/2006", ""},
                                                      {"00/01/2006", ""},
                                                      {"12/13/2006", ""},
                                                      {"1/2/07", ""},
                                                      {"01-02-2007", ""},
                                                      {"30/12/2006x", ""},
                                                      {"", ""},
                                                      {"/12/2006", ""}};
  for (const auto& [testo, atteso] : casi) {
    const auto d = DataDaTesto(testo);
    EXPECT_EQ(d ? TestoData(*d) : std::string(), atteso) << testo;
  }
}

TEST(ControllaDataNuova, RemarksRepeatedAndEarlierDates) {
  const auto archivio = ArchivioEstrazioni::DaTesto(Unisci({kR1, kR2, kR3}));  // 07, 14, 21 January 1939
  const std::pair<DataEstrazione, NotaData> casi[] = {
      {{28, 1, 1939}, NotaData::Nessuna},      {{21, 1, 1939}, NotaData::GiaPresente},
      {{7, 1, 1939}, NotaData::GiaPresente},   {{20, 1, 1939}, NotaData::NonSuccessiva},
      {{1, 1, 1900}, NotaData::NonSuccessiva}, {{1, 1, 1940}, NotaData::Nessuna}};
  for (const auto& [data, nota] : casi) {
    const ControlloData c = ControllaDataNuova(archivio, data);
    EXPECT_EQ(c.Nota, nota) << TestoData(data);
    EXPECT_EQ(c.UltimaData, "21/01/1939");
  }
  EXPECT_EQ(ControllaDataNuova(ArchivioEstrazioni(), {1, 1, 2000}).Nota, NotaData::Nessuna);
  // A last record without a readable date gives no "earlier" remark.
  const auto rotto = ArchivioEstrazioni::DaTesto(Unisci({kR1, "xx"}));
  EXPECT_EQ(ControllaDataNuova(rotto, {1, 1, 1939}).Nota, NotaData::Nessuna);
}
