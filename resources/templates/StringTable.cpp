#include "resources/templates/DialogTemplate.h"

#include "resources/templates/ResourceIds.h"

std::string LoadResourceString(int id)
{
    switch (id) {
        case IDS_ABOUTBOX:
            return "&About Razzlewick...";
        default:
            return {};
    }
}
