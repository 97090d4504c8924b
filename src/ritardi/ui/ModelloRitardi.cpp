#include "ritardi/ui/ModelloRitardi.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>

#include "app/ui/Controlli.h"

namespace ruotario {

namespace {

const QColor kSfondoRecord(0xff, 0xe9, 0xc2);

QString testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void ModelloRitardi::Imposta(std::vector<VoceRitardo> voci, TipoRitardo tipo, bool conRuota, std::string nomeGruppo) {
  beginResetModel();
  voci_ = std::move(voci);
  tipo_ = tipo;
  conRuota_ = conRuota;
  nomeGruppo_ = std::move(nomeGruppo);
  titoli_ = TitoliRitardi(tipo, conRuota);
  ordina();
  endResetModel();
}

int ModelloRitardi::Riga(int indice, int ruota) const {
  for (std::size_t i = 0; i < voci_.size(); ++i)
    if (voci_[i].Indice == indice && (ruota == 0 || voci_[i].Ruota == ruota)) return static_cast<int>(i);
  return -1;
}

void ModelloRitardi::ImpostaOrdine(int colonna, Verso verso) {
  colonnaOrdine_ = colonna;
  verso_ = verso;
}

int ModelloRitardi::Sezione(ColonnaRitardi colonna) const {
  const int c = static_cast<int>(colonna);
  if (conRuota_ || c < static_cast<int>(ColonnaRitardi::Ruota)) return c;
  return colonna == ColonnaRitardi::Ruota ? -1 : c - 1;
}

ColonnaRitardi ModelloRitardi::Colonna(int colonna) const {
  if (!conRuota_ && colonna >= 1) ++colonna;
  return static_cast<ColonnaRitardi>(std::clamp(colonna, 0, static_cast<int>(ColonnaRitardi::Attesi)));
}

GrigliaTesto ModelloRitardi::TestoTabella() const {
  return {titoli_, RigheRitardi(voci_, conRuota_, SeparatoreDecimale(), nomeGruppo_)};
}

int ModelloRitardi::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(voci_.size());
}

int ModelloRitardi::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(titoli_.size());
}

QVariant ModelloRitardi::data(const QModelIndex& indice, int ruolo) const {
  if (!indice.isValid() || indice.row() >= rowCount()) return {};
  const VoceRitardo& v = voci_[static_cast<std::size_t>(indice.row())];
  const bool record = AlRecord(v.Figure);
  switch (ruolo) {
    case Qt::DisplayRole: {
      // One row's texts only: the visible rows are all that is ever asked for.
      const RigheTabella riga = RigheRitardi(std::span(&v, 1), conRuota_, SeparatoreDecimale(), nomeGruppo_);
      return testo(riga[0][static_cast<std::size_t>(indice.column())]);
    }
    case Qt::TextAlignmentRole:
      return indice.column() == 0 || (conRuota_ && indice.column() == 1) ? QVariant(Qt::AlignCenter)
                                                                         : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole: return record ? QVariant(QBrush(kSfondoRecord)) : QVariant();
    case Qt::FontRole:
      if (record && Colonna(indice.column()) == ColonnaRitardi::Attuale) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::ToolTipRole:
      return record ? QStringLiteral("Al proprio record: il ritardo attuale è il più lungo del periodo") : QVariant();
    case Qt::UserRole: return record;
    default: return {};
  }
}

QVariant ModelloRitardi::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
  if (orientamento != Qt::Horizontal || sezione < 0 || sezione >= columnCount()) return {};
  if (ruolo == Qt::DisplayRole) {
    // Two-word headings on two lines: the figures' columns stay narrow and all show on a small screen.
    QString t = testo(titoli_[static_cast<std::size_t>(sezione)]);
    if (t.size() > 9) t.replace(t.indexOf(QLatin1Char(' ')), 1, QLatin1Char('\n'));
    return t;
  }
  if (ruolo == Qt::InitialSortOrderRole) {
    // A first click shows the longest delays, the most recent dates and the rarest chances first.
    const ColonnaRitardi c = Colonna(sezione);
    const bool crescente = c == ColonnaRitardi::Voce || c == ColonnaRitardi::Ruota || c == ColonnaRitardi::Probabilita;
    return crescente ? Qt::AscendingOrder : Qt::DescendingOrder;
  }
  if (ruolo == Qt::ToolTipRole && Colonna(sezione) == ColonnaRitardi::Attesi)
    return QStringLiteral("Quante voci fra quelle studiate ci si attende per caso con un ritardo almeno pari");
  return {};
}

void ModelloRitardi::sort(int colonna, Qt::SortOrder ordine) {
  emit layoutAboutToBeChanged();
  // The selected row follows its item to its new place.
  const QModelIndexList prima = persistentIndexList();
  std::vector<std::pair<int, int>> voci;
  for (const QModelIndex& i : prima) {
    const VoceRitardo& v = voci_[static_cast<std::size_t>(i.row())];
    voci.emplace_back(v.Indice, v.Ruota);
  }
  colonnaOrdine_ = colonna < 0 || colonna >= columnCount() ? -1 : static_cast<int>(Colonna(colonna));
  verso_ = ordine == Qt::AscendingOrder ? Verso::Crescente : Verso::Decrescente;
  ordina();
  QModelIndexList dopo;
  for (qsizetype i = 0; i < prima.size(); ++i)
    dopo << index(Riga(voci[static_cast<std::size_t>(i)].first, voci[static_cast<std::size_t>(i)].second),
                  prima[i].column());
  changePersistentIndexList(prima, dopo);
  emit layoutChanged();
}

void ModelloRitardi::ordina() {
  if (colonnaOrdine_ < 0)
    OrdinaVoci(voci_, ColonnaRitardi::Ruota, Verso::Crescente);  // wheel, then item: the natural order
  else
    OrdinaVoci(voci_, static_cast<ColonnaRitardi>(colonnaOrdine_), verso_);
}

TabellaRitardi::TabellaRitardi(QWidget* parent) : QTableView(parent), modello_(new ModelloRitardi(this)) {
  setObjectName(QStringLiteral("GrigliaRitardi"));
  setModel(modello_);
  setSelectionMode(QAbstractItemView::ExtendedSelection);  // several rows go into one forecast
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(true);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(true);
  connect(modello_, &QAbstractItemModel::modelReset, this, &TabellaRitardi::adattaColonne);
  horizontalHeader()->setSortIndicatorShown(true);
  // A third click on a heading puts the rows back in wheel and item order.
  horizontalHeader()->setSortIndicatorClearable(true);
  horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
  setSortingEnabled(true);
}

void TabellaRitardi::adattaColonne() {
  // As wide as the cells shown or the heading's longer line and its arrow, no wider.
  const QFontMetrics intestazione(horizontalHeader()->font());
  for (int c = 0; c < modello_->columnCount(); ++c) {
    int titolo = 0;
    for (const QString& riga : modello_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().split('\n'))
      titolo = std::max(titolo, intestazione.horizontalAdvance(riga));
    setColumnWidth(c, std::max(sizeHintForColumn(c), titolo + 28));
  }
}

void TabellaRitardi::VaiARiga(int riga) {
  if (riga < 0 || riga >= modello_->rowCount()) return;
  selectRow(riga);
  scrollTo(modello_->index(riga, 0), QAbstractItemView::PositionAtCenter);
}

QSize TabellaRitardi::sizeHint() const {
  int larghezza = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < modello_->columnCount(); ++c) larghezza += std::max(columnWidth(c), sizeHintForColumn(c));
  return {larghezza, 24 * verticalHeader()->defaultSectionSize()};
}

}  // namespace ruotario
