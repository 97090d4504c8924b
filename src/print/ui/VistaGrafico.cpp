#include "print/ui/VistaGrafico.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <memory>

#include "app/ui/Servizi.h"
#include "archive/ScritturaArchivio.h"

namespace ruotario {

namespace {

QString testo(const std::string& s) { return QString::fromStdString(s); }

// A quiet palette that prints well in grey too: bars, the highlighted bar,
// lines, thresholds, marks.
const QColor kColoriBarre[] = {QColor(0x4e, 0x79, 0xa7), QColor(0x76, 0xb7, 0xb2), QColor(0x9c, 0x75, 0x5f)};
const QColor kColoreEvidenziata(0xf2, 0x8e, 0x2b);
const QColor kColoriLinee[] = {QColor(0x59, 0xa1, 0x4f), QColor(0xaf, 0x7a, 0xa1)};
const QColor kColoreSoglia(0x55, 0x55, 0x55);
const QColor kColoreSegno(0xc0, 0x39, 0x2b);

template <typename T, std::size_t N>
const T& ciclico(const T (&a)[N], std::size_t i) {
  return a[i % N];
}

// The labels of the categories that fit in `larghezza` pixels (a date needs about 95 not to be cut).
void etichette(QCategoryAxis* asse, const Grafico& g, int larghezza) {
  for (const QString& e : asse->categoriesLabels()) asse->remove(e);
  // Category axis labels must be unique: a repeated one gets a trailing blank.
  QStringList usate;
  const int quante = std::max(2, (larghezza - 120) / 95);
  for (int i : EtichetteMostrate(static_cast<int>(g.Categorie.size()), quante)) {
    QString etichetta = testo(g.Categorie[static_cast<std::size_t>(i)]);
    while (usate.contains(etichetta)) etichetta += QLatin1Char(' ');
    usate << etichetta;
    asse->append(etichetta, i);
  }
}

QCategoryAxis* asseCategorie(const Grafico& g, int larghezza) {
  auto* asse = new QCategoryAxis;
  const int n = static_cast<int>(g.Categorie.size());
  asse->setRange(-0.5, std::max(n, 1) - 0.5);
  asse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  asse->setGridLineVisible(false);
  etichette(asse, g, larghezza);
  asse->setLabelsAngle(-40);  // dates side by side would not fit
  asse->setTitleText(testo(g.TitoloAsseX));
  return asse;
}

QValueAxis* asseValori(const Grafico& g) {
  auto* asse = new QValueAxis;
  const double minimo = MinimoGrafico(g);
  // Below zero (a balance): from the lowest to the highest value, round ticks.
  const double fondo = minimo < 0 ? minimo * 1.05 : 0.0;
  const double cima = minimo < 0 && MassimoGrafico(g) <= 0 ? 0.0 : FondoScala(MassimoGrafico(g));
  asse->setRange(fondo, cima);
  asse->setTickCount(6);
  if (minimo < 0) asse->applyNiceNumbers();
  asse->setLabelFormat(std::max(cima, -fondo) >= 5 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
  asse->setTitleText(testo(g.TitoloAsseY));
  return asse;
}

void aggiungi(QChart* chart, QAbstractSeries* serie, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(serie);
  serie->attachAxis(x);
  serie->attachAxis(y);
}

// Draws the chart into `pittore` over `bersaglio`, laid out at `logica` pixels
// (fonts keep their size relative to the chart whatever the target).
void disegna(const Grafico& g, QPainter& pittore, const QRectF& bersaglio, QSize logica) {
  QGraphicsScene scena;
  QChart* chart = CreaGrafico(g, logica.width());
  scena.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), logica));
  scena.setSceneRect(QRectF(QPointF(0, 0), logica));
  scena.render(&pittore, bersaglio, scena.sceneRect());
}

}  // namespace

