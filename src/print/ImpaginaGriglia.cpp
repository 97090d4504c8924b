#include "print/ImpaginaGriglia.h"

#include <algorithm>

namespace ruotario {

namespace {

// Characters, not bytes: cell texts may hold accented letters.
int lunghezza(std::string_view testo) {
  int n = 0;
  for (const char ch : testo)
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
  return n;
}

// The line-printing model: text at the current position, tab to a column,
// end of line, new page.
class Cursore {
 public:
  Cursore() { doc_.pagine.emplace_back(); }

  void scrivi(std::string_view testo) {
    if (testo.empty()) return;
    if (!riga_.empty() && !dopoTab_) {
      auto& ultimo = riga_.back();
      if (ultimo.colonna + lunghezza(ultimo.testo) == colonna_) {
        ultimo.testo += testo;
        colonna_ += lunghezza(testo);
        return;
      }
    }
    riga_.push_back({colonna_, std::string(testo)});
    colonna_ += lunghezza(testo);
    dopoTab_ = false;
  }

  void riga(std::string_view testo) {
    scrivi(testo);
    fineRiga();
  }

  void tab(int colonna) {
    if (colonna_ > colonna) fineRiga();
    colonna_ = colonna;
    dopoTab_ = true;  // text after a tab starts its own piece, placed at the column
  }

  void fineRiga() {
    doc_.pagine.back().righe.push_back(std::move(riga_));
    riga_.clear();
    colonna_ = 1;
  }

  // What is already on the current line stays on the page it was printed on.
  void nuovaPagina() {
    if (!riga_.empty()) doc_.pagine.back().righe.push_back(std::move(riga_));
    riga_.clear();
    colonna_ = 1;
    doc_.pagine.emplace_back();
  }

  DocumentoStampa fine() {
    if (!riga_.empty()) fineRiga();
    return std::move(doc_);
  }

 private:
  DocumentoStampa doc_;
  RigaStampa riga_;
  int colonna_ = 1;
  bool dopoTab_ = false;
};

// A column-format heading carries blanks that only widen its column on screen.
std::string_view senzaBlanchi(std::string_view testo) {
  const auto inizio = testo.find_first_not_of(' ');
  if (inizio == std::string_view::npos) return {};
  return testo.substr(inizio, testo.find_last_not_of(' ') - inizio + 1);
}

}  // namespace

DocumentoStampa ImpaginaGriglia(const GrigliaTesto& griglia, std::string_view titolo, std::string_view sottotitolo,
                                int righeMax) {
  Cursore c;
  c.riga("   ");
  c.riga(titolo);
  c.riga("   ");
  if (!sottotitolo.empty()) {
    c.riga(sottotitolo);
    c.riga("   ");
  }

  const int righe = griglia.Righe();
  const int colonne = griglia.Colonne();
  int ultima = righe - 1;
  if (righeMax >= 1 && righeMax <= 90 && righeMax <= righe - 1) ultima = righeMax;
  const auto testoCella = [&griglia](int r, int col) {
    const std::string& cella = griglia.Cella(r, col);
    return r == 0 ? senzaBlanchi(cella) : std::string_view(cella);
  };

  // Columns are 14 characters wide; one whose text and its three blanks need
  // more is widened, so no cell ever pushes the next one onto a line of its own.
  std::vector<int> inizio(static_cast<std::size_t>(colonne), kLarghezzaColonnaStampa);
  for (int col = 1; col < colonne; ++col) {
    int larghezza = kLarghezzaColonnaStampa;
    for (int r = 0; r <= ultima; ++r) larghezza = std::max(larghezza, lunghezza(testoCella(r, col - 1)) + 3);
    inizio[static_cast<std::size_t>(col)] = inizio[static_cast<std::size_t>(col) - 1] + larghezza;
  }

  for (int r = 0; r <= ultima; ++r) {
    c.scrivi("   ");
    for (int col = 0; col < colonne; ++col) {
      c.tab(inizio[static_cast<std::size_t>(col)]);
      c.scrivi(testoCella(r, col));
      c.scrivi("   ");
    }
    // One page break, and only when rows follow: a table that ends at row 45
    // must not leave a second page holding just the heading.
    if (r == kUltimaRigaPagina1 && ultima > kUltimaRigaPagina1) {
      c.nuovaPagina();
      c.riga("");
      c.riga(titolo);
      c.riga("");
      if (!sottotitolo.empty()) {
        c.riga(sottotitolo);
        c.riga("  (pag. 2)");
        c.riga("   ");
      }
    }
    c.fineRiga();
  }
  c.fineRiga();
  c.riga(kPiedeStampa);
  return c.fine();
}

std::string SottotitoloPrimeRighe(std::string sottotitolo, int righe, int massimo) {
  if (righe > massimo)
    sottotitolo += "  (stampate le prime " + std::to_string(massimo) + " di " + std::to_string(righe) + " righe)";
  return sottotitolo;
}

DocumentoStampa AdattaPagine(const DocumentoStampa& documento, int righePerPagina) {
  const std::size_t capienza = static_cast<std::size_t>(righePerPagina < 1 ? 1 : righePerPagina);
  DocumentoStampa adattato;
  for (const PaginaStampa& pagina : documento.pagine) {
    adattato.pagine.emplace_back();
    for (const RigaStampa& riga : pagina.righe) {
      if (adattato.pagine.back().righe.size() == capienza) adattato.pagine.emplace_back();
      adattato.pagine.back().righe.push_back(riga);
    }
  }
  return adattato;
}

std::string TestoRiga(const RigaStampa& riga) {
  std::string testo;
  int colonna = 1;
  for (const auto& p : riga) {
    while (colonna < p.colonna) {
      testo += ' ';
      ++colonna;
    }
    testo += p.testo;
    colonna += lunghezza(p.testo);
  }
  return testo;
}

}  // namespace ruotario
