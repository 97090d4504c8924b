// The merge into the archive and nazionale.txt, written through the update:
// new draws appended, the same update twice, conflicts, earlier missing dates.
#include "update/UnioneArchivio.h"

#include <gtest/gtest.h>

#include "app/Ambiente.h"
#include "archive/Sincronizza.h"
#include "support/FontiProva.h"
#include "update/Aggiornamento.h"
#include "update/RapportoAggiornamento.h"
#include "update/ScritturaNazionale.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

struct Cartella {
  CartellaTemporanea dir;
  std::string archivio = dir.File("estrazioni.txt");
  std::string fonte = dir.Scrivi("storico.txt", kStorico);
  EsitoAggiornamento aggiorna(const std::string& testo, OpzioniUnione opzioni = {}) {
    if (!testo.empty()) dir.Scrivi("estrazioni.txt", testo);
    return AggiornaArchivio(archivio, {fonte}, opzioni);
  }
  std::string leggi(const char* nome) const { return CartellaTemporanea::Leggi(dir.File(nome)); }
};

}  // namespace

TEST(UnioneArchivio, AddsTwoDrawsThenChangesNothing) {
  Cartella c;
  const std::string vecchio = kRecA + "\r\n";  // as a text editor leaves it
  EsitoAggiornamento e = c.aggiorna(vecchio);
  EXPECT_EQ(e.Stato, StatoAggiornamento::Aggiornato);
  EXPECT_EQ(e.Archivio.Aggiunte, 2);
  EXPECT_EQ(e.Archivio.PrimaData + "-" + e.Archivio.UltimaData, "14/01/1939-04/05/2005");
  EXPECT_EQ(c.leggi("estrazioni.txt"), vecchio + kRecB + "\r\n" + kRecC);
  EXPECT_EQ(c.leggi("copiaEstrazioni.txt"), vecchio);
  EXPECT_EQ(c.leggi("nazionale.txt"), kNazC);

  e = c.aggiorna({});
  EXPECT_EQ(e.Stato, StatoAggiornamento::GiaAggiornato);
  EXPECT_FALSE(e.Scritto);
  EXPECT_EQ(e.Archivio.Uguali, 3);
  EXPECT_EQ(c.leggi("copiaEstrazioni.txt"), vecchio);
  EXPECT_EQ(c.dir.ContaFile(""), 4);  // the source, the archive, its backup, nazionale.txt: no temporary file left
}

TEST(UnioneArchivio, AConflictWritesNothingUnlessReplaced) {
  Cartella c;
  const std::string altro = Record("07/01/1939", {58, 22, 47, 49, 70});
  const std::string vecchio = Unisci({altro, kRecB});
  EsitoAggiornamento e = c.aggiorna(vecchio);
  EXPECT_EQ(e.Stato, StatoAggiornamento::Conflitti);
  ASSERT_EQ(e.Archivio.Conflitti.size(), 1u);
  EXPECT_EQ(e.Archivio.Conflitti[0].Numero, 1);
  EXPECT_EQ(e.Archivio.Conflitti[0].InArchivio, altro);
  EXPECT_EQ(e.Archivio.Conflitti[0].NellaFonte, kRecA);
  EXPECT_EQ(c.leggi("estrazioni.txt"), vecchio);
  EXPECT_EQ(c.dir.ContaFile(""), 2);  // the source and the archive: no backup, no nazionale.txt

  e = c.aggiorna({}, {.Sostituisci = true});
  EXPECT_EQ(e.Stato, StatoAggiornamento::Aggiornato);
  EXPECT_EQ(e.Archivio.Sostituite, 1);
  EXPECT_EQ(c.leggi("estrazioni.txt"), Unisci({kRecA, kRecB, kRecC}));

  // A Nazionale conflict while there is no archive yet leaves no empty archive behind.
  Cartella d;
  d.dir.Scrivi("nazionale.txt", "04/05/2005|0102030405|");
  EXPECT_EQ(d.aggiorna({}).Stato, StatoAggiornamento::Conflitti);
  EXPECT_EQ(d.dir.ContaFile(""), 2);  // the source and nazionale.txt
}

TEST(UnioneArchivio, AnEarlierMissingDateIsInsertedOnlyOnRequest) {
  const std::string tra = Record("10/01/1939", {1, 2, 3, 4, 5});  // only in the archive
  const std::string vecchio = Unisci({kRecA, tra, kRecC});
  const std::string prima = Record("31/12/1938", {6, 7, 8, 9, 10});  // before the archive's first draw
  const RecordFonte fonte[] = {{19381231, prima}, {19390107, kRecA}, {19390114, kRecB}, {20050504, kRecC}};
  EsitoUnione u = UnisciArchivio(vecchio, fonte, {});
  EXPECT_FALSE(u.Cambiato);
  EXPECT_EQ(u.Mancanti, std::vector<std::string>{"14/01/1939"});
  EXPECT_EQ(u.Precedenti, 1);
  EXPECT_EQ(u.SoloNelFile, std::vector<std::string>{"10/01/1939"});
  u = UnisciArchivio(vecchio, fonte, {.Inserisci = true});
  EXPECT_EQ(u.Inserite, 2);
  EXPECT_EQ(u.Testo, Unisci({prima, kRecA, tra, kRecB, kRecC}));
}

