#include "archive/ui/frmmunInserisciNuovaEstrazioneTELEVIDEO.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/ui/Controlli.h"
#include "app/ui/Servizi.h"
#include "archive/FiltroEstrazione.h"
#include "archive/SitiEstrazioni.h"
#include "archive/ui/GrigliaEstrazione.h"
#include "update/ScritturaNazionale.h"

namespace ruotario {

namespace {

// The box shows line breaks as the text editor keeps them.
QString perRiquadro(const std::string& testo) {
  return QString::fromStdString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QDate qData(const DataEstrazione& d) { return QDate(d.anno, d.mese, d.giorno); }

}  // namespace

frmmunInserisciNuovaEstrazioneTELEVIDEO::frmmunInserisciNuovaEstrazioneTELEVIDEO(QWidget* parent)
    : frmmunInserisciNuovaEstrazione(Aspetto{QStringLiteral("frmmunInserisciNuovaEstrazioneTELEVIDEO"),
                                             QStringLiteral("Inserimento Nuova Estarzione da: TELEVIDEO o MEMORIA"),
                                             QStringLiteral("&SALVA Estraz.")},
                                     parent) {
  AggiungiPannello(costruisciPannello());
  AccantoASalva(etichetta("Label8", QStringLiteral("Passo 3:"), this));
  testoUtente_ = false;
}

QWidget* frmmunInserisciNuovaEstrazioneTELEVIDEO::costruisciPannello() {
  auto* pannello = new QWidget(this);
  auto* colonna = new QVBoxLayout(pannello);
  colonna->setContentsMargins(0, 0, 0, 0);

  auto* frame2 = new QGroupBox(QStringLiteral("Estrazione in Memoria:"), pannello);
  frame2->setObjectName(QStringLiteral("Frame2"));
  testo_ = new QPlainTextEdit(frame2);
  testo_->setObjectName(QStringLiteral("Txtestrazione"));
  testo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Teletext pages keep their columns.
  testo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  testo_->setMinimumWidth(testo_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 42);
  testo_->installEventFilter(this);
  testo_->viewport()->installEventFilter(this);
  auto* frame2Layout = new QVBoxLayout(frame2);
  frame2Layout->addWidget(testo_);
  colonna->addWidget(frame2, 1);

  auto* incolla = pulsante("CmdIncolla", QStringLiteral("&INCOLLA Estraz."), pannello);
  auto* filtra = pulsante("CmdFiltra", QStringLiteral("&FILTRA  Estraz."), pannello);
  auto* passi = new QGridLayout;
  passi->addWidget(etichetta("Label6", QStringLiteral("Passo 1:"), pannello), 0, 0);
  passi->addWidget(incolla, 0, 1);
  passi->addWidget(etichetta("Label7", QStringLiteral("Passo 2:"), pannello), 1, 0);
  passi->addWidget(filtra, 1, 1);
  colonna->addLayout(passi);

  auto* frame4 = new QGroupBox(pannello);
  frame4->setObjectName(QStringLiteral("Frame4"));
  auto* nazLayout = new QHBoxLayout(frame4);
  nazLayout->addWidget(etichetta("Label9", QStringLiteral("Ruota Nazionale:"), frame4));
  for (std::size_t k = 0; k < naz_.size(); ++k) {
    naz_[k] = new QLineEdit(frame4);
    naz_[k]->setObjectName(QStringLiteral("Txtnaz_%1").arg(k));
    naz_[k]->setMaxLength(2);
    naz_[k]->setFixedWidth(naz_[k]->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    nazLayout->addWidget(naz_[k]);
  }
  nazLayout->addStretch(1);
  colonna->addWidget(frame4);

  colonna->addWidget(etichetta("Label4", QStringLiteral("Sito con Estrazioni formato TESTO"), pannello));
  auto* sito = new QHBoxLayout;
  siti_ = new QComboBox(pannello);
  siti_->setObjectName(QStringLiteral("cmbTLV"));
  for (const std::string_view indirizzo : kSitiEstrazioni)
    siti_->addItem(QString::fromLatin1(indirizzo.data(), static_cast<qsizetype>(indirizzo.size())));
  siti_->setCurrentIndex(0);
  siti_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  siti_->setMinimumContentsLength(30);
  auto* vai = pulsante("CmdGoTelevideo", QStringLiteral("Vai"), pannello);
  sito->addWidget(siti_, 1);
  sito->addWidget(vai);
  colonna->addLayout(sito);

  connect(incolla, &QPushButton::clicked, this, &frmmunInserisciNuovaEstrazioneTELEVIDEO::Incolla);
  connect(filtra, &QPushButton::clicked, this, &frmmunInserisciNuovaEstrazioneTELEVIDEO::Filtra);
  connect(vai, &QPushButton::clicked, this, &frmmunInserisciNuovaEstrazioneTELEVIDEO::VaiAlSito);
  return pannello;
}

void frmmunInserisciNuovaEstrazioneTELEVIDEO::mostraIstruzioni() {
  testo_->setPlainText(perRiquadro(IstruzioniFiltro()));
  testo_->setFocus();
  testoUtente_ = false;
}

// The instructions make way for the user's own text.
void frmmunInserisciNuovaEstrazioneTELEVIDEO::testoDellUtente() {
  if (testoUtente_) return;
  testo_->clear();
  testo_->setFocus();
  testoUtente_ = true;
}

void frmmunInserisciNuovaEstrazioneTELEVIDEO::showEvent(QShowEvent* evento) {
  frmmunInserisciNuovaEstrazione::showEvent(evento);
  // Shown by the program, not restored by the window system: an entry in
  // progress keeps its text when the window comes back.
  if (!evento->spontaneous()) mostraIstruzioni();
}

bool frmmunInserisciNuovaEstrazioneTELEVIDEO::eventFilter(QObject* oggetto, QEvent* evento) {
  if ((oggetto == testo_ || oggetto == testo_->viewport()) && !testoUtente_) {
    if (evento->type() == QEvent::MouseButtonPress) {
      testoDellUtente();
    } else if (evento->type() == QEvent::KeyPress) {
      // Typing or pasting with the keyboard over the instructions must not
      // mix them with the user's text: the filter would find their example.
      const auto* tasto = static_cast<QKeyEvent*>(evento);
      const QString t = tasto->text();
      if (tasto->matches(QKeySequence::Paste) || (!t.isEmpty() && t.at(0).isPrint())) testoDellUtente();
    }
  }
  return frmmunInserisciNuovaEstrazione::eventFilter(oggetto, evento);
}

void frmmunInserisciNuovaEstrazioneTELEVIDEO::Incolla() {
  testo_->setFocus();
  const std::optional<QString> appunti = ruotario::appunti().testo();
  if (!appunti) {
    messaggi().avviso(this, QStringLiteral("Gli Appunti non contengono nessun testo."));
    return;
  }
  testo_->setPlainText(perRiquadro(appunti->toStdString()));
  testoUtente_ = true;
}

void frmmunInserisciNuovaEstrazioneTELEVIDEO::Filtra() {
  testoUtente_ = true;
  const QString testo = testo_->toPlainText();
  if (testo.isEmpty()) return;
  const EsitoFiltro esito = FiltraEstrazione(testo.toStdString());
  if (esito.Data) DataScelta()->setDate(qData(*esito.Data));
  testo_->setPlainText(perRiquadro(esito.Testo));

  InserisciNuovaEstrazione();
  Griglia()->ImpostaCelle(esito.Celle());
  Griglia()->ApriEditor(1, 1);
  for (std::size_t k = 0; k < naz_.size(); ++k) naz_[k]->setText(QString::fromStdString(esito.Numeri[0][k]));
}

QString frmmunInserisciNuovaEstrazioneTELEVIDEO::AvvisoPrimaDiSalvare(const CelleRuote& celle) const {
  NumeriFiltrati numeri;
  for (std::size_t k = 0; k < naz_.size(); ++k) numeri[0][k] = naz_[k]->text().toStdString();
  for (std::size_t r = 0; r < celle.size(); ++r) numeri[r + 1] = celle[r];
  const std::vector<std::string> anomalie = AnomalieEstrazione(numeri);
  if (anomalie.empty()) return {};
  QString testo = QStringLiteral(
      "Attenzione: un'estrazione reale non ha due volte lo stesso numero su una ruota, né "
      "gli stessi cinque numeri su due ruote. In questa:");
  for (const std::string& a : anomalie) testo += QStringLiteral("\n- ") + QString::fromStdString(a);
  return testo + QStringLiteral("\nControllare il testo incollato e la griglia.");
}

void frmmunInserisciNuovaEstrazioneTELEVIDEO::VaiAlSito() {
  const QString indirizzo = siti_->currentText().trimmed();
  if (!indirizzo.isEmpty()) browser().apri(QUrl(indirizzo));
}

QString frmmunInserisciNuovaEstrazioneTELEVIDEO::DopoSalvataggio(const DataEstrazione& data) {
  std::array<std::string, 5> testi;
  for (std::size_t k = 0; k < naz_.size(); ++k) testi[k] = naz_[k]->text().trimmed().toStdString();
  const EsitoScrittura s = SalvaNazionaleDigitata(Stato().ArchivePath, data, testi);
  return s ? QString() : QLatin1Char('\n') + QString::fromStdString(s.Messaggio);
}

}  // namespace ruotario
