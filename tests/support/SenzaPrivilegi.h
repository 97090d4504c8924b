#pragma once
// Runs a piece of a test where file permissions are enforced: when the tests
// run as root (who may write anywhere) it runs in a child process that has
// become the unprivileged user "nobody"; otherwise it runs right here.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace ruotario::prova {

// Returns what `fn` returned, or "(processo fallito)" when the child died.
inline std::string SenzaPrivilegi(const std::function<std::string()>& fn) {
  if (::geteuid() != 0) return fn();
  int tubo[2];
  if (::pipe(tubo) != 0) return "(processo fallito)";
  const pid_t figlio = ::fork();
  if (figlio < 0) return "(processo fallito)";
  if (figlio == 0) {
    ::close(tubo[0]);
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
    const std::string esito = fn();
    const char* p = esito.data();
    std::size_t resto = esito.size();
    while (resto > 0) {
      const ssize_t n = ::write(tubo[1], p, resto);
      if (n <= 0) break;
      p += n;
      resto -= static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(tubo[1]);
  std::string esito;
  char buf[4096];
  ssize_t n;
  while ((n = ::read(tubo[0], buf, sizeof buf)) > 0) esito.append(buf, static_cast<std::size_t>(n));
  ::close(tubo[0]);
  int stato = 0;
  ::waitpid(figlio, &stato, 0);
  return WIFEXITED(stato) && WEXITSTATUS(stato) == 0 ? esito : "(processo fallito)";
}

}  // namespace ruotario::prova