TEST(UnioneArchivio, TheNazionaleOfOneDrawIsStoredInDateOrder) {
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kRecC);
  EXPECT_TRUE(SalvaNazionale(archivio, {"07/05/2005", {1, 2, 3, 4, 5}}));
  EXPECT_TRUE(SalvaNazionale(archivio, {"04/05/2005", {82, 18, 11, 60, 61}}));
  EXPECT_TRUE(SalvaNazionale(archivio, {"07/05/2005", {1, 2, 3, 4, 6}}));
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nazionale.txt")), kNazC + "\r\n07/05/2005|0102030406|");
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("copiaNazionale.txt")), kNazC + "\r\n07/05/2005|0102030405|");

  // The boxes as typed: all empty saves nothing; a gap, a repeat, 0, 91 or a
  // letter refuses and writes nothing; five numbers are stored.
  const DataEstrazione sabato{9, 5, 2005};
  EXPECT_TRUE(SalvaNazionaleDigitata(archivio, sabato, {"", "", "", "", ""}));
  for (const std::array<std::string, 5>& errati : {std::array<std::string, 5>{"1", "2", "3", "4", ""},
                                                   {"1", "2", "3", "4", "4"},
                                                   {"0", "2", "3", "4", "5"},
                                                   {"91", "2", "3", "4", "5"},
                                                   {"1", "2", "3", "4", "x"}}) {
    const EsitoScrittura s = SalvaNazionaleDigitata(archivio, sabato, errati);
    EXPECT_FALSE(s) << errati[4];
    EXPECT_NE(s.Messaggio.find("non è stata salvata"), std::string::npos);
  }
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nazionale.txt")), kNazC + "\r\n07/05/2005|0102030406|");
  const std::string senzaArchivio =
      SalvaNazionaleDigitata(dir.File("manca.txt"), sabato, {"1", "2", "3", "4", "5"}).Messaggio;
  EXPECT_EQ(senzaArchivio.find("salvata"), senzaArchivio.rfind("salvata")) << senzaArchivio;  // said once
  EXPECT_TRUE(SalvaNazionaleDigitata(archivio, sabato, {"90", "2", "03", "4", "5"}));
  EXPECT_EQ(CartellaTemporanea::Leggi(dir.File("nazionale.txt")),
            kNazC + "\r\n07/05/2005|0102030406|\r\n09/05/2005|9002030405|");
}

TEST(UnioneArchivio, AnotherWriterHoldingTheArchiveLeavesItUntouched) {
  Cartella c;
  c.dir.Scrivi("estrazioni.txt", kRecA);
  const BloccoArchivio altro(c.archivio);
  const EsitoAggiornamento e =
      ApplicaAggiornamento(c.archivio, LeggiFonti({c.fonte}), {}, false, std::chrono::milliseconds(50));
  EXPECT_EQ(e.Stato, StatoAggiornamento::Errore);
  EXPECT_NE(e.Messaggio.find(kArchivioInUso), std::string::npos) << e.Messaggio;
  EXPECT_EQ(e.Messaggio.find(".."), std::string::npos) << e.Messaggio;
  EXPECT_EQ(c.leggi("estrazioni.txt"), kRecA);
}

namespace {
// In the place of fsync: may another writer take the archive while nazionale.txt is written?
std::string gArchivio;
int gPreso = -1;
int sincronizzaProva(int) {
  if (EsisteFile(PercorsoNazionale(gArchivio) + ".tmp"))
    gPreso = BloccoArchivio(gArchivio, std::chrono::milliseconds(0)).Preso();
  return 0;
}
}  // namespace

TEST(UnioneArchivio, TheUpdateHoldsTheArchiveUntilItsLastWriteAndReportsAFailureAsOne) {
  Cartella c;
  gArchivio = c.archivio;
  ImpostaSincronizza(&sincronizzaProva);
  EXPECT_EQ(c.aggiorna(kRecA).Stato, StatoAggiornamento::Aggiornato);
  ImpostaSincronizza(nullptr);
  EXPECT_EQ(gPreso, 0);
  EsitoAggiornamento fallito;  // a write that failed
  fallito.Stato = StatoAggiornamento::Errore;
  fallito.Lettura.Fonti.resize(1);
  fallito.Archivio.Aggiunte = 2;
  EXPECT_EQ(RiepilogoAggiornamento(fallito).find("aggiunte"), std::string::npos);
}
