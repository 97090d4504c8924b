// The window's commands: the study at every change of choice, the table's
// order, the chart of the item chosen, printing, copying, the search box.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "forecasts/ui/SalvaPrevisione.h"
#include "print/ui/MenuTabella.h"
#include "print/ui/StampaGriglia.h"
#include "print/ui/VistaGrafico.h"
#include "ritardi/StoriaRitardo.h"
#include "ritardi/Tabellone.h"
#include "ritardi/ui/FrmRitardi.h"
#include "ritardi/ui/ModelloRitardi.h"
#include "ritardi/ui/VistaTabellone.h"

namespace ruotario {

namespace {

// All the pairs of all wheels are 40,050 rows: a print stops at twenty-odd pages.
constexpr int kRigheStampabiliRitardi = 1000;

QString testo(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

TipoRitardo tipoDi(const QComboBox* c) { return static_cast<TipoRitardo>(c->currentData().toInt()); }

}  // namespace

ParametriRitardi FrmRitardi::Parametri() const {
  ParametriRitardi p;
  p.Ruota = ruota_->currentData().toInt();
  p.Tipo = tipoDi(tipo_);
  p.Inizio = inizio_->currentIndex() + 1;
  p.Fine = fine_->currentIndex() + 1;
  p.Posizione = posizione_->isEnabled() ? posizione_->currentData().toInt() : 0;
  if (p.Tipo == TipoRitardo::Gruppo) p.Gruppo = gruppo().Numeri;
  return p;
}

FiltroNumeri FrmRitardi::Filtro() const {
  if (tipoDi(tipo_) == TipoRitardo::Gruppo) return {};
  return {decina_->currentData().toInt(), cadenza_->currentData().toInt(), figura_->currentData().toInt()};
}

GruppoNumeri FrmRitardi::gruppo(bool* valido) const {
  // A listed group by its entry, anything typed as a list of numbers.
  const int i = gruppo_->currentIndex();
  const QString scritto = gruppo_->currentText();
  const QString testoGruppo = i >= 0 && scritto == gruppo_->itemText(i) ? gruppo_->itemData(i).toString() : scritto;
  const auto g = LeggiGruppo(testoGruppo.toStdString());
  if (valido) *valido = g.has_value();
  return g.value_or(GruppoNumeri{});
}

void FrmRitardi::aggiornaControlli() {
  const TipoRitardo tipo = tipoDi(tipo_);
  const bool numeri = tipo == TipoRitardo::Numero || tipo == TipoRitardo::Gruppo;
  posizione_->setEnabled(numeri);
  gruppo_->setEnabled(tipo == TipoRitardo::Gruppo);
  righe_->setEnabled(!numeri);
  for (QComboBox* c : {decina_, cadenza_, figura_}) c->setEnabled(tipo != TipoRitardo::Gruppo);
  // The last N draws set the start; the list shows it.
  inizio_->setEnabled(ultime_->value() == 0);
  if (ultime_->value() > 0 && fine_->currentIndex() >= 0) {
    const QSignalBlocker fermo(inizio_);
    inizio_->setCurrentIndex(std::max(0, fine_->currentIndex() - ultime_->value() + 1));
  }
  const bool tabelle = schede_->currentIndex() != SchedaGrafico;
  for (const char* nome : {"CmdCopia", "CmdEsportaCsv"})
    if (auto* b = findChild<QPushButton*>(QString::fromLatin1(nome))) b->setEnabled(tabelle);
}

void FrmRitardi::avvisa(const QString& t) { avviso_->setText(t); }

void FrmRitardi::Calcola() {
  if (!pronto_) return;
  aggiornaControlli();
  salvaScelte();
  avvisa({});
  if (!appenaLetto_) {  // the opening's own read serves its first study
    archivio_ = ArchivioEstrazioni::CaricaArchivio(Stato().ArchivePath);
    nazionale_ = LeggiNazionale(PercorsoNazionale(Stato().ArchivePath));
  }
  appenaLetto_ = false;
  const ParametriRitardi p = Parametri();
  bool gruppoValido = true;
  gruppoStudiato_ = p.Tipo == TipoRitardo::Gruppo ? gruppo(&gruppoValido) : GruppoNumeri{};
  esito_ = {};
  std::vector<VoceRitardo> celle;
  if (p.Fine >= 1 && p.Inizio > p.Fine) {
    // The same refusal as the command line's, and nothing shown that would look like a result.
    messaggi().avviso(this, testo(MessaggioPeriodoInvertito(p.Inizio, p.Fine)));
    avvisa(QStringLiteral("Periodo non valido: l'inizio viene dopo la fine."));
  } else if (!gruppoValido) {
    avvisa(QStringLiteral("Gruppo non valido: ammessi ") + QString::fromUtf8(kUsoGruppo) + QLatin1Char('.'));
  } else if (p.Fine >= 1) {  // an empty archive has nothing to study
    QApplication::setOverrideCursor(Qt::WaitCursor);
    esito_ = CalcolaRitardi(p, archivio_, nazionale_);
    celle = VociRitardi(CalcolaTabellone(archivio_, nazionale_, p.Inizio, p.Fine));
    QApplication::restoreOverrideCursor();
  }

  QStringList conti;
  for (const RitardiRuota& r : esito_.Ruote)
    conti << (esito_.Ruote.size() > 1 ? testo(NomeRuotaRitardi(r.Ruota)) + QLatin1Char(' ') : QString()) +
                 QString::number(r.Estrazioni);
  estrazioni_->setText(conti.join(QStringLiteral(", ")));

  QString legenda = QStringLiteral("Caselle attese per caso con un ritardo almeno pari, su %1:").arg(celle.size());
  for (int livello = 1; livello <= 3; ++livello)
    legenda +=
        QStringLiteral(" <span style=\"background-color:%1\">&nbsp;%2&nbsp;</span>")
            .arg(ColoreLivello(livello).name(),
                 QString::fromUtf8(kLegendaLivelli[livello]).replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
  legenda_->setText(legenda + QStringLiteral(" &nbsp;<b>grassetto</b>: al proprio record"));
  tabellone_->Imposta(std::move(celle));
  mostraTabella();
}

void FrmRitardi::mostraTabella() {
  std::vector<VoceRitardo> voci = VociRitardi(esito_);
  if (const FiltroNumeri f = Filtro(); f.Attivo())
    std::erase_if(voci, [&f](const VoceRitardo& v) { return !PassaFiltro(v, f); });
  const TipoRitardo tipo = esito_.Parametri.Tipo;
  const int quante = righe_->currentData().toInt();
  if ((tipo == TipoRitardo::Ambo || tipo == TipoRitardo::Terno) && quante > 0)
    voci = PiuRitardatari(std::move(voci), quante);
  ModelloRitardi* modello = tabella_->Modello();
  const Verso verso = crescente_ ? Verso::Crescente : Verso::Decrescente;
  modello->ImpostaOrdine(colonnaOrdine_, verso);
  modello->Imposta(std::move(voci), tipo, esito_.Ruote.size() > 1, gruppoStudiato_.Nome);
  {
    // The rows are already in this order: the arrow only shows it.
    const QSignalBlocker fermo(tabella_->horizontalHeader());
    const int sezione = colonnaOrdine_ < 0 ? -1 : modello->Sezione(static_cast<ColonnaRitardi>(colonnaOrdine_));
    tabella_->horizontalHeader()->setSortIndicator(sezione, crescente_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  }
  tabella_->scrollToTop();
  // The chart keeps its item while the table holds it, else shows the first row.
  const int riga = soggetto_.tipo == tipo ? modello->Riga(soggetto_.indice, soggetto_.ruota) : -1;
  if (modello->rowCount() == 0) {
    soggetto_ = {};
    mostraSoggetto();
  } else {
    seguiSelezione_ = false;  // one chart, drawn below
    tabella_->VaiARiga(std::max(riga, 0));
    seguiSelezione_ = true;
    storiaDaSelezione();
  }
}

void FrmRitardi::ricordaOrdine(int sezione, Qt::SortOrder ordine) {
  colonnaOrdine_ = sezione < 0 ? -1 : static_cast<int>(tabella_->Modello()->Colonna(sezione));
  crescente_ = ordine == Qt::AscendingOrder;
  salvaScelte();
}

void FrmRitardi::NonOrdinare() { tabella_->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder); }

void FrmRitardi::storiaDaSelezione() {
  if (!seguiSelezione_) return;
  const int riga = tabella_->currentIndex().row();
  const auto& voci = tabella_->Modello()->Voci();
  if (riga < 0 || riga >= static_cast<int>(voci.size())) return;
  const VoceRitardo& v = voci[static_cast<std::size_t>(riga)];
  soggetto_ = {v.Ruota, v.Tipo, v.Indice, esito_.Parametri.Posizione, gruppoStudiato_};
  mostraSoggetto();
}

void FrmRitardi::MostraStoria(int ruota, TipoRitardo tipo, int indice, int posizione) {
  soggetto_ = {ruota, tipo, indice, posizione, tipo == TipoRitardo::Gruppo ? gruppoStudiato_ : GruppoNumeri{}};
  mostraSoggetto();
}

void FrmRitardi::mostraSoggetto() {
  ParametriRitardi p = Parametri();
  if (soggetto_.indice < 0 || soggetto_.ruota == kTutteLeRuote || p.Fine < 1 || p.Inizio > p.Fine) {
    grafico_->Mostra({});
    dettagli_->setText(QStringLiteral("Scegliere una riga della tabella o una casella del tabellone."));
    return;
  }
  p.Ruota = soggetto_.ruota;
  p.Tipo = soggetto_.tipo;
  p.Posizione = soggetto_.posizione;
  p.Gruppo = soggetto_.gruppo.Numeri;
  const EsitoRitardi e = CalcolaRitardi(p, archivio_, nazionale_);
  // The archive may have shrunk since the date lists were filled.
  if (e.Ruote.empty() || e.Parametri.Inizio > e.Parametri.Fine ||
      soggetto_.indice >= static_cast<int>(e.Ruote[0].Voci.size()))
    return;
  const VoceRitardo v = VoceDi(e, 0, soggetto_.indice);
  QString nome = testo(NomeRuotaRitardi(p.Ruota) + " " + TestoVoce(v, soggetto_.gruppo.Nome));
  if (p.Posizione > 0) nome += QStringLiteral(" in posizione %1").arg(p.Posizione);
  const QString titolo =
      nome + QStringLiteral(" — ritardi dal %1 al %2")
                 .arg(testo(archivio_[e.Parametri.Inizio].Data()), testo(archivio_[e.Parametri.Fine].Data()));
  grafico_->Mostra(
      GraficoStoria(CalcolaStoria(p, p.Ruota, soggetto_.indice, archivio_, nazionale_), titolo.toStdString()));

  const QLocale l;
  const Ritardo& f = v.Figure;
  QString d = QStringLiteral("<b>%1</b>: frequenza %2 · ritardo attuale <b>%3</b> · massimo %4 (%5)")
                  .arg(nome.toHtmlEscaped())
                  .arg(f.Frequenza)
                  .arg(f.RitardoAttuale)
                  .arg(f.RitardoMassimo)
                  .arg(testo(TestoDataNumerica(f.DataRecord)));
  if (AlRecord(f)) d += QStringLiteral(" · <span style=\"color:#b33c00\"><b>al proprio record</b></span>");
  d += f.DataUltima > 0 ? QStringLiteral(" · ultima uscita ") + testo(TestoDataNumerica(f.DataUltima))
                        : QStringLiteral(" · mai uscito nel periodo");
  d += QStringLiteral(" · probabilità per caso di un ritardo così: %1%").arg(l.toString(100 * v.Probabilita, 'g', 3));
  dettagli_->setText(d);
}

void FrmRitardi::Cerca() {
  const std::vector<int> n = LeggiNumeri(cerca_->text().toStdString(), 3);
  if (n.empty()) {
    avvisa(QStringLiteral("Scrivere un numero (67), un ambo (7-35) o un terno (1-2-3)."));
    return;
  }
  const TipoRitardo tipo = n.size() == 1 ? TipoRitardo::Numero : n.size() == 2 ? TipoRitardo::Ambo : TipoRitardo::Terno;
  const int indice = n.size() == 1 ? n[0] - 1 : n.size() == 2 ? IndiceAmbo(n[0], n[1]) : IndiceTerno(n[0], n[1], n[2]);
  if (tipoDi(tipo_) != tipo) tipo_->setCurrentIndex(tipo_->findData(static_cast<int>(tipo)));  // studies again
  avvisa({});
  // On several wheels, the wheel of the row chosen; else the study's own.
  const ModelloRitardi* modello = tabella_->Modello();
  const int corrente = tabella_->currentIndex().row();
  const int ruotaScelta = corrente >= 0 ? modello->Voci()[static_cast<std::size_t>(corrente)].Ruota : 1;
  const int ruota = esito_.Parametri.Ruota == kTutteLeRuote ? ruotaScelta : esito_.Parametri.Ruota;
  if (const int riga = modello->Riga(indice, ruota); riga >= 0) {
    tabella_->VaiARiga(riga);
    schede_->setCurrentIndex(SchedaTabella);
    return;
  }
  MostraStoria(ruota, tipo, indice, esito_.Parametri.Posizione);
  schede_->setCurrentIndex(SchedaGrafico);
  avvisa(cerca_->text() +
         QStringLiteral(" non è fra le righe mostrate (filtri, righe mostrate): ecco il suo grafico."));
}

void FrmRitardi::Stampa() {
  const int scheda = schede_->currentIndex();
  if (scheda == SchedaGrafico) {
    grafico_->Stampa();
    return;
  }
  QString titolo = QString::fromUtf8(kTitoloRitardi) + QStringLiteral(" - ") + schede_->tabText(scheda);
  if (scheda == SchedaTabellone)
    titolo += QStringLiteral(" - ") + valoreTabellone_->currentText();
  else
    titolo += QStringLiteral(" - ") + tipo_->currentText() + QStringLiteral(" - Ruota: ") + ruota_->currentText();
  const QString sottotitolo =
      QStringLiteral("Ricerca DA: ") + inizio_->currentText() + QStringLiteral(" A: ") + fine_->currentText();
  const GrigliaTesto tabella =
      scheda == SchedaTabellone ? tabellone_->Modello()->TestoTabella() : tabella_->Modello()->TestoTabella();
  StampaPrimeRighe(tabella, titolo, sottotitolo, kRigheStampabiliRitardi, this);
}

void FrmRitardi::Copia() {
  CopiaTabella(schede_->currentIndex() == SchedaTabellone ? tabellone_->Modello()->TestoTabella()
                                                          : tabella_->Modello()->TestoTabella());
}

// The numbers of the selected rows, in the order shown, until a forecast's
// ten (the top row when none is selected), on the first one's wheel.
PropostaPrevisione FrmRitardi::Proposta() const {
  PropostaPrevisione p;
  const std::vector<VoceRitardo>& voci = tabella_->Modello()->Voci();
  std::vector<int> righe;
  for (const QModelIndex& i : tabella_->selectionModel()->selectedRows()) righe.push_back(i.row());
  std::sort(righe.begin(), righe.end());
  if (righe.empty()) righe.push_back(0);
  if (righe.front() < 0 || righe.front() >= static_cast<int>(voci.size())) return p;
  for (int r : righe)
    for (int n : voci[static_cast<std::size_t>(r)].Numeri)
      if (n >= 1 && n <= 90 && std::find(p.Numeri.begin(), p.Numeri.end(), n) == p.Numeri.end() &&
          static_cast<int>(p.Numeri.size()) < kNumeriMassimi)
        p.Numeri.push_back(n);
  const int ruota = voci[static_cast<std::size_t>(righe.front())].Ruota;
  // Nazionale and the ten wheels together have no wheel of their own: Bari, to be changed in the dialog.
  p.Ruota = ruota >= 1 && ruota <= kNumeroRuote ? ruota : 1;
  p.Origine = windowTitle() + QStringLiteral(" - Ruota: ") + QString::fromStdString(NomeRuotaRitardi(ruota)) +
              QStringLiteral(" - Estrazioni: ") + inizio_->currentText() + QStringLiteral(" / ") + fine_->currentText();
  return p;
}

void FrmRitardi::EsportaCsv() {
  EsportaCsvTabella(this, schede_->currentIndex() == SchedaTabellone ? tabellone_->Modello()->TestoTabella()
                                                                     : tabella_->Modello()->TestoTabella());
}

void FrmRitardi::Aiuto() { messaggi().avviso(this, QString::fromUtf8(kMessaggioAiutoRitardi)); }

}  // namespace ruotario
