#include "resources/templates/DialogTemplate.h"
#include "resources/templates/ResourceIds.h"

namespace razzlewick {

std::string LoadResourceString(int id)
{
    switch (id) {
        case IDS_ABOUTBOX:
            return "&About Razzlewick...";
        default:
            return {};
    }
}

}  // namespace razzlewick
