// The chart view: what it draws from the data (series, bars, the highlighted
// bar, the marks, the axes), and its print and export commands.
#include "print/ui/VistaGrafico.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QtTest>

#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {

Grafico Esempio() {
  Grafico g;
  g.Titolo = "Bari 67";
  g.TitoloAsseX = "Uscita";
  g.TitoloAsseY = "Ritardo";
  g.Categorie = {"a", "b", "c", "d", "e"};
  g.Barre = {{"Ritardo", {3, 0, 7, 2, 5}}};
  g.BarraEvidenziata = 4;
  g.NomeEvidenziata = "In corso";
  g.Soglie = {{"1%", 6.5}};
  g.Segni = {{"Record", 2, 7}};
  return g;
}

template <typename T>
QList<T*> Serie(QChart* c) {
  QList<T*> l;
  for (QAbstractSeries* s : c->series())
    if (auto* t = qobject_cast<T*>(s)) l << t;
  return l;
}

}  // namespace

class VistaGraficoTest : public QObject {
  Q_OBJECT

  QTemporaryDir cartella_;
  FintiMessaggi messaggi_;
  FintiDialoghiFile dialoghi_;
  FintaStampante stampante_;

 private slots:
  void initTestCase() {
    impostaMessaggi(&messaggi_);
    impostaDialoghiFile(&dialoghi_);
    impostaStampante(&stampante_);
  }
  void cleanupTestCase() {
    impostaMessaggi(nullptr);
    impostaDialoghiFile(nullptr);
    impostaStampante(nullptr);
  }

  void drawsWhatTheDataSays() {
    VistaGrafico v;
    v.Mostra(Esempio());
    QChart* c = v.chart();
    QCOMPARE(c->title(), QString("Bari 67"));
    const auto barre = Serie<QBarSeries>(c);
    QCOMPARE(barre.size(), 1);
    QCOMPARE(barre[0]->count(), 1);
    const QBarSet* insieme = barre[0]->barSets().at(0);
    QCOMPARE(insieme->count(), 5);
    QCOMPARE(insieme->at(2), 7.0);
    QCOMPARE(insieme->selectedBars(), QList<int>{4});
    // The record mark where the data puts it; the threshold across every bar.
    const auto punti = Serie<QScatterSeries>(c);
    QStringList nomi;
    for (auto* s : punti) nomi << s->name();
    QCOMPARE(nomi, QStringList({"In corso", "Record"}));
    QCOMPARE(punti[1]->points(), QList<QPointF>{QPointF(2, 7)});
    const auto linee = Serie<QLineSeries>(c);
    QCOMPARE(linee.size(), 1);
    QCOMPARE(linee[0]->points(), (QList<QPointF>{{-0.5, 6.5}, {4.5, 6.5}}));
    auto* y = qobject_cast<QValueAxis*>(c->axes(Qt::Vertical).at(0));
    QCOMPARE(y->max(), 10.0);
    QCOMPARE(y->titleText(), QString("Ritardo"));
    QCOMPARE(qobject_cast<QCategoryAxis*>(c->axes(Qt::Horizontal).at(0))->count(), 5);

    // Hundreds of bars keep a readable axis: a dozen labels, the first and the last.
    Grafico lungo = Esempio();
    lungo.Categorie.clear();
    for (int i = 0; i < 400; ++i) lungo.Categorie.push_back(std::to_string(i));
    lungo.Barre[0].Valori.assign(400, 1);
    v.Mostra(lungo);
    const QStringList etichette =
        qobject_cast<QCategoryAxis*>(v.chart()->axes(Qt::Horizontal).at(0))->categoriesLabels();
    QCOMPARE(etichette.size(), 12);
    QCOMPARE(etichette.first() + "|" + etichette.last(), QString("0|399"));
  }

  void printsAndExports() {
    VistaGrafico v;
    v.Mostra(Esempio());
    dialoghi_.fileSalvato = cartella_.filePath("storia");  // no extension: PNG
    v.Esporta();
    QFile png(cartella_.filePath("storia.png"));
    QVERIFY(png.open(QIODevice::ReadOnly));
    QCOMPARE(png.read(4), QByteArray("\x89PNG"));
    dialoghi_.fileSalvato = cartella_.filePath("storia.svg");
    v.Esporta();
    QFile svg(dialoghi_.fileSalvato);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray testo = svg.readAll();
    QVERIFY(testo.contains("<svg") && testo.contains("Bari 67"));

    stampante_.printer().setOutputFileName(cartella_.filePath("grafico.pdf"));
    messaggi_.risposta = false;
    v.Stampa();
    QVERIFY(!QFile::exists(cartella_.filePath("grafico.pdf")));
    messaggi_.risposta = true;
    v.Stampa();
    QCOMPARE(messaggi_.testi(), QStringList({"Vuoi Stampare il Grafico?", "Vuoi Stampare il Grafico?"}));
    QVERIFY(QFileInfo(cartella_.filePath("grafico.pdf")).size() > 1000);
  }
};

QTEST_MAIN(VistaGraficoTest)
#include "VistaGrafico_test.moc"
