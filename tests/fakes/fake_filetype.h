// The info library's file-type converter, with a switch for the statuses a real one
// would return only on failures of its own.
#ifndef VX_TEST_FAKE_FILETYPE_H
#define VX_TEST_FAKE_FILETYPE_H

#include <cstdint>

namespace vxtest {
// Makes vxinfo_str_to_ship_filetype return `status` for every text (0 restores the
// usual conversion).
void force_filetype_status(int32_t status);
}  // namespace vxtest

#endif
