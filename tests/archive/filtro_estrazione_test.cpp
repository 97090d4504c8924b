#include "archive/FiltroEstrazione.h"

#include <gtest/gtest.h>

#include <string>

#include "archive/ControlloData.h"
#include "support/PagineProva.h"

using namespace ruotario;

namespace {

// A wheel's five texts joined by blanks, "05 12  78 90" for a missing third.
std::string Riga(const EsitoFiltro& f, int r) {
  const auto& ruota = f.Numeri[static_cast<std::size_t>(r)];
  std::string t = ruota[0];
  for (std::size_t k = 1; k < ruota.size(); ++k) t += " " + ruota[k];
  return t;
}

std::string Data(const std::optional<DataEstrazione>& d) { return d ? TestoData(*d) : "-"; }

}  // namespace

TEST(FiltroEstrazione, TheInstructionsFilterToTheirOwnExample) {
  const EsitoFiltro f = FiltraEstrazione(IstruzioniFiltro());
  EXPECT_EQ(f.DataTrovata, "01/01/2000");
  for (int r = 0; r < kRuoteFiltrate; ++r) EXPECT_EQ(Riga(f, r), "01 02 03 04 05") << r;
  EXPECT_TRUE(f.Completo());
}

TEST(FiltroEstrazione, NumbersOfOneWheel) {
  // text, Bari, Cagliari
  const std::tuple<const char*, const char*, const char*> casi[] = {
      {"Bari 5 12 34 78 90", "05 12 34 78 90", "    "},
      {"BARI: 5-12-34-78-90", "05 12 34 78 90", "    "},
      {"Bari12x34y56z78w9.", "12 34 56 78 09", "    "},
      // 0, 00, 91 and three-digit tokens are dropped; the scan goes on
      {"Bari 0 00 091 123 5 12 34 78 90", "05 12 34 78 90", "    "},
      {"Bari 91 12 34 78 90\r\nCagliari 7 8 9 10 11\n", "12 34 78 90 07", "07 08 09 10 11"},
      // a short line takes its fifth number from the text that follows
      {"Bari 1 2 3 4\nCagliari 5 6 7 8 9\n", "01 02 03 04 05", "05 06 07 08 09"},
      {"Cagliari 5 6 7 8 9\nBari 1 2 3\n", "01 02 03  ", "05 06 07 08 09"},
      // only the first occurrence of a name counts
      {"Bari e Cagliari: 3 ruote\nBari 1 2 3 4 5\nCagliari 6 7 8 9 10\n", "03 01 02 03 04", "03 01 02 03 04"},
  };
  for (const auto& [testo, bari, cagliari] : casi) {
    const EsitoFiltro f = FiltraEstrazione(testo);
    EXPECT_EQ(Riga(f, 1), bari) << testo;
    EXPECT_EQ(Riga(f, 2), cagliari) << testo;
    EXPECT_EQ(Riga(f, 0), "    ") << testo;
  }
  // Alone, the search does not take a number that nothing ends: the filter appends a blank.
  EsitoFiltro f;
  f.Numeri = CercaNumeri("Bari 1 2 3 4 5");
  EXPECT_EQ(Riga(f, 1), "01 02 03 04 ");
}

TEST(FiltroEstrazione, DateForms) {
  // text, date found ("-" for none)
  const std::pair<const char*, const char*> casi[] = {
      {"estrazione 1/2/2007 ", "01/02/2007"},
      {"estrazione 1/2/07 ", "-"},  // six characters
      {"10-01-2026\n", "10/01/2026"},
      {"del 10/01/39\r", "10/01/1939"},
      {"del 10/01/38\r", "10/01/2038"},
      {"dal 31/12/1870 al 01/01/1871 ", "01/01/1871"},  // before the pickers' first date
      {"01/01/2100 31/12/2099 ", "31/12/2099"},
      {"29/02/2023 29/02/2024 ", "29/02/2024"},
      {"2026/01/10 2026-01-10 10.01.2026 10\\01\\2026 10_01_2026 10/01-2026 ", "-"},
      {"ore 20:00:00 del (10/01/2026): ", "10/01/2026"},  // colons, brackets, letters are skipped
      {"10/01/2026\t23\t45 ", "10/01/2026"},              // a tab ends the token as a blank does
      {"10/01/2026\xC2\xA0"
       "23 ",
       "10/01/2026"},  // so does a no-break space
      {"10/01/202623 ", "-"},
      {"10/01/2026", "-"},  // no separator after it
      {"123456789012345678901/01/2026 ", "-"},
  };
  for (const auto& [testo, atteso] : casi) EXPECT_EQ(Data(CercaData(testo)), atteso) << testo;
  // The allowed range is the caller's.
  EXPECT_EQ(Data(CercaData("31/12/1870 ", {{1, 1, 1800}, {31, 12, 1999}})), "31/12/1870");
}

