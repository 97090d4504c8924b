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

  void editorLiesOverTheClickedCell() {
    QVERIFY(testo()->isHidden());
    g_->ImpostaCella(3, 2, QStringLiteral("44"));
    clic(3, 2);
    QVERIFY(testo()->isVisible());
    QCOMPARE(corrente(), QStringLiteral("3,2"));
    const QRect cella = g_->visualRect(g_->model()->index(2, 1));
    QCOMPARE(testo()->geometry(), QRect(cella.topLeft(), cella.size() - QSize(1, 1)));
    QCOMPARE(testo()->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(testo()->text(), QStringLiteral("44"));
    QCOMPARE(testo()->selectedText(), QStringLiteral("44"));  // typing replaces it
    digita("7");
    QCOMPARE(g_->Cella(3, 2), QStringLiteral("7"));
  }

  void onlyNumbersOneToNinetyReachTheCell() {
    g_->ApriEditor(1, 1);
    digita("123");
    QCOMPARE(testo()->text(), QStringLiteral("123"));
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("12"));
    testo()->selectAll();
    tasto(Qt::Key_Backspace);  // cleared: the cell keeps its number
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("12"));
    digita("0");
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("12"));
    digita("7");
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("07"));
    testo()->setText(QStringLiteral("91"));  // put in, not typed: the same rule
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("07"));
    g_->ApriEditor(1, 2);
    digita("7");
    QCOMPARE(g_->Cella(1, 2), QStringLiteral("7"));
    g_->ApriEditor(1, 3);
    digita("7");  // the same number twice on a wheel is accepted
    QCOMPARE(g_->Cella(1, 3), QStringLiteral("7"));
  }

  void enterRunsAlongTheRowsArrowsFollowTheCaret() {
    g_->ApriEditor(1, 4);
    tasto(Qt::Key_Return);
    QCOMPARE(corrente(), QStringLiteral("1,5"));
    tasto(Qt::Key_Enter);
    QCOMPARE(corrente(), QStringLiteral("2,1"));
    g_->ApriEditor(10, 5);
    tasto(Qt::Key_Return);  // Venezia's fifth number: nothing
    QCOMPARE(corrente(), QStringLiteral("10,5"));
    QVERIFY(testo()->isVisible());

    g_->ApriEditor(2, 2);
    digita("12");
    testo()->setCursorPosition(1);
    tasto(Qt::Key_Right);  // caret inside the text: the caret moves
    QCOMPARE(corrente(), QStringLiteral("2,2"));
    QCOMPARE(testo()->cursorPosition(), 2);
    tasto(Qt::Key_Right);
    QCOMPARE(corrente(), QStringLiteral("2,3"));
    QCOMPARE(testo()->text(), QString());
    g_->ImpostaCella(2, 3, QStringLiteral("33"));
    g_->ApriEditor(2, 3);
    tasto(Qt::Key_Right);  // the selected text counts from its start: stays
    QCOMPARE(corrente(), QStringLiteral("2,3"));
    g_->ApriEditor(2, 3);
    tasto(Qt::Key_Left);  // selection starts at 0: moves
    QCOMPARE(corrente(), QStringLiteral("2,2"));
    testo()->setCursorPosition(1);
    tasto(Qt::Key_Down);
    QCOMPARE(corrente(), QStringLiteral("3,2"));
    tasto(Qt::Key_Up);
    tasto(Qt::Key_Up);
    QCOMPARE(corrente(), QStringLiteral("1,2"));
    tasto(Qt::Key_Up);  // first row
    QCOMPARE(corrente(), QStringLiteral("1,2"));
    QCOMPARE(testo()->text(), g_->Cella(1, 2));
  }

  void inputSwitchAndSaveButtonDecideWhetherAnythingIsTyped() {
    g_->ImpostaCella(1, 1, QStringLiteral("10"));
    g_->RendiCorrente(1, 1);
    g_->setFocus();
    QTest::keyClick(g_, Qt::Key_5);  // a printable key opens the editor with it
    QVERIFY(testo()->isVisible());
    QCOMPARE(testo()->text(), QStringLiteral("5"));
    QCOMPARE(testo()->cursorPosition(), 1);
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("5"));

    g_->NascondiEditor();
    g_->ImpostaInput(false);  // switch off: clicks and keys do nothing
    clic(4, 4);
    QTest::keyClick(g_, Qt::Key_8);
    QVERIFY(testo()->isHidden());
    QCOMPARE(g_->Cella(4, 4), QString());
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("5"));
    QCOMPARE(g_->focusPolicy(), Qt::NoFocus);

    g_->ImpostaInput(true);  // save disabled: the editor stays shut, the key is dropped
    salva_->setEnabled(false);
    clic(4, 4);
    QVERIFY(testo()->isHidden());
    g_->RendiCorrente(1, 1);
    g_->setFocus();
    QTest::keyClick(g_, Qt::Key_8);
    QVERIFY(testo()->isHidden());
    QCOMPARE(testo()->text(), QStringLiteral("5"));
    QCOMPARE(g_->Cella(1, 1), QStringLiteral("5"));
  }
};

QTEST_MAIN(GrigliaEstrazioneTest)
#include "griglia_estrazione_test.moc"
