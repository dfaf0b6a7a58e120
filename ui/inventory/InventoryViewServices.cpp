#include "ui/inventory/InventoryViewServices.h"

#include "model/framework/SystemClock.h"

CDate Today(const CInventoryViewServices& services) {
    return services.clock != nullptr ? services.clock->Today() : CSystemClock().Today();
}
