#include "catalog/TvDeviceCommandData.h"

namespace {

constexpr TvDeviceCommandRow kCommands[] = {
    {"SaveConfig", "Save Changes", "Save Configurations into NV-RAM ?", "Save Configure",
     "1.3.6.1.4.1.59371.12.1.2.6", "3"},
    {"Reboot", "Reboot", "Are you sure to reboot the device?", "Reboot", "1.3.6.1.4.1.59371.12.1.2.19", "1"},
};

} // namespace

std::span<const TvDeviceCommandRow> DeviceCommands() {
    return kCommands;
}

const TvDeviceCommandRow* FindDeviceCommand(std::string_view target) {
    for (const TvDeviceCommandRow& row : kCommands)
        if (target == row.Target)
            return &row;
    return nullptr;
}
