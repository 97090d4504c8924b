#include "update/ZipPubblicato.h"

#include <zip.h>

#include <memory>

namespace ruotario {

namespace {

struct ChiudiZip {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct ChiudiFileZip {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};

}  // namespace

bool SembraZip(std::string_view dati) {
  return dati.size() >= 4 && dati[0] == 'P' && dati[1] == 'K' &&
         ((dati[2] == 3 && dati[3] == 4) || (dati[2] == 5 && dati[3] == 6));
}

EsitoZip ApriZip(std::string_view dati, std::size_t limiteByte) {
  EsitoZip esito;
  const std::string danneggiato = "l'archivio ZIP è danneggiato o incompleto (uno scaricamento interrotto?)";
  zip_error_t errore;
  zip_error_init(&errore);
  zip_source_t* sorgente = zip_source_buffer_create(dati.data(), dati.size(), 0, &errore);
  if (!sorgente) {
    esito.Errore = danneggiato;
    zip_error_fini(&errore);
    return esito;
  }
  std::unique_ptr<zip_t, ChiudiZip> zip(zip_open_from_source(sorgente, ZIP_RDONLY | ZIP_CHECKCONS, &errore));
  if (!zip) {
    zip_source_free(sorgente);
    esito.Errore = danneggiato;
    zip_error_fini(&errore);
    return esito;
  }
  zip_error_fini(&errore);

  std::size_t totale = 0;
  const zip_int64_t quanti = zip_get_num_entries(zip.get(), 0);
  for (zip_int64_t i = 0; i < quanti; ++i) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) {
      esito.Errore = danneggiato;
      return esito;
    }
    const std::string nome = st.name;
    if (nome.empty() || nome.back() == '/') continue;  // a folder
    if ((st.valid & ZIP_STAT_SIZE) && st.size > limiteByte - totale) {
      esito.Errore = "il file " + nome + " nell'archivio ZIP è troppo grande";
      return esito;
    }
    std::unique_ptr<zip_file_t, ChiudiFileZip> f(zip_fopen_index(zip.get(), static_cast<zip_uint64_t>(i), 0));
    if (!f) {
      esito.Errore = danneggiato;
      return esito;
    }
    FileZip file{nome, {}};
    file.Dati.resize(static_cast<std::size_t>(st.size));
    std::size_t letti = 0;
    // The size in the directory may lie: never read past it or past the limit.
    for (;;) {
      if (letti == file.Dati.size()) {
        char prova;
        const zip_int64_t altro = zip_fread(f.get(), &prova, 1);
        if (altro == 0) break;
        esito.Errore =
            altro < 0 ? danneggiato : "il file " + nome + " nell'archivio ZIP non ha la dimensione dichiarata";
        return esito;
      }
      const zip_int64_t n = zip_fread(f.get(), file.Dati.data() + letti, file.Dati.size() - letti);
      if (n <= 0) {
        esito.Errore = danneggiato;
        return esito;
      }
      letti += static_cast<std::size_t>(n);
    }
    totale += file.Dati.size();
    esito.File.push_back(std::move(file));
  }
  return esito;
}

}  // namespace ruotario
