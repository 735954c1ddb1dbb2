#pragma once

namespace app {

// Numbers are read and written in the C locale whatever the user's locale: LC_NUMERIC
// becomes "C" and the C++ global locale takes the classic number facets (the rest of the
// user's locale stays). Called once the application object exists, since that sets the
// locale from the environment.
void UseCNumericLocale();

}  // namespace app
