#include "archive/ui/CampiFileArchivio.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextOption>

#include "archive/FileArchivio.h"

namespace ruotario {

namespace {
QLineEdit* campo(QWidget* padre, const QString& nome) {
  auto* c = new QLineEdit(padre);
  c->setObjectName(nome);
  c->setReadOnly(true);
  return c;
}
}  // namespace

CampiFileArchivio::CampiFileArchivio(QWidget* padre, QGridLayout* griglia, int riga, const QString& etichettaPercorso,
                                     const QStringList& nomi, const QString& etichettaData)
    : percorso_(campo(padre, nomi.value(0))),
      dimensione_(campo(padre, nomi.value(1))),
      totale_(campo(padre, nomi.value(2))),
      data_(campo(padre, nomi.value(3))) {
  percorso_->setMinimumWidth(380);
  for (QLineEdit* c : {dimensione_, totale_, data_}) c->setMaximumWidth(110);
  if (!etichettaPercorso.isEmpty()) griglia->addWidget(new QLabel(etichettaPercorso, padre), riga, 0);
  griglia->addWidget(percorso_, riga, etichettaPercorso.isEmpty() ? 0 : 1, 1, etichettaPercorso.isEmpty() ? 6 : 5);
  const QString etichette[] = {QStringLiteral("Dimensione (KB)"), QStringLiteral("Totale Estrazioni"), etichettaData};
  QLineEdit* campi[] = {dimensione_, totale_, data_};
  for (int i = 0; i < 3; ++i) {
    griglia->addWidget(new QLabel(etichette[i], padre), riga + 1, 2 * i);
    griglia->addWidget(campi[i], riga + 1, 2 * i + 1);
  }
}

void CampiFileArchivio::mostra(const DatiFileArchivio& dati) {
  svuota();
  percorso_->setText(QString::fromStdString(dati.Percorso));
  if (!dati.Esiste) return;
  dimensione_->setText(QString::number(dati.DimensioneKB));
  totale_->setText(QString::number(dati.TotaleEstrazioni));
  data_->setText(QString::fromStdString(dati.DataUltima));
}

void CampiFileArchivio::svuota() {
  for (QLineEdit* c : {percorso_, dimensione_, totale_, data_}) c->clear();
}

QPlainTextEdit* NuovoTestoInformativo(QWidget* padre, const QString& testo) {
  auto* info = new QPlainTextEdit(padre);
  info->setObjectName(QStringLiteral("Text1"));
  info->setReadOnly(true);
  info->setMaximumHeight(90);
  // Lines break between words and at a path's separators, never inside a name.
  info->setWordWrapMode(QTextOption::WordWrap);
  info->setPlainText(testo);
  return info;
}

}  // namespace ruotario
