// The main window's commands: opening windows, the new-draw guard, window
// arrangement, geometry, printer set-up and web pages.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/Ambiente.h"
#include "app/GeometriaFinestra.h"
#include "app/ui/PagineWeb.h"
#include "app/ui/Servizi.h"
#include "app/ui/frmMain.h"
#include "app/ui/frmricalcolastatIC.h"

namespace ruotario {

namespace {

const QString kNuovaManuale = QStringLiteral("mnuinsestman");
const QString kNuovaTelevideo = QStringLiteral("mnuinstele");
const QString kRicalcolo = QStringLiteral("frmricalcolastatIC");

bool eNuovaEstrazione(const QString& nome) { return nome == kNuovaManuale || nome == kNuovaTelevideo; }

// Ends a local event loop when the watched window is closed (hidden by the
// program) or destroyed. Minimising also sends a hide event, but leaves the
// window open: an entry in progress must survive it.
class FineModale : public QObject {
 public:
  FineModale(QWidget* finestra, QEventLoop& ciclo) : finestra_(finestra), ciclo_(ciclo) {
    finestra->installEventFilter(this);
    connect(finestra, &QObject::destroyed, &ciclo, &QEventLoop::quit);
  }
  bool eventFilter(QObject* oggetto, QEvent* e) override {
    if (oggetto == finestra_ && e->type() == QEvent::Hide && finestra_->isHidden()) ciclo_.quit();
    return false;
  }

 private:
  QWidget* finestra_;
  QEventLoop& ciclo_;
};

}  // namespace

void frmMain::registraFinestra(const QString& nomeAzione, FabbricaFinestra fabbrica, Modo modo) {
  // A new draw is entered only in a modal window: nothing may read the archive meanwhile.
  if (eNuovaEstrazione(nomeAzione)) modo = Modo::Modale;
  finestre_.registra(nomeAzione, std::move(fabbrica), modo);
  if (auto* a = findChild<QAction*>(nomeAzione, Qt::FindDirectChildrenOnly)) a->setEnabled(true);
}

QWidget* frmMain::finestra(const QString& nomeAzione) const { return finestre_.istanza(nomeAzione); }

QWidget* frmMain::apriFinestra(const QString& nomeAzione) {
  const Finestre::Voce* v = finestre_.voce(nomeAzione);
  if (!v) return nullptr;
  if (QWidget* aperta = finestre_.istanza(nomeAzione)) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(aperta->parentWidget())) {
      if (sub->isMinimized()) sub->showNormal();
      area_->setActiveSubWindow(sub);
      sub->raise();
    } else {
      if (aperta->isMinimized()) aperta->showNormal();
      aperta->raise();
      aperta->activateWindow();
    }
    return aperta;
  }

  const bool modale = v->modo == Modo::Modale || v->modo == Modo::ModaleSenzaProprietario;
  QWidget* w = v->fabbrica(v->modo == Modo::Modale ? this : nullptr);
  if (!w) return nullptr;
  w->setAttribute(Qt::WA_DeleteOnClose);
  finestre_.ricorda(nomeAzione, w);

  if (v->modo == Modo::Figlia) {
    // A window that chose its own size keeps it (its frame around it), else it takes its size hint.
    const QSize voluta = w->testAttribute(Qt::WA_Resized) ? w->size() : QSize();
    QMdiSubWindow* sub = area_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(w->windowIcon().isNull() ? windowIcon() : w->windowIcon());
    // A window that closes itself (its own "Chiudi") takes its frame with it.
    connect(w, &QObject::destroyed, sub, [sub] { sub->close(); });
    sub->show();
    if (voluta.isValid()) sub->resize(voluta + sub->size() - w->size());
    entraNellArea(sub, faiSpazio(sub->size()));
    area_->setActiveSubWindow(sub);
    return w;
  }
  if (!modale) {
    w->setWindowFlag(Qt::Window, true);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
  }

  if (!w->isWindow()) w->setWindowFlag(Qt::Dialog, true);
  w->setWindowModality(Qt::ApplicationModal);
  QPointer<QWidget> guardia(w);
  if (auto* dialogo = qobject_cast<QDialog*>(w)) {
    dialogo->exec();
  } else {
    QEventLoop ciclo;
    FineModale fine(w, ciclo);
    w->show();
    ciclo.exec();
  }
  if (guardia) delete guardia.data();
  return nullptr;
}

