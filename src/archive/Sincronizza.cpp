#include "archive/Sincronizza.h"

#include <unistd.h>

#include <atomic>

namespace ruotario {

namespace {
std::atomic<FunzioneSincronizza> gSincronizza{nullptr};
}  // namespace

int Sincronizza(int fd) {
  const FunzioneSincronizza f = gSincronizza.load();
  return f ? f(fd) : ::fsync(fd);
}

FunzioneSincronizza ImpostaSincronizza(FunzioneSincronizza f) { return gSincronizza.exchange(f); }

}  // namespace ruotario
