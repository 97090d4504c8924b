// ruotario-cli: the studies of Ruotario from a terminal.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Comandi.h"

namespace {

using namespace ruotario::cli;

struct VoceComando {
  std::string_view nome;
  Comando comando;
  std::string_view descrizione;
  std::string_view uso;  // the command's own options, for "COMANDO --help"
};

constexpr VoceComando kComandi[] = {
    {"info", ComandoInfo, "numero di estrazioni, prima e ultima data, dimensione, validità dell'archivio",
     "  [--archivio FILE] [--formato testo|csv|json]\n"},
    {"verifica", ComandoVerifica, "controllo completo dell'archivio, riga per riga",
     "  [--archivio FILE] [--formato testo|csv|json]\n"
     "  Stato di uscita 1 quando l'archivio non supera il controllo di validità.\n"},
    {"esempio", ComandoEsempio, "scrive un archivio di esempio casuale sullo standard output",
     "  [--estrazioni N] [--seme S]\n"
     "  Senza --estrazioni segue il calendario reale dal 07/01/1939 ad agosto 2026.\n"},
};

void aiuto(std::ostream& out) {
  out << "Uso: ruotario-cli COMANDO [OPZIONI]\n\nComandi:\n";
  for (const auto& c : kComandi) {
    std::string nome(c.nome);
    nome.resize(18, ' ');
    out << "  " << nome << c.descrizione << '\n';
  }
  out << "\nOpzioni comuni:\n"
         "  --archivio FILE       archivio delle estrazioni (predefinito: estrazioni.txt nella cartella del "
         "programma)\n"
         "  --ruota NOME|1..10    ruota studiata (predefinita: Bari)\n"
         "  --inizio N, --fine N  prima e ultima estrazione del periodo (numero di record)\n"
         "  --colpi N             colpi di gioco osservati dopo ogni caso\n"
         "  --formato testo|csv|json  formato del risultato (predefinito: testo)\n"
         "  --help                questo aiuto\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> parole(argv + 1, argv + argc);
  if (parole.empty() || parole[0] == "--help" || parole[0] == "-h" || parole[0] == "aiuto") {
    aiuto(parole.empty() ? std::cerr : std::cout);
    return parole.empty() ? 2 : 0;
  }
  const std::string nome = parole[0];
  parole.erase(parole.begin());
  for (const auto& c : kComandi) {
    if (c.nome != nome) continue;
    for (const auto& p : parole) {
      if (p == "--help" || p == "-h") {
        std::cout << "Uso: ruotario-cli " << c.nome << " [OPZIONI]\n" << c.descrizione << "\n\nOpzioni:\n" << c.uso;
        return 0;
      }
    }
    try {
      Argomenti a(std::move(parole));
      return c.comando(a, std::cout, std::cerr);
    } catch (const ErroreUso& e) {
      std::cerr << "ruotario-cli " << nome << ": " << e.what() << "\n(ruotario-cli --help per l'aiuto)\n";
      return 2;
    }
  }
  std::cerr << "ruotario-cli: comando sconosciuto \"" << nome << "\"\n(ruotario-cli --help per l'aiuto)\n";
  return 2;
}
