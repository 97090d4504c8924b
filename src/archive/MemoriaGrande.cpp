#include "archive/MemoriaGrande.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace ruotario {

namespace {

constexpr std::size_t kPaginaGrande = std::size_t{2} << 20;

std::size_t arrotonda(std::size_t byte, std::size_t passo) { return (byte + passo - 1) / passo * passo; }

std::size_t paginaPiccola() {
  static const std::size_t pagina = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  return pagina;
}

// Huge pages only when rounding up to them wastes little.
bool inPagineGrandi(std::size_t byte) { return arrotonda(byte, kPaginaGrande) - byte <= byte / 4; }

// The extent actually mapped for a block of `byte` bytes.
std::size_t estensione(std::size_t byte) {
  return inPagineGrandi(byte) ? arrotonda(byte, kPaginaGrande) : arrotonda(byte, paginaPiccola());
}

void* mappa(std::size_t byte, int extra) {
  void* p = ::mmap(nullptr, byte, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | extra, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

// Maps `lunghezza` bytes on a huge-page boundary, populated; nullptr when it cannot.
void* mappaInPagineGrandi(std::size_t lunghezza) {
  char* grezzo = static_cast<char*>(mappa(lunghezza + kPaginaGrande, MAP_NORESERVE));
  if (!grezzo) return nullptr;
  const auto indirizzo = reinterpret_cast<std::uintptr_t>(grezzo);
  char* allineato = grezzo + (arrotonda(indirizzo, kPaginaGrande) - indirizzo);
  // Trim to exactly the aligned extent, so that it is given back in one piece.
  if (allineato > grezzo) ::munmap(grezzo, static_cast<std::size_t>(allineato - grezzo));
  const std::size_t coda = static_cast<std::size_t>(grezzo + lunghezza + kPaginaGrande - (allineato + lunghezza));
  if (coda > 0) ::munmap(allineato + lunghezza, coda);
#ifdef MADV_HUGEPAGE
  ::madvise(allineato, lunghezza, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  if (::madvise(allineato, lunghezza, MADV_POPULATE_WRITE) == 0) return allineato;
#endif
  ::munmap(allineato, lunghezza);
  return nullptr;
}

}  // namespace

void* AllocaGrande(std::size_t byte) {
  const std::size_t lunghezza = estensione(byte);
  void* p = inPagineGrandi(byte) ? mappaInPagineGrandi(lunghezza) : nullptr;
  if (!p) p = mappa(lunghezza, MAP_POPULATE);
  if (!p) throw std::bad_alloc();
  return p;
}

void LiberaGrande(void* blocco, std::size_t byte) noexcept {
  if (blocco) ::munmap(blocco, estensione(byte));
}

}  // namespace ruotario
