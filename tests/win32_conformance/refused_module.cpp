// A module both panel hosts must refuse, built for Linux and for Windows from this one source:
// without its ImportTable export (REFUSED_NO_IMPORTS), or with a gauge header of a version the
// hosts do not read (REFUSED_HEADER_VERSION).
#include "gauges/panel_records.h"

#ifdef _WIN32
#define EXPORT extern "C" __declspec(dllexport)
#else
#define EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

GAUGEHDR refusedHeader() {
  GAUGEHDR header{};
  header.gauge_header_version = REFUSED_HEADER_VERSION;
  header.gauge_name = "REFUSED";
  return header;
}

GAUGEHDR refusedGauge = refusedHeader();

}  // namespace

EXPORT LINKAGE<2> Linkage;
LINKAGE<2> Linkage = {{LINKAGE_MODULE_ID, nullptr, nullptr, 0, 0, 0x0900},
                      {&refusedGauge, nullptr}};
#ifndef REFUSED_NO_IMPORTS
EXPORT IMPORT_TABLE ImportTable;
IMPORT_TABLE ImportTable = {{IMPORT_ID_PANELS, nullptr}, {0, nullptr}};
#endif
