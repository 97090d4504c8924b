#pragma once
// Options of one subcommand, taken on demand by name ("--ruota 3",
// "--ruota=3", flags alone). Whatever no one asked for is an error at fine().

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ruotario::cli {

// A usage error: bad option or value. The command line exits with status 2.
struct ErroreUso : std::runtime_error {
  using std::runtime_error::runtime_error;
};

enum class Formato { Testo, Csv, Json };

// Upper bound for record-number options before the archive is read.
inline constexpr int kMassimoRecord = 100000000;

class Argomenti {
 public:
  explicit Argomenti(std::vector<std::string> parole);

  // The text after `nome`, or nullopt when absent. Throws when the value is missing.
  std::optional<std::string> valore(std::string_view nome);
  // True when the flag is present.
  bool flag(std::string_view nome);
  // An option whose value may be left out ("--nome", "--nome V", "--nome=V"):
  // nullopt when absent, an empty text when given alone. A following word
  // that starts with "--" is the next option, not the value.
  std::optional<std::string> valoreFacoltativo(std::string_view nome);
  // A whole number in [minimo, massimo], or `predefinito` when absent.
  int intero(std::string_view nome, int predefinito, int minimo, int massimo);
  std::optional<int> interoOpzionale(std::string_view nome, int minimo, int massimo);
  // Comma-separated whole numbers, each in [minimo, massimo].
  std::optional<std::vector<int>> elencoInteri(std::string_view nome, int minimo, int massimo);
  // The first word when it is not an option: the subcommand of a command that has them.
  std::optional<std::string> sottocomando();
  // The first word not taken that is not an option (a file name, or "-"); take the options first.
  std::optional<std::string> posizionale();
  // Throws on any option not taken.
  void fine() const;

  // Common options.
  std::string archivio();  // --archivio, default the program's archive path
  Formato formato();       // --formato testo|csv|json
  int ruota();             // --ruota NOME|1..10, default Bari (1)
  // --ruota that also takes "tutte" (or 0) for all ten wheels: 0.
  int ruotaOTutte();

 private:
  std::vector<std::string> parole_;
  std::vector<bool> prese_;
};

// Parses a whole number; throws ErroreUso naming the option.
int interoDa(std::string_view testo, std::string_view nome, int minimo, int massimo);

}  // namespace ruotario::cli
