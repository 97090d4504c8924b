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

}  // namespace ruotario
