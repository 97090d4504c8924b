#pragma once
// Runs a piece of a test where file permissions are enforced: when the tests
// run as root (who may write anywhere) it runs in a child process that has
// become the unprivileged user "nobody"; otherwise it runs right here.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>

namespace ruotario::prova {

// Returns what `fn` returned, or "(processo fallito)" when the child died. The
// child writes its answer through a file the parent opened for it.
inline std::string SenzaPrivilegi(const std::function<std::string()>& fn) {
  if (::geteuid() != 0) return fn();
  char nome[] = "/tmp/ruotario-esito-XXXXXX";
  const int fd = ::mkstemp(nome);
  if (fd < 0) return "(processo fallito)";
  ::unlink(nome);
  const pid_t figlio = ::fork();
  if (figlio == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
    const std::string esito = fn();
    ::_exit(::write(fd, esito.data(), esito.size()) == static_cast<ssize_t>(esito.size()) ? 0 : 1);
  }
  int stato = 0;
  if (figlio > 0) ::waitpid(figlio, &stato, 0);
  std::string esito(static_cast<std::size_t>(std::max<off_t>(::lseek(fd, 0, SEEK_END), 0)), '\0');
  const bool letto = ::pread(fd, esito.data(), esito.size(), 0) == static_cast<ssize_t>(esito.size());
  ::close(fd);
  return letto && figlio > 0 && WIFEXITED(stato) && WEXITSTATUS(stato) == 0 ? esito : "(processo fallito)";
}

// Runs `fn` with the file size limit at `byte`: writes past it fail as on a
// full disk (the signal that would end the process is ignored meanwhile).
template <typename F>
auto ConDiscoPieno(std::size_t byte, F&& fn) {
  rlimit vecchio{};
  ::getrlimit(RLIMIT_FSIZE, &vecchio);
  auto* const gestore = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = vecchio;
  limite.rlim_cur = byte;
  ::setrlimit(RLIMIT_FSIZE, &limite);
  auto esito = fn();
  ::setrlimit(RLIMIT_FSIZE, &vecchio);
  std::signal(SIGXFSZ, gestore);
  return esito;
}

}  // namespace ruotario::prova
