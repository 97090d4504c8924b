#include "print/TabellaCsv.h"

#include <gtest/gtest.h>

namespace ruotario {
namespace {

TEST(TabellaCsv, AWindowTableGoesOutAsTheCommandLineWritesIt) {
  const GrigliaTesto g{{" Numero ", "Sortite", "% Sortite"},
                       {{"01", "3", "12,50"}, {"02", "", "-4,5"}, {"x,y", "a\tb", "12/03/2020"}, {"5\"", "", ""}}};
  // Figures get "." back; other texts stay as shown, quoted where needed.
  EXPECT_EQ(TestoCsv(g, ','),
            "Numero,Sortite,% Sortite\r\n01,3,12.50\r\n02,,-4.5\r\n\"x,y\",a\tb,12/03/2020\r\n"
            "\"5\"\"\",,\r\n");
  EXPECT_EQ(TestoCsv(g, '.'),
            "Numero,Sortite,% Sortite\r\n01,3,\"12,50\"\r\n02,,\"-4,5\"\r\n\"x,y\",a\tb,12/03/2020\r\n\"5\"\"\",,\r\n");
  // Pasted into a spreadsheet: as shown, one cell per tab.
  EXPECT_EQ(TestoTabulato(g), "Numero\tSortite\t% Sortite\n01\t3\t12,50\n02\t\t-4,5\nx,y\ta b\t12/03/2020\n5\"\t\t\n");
}

}  // namespace
}  // namespace ruotario
