#include "app/ui/frmMain.h"

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
  void cleanup() {  // also after a failure: no fake outlives its test
    impostaMessaggi(nullptr);
    impostaBrowser(nullptr);
    impostaStampante(nullptr);
    impostaProgrammi(nullptr);
  }

  void barTogglesHideAndShowTheBars() {
    frmMain m;
    m.show();
    QWidget* barre[] = {m.findChild<QToolBar*>(QStringLiteral("tbToolBar")), m.statusBar()};
    QAction* voce[] = {azione(m, "mnuViewToolbar"), azione(m, "mnuViewStatusBar")};
    for (int i = 0; i < 2; ++i) {
      voce[i]->trigger();
      QVERIFY(!voce[i]->isChecked() && barre[i]->isHidden());
      voce[i]->trigger();
      QVERIFY(voce[i]->isChecked() && barre[i]->isVisible());
    }
    // Hidden from the frame's own menu, the entry follows: one click shows it again.
    std::unique_ptr<QMenu> contesto(m.createPopupMenu());
    for (QAction* a : contesto->actions())
      if (a->isCheckable()) a->trigger();
    QVERIFY(barre[0]->isHidden() && !voce[0]->isChecked());
    voce[0]->trigger();
    QVERIFY(barre[0]->isVisible());
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m.finestra("mnuspia2"));
    azione(m, "mnuspia2")->trigger();
    QCOMPARE(spy2, 2);
    m.finestra("mnuspia2")->close();  // the window's own close button takes its frame along
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.area()->subWindowList().size(), 1);

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
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QVERIFY(m.area()->subWindowList().isEmpty());
      QVERIFY(!Stato().ArchivioModificato);
    }
  }

  void geometryDefaultsSavedAndRestored() {
    const double dpiX = frmMain().logicalDpiX(), dpiY = frmMain().logicalDpiY();
    QSettings s(kTitoloApplicazione, kTitoloApplicazione);
    const QString larghezza = QString::number(PixelInTwips(900, dpiX));
    {
      frmMain m;
      m.carica();
      // First start: the stored defaults' top and height, wide enough for every menu, within the screen.
      QCOMPARE(QPoint(m.y(), m.height()), QPoint(TwipsInPixel(1000, dpiY), TwipsInPixel(6500, dpiY)));
      QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(m.geometry()));
      m.show();
      QVERIFY2(!m.menuBar()->findChild<QToolButton*>("qt_menubar_ext_button")->isVisible(),
               qPrintable(QString::number(m.width())));
      m.setGeometry(120, 90, 900, 640);
      m.move(120, 90);
      azione(m, "mnuFileExit")->trigger();
    }
    QCOMPARE(s.value("Settings/MainWidth").toString(), larghezza);
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
    s.setValue("Settings/MainLeft", "1000000");  // a monitor since removed, far to the right
    frmMain m;
    m.carica();
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(m.pos()));
  }

  // The menu entries reach the services: pages in the browser, the printer
  // set-up, the system information tool; each failure is said.
  void servicesAndTheirFailures() {
    FintoBrowser browser;
    FintaStampante stampante;
    FintiProgrammi programmi;
    impostaBrowser(&browser);
    impostaStampante(&stampante);
    impostaProgrammi(&programmi);
    frmMain m;
    const QString guida = QUrl::fromLocalFile(QDir(RUOTARIO_DATA_DIR).filePath("guida.html")).toString();
    Stato().AppDir = RUOTARIO_DATA_DIR;
    for (const char* voce : {"mnuquadriviaweb", "mnudownls", "mnupoker", "mnuImpstastampante"})
      azione(m, voce)->trigger();
    QCOMPARE(browser.aperti, QStringList({guida, guida + "#archivio", QString(kGiocoResponsabile)}));
    QCOMPARE(stampante.impostazioni, 1);
    QVERIFY(messaggi_->testi().isEmpty());
    browser.funziona = false;
    azione(m, "mnuBet")->trigger();
    QTemporaryDir vuota;  // without the guide: said so, no browser
    Stato().AppDir = vuota.path().toStdString();
    azione(m, "mnudownls")->trigger();
    QCOMPARE(browser.aperti.size(), 4);
    frmAbout about;
    about.StartSysInfo();  // no tool on the machine
    programmi.trovati.insert(programmi.cercati.first(), QStringLiteral("/usr/bin/strumento"));
    about.StartSysInfo();  // the first tool found is started
    QCOMPARE(programmi.avviati, QStringList{"/usr/bin/strumento"});
    QCOMPARE(messaggi_->testi(),
             QStringList({"Impossibile avviare il browser per aprire la pagina " + QString(kGiocoResponsabile) + ".",
                          "La guida non è disponibile: il file " + vuota.filePath("guida.html") + " manca.",
                          "Informazioni sul sistema non disponibili in questa fase."}));
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<FintiMessaggi> messaggi_;
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
