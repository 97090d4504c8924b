#pragma once
// The public pages where the user finds the latest draw as text to paste, in
// the order the pasted-draw window lists them.

#include <array>
#include <string_view>

namespace ruotario {

inline constexpr std::array<std::string_view, 5> kSitiEstrazioni = {
    // The state agency (Agenzia delle Dogane e dei Monopoli): Lotto results, home page.
    "https://www.adm.gov.it/portale/monopoli/giochi/gioco-del-lotto/lotto_g/lotto_estr",
    "https://www.adm.gov.it/",
    // RAI Televideo: page 591 (Lotto), the same page as plain text, home page.
    "https://www.servizitelevideo.rai.it/televideo/pub/pagina.jsp?p=591&s=0&r=Nazionale&idmenumain=0",
    "https://www.servizitelevideo.rai.it/televideo/pub/solotesto.jsp?pagina=591",
    "https://www.servizitelevideo.rai.it/televideo/pub/index.jsp",
};

}  // namespace ruotario
