#pragma once
// Where the program keeps its data: one rule for the desktop program and the
// command-line tool.
//
//   RUOTARIO_DIR set                    -> that folder
//   executable in bin/ beside
//   share/ruotario/ (installed)         -> $XDG_DATA_HOME/ruotario, by default ~/.local/share/ruotario
//   anything else (build folder,
//   portable copy)                      -> the folder of the executable
//
// Files shipped with the program (glossary, guide) are looked up in the data
// folder first, then in the shipped-files folder: share/ruotario/ when
// installed, else the folder of the executable.

#include <functional>
#include <optional>
#include <string>

namespace ruotario {

inline constexpr const char* kVariabileCartella = "RUOTARIO_DIR";
inline constexpr const char* kSottocartellaDati = "ruotario";

// The environment the rule looks at.
struct IngressiCartelle {
  std::optional<std::string> Variabile;    // RUOTARIO_DIR
  std::string CartellaEseguibile;          // folder of the running executable
  std::optional<std::string> XdgDataHome;  // XDG_DATA_HOME
  std::string Home;                        // the user's home folder; empty when unknown
};

enum class OrigineCartella { Variabile, Eseguibile, Installato };

struct CartelleProgramma {
  std::string AppDir;             // archive, its backup and temporary copies, the user's own glossary
  std::string CartellaCondivisa;  // files shipped with the program
  OrigineCartella Origine = OrigineCartella::Eseguibile;
  bool Installato = false;  // executable in an installed layout (also when RUOTARIO_DIR overrides)
};

// The rule over given inputs; `eCartella` tells whether a folder exists.
CartelleProgramma DecidiCartelle(const IngressiCartelle& ingressi,
                                 const std::function<bool(const std::string&)>& eCartella);

// The inputs of the running process: environment, /proc/self/exe, the password database.
IngressiCartelle LeggiIngressiCartelle();

// The rule for the running process. The data folder of an installed program is
// created when missing; a failure to create it is left to the first write to report.
CartelleProgramma CercaCartelle();

}  // namespace ruotario
