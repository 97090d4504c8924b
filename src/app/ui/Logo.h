#pragma once
// The program's logo (a Lotto ball) and toolbar icon, drawn in code.

#include <QIcon>
#include <QPixmap>

namespace ruotario {

QPixmap LogoRuotario(int lato);
QIcon IconaArchivio();

}  // namespace ruotario
