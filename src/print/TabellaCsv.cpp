#include "print/TabellaCsv.h"

namespace ruotario {

namespace {

std::string campoCsv(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

template <typename Campo>
std::string Componi(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe, char separatore,
                    const char* fineRiga, Campo campo) {
  std::string t;
  auto riga = [&](const RigaTesti& r) {
    for (std::size_t c = 0; c < r.size(); ++c) {
      if (c) t += separatore;
      t += campo(r[c]);
    }
    t += fineRiga;
  };
  riga(intestazioni);
  for (const auto& r : righe) riga(r);
  return t;
}

RigaTesti intestazioniPulite(const GrigliaTesto& t) {
  RigaTesti r;
  for (const std::string& s : t.intestazioni) {
    const auto primo = s.find_first_not_of(" \t");
    r.push_back(primo == std::string::npos ? std::string() : s.substr(primo, s.find_last_not_of(" \t") - primo + 1));
  }
  return r;
}

std::string cellaCsv(std::string s, char separatore) {
  if (separatore == '.') return s;
  const bool cifra = !s.empty() && s.find_first_not_of("0123456789-" + std::string(1, separatore)) == std::string::npos;
  if (cifra)
    for (char& c : s)
      if (c == separatore) c = '.';
  return s;
}

}  // namespace

std::string TestoCsv(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe) {
  return Componi(intestazioni, righe, ',', "\r\n", campoCsv);
}

std::string TestoTabulato(const RigaTesti& intestazioni, const std::vector<RigaTesti>& righe) {
  return Componi(intestazioni, righe, '\t', "\n", [](std::string s) {
    for (char& c : s)
      if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return s;
  });
}

std::string TestoCsv(const GrigliaTesto& tabella, char separatore) {
  std::vector<RigaTesti> righe;
  for (const RigaTesti& r : tabella.righe) {
    RigaTesti riga;
    for (const std::string& c : r) riga.push_back(cellaCsv(c, separatore));
    righe.push_back(std::move(riga));
  }
  return TestoCsv(intestazioniPulite(tabella), righe);
}

std::string TestoTabulato(const GrigliaTesto& tabella) {
  return TestoTabulato(intestazioniPulite(tabella), tabella.righe);
}

}  // namespace ruotario
