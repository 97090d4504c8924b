#pragma once
// The "Verifica metodo" tab: a method replayed forward in time over the
// archive, its hit rate against chance, the chart of the wins against the
// wins expected by chance, and one row per forecast.

#include <QWidget>

#include "forecasts/VerificaMetodo.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace ruotario {

class Griglia90;
class VistaGrafico;

class SchedaVerifica : public QWidget {
  Q_OBJECT

 public:
  explicit SchedaVerifica(QWidget* parent = nullptr);

  // The choices as the controls show them (wheel, colpi, span, method's own).
  ParametriVerifica Parametri() const;
  // "Verifica": runs the replay on the archive read afresh and shows it.
  void Verifica();
  const EsitoVerifica& Esito() const { return esito_; }

 private:
  void cambiaMetodo();
  void stampa();

  QComboBox* metodo_ = nullptr;
  QComboBox* ruota_ = nullptr;
  QComboBox* colpi_ = nullptr;
  QComboBox* studioDa_ = nullptr;
  QComboBox* inizio_ = nullptr;
  QComboBox* fine_ = nullptr;
  QComboBox* spia_ = nullptr;
  QComboBox* posizione_ = nullptr;
  QLineEdit* ambate_ = nullptr;
  QLineEdit* top_ = nullptr;
  QCheckBox* unico_ = nullptr;
  QLabel* sintesi_ = nullptr;
  VistaGrafico* grafico_ = nullptr;
  Griglia90* griglia_ = nullptr;
  int contaRecord_ = 0;
  EsitoVerifica esito_;
};

}  // namespace ruotario
