#include "app/numeric_locale.h"

#include <clocale>
#include <locale>

namespace app {

void UseCNumericLocale() {
    // The global C++ locale first: installing a named locale also calls setlocale(LC_ALL).
    std::locale::global(std::locale(std::locale(), std::locale::classic(), std::locale::numeric));
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace app