QChart* CreaGrafico(const Grafico& g, int larghezza) {
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setTitle(testo(g.Titolo));
  QFont titolo = chart->titleFont();
  titolo.setPointSizeF(titolo.pointSizeF() * 1.25);
  titolo.setBold(true);
  chart->setTitleFont(titolo);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setBackgroundRoundness(0);
  // Room on the right for the last date label, centred on the last bar.
  chart->setMargins(QMargins(10, 10, 40, 10));

  QCategoryAxis* x = asseCategorie(g, larghezza);
  QValueAxis* y = asseValori(g);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  const auto n = g.Categorie.size();

  if (!g.Barre.empty()) {
    auto* barre = new QBarSeries;
    barre->setBarWidth(n > 60 ? 1.0 : 0.8);
    for (std::size_t s = 0; s < g.Barre.size(); ++s) {
      auto* insieme = new QBarSet(testo(g.Barre[s].Nome));
      insieme->setColor(ciclico(kColoriBarre, s));
      insieme->setPen(Qt::NoPen);  // a thin bar shows its own colour, the highlighted one too
      for (double v : g.Barre[s].Valori) insieme->append(v);
      if (g.BarraEvidenziata >= 0 && g.BarraEvidenziata < insieme->count()) {
        insieme->setSelectedColor(kColoreEvidenziata);
        insieme->setBarSelected(g.BarraEvidenziata, true);
      }
      QObject::connect(insieme, &QBarSet::hovered, chart, [insieme, categorie = g.Categorie](bool sopra, int i) {
        if (!sopra) return QToolTip::hideText();
        const QString dove = i >= 0 && static_cast<std::size_t>(i) < categorie.size()
                                 ? testo(categorie[static_cast<std::size_t>(i)]) + QStringLiteral(": ")
                                 : QString();
        QToolTip::showText(QCursor::pos(), dove + QLocale().toString(insieme->at(i)));
      });
      barre->append(insieme);
    }
    aggiungi(chart, barre, x, y);
    // The highlighted bar's colour in the legend: a series with nothing to draw.
    if (g.BarraEvidenziata >= 0 && !g.NomeEvidenziata.empty()) {
      auto* voce = new QScatterSeries;
      voce->setName(testo(g.NomeEvidenziata));
      voce->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
      voce->setColor(kColoreEvidenziata);
      voce->setBorderColor(kColoreEvidenziata);
      aggiungi(chart, voce, x, y);
    }
  }

  for (std::size_t s = 0; s < g.Linee.size(); ++s) {
    auto* linea = new QLineSeries;
    linea->setName(testo(g.Linee[s].Nome));
    linea->setPen(QPen(ciclico(kColoriLinee, s), 2));
    for (std::size_t i = 0; i < g.Linee[s].Valori.size(); ++i)
      linea->append(static_cast<double>(i), g.Linee[s].Valori[i]);
    aggiungi(chart, linea, x, y);
  }

  for (const SogliaGrafico& s : g.Soglie) {
    auto* soglia = new QLineSeries;
    soglia->setName(testo(s.Nome));
    soglia->setPen(QPen(kColoreSoglia, 1.5, Qt::DashLine));
    soglia->append(-0.5, s.Valore);
    soglia->append(static_cast<double>(std::max<std::size_t>(n, 1)) - 0.5, s.Valore);
    aggiungi(chart, soglia, x, y);
  }

  for (const SegnoGrafico& s : g.Segni) {
    auto* segno = new QScatterSeries;
    segno->setName(testo(s.Nome));
    segno->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    segno->setMarkerSize(14);
    segno->setColor(kColoreSegno);
    segno->setBorderColor(kColoreSegno.darker());
    segno->append(s.Categoria, s.Valore);
    segno->setPointLabelsVisible(true);
    segno->setPointLabelsFormat(QStringLiteral("@yPoint"));
    segno->setPointLabelsColor(kColoreSegno.darker());
    segno->setPointLabelsClipping(false);
    aggiungi(chart, segno, x, y);
  }
  return chart;
}

QByteArray GraficoPng(const Grafico& g, QSize dimensione) {
  QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
  immagine.fill(Qt::white);
  {
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegna(g, pittore, QRectF(QPointF(0, 0), dimensione), dimensione);
  }
  QByteArray dati;
  QBuffer buffer(&dati);
  buffer.open(QIODevice::WriteOnly);
  immagine.save(&buffer, "PNG");
  return dati;
}

