// "vxl-r381-cli ports" and "vxl-r381-cli detect": the serial devices
// present, and the one a radio answers on.
#pragma once

#include <QStringList>

struct TCliCommandSpec;
const TCliCommandSpec &CliPortsSpec();
const TCliCommandSpec &CliDetectSpec();
int CliPorts(const QStringList &args);
int CliDetect(const QStringList &args);
