#pragma once
// "Informazioni su ruotario": title, version and a launcher for the system's
// information tool.

#include <QDialog>

namespace ruotario {

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent = nullptr);

  // Starts the first system-information tool found; says so when there is none.
  void StartSysInfo();
};

// The tools tried by StartSysInfo, in order.
inline const QStringList kStrumentiSistema = {
    QStringLiteral("hardinfo"),  QStringLiteral("gnome-system-monitor"), QStringLiteral("plasma-systemmonitor"),
    QStringLiteral("ksysguard"), QStringLiteral("mate-system-monitor"),  QStringLiteral("xfce4-taskmanager")};

}  // namespace ruotario