QByteArray GraficoSvg(const Grafico& g, QSize dimensione) {
  QByteArray dati;
  QBuffer buffer(&dati);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(dimensione);
  svg.setViewBox(QRect(QPoint(0, 0), dimensione));
  svg.setTitle(testo(g.Titolo));
  {
    QPainter pittore(&svg);
    disegna(g, pittore, QRectF(QPointF(0, 0), dimensione), dimensione);
  }
  return dati;
}

QString StampaGraficoSu(QPrinter& printer, const Grafico& g) {
  if (!printer.isValid()) return QStringLiteral("nessuna stampante disponibile.");
  QPainter pittore;
  if (!pittore.begin(&printer)) {
    if (!printer.outputFileName().isEmpty())
      return QStringLiteral("impossibile scrivere il file \"%1\".").arg(printer.outputFileName());
    return QStringLiteral("la stampante non risponde.");
  }
  // The page's width, at the export's proportions (or the page's height when shorter).
  const QRectF pagina(QPointF(0, 0), QSizeF(printer.width(), printer.height()));
  const double rapporto = static_cast<double>(kDimensioneEsportazione.height()) / kDimensioneEsportazione.width();
  const double altezza = std::min(pagina.height(), pagina.width() * rapporto);
  const QSize logica(kDimensioneEsportazione.width(),
                     static_cast<int>(kDimensioneEsportazione.width() * altezza / pagina.width()));
  disegna(g, pittore, QRectF(0, 0, pagina.width(), altezza), logica);
  if (!pittore.end()) return QStringLiteral("la stampante non ha accettato il documento.");
  return {};
}

VistaGrafico::VistaGrafico(QWidget* parent) : QChartView(parent) {
  setObjectName(QStringLiteral("VistaGrafico"));
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(320, 220);
  auto* stampa = new QAction(QStringLiteral("Stampa grafico"), this);
  auto* esporta = new QAction(QStringLiteral("Esporta immagine…"), this);
  stampa->setObjectName(QStringLiteral("actStampaGrafico"));
  esporta->setObjectName(QStringLiteral("actEsportaGrafico"));
  connect(stampa, &QAction::triggered, this, &VistaGrafico::Stampa);
  connect(esporta, &QAction::triggered, this, &VistaGrafico::Esporta);
  addAction(stampa);
  addAction(esporta);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  Mostra({});
}

void VistaGrafico::Mostra(const Grafico& g) {
  grafico_ = g;
  QChart* vecchio = chart();
  setChart(CreaGrafico(grafico_, width()));
  delete vecchio;  // setChart leaves the old chart to its caller
}

void VistaGrafico::resizeEvent(QResizeEvent* evento) {
  QChartView::resizeEvent(evento);
  const auto assi = chart()->axes(Qt::Horizontal);
  if (auto* x = assi.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(assi.first())) etichette(x, grafico_, width());
}

void VistaGrafico::Stampa() {
  if (!messaggi().conferma(this, QStringLiteral("Vuoi Stampare il Grafico?"))) return;
  const QString errore = StampaGraficoSu(stampante().printer(), grafico_);
  if (!errore.isEmpty())
    messaggi().avviso(
        this, QStringLiteral("Si è verificato il seguente errore durante la stampa (StampaGrafico): ") + errore);
}

void VistaGrafico::Esporta() {
  QString percorso = dialoghiFile().salvaFile(this, QStringLiteral("Esporta grafico"), QStringLiteral("grafico.png"),
                                              QStringLiteral("Immagine PNG (*.png);;Immagine SVG (*.svg)"));
  if (percorso.isEmpty()) return;
  if (QFileInfo(percorso).suffix().isEmpty()) percorso += QStringLiteral(".png");
  const bool svg = QFileInfo(percorso).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
  const QByteArray dati =
      svg ? GraficoSvg(grafico_, kDimensioneEsportazione) : GraficoPng(grafico_, kDimensioneEsportazione);
  const EsitoScrittura esito = SostituisciFile(
      percorso.toStdString(), std::string_view(dati.constData(), static_cast<std::size_t>(dati.size())));
  if (!esito)
    messaggi().errore(this, QStringLiteral("Errore (Esporta grafico) ") + QString::fromStdString(esito.Messaggio));
}

}  // namespace ruotario
