// The module's resources (bitmaps and sounds), found by winapi through this exported symbol.
#include "gauges/frame.h"
#include "winapi/resource_pack.h"

extern "C" const unsigned char qtp_resource_pack_begin[];
extern "C" const unsigned char qtp_resource_pack_end[];

QTP_MODULE_EXPORT const QtpResourceDirectory qtp_resource_directory = {
    qtp_resource_pack_begin,
    static_cast<std::uint64_t>(qtp_resource_pack_end - qtp_resource_pack_begin)};
