// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/memory.h"

#include <malloc.h>

namespace platform {

void keepFreedMemoryForReuse()
{
    constexpr int MiB = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * MiB);
    mallopt(M_TRIM_THRESHOLD, 64 * MiB);
}

} // namespace platform
