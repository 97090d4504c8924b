#include "spy/ui/Griglia90.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>

#include "app/ui/Controlli.h"
#include "print/TabellaCsv.h"
#include "print/ui/MenuTabella.h"
#include "spy/EsitoRicerca.h"

namespace ruotario {

const QString Griglia90::kFormatoSpia =
    QString::fromLatin1(kIntestazioneGriglia90.data(), static_cast<qsizetype>(kIntestazioneGriglia90.size()));

class ModelloGriglia : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(righe.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(titoli.size());
  }

  QVariant data(const QModelIndex& indice, int ruolo) const override {
    if (!indice.isValid()) return {};
    if (ruolo == Qt::DisplayRole) return testo(indice.row(), indice.column());
    if (ruolo == Qt::TextAlignmentRole) {
      // The number column reads best centred, the figures right-aligned.
      return indice.column() == 0 || centrate ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
  }

  QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override {
    if (orientamento != Qt::Horizontal || sezione < 0 || sezione >= static_cast<int>(titoli.size())) return {};
    if (ruolo == Qt::DisplayRole) return titoli[static_cast<std::size_t>(sezione)];
    if (ruolo == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    return {};
  }

  QString testo(int riga, int colonna) const {
    if (riga < 0 || colonna < 0 || riga >= static_cast<int>(righe.size())) return {};
    const RigaTabella& r = righe[static_cast<std::size_t>(riga)];
    if (colonna >= static_cast<int>(r.size())) return {};
    return QString::fromStdString(r[static_cast<std::size_t>(colonna)]);
  }

  void cambia(auto&& modifica) {
    beginResetModel();
    modifica();
    const std::size_t colonne = std::max<std::size_t>(titoli.size(), 1);
    for (RigaTabella& r : righe) r.resize(colonne);
    endResetModel();
  }

  std::vector<QString> titoli;
  RigheTabella righe;
  bool centrate = false;
};

Griglia90::Griglia90(QWidget* parent) : QTableView(parent), modello_(new ModelloGriglia(this)) {
  setObjectName(QStringLiteral("Griglia90"));
  setModel(modello_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(true);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  // A click on a cell or on a heading sorts by that column, largest first.
  connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) { Ordina(i.column(), Verso::Decrescente); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int colonna) { Ordina(colonna, Verso::Decrescente); });
  ImpostaFormato(kFormatoSpia);
  AggiungiMenuTabella(this, [this] { return TestoTabella(); });
}

void Griglia90::ImpostaFormato(const QString& formato) {
  modello_->cambia([&] {
    modello_->titoli.clear();
    for (const std::string& t : TitoliFormato(formato.toStdString()))
      modello_->titoli.push_back(QString::fromStdString(t));
  });
  adattaColonne();
}

QStringList Griglia90::Titoli() const {
  QStringList titoli;
  for (const QString& t : modello_->titoli) titoli << t;
  return titoli;
}

void Griglia90::PreparaGriglia() { ImpostaRighe(RigheNumeri(ContaColonne())); }

void Griglia90::ImpostaRighe(RigheTabella righe) {
  const QModelIndex corrente = currentIndex();
  modello_->cambia([&] { modello_->righe = std::move(righe); });
  // Keep the current column so the user's place survives a refill.
  if (corrente.isValid() && ContaRighe() > 0) setCurrentIndex(modello_->index(0, corrente.column()));
}

const RigheTabella& Griglia90::Righe() const { return modello_->righe; }
int Griglia90::ContaRighe() const { return modello_->rowCount(); }
int Griglia90::ContaColonne() const { return modello_->columnCount(); }
QString Griglia90::Testo(int riga, int colonna) const { return modello_->testo(riga, colonna); }

void Griglia90::Ordina(int colonna, Verso verso) {
  if (colonna < 0 || colonna >= ContaColonne()) return;
  modello_->cambia([&] { OrdinaRighe(modello_->righe, colonna, verso, SeparatoreDecimale()); });
  setCurrentIndex(modello_->index(0, colonna));
  scrollToTop();
}

void Griglia90::TieniMigliori(int quante) {
  modello_->cambia(
      [&] { ruotario::TieniMigliori(modello_->righe, 1, static_cast<std::size_t>(quante), SeparatoreDecimale()); });
  scrollToTop();
}

void Griglia90::CentraColonne() {
  modello_->cambia([&] { modello_->centrate = true; });
}

char Griglia90::SeparatoreDecimale() { return ruotario::SeparatoreDecimale(); }

void Griglia90::adattaColonne() {
  const QFontMetrics metriche(horizontalHeader()->font());
  for (int c = 0; c < ContaColonne(); ++c)
    setColumnWidth(c, metriche.horizontalAdvance(modello_->titoli[static_cast<std::size_t>(c)]) + 16);
  updateGeometry();
}

QSize Griglia90::sizeHint() const {
  int larghezza = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < ContaColonne(); ++c) larghezza += columnWidth(c);
  const int altezza = horizontalHeader()->sizeHint().height() + 24 * verticalHeader()->defaultSectionSize();
  return {larghezza, altezza};
}

GrigliaTesto Griglia90::TestoTabella() const {
  GrigliaTesto t;
  for (const QString& titolo : Titoli()) t.intestazioni.push_back(titolo.toStdString());
  t.righe = Righe();
  return t;
}

std::string Griglia90::TestoCsvGriglia() const { return TestoCsv(TestoTabella(), SeparatoreDecimale()); }

QString Griglia90::TestoTabulatoGriglia() const { return QString::fromStdString(TestoTabulato(TestoTabella())); }

void Griglia90::Copia() { CopiaTabella(TestoTabella()); }

void Griglia90::EsportaCsv() { EsportaCsvTabella(this, TestoTabella()); }

}  // namespace ruotario
