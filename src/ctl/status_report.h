// The registration status of detected hosts as veltractl status reports it, text and JSON; the
// doctor's report shows the same.
#pragma once

#include "ctl/ctl_output.h"

#include <string>
#include <vector>

class ParamNode;

struct StatusReport {
    bool anyReady = false;        // one host at least registered and consistent
    Json hosts = Json::array();   // one object per host
    std::string text;             // a few lines per host
};

// The status of each of entries (the detected hosts, numbered from 1 in this order), or only of
// selected when it is not null, for the current context.
StatusReport reportStatus(const std::vector<const ParamNode *> &entries, const ParamNode *selected);
