#include "archive/ui/GrigliaEstrazione.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "app/NumeriLotto.h"

namespace ruotario {

namespace {

QString testoQt(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

const QColor kGiallo(255, 255, 0);

}  // namespace

GrigliaEstrazione::GrigliaEstrazione(const QString& nome, QWidget* parent)
    : QTableWidget(kUltimaRigaGriglia, kUltimaColonnaGriglia, parent) {
  setObjectName(nome);
  setEditTriggers(QAbstractItemView::NoEditTriggers);  // the editor box does the typing
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setMinimumWidth(verticalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Cagliari")) + 16);
  horizontalHeader()->setMinimumSectionSize(
      horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("5° est.")) + 16);

  testo_ = new QLineEdit(viewport());
  testo_->setObjectName(QStringLiteral("Testo"));
  testo_->setAlignment(Qt::AlignCenter);
  QPalette giallo = testo_->palette();
  giallo.setColor(QPalette::Base, kGiallo);
  testo_->setPalette(giallo);
  testo_->hide();
  testo_->installEventFilter(this);
  connect(testo_, &QLineEdit::textChanged, this, &GrigliaEstrazione::testoCambiato);

  ImpostaInput(false);
  PreparaGrigliaEstrazione();
}

void GrigliaEstrazione::PreparaGrigliaEstrazione() {
  clearContents();
  QStringList posti;
  for (int k = 1; k <= kUltimaColonnaGriglia; ++k) posti << QStringLiteral("%1° est.").arg(k);
  setHorizontalHeaderLabels(posti);
  QStringList ruote;
  for (const auto nome : kNomiRuote) ruote << testoQt(nome);
  setVerticalHeaderLabels(ruote);
  for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) h->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c) {
      auto* voce = new QTableWidgetItem;
      voce->setTextAlignment(Qt::AlignCenter);
      voce->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      setItem(r, c, voce);
    }
}

bool GrigliaEstrazione::EditingConsentito() const { return salva_ && salva_->isEnabled(); }

void GrigliaEstrazione::ImpostaInput(bool attivo) {
  input_ = attivo;
  // A grid that ignores the keyboard has no business taking the focus.
  setFocusPolicy(attivo ? Qt::StrongFocus : Qt::NoFocus);
}

void GrigliaEstrazione::RendiCorrente(int riga, int colonna) {
  setCurrentCell(riga - 1, colonna - 1, QItemSelectionModel::ClearAndSelect);
}

CellaGriglia GrigliaEstrazione::Corrente() const { return {currentRow() + 1, currentColumn() + 1}; }

void GrigliaEstrazione::ShowCellEditor() {
  if (!EditingConsentito()) return;
  if (currentRow() < 0 || currentColumn() < 0) RendiCorrente(1, 1);
  const CellaGriglia c = Corrente();
  RendiCorrente(c.riga, c.colonna);  // the selection shrinks to the current cell
  posizionaEditor();
  testo_->setText(Cella(c.riga, c.colonna));
  testo_->show();
  testo_->raise();
  testo_->setFocus(Qt::OtherFocusReason);
  testo_->selectAll();
}

void GrigliaEstrazione::ApriEditor(int riga, int colonna) {
  RendiCorrente(riga, colonna);
  ShowCellEditor();
}

void GrigliaEstrazione::NascondiEditor() { testo_->hide(); }

void GrigliaEstrazione::posizionaEditor() {
  if (currentRow() < 0 || currentColumn() < 0) return;
  const QRect cella = visualRect(model()->index(currentRow(), currentColumn()));
  testo_->setGeometry(cella.x(), cella.y(), cella.width() - 1, cella.height() - 1);
}

QString GrigliaEstrazione::Cella(int riga, int colonna) const {
  const QTableWidgetItem* voce = item(riga - 1, colonna - 1);
  return voce ? voce->text() : QString();
}

void GrigliaEstrazione::ImpostaCella(int riga, int colonna, const QString& testo) {
  if (QTableWidgetItem* voce = item(riga - 1, colonna - 1)) voce->setText(testo);
}

CelleRuote GrigliaEstrazione::Celle() const {
  CelleRuote celle;
  for (int r = 1; r <= kUltimaRigaGriglia; ++r)
    for (int k = 1; k <= kUltimaColonnaGriglia; ++k)
      celle[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(k - 1)] = Cella(r, k).toStdString();
  return celle;
}

void GrigliaEstrazione::ImpostaCelle(const CelleRuote& celle) {
  for (int r = 1; r <= kUltimaRigaGriglia; ++r)
    for (int k = 1; k <= kUltimaColonnaGriglia; ++k)
      ImpostaCella(r, k,
                   QString::fromStdString(celle[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(k - 1)]));
}

