#include "app/qt/LinkedQtServices.h"

namespace app::qt {

void useLinkedQtServices() {
    useQtServices(linkedQtServices());
}

}  // namespace app::qt
