#include "app/ui/FrmInfo.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Ambiente.h"
#include "app/Glossario.h"

namespace ruotario {

FrmInfo::FrmInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmInfo"));
  setWindowTitle(QStringLiteral("Glossario Termini"));

  auto* testo = new QPlainTextEdit(this);
  testo->setObjectName(QStringLiteral("Txthelp"));
  testo->setReadOnly(true);
  testo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  const auto glossario = LeggiGlossario(PercorsoFileProgramma(Stato(), kNomeGlossario));
  testo->setPlainText(QString::fromUtf8(glossario ? glossario->c_str() : kGlossarioMancante));

  auto* esci = new QPushButton(QStringLiteral("&Esci"), this);
  esci->setObjectName(QStringLiteral("cmdEsci"));
  esci->setDefault(true);
  connect(esci, &QPushButton::clicked, this, &QWidget::close);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(esci);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(testo);
  layout->addLayout(pulsanti);
  resize(620, 520);
}

}  // namespace ruotario
