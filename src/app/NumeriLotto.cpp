#include "app/NumeriLotto.h"

#include <string_view>

namespace ruotario {

int Fuori90(int n) {
  if (n > 90) n = (n - 1) % 90 + 1;  // same as subtracting 90 until n <= 90
  return n;
}

std::string DueCifre(int& n) {
  if (n > 90) n = Fuori90(n);
  if (n < 0) n = 1;
  std::string testo = std::to_string(n);
  if (n < 10) testo.insert(testo.begin(), '0');
  return testo;
}

int Vertibile(int n) {
  int copia = n;
  const std::string s = DueCifre(copia);
  const char t = s[0];
  const char u = s[1];
  std::string r;
  if (t == u) r = {t, '9'};
  if (u == '9' && s != "09") r = {t, t};
  if (r.empty()) r = {u, t};
  return ValoreTesto(r);
}

int Decina(int n) {
  if (n < 1 || n >= 90) return 0;
  return n / 10;
}

int Figura(int n) {
  if (n < 1 || n > 90) return 0;
  int f = n / 10 + n % 10;
  if (f > 9) f -= 9;
  return f;
}

int Cadenza(int n) {
  if (n < 1 || n > 90) return 0;
  return n % 10;
}

int ValoreTesto(std::string_view testo) {
  std::size_t i = 0;
  while (i < testo.size() && testo[i] == ' ') ++i;
  int valore = 0;
  for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i) {
    if (valore < 100000000) valore = valore * 10 + (testo[i] - '0');
  }
  return valore;
}

}  // namespace ruotario
