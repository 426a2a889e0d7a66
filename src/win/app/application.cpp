#include "win/app/application.h"

namespace drawlot {

Application::~Application() {
  if (editor_font) DeleteObject(editor_font);
}

}  // namespace drawlot