// A child window larger than the area first widens the main window, as far as
// the screen allows, unless the user maximised it; returns the area's new size.
QSize frmMain::faiSpazio(QSize voluta) {
  const QSize spazio = area_->viewport()->size();
  const QSize manca = (voluta - spazio).expandedTo(QSize(0, 0));
  const QScreen* schermo = screen();
  if ((manca.width() == 0 && manca.height() == 0) || !schermo || isMaximized() || isFullScreen()) return spazio;
  const QRect disponibile = schermo->availableGeometry();
  const QSize cornice = frameGeometry().size() - size();
  const QSize nuova = (size() + manca).boundedTo(disponibile.size() - cornice).expandedTo(size());
  if (nuova == size()) return spazio;
  const QPoint angolo(
      std::clamp(x(), disponibile.left(),
                 std::max(disponibile.left(), disponibile.right() + 1 - nuova.width() - cornice.width())),
      std::clamp(y(), disponibile.top(),
                 std::max(disponibile.top(), disponibile.bottom() + 1 - nuova.height() - cornice.height())));
  const QSize crescita = nuova - size();
  resize(nuova);
  move(angolo);
  // The area's layout follows on the resize event; the new room is known now.
  return spazio + crescita;
}

// A new child window opens whole inside the area when it can: no larger than
// the area (yet not below its own smallest size), moved back where it would
// stick out past the right or bottom edge.
void frmMain::entraNellArea(QMdiSubWindow* sub, QSize spazio) const {
  const QSize dimensione = sub->size().boundedTo(spazio).expandedTo(sub->minimumSizeHint());
  sub->resize(dimensione);
  sub->move(std::clamp(sub->x(), 0, std::max(0, spazio.width() - dimensione.width())),
            std::clamp(sub->y(), 0, std::max(0, spazio.height() - dimensione.height())));
}

int frmMain::contaFinestreVisibili() const {
  int n = 1;  // this window
  for (const QMdiSubWindow* sub : area_->subWindowList())
    if (sub->isVisible()) ++n;  // minimised ones too
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible()) continue;
    const Qt::WindowType tipo = w->windowType();
    if (tipo == Qt::Window || tipo == Qt::Dialog) ++n;
  }
  return n;
}

void frmMain::nuovaEstrazione(const QString& nomeAzione) {
  if (!finestre_.registrata(nomeAzione)) return;
  if (contaFinestreVisibili() >= 2) {
    messaggi().avviso(this,
                      QStringLiteral("ATTENZIONE PRIMA DI INSERIRE UNA NUOVA ESTRAZIONE CHIUDERE TUTTE LE VIDEATE"));
    return;
  }
  apriFinestra(nomeAzione);
  if (Stato().ArchivioModificato) ricalcolaStatistiche();
}

void frmMain::ricalcolaStatistiche() {
  QWidget* w = apriFinestra(kRicalcolo);
  if (w) {
    if (auto* go = w->findChild<QPushButton*>(QStringLiteral("Go"))) go->setEnabled(false);
    w->window()->repaint();
    if (auto* finestra = qobject_cast<frmricalcolastatIC*>(w)) finestra->RicalcolaStat();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
      sub->close();
    else
      w->close();
  }
  Stato().ArchivioModificato = false;
  emit statisticheRicalcolate();
}

void frmMain::affiancaOrizzontalmente() {
  QList<QMdiSubWindow*> aperte;
  for (QMdiSubWindow* sub : area_->subWindowList())
    if (sub->isVisible() && !sub->isMinimized()) aperte << sub;
  if (aperte.isEmpty()) return;
  const QRect spazio = area_->viewport()->rect();
  const int altezza = spazio.height() / static_cast<int>(aperte.size());
  for (int i = 0; i < aperte.size(); ++i) {
    if (aperte[i]->isMaximized()) aperte[i]->showNormal();
    aperte[i]->setGeometry(0, i * altezza, spazio.width(), altezza);
  }
}

void frmMain::affiancaVerticalmente() {
  QList<QMdiSubWindow*> aperte;
  for (QMdiSubWindow* sub : area_->subWindowList())
    if (sub->isVisible() && !sub->isMinimized()) aperte << sub;
  if (aperte.isEmpty()) return;
  const QRect spazio = area_->viewport()->rect();
  const int larghezza = spazio.width() / static_cast<int>(aperte.size());
  for (int i = 0; i < aperte.size(); ++i) {
    if (aperte[i]->isMaximized()) aperte[i]->showNormal();
    aperte[i]->setGeometry(i * larghezza, 0, larghezza, spazio.height());
  }
}

void frmMain::disponiIcone() {
  const QRect spazio = area_->viewport()->rect();
  int x = 0;
  int y = spazio.height();
  for (QMdiSubWindow* sub : area_->subWindowList()) {
    if (!sub->isMinimized()) continue;
    const QSize dim = sub->size();
    if (x > 0 && x + dim.width() > spazio.width()) {
      x = 0;
      y -= dim.height();
    }
    sub->move(x, y - dim.height());
    x += dim.width();
  }
}