void GrigliaEstrazione::MostraRecord(const Estrazione& estrazione) {
  for (int r = 1; r <= kUltimaRigaGriglia; ++r)
    for (int k = 1; k <= kUltimaColonnaGriglia; ++k) ImpostaCella(r, k, testoQt(estrazione.TestoNumero(r, k)));
}

GrigliaTesto GrigliaEstrazione::TestoStampa() const {
  GrigliaTesto g;
  g.intestazioni.emplace_back();
  for (int k = 1; k <= kUltimaColonnaGriglia; ++k)
    g.intestazioni.push_back(horizontalHeaderItem(k - 1)->text().toStdString());
  for (int r = 1; r <= kUltimaRigaGriglia; ++r) {
    std::vector<std::string> riga{verticalHeaderItem(r - 1)->text().toStdString()};
    for (int k = 1; k <= kUltimaColonnaGriglia; ++k) riga.push_back(Cella(r, k).toStdString());
    g.righe.push_back(std::move(riga));
  }
  return g;
}

void GrigliaEstrazione::testoCambiato(const QString& testo) {
  if (currentRow() < 0 || currentColumn() < 0) return;
  if (TestoAmmessoInCella(testo.toStdString())) ImpostaCella(currentRow() + 1, currentColumn() + 1, testo);
}

bool GrigliaEstrazione::tastoEditor(QKeyEvent* evento) {
  std::optional<TastoEditor> tasto;
  switch (evento->key()) {
    case Qt::Key_Right: tasto = TastoEditor::Destra; break;
    case Qt::Key_Left: tasto = TastoEditor::Sinistra; break;
    case Qt::Key_Down: tasto = TastoEditor::Giu; break;
    case Qt::Key_Up: tasto = TastoEditor::Su; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: tasto = TastoEditor::Invio; break;
    default: return false;
  }
  // Where the caret stands: with a selection, at its start.
  const int cursore = testo_->hasSelectedText() ? testo_->selectionStart() : testo_->cursorPosition();
  const auto mossa = MossaEditor(*tasto, Corrente(), cursore, static_cast<int>(testo_->text().size()));
  if (mossa) ApriEditor(mossa->riga, mossa->colonna);
  // A move swallows the key, so the new cell's text stays selected; Enter never
  // reaches the window.
  return mossa.has_value() || *tasto == TastoEditor::Invio;
}

bool GrigliaEstrazione::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == testo_ && evento->type() == QEvent::KeyPress) return tastoEditor(static_cast<QKeyEvent*>(evento));
  return QTableWidget::eventFilter(oggetto, evento);
}

void GrigliaEstrazione::keyPressEvent(QKeyEvent* evento) {
  if (!input_) {
    evento->ignore();
    return;
  }
  const QString t = evento->text();
  if (t.size() == 1 && t.at(0).unicode() >= 32 && !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    // A printable key opens the editor with that character; where editing is
    // not allowed it is ignored, so nothing reaches the hidden editor.
    if (EditingConsentito()) {
      ShowCellEditor();
      testo_->setText(t);
      testo_->setCursorPosition(1);
    }
    return;
  }
  QTableWidget::keyPressEvent(evento);
}

void GrigliaEstrazione::mousePressEvent(QMouseEvent* evento) {
  if (!input_) return evento->ignore();
  const QModelIndex indice = indexAt(evento->position().toPoint());
  QTableWidget::mousePressEvent(evento);
  if (indice.isValid()) ApriEditor(indice.row() + 1, indice.column() + 1);
}

void GrigliaEstrazione::mouseReleaseEvent(QMouseEvent* evento) {
  if (!input_) return evento->ignore();
  QTableWidget::mouseReleaseEvent(evento);
}

void GrigliaEstrazione::mouseDoubleClickEvent(QMouseEvent* evento) {
  if (!input_) return evento->ignore();
  QTableWidget::mouseDoubleClickEvent(evento);
}

void GrigliaEstrazione::mouseMoveEvent(QMouseEvent* evento) {
  if (!input_) return evento->ignore();
  QTableWidget::mouseMoveEvent(evento);
}

void GrigliaEstrazione::wheelEvent(QWheelEvent* evento) {
  if (!input_) return evento->ignore();
  QTableWidget::wheelEvent(evento);
}

void GrigliaEstrazione::updateGeometries() {
  QTableWidget::updateGeometries();
  if (testo_ && testo_->isVisible()) posizionaEditor();
}

QSize GrigliaEstrazione::sizeHint() const {
  const int larghezza =
      verticalHeader()->minimumWidth() + 5 * horizontalHeader()->minimumSectionSize() + 2 * frameWidth();
  const int altezza = horizontalHeader()->sizeHint().height() + 10 * (fontMetrics().height() + 10) + 2 * frameWidth();
  return {larghezza, altezza};
}

QSize GrigliaEstrazione::minimumSizeHint() const { return sizeHint(); }

}  // namespace ruotario
