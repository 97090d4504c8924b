#include "archive/ArchivioEstrazioni.h"

#include <cstdio>
#include <memory>

namespace ruotario {

ArchivioEstrazioni::ArchivioEstrazioni(std::vector<Estrazione> estrazioni) : estrazioni_(std::move(estrazioni)) {}

bool LeggiFile(const std::string& percorso, std::string& testo) {
  testo.clear();
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(percorso.c_str(), "rb"), &std::fclose);
  if (!f) return false;
  char buf[1 << 16];
  std::size_t letti;
  while ((letti = std::fread(buf, 1, sizeof buf, f.get())) > 0) testo.append(buf, letti);
  return std::ferror(f.get()) == 0;
}

ArchivioEstrazioni ArchivioEstrazioni::DaTesto(std::string_view testo) {
  std::vector<Estrazione> estrazioni;
  estrazioni.reserve(testo.size() / kLunghezzaRiga + 1);
  int numero = 0;
  PerOgniRiga(testo, [&](std::string_view riga) { estrazioni.push_back(Estrazione{++numero, std::string(riga)}); });
  return ArchivioEstrazioni(std::move(estrazioni));
}

ArchivioEstrazioni ArchivioEstrazioni::CaricaArchivio(const std::string& percorso) {
  std::string testo;
  if (!LeggiFile(percorso, testo)) return {};
  return DaTesto(testo);
}

std::string ArchivioEstrazioni::EtichettaData(int i) const {
  std::string etichetta = std::to_string(i) + ": ";
  if (i >= 1 && i <= Conta()) etichetta += (*this)[i].Data();
  return etichetta;
}

}  // namespace ruotario