// The width at which the menu bar shows every menu, none behind its "more" button.
int frmMain::larghezzaMenu() const {
  QMenuBar* barra = menuBar();
  const QSize prima = barra->size();
  const auto misura = [barra](QSize dimensione) {
    const QSize vecchia = barra->size();
    barra->resize(dimensione);
    QResizeEvent evento(dimensione, vecchia);  // lays the menus out again even while hidden
    QCoreApplication::sendEvent(barra, &evento);
  };
  misura({100000, std::max(prima.height(), 1)});
  int destra = 0;
  for (QAction* a : barra->actions())
    if (a->isVisible()) destra = std::max(destra, barra->actionGeometry(a).right() + 1);
  misura(prima);
  const QStyle* stile = barra->style();
  return destra + stile->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, barra) +
         stile->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, barra) + 2;
}

void frmMain::carica() {
  QSettings s(kTitoloApplicazione, kTitoloApplicazione);
  s.beginGroup(QString::fromLatin1(kSezioneImpostazioni));
  // No size stored yet (first start): wide enough for the whole menu bar.
  const bool primaVolta = !s.contains(QString::fromLatin1(kChiaviGeometria[2].chiave));
  double valori[4];
  for (std::size_t i = 0; i < kChiaviGeometria.size(); ++i) {
    const auto& k = kChiaviGeometria[i];
    const QString testo =
        s.value(QString::fromLatin1(k.chiave), TestoValoreImpostazione(k.predefinito).c_str()).toString();
    valori[i] = LeggiValoreImpostazione(testo.toStdString(), k.predefinito);
  }
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  Rettangolo r{TwipsInPixel(valori[0], dpiX), TwipsInPixel(valori[1], dpiY), TwipsInPixel(valori[2], dpiX),
               TwipsInPixel(valori[3], dpiY)};
  // The primary screen first: a window no screen shows goes back onto it.
  std::vector<Rettangolo> schermi;
  QList<QScreen*> elenco = QGuiApplication::screens();
  elenco.removeAll(QGuiApplication::primaryScreen());
  elenco.prepend(QGuiApplication::primaryScreen());
  for (const QScreen* s : elenco)
    if (s)
      schermi.push_back({s->availableGeometry().x(), s->availableGeometry().y(), s->availableGeometry().width(),
                         s->availableGeometry().height()});
  if (primaVolta && !schermi.empty()) r = PrimaApertura(r, larghezzaMenu(), schermi.front());
  r = RiportaSulloSchermo(r, schermi);
  move(r.x, r.y);
  resize(r.larghezza, r.altezza);
}

void frmMain::salvaGeometria() {
  if (isMinimized()) return;  // keep the last real geometry
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  const double valori[4] = {PixelInTwips(x(), dpiX), PixelInTwips(y(), dpiY), PixelInTwips(width(), dpiX),
                            PixelInTwips(height(), dpiY)};
  QSettings s(kTitoloApplicazione, kTitoloApplicazione);
  s.beginGroup(QString::fromLatin1(kSezioneImpostazioni));
  for (std::size_t i = 0; i < kChiaviGeometria.size(); ++i)
    s.setValue(QString::fromLatin1(kChiaviGeometria[i].chiave),
               QString::fromStdString(TestoValoreImpostazione(valori[i])));
  s.endGroup();
  s.sync();
}

void frmMain::closeEvent(QCloseEvent* evento) {
  area_->closeAllSubWindows();
  if (!area_->subWindowList().isEmpty()) {  // a child window asked to stay open
    evento->ignore();
    return;
  }
  salvaGeometria();
  evento->accept();
}

void frmMain::impostaStampante() { stampante().imposta(this); }

void frmMain::apriPagina(const QString& nomeAzione) {
  // The guide in the data folder, else the one installed with the program.
  const QString guida = QString::fromStdString(PercorsoFileProgramma(Stato(), kNomeGuida));
  const QUrl indirizzo = IndirizzoPagina(nomeAzione, QFileInfo(guida).absolutePath());
  if (indirizzo.isLocalFile() && !QFileInfo::exists(indirizzo.toLocalFile())) {
    messaggi().avviso(this, QStringLiteral("La guida non è disponibile: il file ") + indirizzo.toLocalFile() +
                                QStringLiteral(" manca."));
    return;
  }
  if (!browser().apri(indirizzo))
    messaggi().avviso(this, QStringLiteral("Impossibile avviare il browser per aprire la pagina ") +
                                indirizzo.toString() + QStringLiteral("."));
}

}  // namespace ruotario