TEST(FiltroEstrazione, IncompleteOrImpossibleDraws) {
  std::string tutte = "10/01/2026\n";  // every wheel but the Nazionale; then all but Venezia
  for (int r = 1; r < kRuoteFiltrate; ++r)
    tutte += std::string(kNomiRuoteFiltro[r]) + " " + std::to_string(r) + " 20 30 40 50\n";
  EXPECT_TRUE(FiltraEstrazione(tutte).Completo());
  EXPECT_FALSE(FiltraEstrazione(tutte.substr(0, tutte.find("Venezia"))).Completo());
  // page text, the faults found ("" for none)
  const std::pair<std::string, std::string> casi[] = {
      {"Bari 1 2 3 4 5 Cagliari 6 7 8 9 10 Roma 11 12 13 14 15", ""},
      {"Roma 11 12 13 12 15", "il numero 12 compare più volte sulla ruota di Roma"},
      {"Roma 12 12 12 14 15", "il numero 12 compare più volte sulla ruota di Roma"},
      {"Bari 1 2 3 4 5 Cagliari 5 4 3 2 1", "le ruote di Bari e Cagliari hanno gli stessi cinque numeri"},
      {"Bari 1 1 2 3 4 Roma 5 5 6 1 1 Torino 5 5 7 8 9",
       "il numero 01 compare più volte sulle ruote di Bari e Roma; il numero 05 compare più volte sulle ruote di "
       "Roma e Torino"},
      // a menu of wheel names at the top of the page: every wheel takes the same numbers
      {"Bari Cagliari Nazionale Roma Torino\nBari 1 2 3 4 5\n",
       "le ruote di Nazionale, Bari, Cagliari, Roma e Torino hanno gli stessi cinque numeri"},
      // "Roma Capitale" above the page: Roma takes the numbers that follow it, Bari's
      {"Roma Capitale\nBari 1 2 3 4 5\nRoma 6 7 8 9 10\n", "le ruote di Bari e Roma hanno gli stessi cinque numeri"},
      // a wheel lacking numbers is never a repeat
      {"Bari 1 2 3 4 Cagliari", ""},
  };
  for (const auto& [testo, attese] : casi) {
    std::string trovate;
    for (const std::string& a : AnomalieEstrazione(FiltraEstrazione(testo).Numeri))
      trovate += (trovate.empty() ? "" : "; ") + a;
    EXPECT_EQ(trovate, attese) << testo;
  }
  // Cells as the grid gives them back: "00" is a missing number, not a repeat.
  NumeriFiltrati celle;
  celle[1] = celle[2] = {"00", "00", "00", "00", "00"};
  celle[3] = {"07", "00", "07", "01", "02"};
  EXPECT_EQ(AnomalieEstrazione(celle),
            std::vector<std::string>{"il numero 07 compare più volte sulla ruota di Firenze"});
}

TEST(FiltroEstrazione, RewrittenTextAndCells) {
  const EsitoFiltro f = FiltraEstrazione("  10/01/2026\nBari 5 12 x 78 90 Nazionale 4");
  EXPECT_EQ(f.Testo,
            "Data: 10/01/2026\r\nNazionale  04\r\nBari  05 12 78 90 04\r\nCagliari\r\nFirenze\r\nGenova\r\n"
            "Milano\r\nNapoli\r\nPalermo\r\nRoma\r\nTorino\r\nVenezia\r\n");
  const EsitoFiltro g = FiltraEstrazione("  Bari 5 12 34 78 90\r\nRoma 1 2 3 4\r\nTorino 1");
  EXPECT_TRUE(!g.Data && g.DataTrovata.empty());
  // Without a date the pasted text (leading blanks trimmed, the appended blank kept) comes first.
  EXPECT_TRUE(g.Testo.starts_with("Bari 5 12 34 78 90\r\nRoma 1 2 3 4\r\nTorino 1 \r\nNazionale\r\nBari  05 12"))
      << g.Testo;
  EXPECT_NE(g.Testo.find("\r\nRoma  01 02 03 04 01\r\nTorino  01\r\n"), std::string::npos) << g.Testo;
  EXPECT_FALSE(g.Completo());
  EXPECT_EQ(g.Trovati(9), 1);

  // The cells hold the ten regional wheels only.
  const CelleRuote celle = g.Celle();
  EXPECT_EQ(celle[0][4] + celle[7][4] + celle[8][1], "9001");
  EXPECT_EQ(FiltraEstrazione("").Testo, "");
}

TEST(FiltroEstrazione, PastedPagesGiveTheirDraw) {
  for (const std::string pagina : {"agenzia.txt", "televideo.txt", "messaggio.txt"}) {
    const EsitoFiltro f = FiltraEstrazione(prova::CartellaTemporanea::Leggi(prova::PercorsoPagina(pagina)));
    EXPECT_EQ(f.DataTrovata, "10/01/2026") << pagina;
    EXPECT_TRUE(f.Completo()) << pagina;
    // The message lists the ten wheels only, in reverse order.
    EXPECT_EQ(Riga(f, 0), pagina == "messaggio.txt" ? "    " : "12 65 03 89 46") << pagina;
    std::string ruote = prova::kRecordPagine.substr(0, 11);
    for (int r = 1; r < kRuoteFiltrate; ++r) ruote += Riga(f, r) + "|";
    std::erase(ruote, ' ');
    EXPECT_EQ(ruote, prova::kRecordPagine) << pagina;
  }
}
