#include "app/ui/frmMain.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "support/FintiServizi.h"
#include "app/Ambiente.h"
#include "app/GeometriaFinestra.h"
#include "app/ui/frmricalcolastatIC.h"

using namespace ruotario;
using namespace ruotario::prova;

namespace {
const QString kAttenzione =
    QStringLiteral("ATTENZIONE PRIMA DI INSERIRE UNA NUOVA ESTRAZIONE CHIUDERE TUTTE LE VIDEATE");

// A study window stand-in that counts how often it is built.
FabbricaFinestra finestraContata(const QString& nome, int& costruite) {
  return [nome, &costruite](QWidget*) {
    ++costruite;
    auto* w = new QWidget;
    w->setObjectName(nome);
    w->setWindowTitle(nome);
    return w;
  };
}

// A modal entry window that closes itself at once, saving a draw or not.
FabbricaFinestra finestraInserimento(bool salva, int& aperte) {
  return [salva, &aperte](QWidget* padre) {
    ++aperte;
    auto* d = new QDialog(padre);
    d->setObjectName(QStringLiteral("frmmunInserisciNuovaEstrazione"));
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

  void menuEntriesCarryNamesAndCaptions() {
    frmMain m;
    QCOMPARE(m.windowTitle(), QStringLiteral("Ruotario"));
    const std::pair<const char*, const char*> voci[] = {
        {"munarcestr", "&Italian LOTTO numbers / Archivio Estrazioni"},
        {"mnuViewEstrazioni", "&EDIT"},
        {"mnuInsertnuovaEstrazione", "&NEW"},
        {"mnuinsestman", "Insert/Inserimento Manuale"},
        {"mnuinstele", "Insert from internet / Aggiorna da Televideo"},
        {"mnuAEImportaEstrazioni", "Import File"},
        {"mnudownls", "Download da ruotario.example.org"},
        {"mnuimprtfile", "Import da File"},
        {"mnuEsportaEstrazionix", "Export"},
        {"mnusupsp", "&ZevedIVE"},
        {"mnusupsyp", "Statistica"},
        {"mnuspric", "Ricerca"},
        {"mnuspie", "S&tatistiche Spie"},
        {"mnuspia1", "&1 Numero Spia"},
        {"mnuspia2", "&2 Numeri Spia (ambo spia)"},
        {"mnuspia", "&3 Numeri Spia"},
        {"mnuambispiacadenza", "&Cadenza Spia"},
        {"mnuspiadecina", "D&ecina Spia"},
        {"mnuambispiafigura", "&Figura Spia"},
        {"mnuspiasomma", "Somma &Ambo Spia"},
        {"mnudiffambo", "&Differenza Ambo Spia"},
        {"mnudistanzaambo", "D&istanza Ambo Spia"},
        {"mnudistanzaciclo", "Dis&tanza Ciclometrica Ambo Spia"},
        {"mnuView", "&Visualizza"},
        {"mnuViewToolbar", "Barra degli &strumenti"},
        {"mnuViewStatusBar", "&Barra di stato"},
        {"mnuFinest", "Finestre"},
        {"mnuWindowCascade", "&Sovrapponi"},
        {"mnuWindowTileHorizontal", "Affianca &orizzontalmente"},
        {"mnuWindowTileVertical", "Affianca &verticalmente"},
        {"mnuWindowArrangeIcons", "&Disponi icone"},
        {"mnuHelp", "&?"},
        {"mnuquadriviaweb", "ruotario.example.org"},
        {"mnuglstermini", "&Glossario TERMINI"},
        {"mnupoker", "Poker online"},
        {"mnuImpstastampante", "&Impostazioni Stampante"},
        {"mnuBet", "Scommesse Online"},
        {"mnuinfoveltrano2", "&Veltrano2"},
        {"mnuHelpAbout", "&Informazioni su Estrodex"},
        {"mnuFileExit", "&Exit"},
    };
    for (const auto& [nome, testo] : voci) {
      QAction* a = azione(m, nome);
      QVERIFY2(a, nome);
      QCOMPARE(a->text(), QString::fromUtf8(testo));
    }
    for (const char* sep : {"mnuViewBar0", "mnusep21231", "munlinea333"}) {
      QVERIFY2(azione(m, sep) && azione(m, sep)->isSeparator(), sep);
    }
    // Menu bar order, "&Exit" acting from the bar itself.
    QStringList barra;
    for (QAction* a : m.menuBar()->actions()) barra << a->objectName();
    QCOMPARE(barra, QStringList({"munarcestr", "mnusupsp", "mnuspie", "mnuView", "mnuHelp", "mnuFileExit"}));
    QVERIFY(!azione(m, "mnuFileExit")->menu());
    QStringList spie;
    for (QAction* a : m.findChild<QMenu*>(QStringLiteral("mnuspie"))->actions()) spie << a->objectName();
    QCOMPARE(spie.first(), QStringLiteral("mnuspia1"));
    QCOMPARE(spie.last(), QStringLiteral("mnudistanzaciclo"));
    QCOMPARE(spie.size(), 10);
  }

  void toolbarAndStatusBar() {
    frmMain m;
    auto* bottone = m.findChild<QToolButton*>(QStringLiteral("Archivio Estrazioni"));
    QVERIFY(bottone);
    QCOMPARE(bottone->text(), QStringLiteral("Archivio Estrazioni"));
    QCOMPARE(bottone->toolTip(), QStringLiteral("Visualizza Archivio Estrazioni"));
    QCOMPARE(bottone->popupMode(), QToolButton::MenuButtonPopup);
    QStringList testi, chiavi;
    for (QAction* a : bottone->menu()->actions()) {
      testi << a->text();
      chiavi << a->data().toString();
    }
    QCOMPARE(testi,
             QStringList({"Visualizza Estrazioni", "Inserisci Nuova Estrazione", "Importa Archivio Estrazioni"}));
    QCOMPARE(chiavi, QStringList({"Visualizza Estrazioni", "Nuova Estrazione", "Importa Estrazioni"}));

    int viste = 0, importazioni = 0;
    m.registraFinestra("mnuViewEstrazioni", finestraContata("frmvisualizzaArchivioEstrazioni", viste));
    m.registraFinestra("mnuimprtfile", finestraContata("frmimportaarchivi", importazioni));
    bottone->click();
    QCOMPARE(viste, 1);
    bottone->menu()->actions().at(2)->trigger();
    QCOMPARE(importazioni, 1);

    auto* stato = m.findChild<QStatusBar*>(QStringLiteral("sbStatusBar"));
    QVERIFY(stato);
    QCOMPARE(m.findChild<QLabel*>("Pannello1")->text(), QStringLiteral("ruotario.example.org"));
    QCOMPARE(m.findChild<QLabel*>("Pannello2")->text(), QDate::currentDate().toString("dd/MM/yyyy"));
  }

  void togglesHideAndShowBars() {
    frmMain m;
    m.show();
    auto* barra = m.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QAction* vociBarre[] = {azione(m, "mnuViewToolbar"), azione(m, "mnuViewStatusBar")};
    QWidget* barre[] = {barra, m.statusBar()};
    for (int i = 0; i < 2; ++i) {
      QVERIFY(vociBarre[i]->isChecked());
      vociBarre[i]->trigger();
      QVERIFY(!vociBarre[i]->isChecked());
      QVERIFY(barre[i]->isHidden());
      vociBarre[i]->trigger();
      QVERIFY(vociBarre[i]->isChecked());
      QVERIFY(barre[i]->isVisible());
    }
  }

  void windowEntriesDisabledUntilRegistered() {
    frmMain m;
    QVERIFY(!azione(m, "mnuspia1")->isEnabled());
    QVERIFY(!azione(m, "mnuinsestman")->isEnabled());
    QVERIFY(azione(m, "mnuHelpAbout")->isEnabled());
    QVERIFY(azione(m, "mnuglstermini")->isEnabled());
    azione(m, "mnuspia1")->trigger();  // nothing plugged in: nothing happens
    QVERIFY(m.area()->subWindowList().isEmpty());
    int n = 0;
    m.registraFinestra("mnuspia1", finestraContata("FrmSPY1", n));
    QVERIFY(azione(m, "mnuspia1")->isEnabled());
  }

  void oneInstancePerWindowKind() {
    frmMain m;
    m.show();
    int spy1 = 0, spy2 = 0;
    m.registraFinestra("mnuspia1", finestraContata("FrmSPY1", spy1));
    m.registraFinestra("mnuspia2", finestraContata("FrmSPY2", spy2));
    azione(m, "mnuspia1")->trigger();
    QWidget* prima = m.finestra("mnuspia1");
    QVERIFY(prima);
    QCOMPARE(prima->objectName(), QStringLiteral("FrmSPY1"));
    azione(m, "mnuspia2")->trigger();
    QCOMPARE(m.area()->activeSubWindow()->widget()->objectName(), QStringLiteral("FrmSPY2"));

    azione(m, "mnuspia1")->trigger();  // already open: to the front, not rebuilt
    QCOMPARE(spy1, 1);
    QCOMPARE(m.finestra("mnuspia1"), prima);
    QCOMPARE(m.area()->activeSubWindow()->widget(), prima);
    QCOMPARE(m.area()->subWindowList().size(), 2);

    m.area()->activeSubWindow()->close();  // closed by the user: built afresh next time
    QTRY_VERIFY(!m.finestra("mnuspia1"));
    azione(m, "mnuspia1")->trigger();
    QCOMPARE(spy1, 2);

    m.finestra("mnuspia1")->close();  // the window's own close button takes its frame along
    QTRY_COMPARE(m.area()->subWindowList().size(), 1);
    QVERIFY(!m.finestra("mnuspia1"));
  }

  void newDrawRefusedWhileAWindowIsOpen() {
    frmMain m;
    m.show();
    int spy = 0, inserimenti = 0;
    m.registraFinestra("mnuspia1", finestraContata("FrmSPY1", spy));
    m.registraFinestra("mnuinsestman", finestraInserimento(true, inserimenti));
    azione(m, "mnuspia1")->trigger();
    m.area()->subWindowList().first()->showMinimized();
    QCOMPARE(m.contaFinestreVisibili(), 2);
    azione(m, "mnuinsestman")->trigger();
    QCOMPARE(messaggi_->testi(), QStringList{kAttenzione});
    QCOMPARE(messaggi_->ricevuti.first().padre.data(), &m);
    QCOMPARE(inserimenti, 0);
    QVERIFY(!Stato().ArchivioModificato);
  }

  void savedDrawRunsRecomputationThenClearsFlag() {
    frmMain m;
    m.show();
    int inserimenti = 0;
    bool avviato = false, goAbilitato = true, visibile = false;
    m.registraFinestra("mnuinstele", finestraInserimento(true, inserimenti));
    m.registraFinestra("frmricalcolastatIC", [&](QWidget* p) {
      auto* w = new frmricalcolastatIC(p);
      connect(w, &frmricalcolastatIC::calcoloAvviato, w, [&, w] {
        avviato = true;
        goAbilitato = w->findChild<QPushButton*>("Go")->isEnabled();
        visibile = w->isVisible();
      });
      return w;
    });
    azione(m, "mnuinstele")->trigger();
    QCOMPARE(inserimenti, 1);
    QVERIFY(avviato);
    QVERIFY(!goAbilitato);
    QVERIFY(visibile);
    QTRY_VERIFY(m.area()->subWindowList().isEmpty());
    QVERIFY(!m.finestra("frmricalcolastatIC"));
    QVERIFY(!Stato().ArchivioModificato);
    QVERIFY(messaggi_->ricevuti.isEmpty());
  }

  void unsavedDrawShowsNoRecomputation() {
    frmMain m;
    m.show();
    int inserimenti = 0, ricalcoli = 0;
    m.registraFinestra("mnuinsestman", finestraInserimento(false, inserimenti));
    m.registraFinestra("frmricalcolastatIC", finestraContata("frmricalcolastatIC", ricalcoli));
    azione(m, "mnuinsestman")->trigger();
    QCOMPARE(inserimenti, 1);
    QCOMPARE(ricalcoli, 0);
    QVERIFY(!Stato().ArchivioModificato);
  }

  void geometryDefaultsSavedAndRestored() {
    const double dpiX = frmMain().logicalDpiX(), dpiY = frmMain().logicalDpiY();
    {
      frmMain m;
      m.carica();
      QCOMPARE(m.pos(), QPoint(TwipsInPixel(1000, dpiX), TwipsInPixel(1000, dpiY)));
      QCOMPARE(m.size(), QSize(TwipsInPixel(6500, dpiX), TwipsInPixel(6500, dpiY)));
      m.show();
      m.setGeometry(120, 90, 900, 640);
      m.move(120, 90);
      azione(m, "mnuFileExit")->trigger();
    }
    QSettings s(kTitoloApplicazione, kTitoloApplicazione);
    const QString atteso = QString::number(PixelInTwips(900, dpiX));
    QCOMPARE(s.value("Settings/MainWidth").toString(), atteso);
    QCOMPARE(s.value("Settings/MainLeft").toString(), QString::number(PixelInTwips(120, dpiX)));
    {
      frmMain m;
      m.carica();
      QCOMPARE(m.pos(), QPoint(120, 90));
      QCOMPARE(m.size(), QSize(900, 640));
      m.show();
      m.resize(500, 400);
      m.showMinimized();
      QVERIFY(m.isMinimized());
      m.close();  // minimised: the geometry saved before stays
    }
    QCOMPARE(s.value("Settings/MainWidth").toString(), atteso);
    s.setValue("Settings/MainHeight", "alta");  // not a number: the default
    frmMain m;
    m.carica();
    QCOMPARE(m.height(), TwipsInPixel(6500, dpiY));
  }

  void exitClosesChildWindows() {
    frmMain m;
    m.show();
    int n = 0, e = 0;
    m.registraFinestra("mnuspia1", finestraContata("FrmSPY1", n));
    m.registraFinestra("mnuEsportaEstrazionix", finestraContata("frmesportaarchivi", e), Modo::Indipendente);
    azione(m, "mnuspia1")->trigger();
    azione(m, "mnuEsportaEstrazionix")->trigger();
    QPointer<QWidget> esporta = m.finestra("mnuEsportaEstrazionix");
    QVERIFY(esporta && esporta->isWindow() && esporta->isVisible());
    QCOMPARE(m.contaFinestreVisibili(), 3);
    azione(m, "mnuFileExit")->trigger();
    QVERIFY(!m.isVisible());
    QVERIFY(m.area()->subWindowList().isEmpty());
    QVERIFY(esporta && esporta->isVisible());  // a window of its own stays until the user closes it
    esporta->close();
  }

  void arrangeCommandsShareTheArea() {
    frmMain m;
    m.resize(900, 700);
    m.show();
    int a = 0, b = 0;
    m.registraFinestra("mnuspia1", finestraContata("FrmSPY1", a));
    m.registraFinestra("mnuspia2", finestraContata("FrmSPY2", b));
    azione(m, "mnuspia1")->trigger();
    azione(m, "mnuspia2")->trigger();
    const QRect spazio = m.area()->viewport()->rect();
    const auto figlie = m.area()->subWindowList();
    azione(m, "mnuWindowTileHorizontal")->trigger();
    QCOMPARE(figlie[0]->geometry(), QRect(0, 0, spazio.width(), spazio.height() / 2));
    QCOMPARE(figlie[1]->geometry(), QRect(0, spazio.height() / 2, spazio.width(), spazio.height() / 2));
    azione(m, "mnuWindowTileVertical")->trigger();
    QCOMPARE(figlie[0]->geometry(), QRect(0, 0, spazio.width() / 2, spazio.height()));
    QCOMPARE(figlie[1]->geometry(), QRect(spazio.width() / 2, 0, spazio.width() / 2, spazio.height()));
    figlie[0]->showMinimized();
    azione(m, "mnuWindowArrangeIcons")->trigger();
    QCOMPARE(figlie[0]->geometry().bottomLeft(), QPoint(0, spazio.height() - 1));

    // The window list at the end of "&Visualizza".
    auto* menu = m.findChild<QMenu*>(QStringLiteral("mnuView"));
    emit menu->aboutToShow();
    QStringList ultime;
    for (QAction* x : menu->actions().mid(menu->actions().size() - 2)) ultime << x->text();
    QCOMPARE(ultime, QStringList({"&1 FrmSPY1", "&2 FrmSPY2"}));
  }

  void webPagesAndPrinterSetup() {
    frmMain m;
    FintoBrowser browserFinto;
    FintaStampante stampanteFinta;
    impostaBrowser(&browserFinto);
    impostaStampante(&stampanteFinta);
    azione(m, "mnudownls")->trigger();
    azione(m, "mnuquadriviaweb")->trigger();
    azione(m, "mnupoker")->trigger();
    azione(m, "mnuBet")->trigger();
    QCOMPARE(browserFinto.aperti,
             QStringList({"https://ruotario.example.org/download.php", "https://ruotario.example.org/",
                          "https://ruotario.example.org/poker/", "https://ruotario.example.org/scommesse/"}));
    QVERIFY(messaggi_->ricevuti.isEmpty());
    browserFinto.funziona = false;
    azione(m, "mnupoker")->trigger();
    QCOMPARE(messaggi_->testi(),
             QStringList{"Impossibile avviare il browser per aprire la pagina https://ruotario.example.org/poker/."});
    azione(m, "mnuImpstastampante")->trigger();
    QCOMPARE(stampanteFinta.impostazioni, 1);
    impostaBrowser(nullptr);
    impostaStampante(nullptr);
  }

  void aboutOpensModalWithOrWithoutOwner() {
    frmMain m;
    m.show();
    for (const auto& [voce, proprietario] : {std::pair{"mnuHelpAbout", true}, std::pair{"mnuinfoveltrano2", false}}) {
      QPointer<QWidget> vista;
      QWidget* padre = nullptr;
      QString nome;
      QTimer::singleShot(0, [&] {
        vista = QApplication::activeModalWidget();
        if (vista) {
          padre = vista->parentWidget();
          nome = vista->objectName();
          vista->close();
        }
      });
      azione(m, voce)->trigger();
      QCOMPARE(nome, QStringLiteral("frmAbout"));
      QCOMPARE(padre == &m, proprietario);
      QTRY_VERIFY(vista.isNull());  // closed and discarded
    }
  }

 private:
  std::unique_ptr<QTemporaryDir> impostazioni_;
  std::unique_ptr<FintiMessaggi> messaggi_;
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
