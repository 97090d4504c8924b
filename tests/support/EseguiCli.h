#pragma once
// Runs ruotario-cli as a user would and collects what it printed.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
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

// Writes `testo` as an archive kept until the test program ends; returns the
// option naming it, " --archivio <file>".
inline std::string OpzioneArchivio(const std::string& testo) {
  static const CartellaTemporanea cartella;
  static int archivi = 0;
  return " --archivio " + cartella.Scrivi("estrazioni-" + std::to_string(++archivi) + ".txt", testo);
}

// The output of a command that must succeed, run with --formato json; null when it failed.
template <typename Json = nlohmann::json>
Json JsonCli(const std::string& argomenti) {
  const Uscita u = EseguiCli(argomenti + " --formato json");
  EXPECT_EQ(u.stato, 0) << argomenti << "\n" << u.errori;
  return u.stato == 0 ? Json::parse(u.testo) : Json{};
}

// Bari only. Spy 1 opens cases at records 1, 5 and 9; with 2 colpi 60 wins the
// first two at colpo 1 and 45 the first two at colpo 2.
inline const std::string& ArchivioCasiSpiaUno() {
  static const std::string opzione = OpzioneArchivio(TestoBari({{1, 10, 11, 12, 13},
                                                                {60, 14, 15, 16, 17},
                                                                {45, 18, 19, 21, 22},
                                                                {80, 81, 82, 83, 84},
                                                                {1, 23, 24, 25, 26},
                                                                {60, 27, 28, 29, 31},
                                                                {45, 32, 33, 34, 35},
                                                                {85, 86, 87, 88, 89},
                                                                {1, 36, 37, 38, 39},
                                                                {46, 47, 48, 49, 50},
                                                                {51, 52, 53, 54, 55},
                                                                {56, 57, 58, 59, 61}}));
  return opzione;
}

}  // namespace ruotario::prova
