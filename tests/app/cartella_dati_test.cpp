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
  const std::string build = "/src/ruotario/build/bin", xdg = "/home/anna/xdg", casa = "/home/anna";
  const std::string installata = "/usr/share/ruotario", locale = "/home/anna/.local/share/ruotario";
  // clang-format off
  const Caso casi[] = {
      {"override beats the build folder", {" /srv/lotto ", build, std::nullopt, casa}, "/srv/lotto", build, O::Variabile, false},
      {"override beats the installed layout, glossary still installed",
       {"/srv/lotto", "/usr/bin", xdg, casa}, "/srv/lotto", installata, O::Variabile, true},
      {"blank override is no override", {"   ", build, std::nullopt, casa}, build, build, O::Eseguibile, false},
      {"build folder: bin/ without share/ruotario beside it", {std::nullopt, build, xdg, casa}, build, build, O::Eseguibile, false},
      {"portable copy", {std::nullopt, " /media/chiavetta/Ruotario ", std::nullopt, casa},
       "/media/chiavetta/Ruotario", "/media/chiavetta/Ruotario", O::Eseguibile, false},
      {"installed, XDG_DATA_HOME set", {std::nullopt, "/usr/bin", xdg, casa}, xdg + "/ruotario", installata, O::Installato, true},
      {"installed, XDG_DATA_HOME unset", {std::nullopt, "/usr/bin", std::nullopt, casa}, locale, installata, O::Installato, true},
      {"installed, XDG_DATA_HOME relative is ignored", {std::nullopt, "/usr/bin", "xdg", casa}, locale, installata, O::Installato, true},
      {"installed in a user prefix", {std::nullopt, "/home/anna/prefisso/bin", "", casa},
       locale, "/home/anna/prefisso/share/ruotario", O::Installato, true},
      {"installed with no home: the program folder is all there is",
       {std::nullopt, "/usr/bin", std::nullopt, ""}, "/usr/bin", installata, O::Eseguibile, true},
  };
  // clang-format on
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const CartelleProgramma r = DecidiCartelle(c.ingressi, esiste);
    EXPECT_EQ(r.AppDir, c.appDir);
    EXPECT_EQ(r.CartellaCondivisa, c.condivisa);
    EXPECT_EQ(r.Origine, c.origine);
    EXPECT_EQ(r.Installato, c.installato);
  }
}
