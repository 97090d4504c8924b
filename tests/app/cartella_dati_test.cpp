#include "app/CartellaDati.h"

#include <gtest/gtest.h>

#include <set>

using namespace ruotario;

namespace {

struct Caso {
  const char* nome;
  IngressiCartelle ingressi;
  std::string appDir;
  std::string condivisa;
  OrigineCartella origine;
  bool installato;
};

// Folders that exist on the imagined machine: an installed copy under /usr and
// one under a user's prefix; the build folder and the portable copy have no share/.
const std::set<std::string> kCartelle = {"/usr/share/ruotario", "/home/anna/.local/share/ruotario",
                                         "/home/anna/prefisso/share/ruotario"};

bool esiste(const std::string& p) { return kCartelle.count(p) > 0; }

}  // namespace

TEST(CartellaDati, RuleOverEveryLayout) {
  using O = OrigineCartella;
  const Caso casi[] = {
      {"override beats the build folder",
       {std::string(" /srv/lotto "), "/src/ruotario/build/bin", std::nullopt, "/home/anna"},
       "/srv/lotto",
       "/src/ruotario/build/bin",
       O::Variabile,
       false},
      {"override beats the installed layout, glossary still installed",
       {std::string("/srv/lotto"), "/usr/bin", std::string("/home/anna/xdg"), "/home/anna"},
       "/srv/lotto",
       "/usr/share/ruotario",
       O::Variabile,
       true},
      {"blank override is no override",
       {std::string("   "), "/src/ruotario/build/bin", std::nullopt, "/home/anna"},
       "/src/ruotario/build/bin",
       "/src/ruotario/build/bin",
       O::Eseguibile,
       false},
      {"build folder: bin/ without share/ruotario beside it",
       {std::nullopt, "/src/ruotario/build/bin", std::string("/home/anna/xdg"), "/home/anna"},
       "/src/ruotario/build/bin",
       "/src/ruotario/build/bin",
       O::Eseguibile,
       false},
      {"portable copy",
       {std::nullopt, " /media/chiavetta/Ruotario ", std::nullopt, "/home/anna"},
       "/media/chiavetta/Ruotario",
       "/media/chiavetta/Ruotario",
       O::Eseguibile,
       false},
      {"installed, XDG_DATA_HOME set",
       {std::nullopt, "/usr/bin", std::string("/home/anna/xdg"), "/home/anna"},
       "/home/anna/xdg/ruotario",
       "/usr/share/ruotario",
       O::Installato,
       true},
      {"installed, XDG_DATA_HOME unset",
       {std::nullopt, "/usr/bin", std::nullopt, "/home/anna"},
       "/home/anna/.local/share/ruotario",
       "/usr/share/ruotario",
       O::Installato,
       true},
      {"installed, XDG_DATA_HOME empty or relative is ignored",
       {std::nullopt, "/usr/bin", std::string("xdg"), "/home/anna"},
       "/home/anna/.local/share/ruotario",
       "/usr/share/ruotario",
       O::Installato,
       true},
      {"installed in a user prefix",
       {std::nullopt, "/home/anna/prefisso/bin", std::string(""), "/home/anna"},
       "/home/anna/.local/share/ruotario",
       "/home/anna/prefisso/share/ruotario",
       O::Installato,
       true},
      {"installed with no home: the program folder is all there is",
       {std::nullopt, "/usr/bin", std::nullopt, ""},
       "/usr/bin",
       "/usr/share/ruotario",
       O::Eseguibile,
       true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const CartelleProgramma r = DecidiCartelle(c.ingressi, esiste);
    EXPECT_EQ(r.AppDir, c.appDir);
    EXPECT_EQ(r.CartellaCondivisa, c.condivisa);
    EXPECT_EQ(r.Origine, c.origine);
    EXPECT_EQ(r.Installato, c.installato);
  }
}
