#pragma once
// Runs ruotario-cli as a user would and collects what it printed.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ArchivioProva.h"

namespace ruotario::prova {

struct Uscita {
  int stato = -1;
  std::string testo;   // standard output
  std::string errori;  // standard error
};

inline Uscita EseguiCli(const std::string& argomenti) {
  static const CartellaTemporanea cartella;
  const std::string errori = cartella.File("stderr.txt");
  const std::string comando = std::string(RUOTARIO_CLI_PATH) + " " + argomenti + " 2>" + errori;
  Uscita u;
  FILE* p = ::popen(comando.c_str(), "r");
  if (!p) return u;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) u.testo.append(buf, n);
  const int s = ::pclose(p);
  u.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  u.errori = CartellaTemporanea::Leggi(errori);
  return u;
}

}  // namespace ruotario::prova
