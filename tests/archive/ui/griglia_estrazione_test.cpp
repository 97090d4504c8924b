// The draw entry grid as the user types into it: the editor box, the change
// rule, the arrow keys and Enter, the input switch.
#include "archive/ui/GrigliaEstrazione.h"

#include <QtTest>
#include <QtWidgets>

using namespace ruotario;

class GrigliaEstrazioneTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> finestra_;
  GrigliaEstrazione* g_ = nullptr;
  QPushButton* salva_ = nullptr;

  QLineEdit* testo() const { return g_->Testo(); }
  QString corrente() const { return QStringLiteral("%1,%2").arg(g_->Corrente().riga).arg(g_->Corrente().colonna); }
  void clic(int riga, int colonna) {
    const QRect r = g_->visualRect(g_->model()->index(riga - 1, colonna - 1));
    QTest::mouseClick(g_->viewport(), Qt::LeftButton, {}, r.center());
  }
  void digita(const QString& tasti) { QTest::keyClicks(testo(), tasti); }
  void tasto(Qt::Key k) { QTest::keyClick(testo(), k); }

 private slots:
  void init() {
    finestra_ = std::make_unique<QWidget>();
    auto* l = new QVBoxLayout(finestra_.get());
    g_ = new GrigliaEstrazione(QStringLiteral("Griglia"), finestra_.get());
    salva_ = new QPushButton(QStringLiteral("Salva"), finestra_.get());
    l->addWidget(g_);
    l->addWidget(salva_);
    g_->ImpostaPulsanteSalva(salva_);
    g_->ImpostaInput(true);
    finestra_->resize(600, 450);
    finestra_->show();
    QVERIFY(QTest::qWaitForWindowExposed(finestra_.get()));
  }
  void cleanup() { finestra_.reset(); }

  void editorLiesOverTheClickedCellAndTakesOnlyOneToNinety() {
    g_->ImpostaCella(3, 2, QStringLiteral("44"));
    clic(3, 2);
    QCOMPARE(corrente(), QStringLiteral("3,2"));
    const QRect cella = g_->visualRect(g_->model()->index(2, 1));
    QCOMPARE(testo()->geometry(), QRect(cella.topLeft(), cella.size() - QSize(1, 1)));
    QCOMPARE(testo()->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(testo()->selectedText(), QStringLiteral("44"));  // typing replaces it
    digita("123");  // each keystroke goes through the cell's rule: 12 stays, 123 does not
    QCOMPARE(testo()->text() + " " + g_->Cella(3, 2), QStringLiteral("123 12"));
    testo()->setText(QStringLiteral("7"));  // put in, not typed: the same rule
    QCOMPARE(g_->Cella(3, 2), QStringLiteral("7"));
  }

  // Where each key leads is MossaEditor's; here, that the keys and the caret reach it.
  void keysMoveTheEditorWhereTheCaretAllows() {
    g_->ApriEditor(1, 5);
    tasto(Qt::Key_Enter);
    QCOMPARE(corrente(), QStringLiteral("2,1"));
    digita("12");
    testo()->setCursorPosition(1);
    tasto(Qt::Key_Right);  // caret inside the text: the caret moves, not the cell
    QCOMPARE(corrente() + QString::number(testo()->cursorPosition()), QStringLiteral("2,12"));
    g_->ApriEditor(2, 3);
    tasto(Qt::Key_Left);  // the whole text selected: the caret counts from 0
    tasto(Qt::Key_Up);
    QCOMPARE(corrente(), QStringLiteral("1,2"));
    QCOMPARE(testo()->text(), g_->Cella(1, 2));
  }

  void inputSwitchAndSaveButtonDecideWhetherAnythingIsTyped() {
    g_->ImpostaCella(1, 1, QStringLiteral("10"));
    g_->RendiCorrente(1, 1);
    g_->setFocus();
    QTest::keyClick(g_, Qt::Key_5);  // a printable key opens the editor with it
    QVERIFY(testo()->isVisible() && testo()->cursorPosition() == 1);
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("5"));

    g_->NascondiEditor();
    g_->ImpostaInput(false);  // switch off: clicks and keys do nothing
    clic(4, 4);
    QTest::keyClick(g_, Qt::Key_8);
    QVERIFY(testo()->isHidden() && g_->Cella(4, 4).isEmpty() && g_->focusPolicy() == Qt::NoFocus);

    g_->ImpostaInput(true);  // save disabled: the editor stays shut, the key is dropped
    salva_->setEnabled(false);
    clic(1, 1);
    QTest::keyClick(g_, Qt::Key_8);
    QVERIFY(testo()->isHidden() && g_->Cella(1, 1) == QStringLiteral("5"));
  }
};

QTEST_MAIN(GrigliaEstrazioneTest)
#include "griglia_estrazione_test.moc"
