#include "app/startup.h"

namespace gridmate::app {

std::string strAppCaption() {
    return "Gridmate " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
           "." + std::to_string(kVersionRevision);
}

StartDecision Main(InstanceLookup& lookup) {
    if (!lookup.previousInstance()) return StartDecision::Run;
    void* window = lookup.findWindow(strAppCaption());
    if (!window) return StartDecision::Run;
    if (lookup.isIconic(window)) lookup.showNormal(window);
    lookup.setForeground(window);
    return StartDecision::HandedOver;
}

}  // namespace gridmate::app
