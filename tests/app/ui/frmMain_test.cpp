#include "app/ui/frmMain.h"

#include <QPrintDialog>
#include <QtTest>
#include <QtWidgets>

#include "app/Ambiente.h"
#include "app/GeometriaFinestra.h"
#include "app/ui/PagineWeb.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmricalcolastatIC.h"
#include "support/FintiServizi.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
// A study window stand-in that counts how often it is built.
FabbricaFinestra contata(const QString& nome, int& costruite) {
  return [nome, &costruite](QWidget*) {
    ++costruite;
    auto* w = new QWidget;
    w->setObjectName(nome);
    return w;
  };
}

// A modal entry window that closes itself at once, saving a draw or not.
FabbricaFinestra inserimento(bool salva, int& aperte) {
  return [salva, &aperte](QWidget* padre) {
    ++aperte;
    auto* d = new QDialog(padre);
    QTimer::singleShot(0, d, [d, salva] {
      if (salva) Stato().ArchivioModificato = true;
      d->close();
    });
    return d;
  };
}

QAction* azione(QWidget& w, const char* nome) { return w.findChild<QAction*>(QString::fromLatin1(nome)); }
}  // namespace

class frmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { impostazioni_ = ImpostazioniTemporanee(); }
  void init() {
    QSettings(kTitoloApplicazione, kTitoloApplicazione).clear();
    Stato().ArchivioModificato = false;
    messaggi_ = std::make_unique<FintiMessaggi>();
    impostaMessaggi(messaggi_.get());
  }
  void cleanup() { impostaMessaggi(nullptr); }

  void menusAndToggles() {
    frmMain m;
    QCOMPARE(m.windowTitle(), QStringLiteral("Ruotario"));
    // A few captions as the menus show them; the order check below names every entry.
    // clang-format off
    const std::pair<const char*, const char*> voci[] = {
        {"munarcestr", "&Italian LOTTO numbers / Archivio Estrazioni"}, {"mnusupsp", "&ZevedIVE"},
        {"mnudistanzaciclo", "Dis&tanza Ciclometrica Ambo Spia"}, {"mnuHelpAbout", "&Informazioni su Estrodex"}};
    // clang-format on
    for (const auto& [nome, testo] : voci) QCOMPARE(azione(m, nome)->text(), QString::fromUtf8(testo));
    QStringList barra;  // "&Exit" acts from the bar itself
    for (QAction* a : m.menuBar()->actions()) barra << a->objectName();
    QCOMPARE(barra, QStringList({"munarcestr", "mnusupsp", "mnuspie", "mnuRitardi", "mnuSistemi", "mnuPrevisioni",
                                 "mnuView", "mnuHelp", "mnuFileExit"}));
    QVERIFY(!azione(m, "mnuFileExit")->menu());
    // Every menu's entries and separators, top to bottom ("-" marks a separator).
    const std::pair<const char*, const char*> ordine[] = {
        {"munarcestr", "mnuViewEstrazioni mnuInsertnuovaEstrazione mnuAEImportaEstrazioni mnuEsportaEstrazionix"},
        {"mnuInsertnuovaEstrazione", "mnuinsestman mnuinstele"},
        {"mnuAEImportaEstrazioni", "mnudownls mnuimprtfile"},
        {"mnusupsp", "mnusupsyp mnuspric"},
        {"mnuspie",
         "mnuspia1 mnuspia2 mnuspia mnuambispiacadenza mnuspiadecina mnuambispiafigura mnuspiasomma "
         "mnudiffambo mnudistanzaambo mnudistanzaciclo"},
        {"mnuView", "mnuViewToolbar mnuViewStatusBar -mnuViewBar0 mnuFinest"},
        {"mnuFinest", "mnuWindowCascade mnuWindowTileHorizontal mnuWindowTileVertical mnuWindowArrangeIcons"},
        {"mnuHelp",
         "mnuquadriviaweb mnuglstermini -mnusep21231 mnupoker mnuImpstastampante -munlinea333 mnuBet "
         "mnuinfoveltrano2 mnuHelpAbout"},
    };
    for (const auto& [menu, voci] : ordine) {
      QStringList trovate;
      for (const QAction* a : azione(m, menu)->menu()->actions())
        if (a->isVisible()) trovate << (a->isSeparator() ? "-" : "") + a->objectName();  // the window list is hidden
      QCOMPARE(trovate.join(' '), QString(voci));
    }

    m.show();  // the toggles hide and show the bars
    QWidget* barre[] = {m.findChild<QToolBar*>(QStringLiteral("tbToolBar")), m.statusBar()};
    QAction* voce[] = {azione(m, "mnuViewToolbar"), azione(m, "mnuViewStatusBar")};
    for (int i = 0; i < 2; ++i) {
      QVERIFY(voce[i]->isChecked());
      voce[i]->trigger();
      QVERIFY(!voce[i]->isChecked() && barre[i]->isHidden());
      voce[i]->trigger();
      QVERIFY(voce[i]->isChecked() && barre[i]->isVisible());
    }
  }

  void toolbarFollowsTheMenuEntriesItStandsFor() {
    frmMain m;
    auto* bottone = m.findChild<QToolButton*>("Archivio Estrazioni");
    QAction* voci[] = {azione(m, "Visualizza Estrazioni"), azione(m, "Nuova Estrazione"),
                       azione(m, "Importa Estrazioni")};
    const auto stato = [&] {
      QString s = bottone->isEnabled() ? "B" : "b";
      for (const QAction* a : voci) s += a->isEnabled() ? "1" : "0";
      return s + (bottone->popupMode() == QToolButton::InstantPopup ? " tendina" : "");
    };
    QCOMPARE(stato(), QString("b000 tendina"));  // no window plugged in: nothing to click
    int import = 0, visore = 0;
    m.registraFinestra("mnuimprtfile", contata("frmimportaarchivi", import));
    QCOMPARE(stato(), QString("B001 tendina"));  // a click shows the entry that works
    voci[2]->trigger();
    QCOMPARE(import, 1);
    m.registraFinestra("mnuViewEstrazioni", contata("frmvisualizzaArchivioEstrazioni", visore));
    QCOMPARE(stato(), QString("B101"));
    QTest::mouseClick(bottone, Qt::LeftButton, {}, QPoint(4, bottone->height() / 2));
    QCOMPARE(visore, 1);
    int nuove = 0;
    m.registraFinestra("mnuinsestman", inserimento(false, nuove));
    QCOMPARE(stato(), QString("B111"));
    azione(m, "mnuimprtfile")->setEnabled(false);
    QCOMPARE(stato(), QString("B110"));
  }

  void theToolbarEntryAndTheFrameContextMenuAgree() {
    frmMain m;
    m.show();
    auto* barra = m.findChild<QToolBar*>("tbToolBar");
    QAction* voce = azione(m, "mnuViewToolbar");
    std::unique_ptr<QMenu> contesto(m.createPopupMenu());
    QAction* dalContesto = nullptr;
    for (QAction* a : contesto->actions())
      if (a->isCheckable()) dalContesto = a;
    QVERIFY(dalContesto);
    dalContesto->trigger();  // hidden from the frame's own menu
    QVERIFY(barra->isHidden());
    QVERIFY(!voce->isChecked());
    voce->trigger();  // one click shows it again
    QVERIFY(barra->isVisible() && voce->isChecked());
  }

  void printerSetUpChoosesAPrinterOrAPdfFile() {
    frmMain m;
    FintaStampante finta;
    impostaStampante(&finta);
    azione(m, "mnuImpstastampante")->trigger();
    QCOMPARE(finta.impostazioni, 1);
    impostaStampante(nullptr);  // the real one: printer or PDF file, paper and orientation, no page range
    QString aperta;
    QStringList stampanti;
    QTimer chiudi;
    connect(&chiudi, &QTimer::timeout, &chiudi, [&] {
      auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      aperta = d->windowTitle() + " " + d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
      QVERIFY(d->testOption(QAbstractPrintDialog::PrintToFile) && !d->testOption(QAbstractPrintDialog::PrintPageRange));
      for (const auto* c : d->findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) stampanti << c->itemText(i);
      d->reject();
    });
    chiudi.start(20);
    azione(m, "mnuImpstastampante")->trigger();
    QCOMPARE(aperta, QString("Imposta stampante OK"));
    QVERIFY2(!stampanti.filter("PDF").isEmpty(), qPrintable(stampanti.join('|')));
  }

  void pagesAreTheShippedGuideAndTheAgencysPage() {
    FintoBrowser browser;
    impostaBrowser(&browser);
    frmMain m;
    const QString guida = QDir(RUOTARIO_DATA_DIR).filePath("guida.html");
    Stato().AppDir = RUOTARIO_DATA_DIR;
    for (const char* voce : {"mnuquadriviaweb", "mnudownls", "mnupoker", "mnuBet"}) azione(m, voce)->trigger();
    QCOMPARE(browser.aperti,
             QStringList({QUrl::fromLocalFile(guida).toString(), QUrl::fromLocalFile(guida).toString() + "#archivio",
                          QString(kGiocoResponsabile), QString(kGiocoResponsabile)}));
    QFile file(guida);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString testo = QString::fromUtf8(file.readAll());
    for (const char* sezione : {"id=\"studi\"", "id=\"aggiornare\"", "id=\"dove\"", "id=\"archivio\""})
      QVERIFY2(testo.contains(sezione), sezione);
    QVERIFY(messaggi_->testi().isEmpty());

    // Without the guide (where it is looked for is the core's rule): said so, no browser.
    QTemporaryDir vuota;
    Stato().AppDir = vuota.path().toStdString();
    azione(m, "mnudownls")->trigger();
    impostaBrowser(nullptr);
    QCOMPARE(browser.aperti.size(), 4);
    QCOMPARE(messaggi_->testi(),
             QStringList{"La guida non è disponibile: il file " + vuota.filePath("guida.html") + " manca."});
  }

  void oneInstancePerWindowKindAndNewDrawGuard() {
    frmMain m;
    m.show();
    QVERIFY(!azione(m, "mnuspia1")->isEnabled());  // nothing plugged in yet
    int spy1 = 0, spy2 = 0, inserimenti = 0;
    m.registraFinestra("mnuspia1", contata("FrmSPY1", spy1));
    m.registraFinestra("mnuspia2", contata("FrmSPY2", spy2));
    m.registraFinestra("mnuinsestman", inserimento(true, inserimenti));
    azione(m, "mnuspia1")->trigger();
    azione(m, "mnuspia2")->trigger();
    QCOMPARE(m.area()->activeSubWindow()->widget()->objectName(), QStringLiteral("FrmSPY2"));
    azione(m, "mnuspia1")->trigger();  // already open: to the front, not rebuilt
    QCOMPARE(spy1, 1);
    QCOMPARE(m.area()->activeSubWindow()->widget()->objectName(), QStringLiteral("FrmSPY1"));

    const auto figlie = m.area()->subWindowList();
    figlie[1]->close();  // closed: built afresh next time
    QTRY_VERIFY(!m.finestra("mnuspia2"));
    azione(m, "mnuspia2")->trigger();
    QCOMPARE(spy2, 2);
    m.finestra("mnuspia2")->close();  // the window's own close button takes its frame along
    QTRY_COMPARE(m.area()->subWindowList().size(), 1);

    figlie[0]->showMinimized();  // even one minimised window blocks a new draw
    QCOMPARE(m.contaFinestreVisibili(), 2);
    azione(m, "mnuinsestman")->trigger();
    QCOMPARE(messaggi_->testi(),
             QStringList{"ATTENZIONE PRIMA DI INSERIRE UNA NUOVA ESTRAZIONE CHIUDERE TUTTE LE VIDEATE"});
    QCOMPARE(messaggi_->ricevuti.first().padre.data(), &m);
    QCOMPARE(inserimenti, 0);
    azione(m, "mnuFileExit")->trigger();  // closes the child windows too
    QVERIFY(!m.isVisible() && m.area()->subWindowList().isEmpty());
  }

  void savedDrawRunsRecomputationThenClearsFlag() {
    for (const bool salva : {false, true}) {
      frmMain m;
      m.show();
      int inserimenti = 0, ricalcoli = 0;
      bool mostrataSenzaGo = false;
      m.registraFinestra("mnuinstele", inserimento(salva, inserimenti));
      m.registraFinestra("frmricalcolastatIC", [&](QWidget* p) {
        ++ricalcoli;
        auto* w = new frmricalcolastatIC(p);
        connect(w, &frmricalcolastatIC::calcoloAvviato, w,
                [&, w] { mostrataSenzaGo = w->isVisible() && !w->findChild<QPushButton*>("Go")->isEnabled(); });
        return w;
      });
      azione(m, "mnuinstele")->trigger();
      QCOMPARE(inserimenti, 1);
      QCOMPARE(ricalcoli, salva ? 1 : 0);
      QCOMPARE(mostrataSenzaGo, salva);
      QTRY_VERIFY(m.area()->subWindowList().isEmpty());
      QVERIFY(!Stato().ArchivioModificato);
    }
  }

  void geometryDefaultsSavedAndRestored() {
    const double dpiX = frmMain().logicalDpiX(), dpiY = frmMain().logicalDpiY();
    QSettings s(kTitoloApplicazione, kTitoloApplicazione);
    {
      frmMain m;
      m.carica();
      QCOMPARE(QRect(m.pos(), m.size()), QRect(TwipsInPixel(1000, dpiX), TwipsInPixel(1000, dpiY),
                                               TwipsInPixel(6500, dpiX), TwipsInPixel(6500, dpiY)));
      m.show();
      m.setGeometry(120, 90, 900, 640);
      m.move(120, 90);
      azione(m, "mnuFileExit")->trigger();
    }
    const QString larghezza = QString::number(PixelInTwips(900, dpiX));
    QCOMPARE(s.value("Settings/MainWidth").toString(), larghezza);
    QCOMPARE(s.value("Settings/MainLeft").toString(), QString::number(PixelInTwips(120, dpiX)));
    {
      frmMain m;
      m.carica();
      QCOMPARE(QRect(m.pos(), m.size()), QRect(120, 90, 900, 640));
      m.show();
      m.resize(500, 400);
      m.showMinimized();
      m.close();  // minimised: the geometry saved before stays
    }
    QCOMPARE(s.value("Settings/MainWidth").toString(), larghezza);
    QCOMPARE(TwipsInPixel(6500, 96), 433);  // 1440 twips an inch
    QCOMPARE(PixelInTwips(433, 96), 6495.0);
    s.setValue("Settings/MainHeight", "100px");  // not a number: the default
    s.setValue("Settings/MainLeft", "1000000");  // a monitor since removed, far to the right
    s.setValue("Settings/MainTop", "-50000");
    frmMain m;
    m.carica();
    QCOMPARE(m.height(), TwipsInPixel(6500, dpiY));
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(schermo.contains(QRect(m.pos(), QSize(std::min(m.width(), 60), 30))),
             qPrintable(QString("%1,%2").arg(m.x()).arg(m.y())));
  }

  void browserAndSystemToolFailuresAreReported() {
    FintoBrowser browser;
    impostaBrowser(&browser);
    Stato().AppDir = RUOTARIO_DATA_DIR;
    frmMain m;
    azione(m, "mnuquadriviaweb")->trigger();
    browser.funziona = false;
    azione(m, "mnupoker")->trigger();
    impostaBrowser(nullptr);
    QCOMPARE(browser.aperti.size(), 2);
    QCOMPARE(messaggi_->testi(),
             QStringList{"Impossibile avviare il browser per aprire la pagina " + browser.aperti.last() + "."});

    FintiProgrammi programmi;
    impostaProgrammi(&programmi);
    frmAbout about;
    about.StartSysInfo();  // no tool on the machine
    programmi.trovati.insert(programmi.cercati.first(), QStringLiteral("/usr/bin/strumento"));
    about.StartSysInfo();  // the first tool found is started
    impostaProgrammi(nullptr);
    QCOMPARE(programmi.avviati, QStringList{"/usr/bin/strumento"});
    QCOMPARE(messaggi_->testi().last(), QStringLiteral("Informazioni sul sistema non disponibili in questa fase."));
    QCOMPARE(messaggi_->testi().size(), 2);
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<FintiMessaggi> messaggi_;
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
