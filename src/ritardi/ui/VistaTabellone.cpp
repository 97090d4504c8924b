#include "ritardi/ui/VistaTabellone.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>

#include "app/NumeriLotto.h"
#include "ritardi/Tabellone.h"

namespace ruotario {

namespace {

// The shades of the four levels of LivelloCaso, the first none.
const QColor kSfondiLivello[] = {QColor(), QColor(0xff, 0xf3, 0xbf), QColor(0xff, 0xc9, 0x7a),
                                 QColor(0xff, 0x8f, 0x7a)};
const QColor kSfondoNumero(0xe9, 0xec, 0xef);

QString testo(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QColor ColoreLivello(int livello) { return kSfondiLivello[std::clamp(livello, 0, 3)]; }

void ModelloTabellone::Imposta(std::vector<VoceRitardo> voci) {
  beginResetModel();
  voci_ = std::move(voci);
  ruote_.clear();
  for (std::size_t i = 0; i < voci_.size(); i += 90) ruote_.push_back(voci_[i].Ruota);
  endResetModel();
}

void ModelloTabellone::ImpostaValore(ValoreTabellone valore) {
  valore_ = valore;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ModelloTabellone::ImpostaBlocchi(int blocchi) {
  if (blocchi == blocchi_) return;
  beginResetModel();
  blocchi_ = std::clamp(blocchi, 1, 2);
  endResetModel();
}

std::pair<int, int> ModelloTabellone::Cella(const QModelIndex& indice) const {
  if (!indice.isValid() || ruote_.empty()) return {0, 0};
  const int larghezza = 1 + Ruote();
  const int blocco = indice.column() / larghezza;
  const int colonna = indice.column() % larghezza;
  const int numero = blocco * (90 / blocchi_) + indice.row() + 1;
  if (colonna == 0) return {0, 0};
  return {numero, ruote_[static_cast<std::size_t>(colonna - 1)]};
}

QModelIndex ModelloTabellone::Indice(int numero, int ruota) const {
  const auto r = std::find(ruote_.begin(), ruote_.end(), ruota);
  if (numero < 1 || numero > 90 || r == ruote_.end()) return {};
  const int perBlocco = 90 / blocchi_;
  const int blocco = (numero - 1) / perBlocco;
  return index((numero - 1) % perBlocco, blocco * (1 + Ruote()) + 1 + static_cast<int>(r - ruote_.begin()));
}

const VoceRitardo* ModelloTabellone::Voce(int numero, int ruota) const {
  const auto r = std::find(ruote_.begin(), ruote_.end(), ruota);
  if (numero < 1 || numero > 90 || r == ruote_.end()) return nullptr;
  return &voci_[static_cast<std::size_t>(r - ruote_.begin()) * 90 + static_cast<std::size_t>(numero - 1)];
}

GrigliaTesto ModelloTabellone::TestoTabella() const {
  GrigliaTesto g;
  g.intestazioni.emplace_back("Numero");
  for (int r : ruote_) g.intestazioni.push_back(SiglaRuota(r));
  if (ruote_.empty()) return g;
  for (int n = 1; n <= 90; ++n) {
    std::vector<std::string> riga{DueCifre(int{n})};
    for (int r : ruote_) riga.push_back(std::to_string(valore(*Voce(n, r))));
    g.righe.push_back(std::move(riga));
  }
  return g;
}

int ModelloTabellone::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || ruote_.empty() ? 0 : 90 / blocchi_;
}

int ModelloTabellone::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || ruote_.empty() ? 0 : blocchi_ * (1 + Ruote());
}

int ModelloTabellone::valore(const VoceRitardo& v) const {
  switch (valore_) {
    case ValoreTabellone::Attuale: return v.Figure.RitardoAttuale;
    case ValoreTabellone::Massimo: return v.Figure.RitardoMassimo;
    case ValoreTabellone::Frequenza: return v.Figure.Frequenza;
  }
  return 0;
}

QString ModelloTabellone::suggerimento(const VoceRitardo& v) const {
  const QLocale l;
  const Ritardo& f = v.Figure;
  QString t = QStringLiteral("<b>%1 %2</b><br>Ritardo attuale: %3%4<br>Ritardo massimo: %5 (%6)<br>Frequenza: %7")
                  .arg(testo(NomeRuotaRitardi(v.Ruota)), testo(TestoVoce(v)))
                  .arg(f.RitardoAttuale)
                  .arg(AlRecord(f) ? QStringLiteral(" <b>al proprio record</b>") : QString())
                  .arg(f.RitardoMassimo)
                  .arg(testo(TestoDataNumerica(f.DataRecord)))
                  .arg(f.Frequenza);
  if (f.DataUltima > 0) t += QStringLiteral("<br>Ultima uscita: ") + testo(TestoDataNumerica(f.DataUltima));
  t += QStringLiteral("<br>Per caso: probabilità %1%, caselle attese %2 su %3")
           .arg(l.toString(100 * v.Probabilita, 'g', 3), l.toString(v.Attesi, 'g', 3))
           .arg(voci_.size());
  return t;
}

QVariant ModelloTabellone::data(const QModelIndex& indice, int ruolo) const {
  const auto [numero, ruota] = Cella(indice);
  if (!indice.isValid()) return {};
  if (ruota == 0) {  // the number column
    const int n = (indice.column() / (1 + Ruote())) * (90 / blocchi_) + indice.row() + 1;
    if (ruolo == Qt::DisplayRole) return testo(DueCifre(int{n}));
    if (ruolo == Qt::BackgroundRole) return QBrush(kSfondoNumero);
    if (ruolo == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
    if (ruolo == Qt::FontRole) {
      QFont f;
      f.setBold(true);
      return f;
    }
    return {};
  }
  const VoceRitardo& v = *Voce(numero, ruota);
  switch (ruolo) {
    case Qt::DisplayRole: return valore(v);
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole: {
      const int livello = LivelloCaso(v.Attesi);
      return livello > 0 ? QVariant(QBrush(ColoreLivello(livello))) : QVariant();
    }
    case Qt::FontRole:
      if (AlRecord(v.Figure)) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::ToolTipRole: return suggerimento(v);
    case Qt::UserRole: return AlRecord(v.Figure);
    default: return {};
  }
}

QVariant ModelloTabellone::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
  if (orientamento != Qt::Horizontal || ruote_.empty()) return {};
  const int colonna = sezione % (1 + Ruote());
  const int ruota = colonna == 0 ? 0 : ruote_[static_cast<std::size_t>(colonna - 1)];
  if (ruolo == Qt::DisplayRole) return colonna == 0 ? QStringLiteral("N.") : testo(SiglaRuota(ruota));
  if (ruolo == Qt::ToolTipRole && ruota > 0) return testo(NomeRuotaRitardi(ruota));
  return {};
}

VistaTabellone::VistaTabellone(QWidget* parent) : QTableView(parent), modello_(new ModelloTabellone(this)) {
  setObjectName(QStringLiteral("GrigliaTabellone"));
  setModel(modello_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) {
    const auto [numero, ruota] = modello_->Cella(i);
    if (ruota > 0) emit CellaScelta(numero, ruota);
  });
}

void VistaTabellone::Imposta(std::vector<VoceRitardo> voci) {
  modello_->Imposta(std::move(voci));
  adatta();
}

int VistaTabellone::larghezzaBlocco() const {
  QFont grassetto = font();
  grassetto.setBold(true);
  const QFontMetrics m(grassetto);
  return m.horizontalAdvance(QStringLiteral("00")) + 14 +
         modello_->Ruote() * (m.horizontalAdvance(QStringLiteral("0000")) + 10);
}

void VistaTabellone::adatta() {
  // Two blocks side by side when both fit without a horizontal scroll bar.
  const int disponibile = viewport()->width();
  modello_->ImpostaBlocchi(disponibile >= 2 * larghezzaBlocco() + 8 ? 2 : 1);
  QFont grassetto = font();
  grassetto.setBold(true);
  const QFontMetrics m(grassetto);
  const int numero = m.horizontalAdvance(QStringLiteral("00")) + 14;
  const int ruota = m.horizontalAdvance(QStringLiteral("0000")) + 10;
  for (int c = 0; c < modello_->columnCount(); ++c)
    setColumnWidth(c, c % (1 + modello_->Ruote()) == 0 ? numero : ruota);
  // Two blocks fill the height when they can (45 rows fit a 1000-pixel screen); one block scrolls anyway.
  const int testo = fontMetrics().height();
  const int righe = modello_->rowCount();
  const int riga =
      modello_->Blocchi() == 2 && righe > 0 ? std::clamp(viewport()->height() / righe, testo, testo + 6) : testo + 4;
  verticalHeader()->setDefaultSectionSize(riga);
  for (int r = 0; r < righe; ++r) setRowHeight(r, riga);
}

void VistaTabellone::resizeEvent(QResizeEvent* evento) {
  QTableView::resizeEvent(evento);
  adatta();
}

QSize VistaTabellone::sizeHint() const {
  const int larghezza = 2 * larghezzaBlocco() + 8 + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  return {larghezza,
          horizontalHeader()->sizeHint().height() + 45 * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
}

}  // namespace ruotario
